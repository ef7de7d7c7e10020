#pragma once
// Captions and tool-tips from the numbered French string table: a widget or action whose
// "stringEntry" property holds a number takes that entry as its caption, and one whose
// "toolTipEntry" property holds a number takes that entry as its tool-tip. Entries the table
// lacks leave the caption as designed.

class QObject;

namespace brontaxe {
class StringTable;
}

namespace brontaxe::app {

void applyStringTable(QObject* root, const StringTable& table);

// Marks an object for the pass.
void setStringEntry(QObject* object, int entry);
void setToolTipEntry(QObject* object, int entry);

}  // namespace brontaxe::app

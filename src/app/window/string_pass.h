#pragma once
// Captions and tool-tips from the numbered French string table: a widget or action whose
// "stringEntry" property holds a number takes that entry as its caption, and one whose
// "toolTipEntry" property holds a number takes that entry as its tool-tip. Entries the table
// lacks leave the caption as designed.

class QObject;
class QString;

namespace brontaxe {
class StringTable;
}

namespace brontaxe::app {

// Captions pass through frenchSpacing on their way.
void applyStringTable(QObject* root, const StringTable& table);

// French typography in a text shown: a non-breaking space before ":" ";" "?" "!" (the plain
// one there made a non-breaking one, one added where a word touches a colon that ends it),
// so that a wrapped line never begins with one of them.
QString frenchSpacing(QString text);

// Every window of the program, dialogs included (Qt's own too), gets French typography in its
// captions when it is shown. Installed once, whoever asks first.
void respaceWindowsWhenShown();

// Marks an object for the pass.
void setStringEntry(QObject* object, int entry);
void setToolTipEntry(QObject* object, int entry);

}  // namespace brontaxe::app

#pragma once
// Captions and tool-tips from the numbered French string table: a widget or action whose
// "stringEntry" property holds a number takes that entry as its caption, and one whose
// "toolTipEntry" property holds a number takes that entry as its tool-tip. Entries the table
// lacks leave the caption as designed.

class QLabel;
class QObject;
class QString;

namespace brontaxe {
class StringTable;
}

namespace brontaxe::app {

// Captions pass through frenchSpacing on their way.
void applyStringTable(QObject* root, const StringTable& table);

// French typography in a text shown (platform::frenchSpacing): a non-breaking space before
// ":" ";" "?" "!" "»" and after "«", so that a wrapped line never begins with one of them.
QString frenchSpacing(const QString& text);

// A message said in a label (the status bar's, a dialog's): with French typography, in red
// when it is a fault.
void showMessage(QLabel* label, const QString& text, bool fault);

// Every window of the program, dialogs included (Qt's own too), gets French typography in its
// captions when it is shown. Installed once, whoever asks first.
void respaceWindowsWhenShown();

// Marks an object for the pass.
void setStringEntry(QObject* object, int entry);
void setToolTipEntry(QObject* object, int entry);

}  // namespace brontaxe::app

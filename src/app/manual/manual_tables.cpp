#include "app/manual/manual_tables.h"

#include <QTextFrame>
#include <QTextTable>

namespace brontaxe::manual {
namespace {

constexpr qreal kCellPadding = 3;  // pixels of a screen of 96 dots an inch

}  // namespace

void padTables(QTextDocument& doc) {
    for (QTextFrame* frame : doc.rootFrame()->childFrames()) {
        auto* table = qobject_cast<QTextTable*>(frame);
        if (table == nullptr)
            continue;
        for (int row = 0; row < table->rows(); ++row) {
            for (int column = 0; column < table->columns(); ++column) {
                QTextTableCell cell = table->cellAt(row, column);
                QTextTableCellFormat format = cell.format().toTableCellFormat();
                format.setLeftPadding(kCellPadding);
                format.setRightPadding(kCellPadding);
                cell.setFormat(format);
            }
        }
    }
}

}  // namespace brontaxe::manual

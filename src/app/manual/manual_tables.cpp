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
        QTextTableFormat format = table->format();
        format.setCellPadding(kCellPadding);
        table->setFormat(format);
    }
}

}  // namespace brontaxe::manual

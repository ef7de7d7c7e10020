#include "app/commands/die_line_opening.h"

#include <QInputDialog>
#include <QStringList>

#include "app/dialogs/layer_kinds_dialog.h"
#include "io/die_line_import.h"
#include "workbench/line_kind_settings.h"

namespace brontaxe::app {
namespace {

constexpr std::pair<const char*, double> kUnits[] = {
    {"millimètres", 1.0}, {"centimètres", 10.0}, {"mètres", 1000.0}, {"pouces", 25.4}};

// The unit of a DXF file that names none; nothing when the user cancels.
std::optional<double> askUnit(QWidget* parent) {
    QStringList names;
    for (const auto& [name, millimetres] : kUnits)
        names << QString::fromUtf8(name);
    bool ok = false;
    const QString chosen = QInputDialog::getItem(
        parent, QStringLiteral("Unité du fichier"),
        QStringLiteral("Le fichier ne donne pas son unité. Ses cotes sont en :"), names, 0, false,
        &ok);
    if (!ok)
        return std::nullopt;
    return kUnits[static_cast<std::size_t>(std::max(0, static_cast<int>(names.indexOf(chosen))))]
        .second;
}

}  // namespace

DieLineOpening openDieLineFile(QWidget* parent, Workbench& wb, const std::filesystem::path& path) {
    DieLineOpening out;
    io::ImportOptions options;
    options.table = lineKindTable(wb.settings());
    Drawing read;
    io::ImportReport report;
    out.result = io::openDieLine(read, path, options, report);
    if (!out.result.ok)
        return out;
    bool again = false;
    if (report.unitAbsent) {
        options.unitWhenAbsent = askUnit(parent);
        out.cancelled = !options.unitWhenAbsent;
        again = true;
    }
    if (!out.cancelled && !report.unknownLayers.empty()) {
        LayerKindsDialog dialog(report.unknownLayers, parent);
        out.cancelled = dialog.exec() != QDialog::Accepted;
        for (const auto& [layer, kindName] : dialog.choices())
            options.table.addUserEntry(layer, kindName);
        if (!out.cancelled)
            rememberLineKinds(wb.settings(), options.table);
        again = true;
    }
    if (out.cancelled)
        return out;
    if (again) {
        report = io::ImportReport{};
        out.result = io::openDieLine(read, path, options, report);
        if (!out.result.ok)
            return out;
    }
    wb.adoptDieLine(read, path.filename().string());
    out.report = wb.regenerate();
    out.report.notices.insert(out.report.notices.end(), report.notices.begin(),
                              report.notices.end());
    return out;
}

}  // namespace brontaxe::app

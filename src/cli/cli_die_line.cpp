#include "cli/cli_die_line.h"

#include <filesystem>

#include "io/die_line_import.h"
#include "workbench/line_kind_settings.h"

namespace brontaxe::cli {
namespace {

constexpr std::pair<std::string_view, double> kUnits[] = {
    {"mm", 1.0}, {"cm", 10.0}, {"m", 1000.0}, {"po", 25.4}};

std::optional<double> unitNamed(const std::string& name) {
    for (const auto& [unit, millimetres] : kUnits) {
        if (unit == name)
            return millimetres;
    }
    return std::nullopt;
}

std::string kindList() {
    std::string out;
    for (const io::KindName& k : io::kindNames())
        out += (out.empty() ? "" : ", ") + std::string(k.name);
    return out;
}

}  // namespace

void defineDieLineOptions(CLI::App& app, DieLineOptions& o) {
    app.add_option("--unite", o.unit,
                   "Unité d'un DXF qui n'en donne pas : mm, cm, m ou po (pouces)")
        ->check(CLI::IsMember({"mm", "cm", "m", "po"}));
    app.add_option(
        "--calque", o.layers,
        "Nature des traits d'un calque DXF ou d'un type CF2 : NOM=NATURE (" + kindList() + ")");
}

bool namesDieLine(const std::string& argument) {
    return io::isDieLinePath(argument);
}

std::optional<std::string> openDieLineArgument(Workbench& wb, const std::string& path,
                                               const DieLineOptions& o, std::ostream& err,
                                               std::size_t& warnings) {
    io::ImportOptions options;
    options.table = lineKindTable(wb.settings());
    if (o.unit)
        options.unitWhenAbsent = unitNamed(*o.unit);
    for (const std::string& entry : o.layers) {
        const std::size_t eq = entry.rfind('=');
        const auto lineKind =
            eq == std::string::npos ? std::nullopt : io::kindFromName(entry.substr(eq + 1));
        if (!lineKind || eq == 0)
            return "--calque incorrect : \"" + entry + "\" (NOM=NATURE, NATURE parmi " +
                   kindList() + ")";
        options.table.addUserEntry(entry.substr(0, eq), entry.substr(eq + 1));
    }
    Drawing read;
    io::ImportReport report;
    const io::FileResult r = io::openDieLine(read, path, options, report);
    if (!r.ok)
        return r.message;
    if (report.unitAbsent)
        err << "Attention : le fichier ne donne pas son unité ($INSUNITS) : lu en millimètres "
               "(--unite pour une autre)\n";
    for (const std::string& layer : report.unknownLayers)
        err << "Attention : calque inconnu \"" << layer << "\" gardé en annotation (--calque \""
            << layer << "=coupe\" pour le lire)\n";
    for (const std::string& notice : report.notices)
        err << "Attention : " << notice << "\n";
    warnings += (report.unitAbsent ? 1 : 0) + report.unknownLayers.size() + report.notices.size();
    wb.adoptDieLine(read, std::filesystem::path(path).filename().string());
    return std::nullopt;
}

}  // namespace brontaxe::cli

#include "cli/cli_check.h"

#include "workbench/workbench_check.h"

namespace brontaxe::cli {

void defineCheckOptions(CLI::App& app, CheckOptions& o) {
    app.add_flag("--controle", o.failOnFindings,
                 "Contrôle de la découpe : code de sortie 3 si elle a des défauts");
    app.add_flag("--force", o.force,
                 "Écrit le fichier CF2 ou DXF même si le contrôle trouve des défauts");
}

std::vector<Finding> printCheck(std::ostream& out, const Workbench& wb) {
    std::vector<Finding> findings = checkRegenerated(wb);
    out << verdictText(findings) << "\n" << groupedFindingsText(findings);
    return findings;
}

std::optional<std::string> refusedExport(const std::filesystem::path& output,
                                         const std::vector<Finding>& findings,
                                         const CheckOptions& o) {
    const std::size_t defects = defectCount(findings);
    if (o.force || defects == 0 || !isDieMakingFile(output))
        return std::nullopt;
    return output.filename().string() + " non écrit : la découpe a " + std::to_string(defects) +
           (defects == 1 ? " défaut" : " défauts") + " (--force pour l'écrire quand même)";
}

}  // namespace brontaxe::cli

#include "cli/cli_fold.h"

#include "fold/erected_pieces.h"
#include "fold/style_folds.h"
#include "styles/style_records.h"
#include "workbench/design_fold.h"

namespace brontaxe::cli {

void defineFoldOptions(CLI::App& app, bool& folded) {
    app.add_flag("--plie", folded,
                 "Plie la découpe : les dimensions extérieures et intérieures de chaque pièce "
                 "pliée et ses faces fermées");
}

void printFolded(std::ostream& out, const Workbench& wb) {
    const Model& m = wb.model();
    const DesignFold fold = foldDesign(wb);
    if (fold.flatBecause) {
        out << *fold.flatBecause << "\n";
        return;
    }
    const std::vector<fold::ErectedPiece> pieces =
        fold::erectedPieces(fold.folded, stanceOf(m.CodeModele), {m.Longueur, m.Largeur});
    for (std::size_t i = 0; i < pieces.size(); ++i)
        out << fold::erectedText(static_cast<int>(i + 1), pieces[i]) << "\n";
    if (const auto reason = fold::notFoldingYet(m.CodeModele))
        out << "Ce modèle ne se plie pas encore : " << *reason << "\n";
}

}  // namespace brontaxe::cli

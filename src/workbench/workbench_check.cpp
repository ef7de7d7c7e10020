#include "workbench/workbench_check.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "workbench/catalogue.h"
#include "workbench/design_fold.h"

namespace brontaxe {

std::vector<Finding> checkRegenerated(const Workbench& wb) {
    const Drawing& d = wb.drawing();
    if (d.ElementCount() == 0)
        return {};
    const Model& m = wb.model();
    const bool slash = wb.window().codeText.find('/') != std::string::npos;
    const DispatchTarget target = dispatchCode(m.CodeModele, slash, m.TypeDessus, m.TypeDessous);
    // The flaps and locks the style declares are those of faces its edits no longer have.
    if (!editsKeepStyleFaces(wb))
        return checkDrawing(d, {.thickness = m.EpaisseurCarton,
                                .holeLand = declaredHoleLand(target.generatorCode)});
    return checkBlank(d, target.generatorCode, m);
}

bool isDieMakingFile(const std::filesystem::path& path) {
    std::string ext = path.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext == ".cf2" || ext == ".dxf";
}

}  // namespace brontaxe

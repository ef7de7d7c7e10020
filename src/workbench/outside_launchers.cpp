#include "workbench/outside_launchers.h"

#include <algorithm>
#include <cctype>

#include "io/drawing_files.h"
#include "platform/child_process.h"
#include "platform/command_line.h"
#include "platform/number_text.h"
#include "platform/text.h"
#include "workbench/workbench.h"

namespace brontaxe::tools {
namespace {

std::string lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

// Outside dimensions are worked out in single precision, as the model holds them.
std::string outside(float inside, float thickness) {
    const float value = 2 * thickness + inside;
    return platform::numberTextBlank(value);
}

// Whatever happens during an export, the window gets its normal drawing mode and filter back.
class Mode3DScope {
  public:
    explicit Mode3DScope(Workbench& wb) : wb_(wb) { wb_.model().Mode3D = true; }
    ~Mode3DScope() {
        wb_.model().Mode3D = false;
        if (!wb_.window().dimensioningHidden)
            wb_.drawing().SetFilter("");
    }
    Mode3DScope(const Mode3DScope&) = delete;
    Mode3DScope& operator=(const Mode3DScope&) = delete;

  private:
    Workbench& wb_;
};

}  // namespace

std::string exchangeFile(Export3D kind) {
    switch (kind) {
        case Export3D::Korvane3D:
            return "c:\\korvane\\Brontaxe.des";
        case Export3D::Presenter3D:
            return "c:\\korvane\\Brontaxe.ev";
        case Export3D::Pliao:
            return "c:\\korvane\\Brontaxe.pli";
    }
    return {};
}

std::string korvane3DCommandLine(const std::string& program) {
    return "\"" + program + " \"" + " " + lower(exchangeFile(Export3D::Korvane3D));
}

std::string korRcvParameters(const Model& m, const GradeTable& grades) {
    const float e = m.EpaisseurCarton;
    const bool graded = grades.holds(m.NumQualite);
    return " L=" + outside(m.Longueur, e) + ";B=" + outside(m.Largeur, e) +
           ";H=" + outside(m.Hauteur, e) + ";Q=" + (graded ? grades.at(m.NumQualite).label : "") +
           ";C=" + (graded ? grades.at(m.NumQualite).code : "") +
           ";e=" + platform::numberTextBlank(e);
}

std::string korRcvCommandLine(const std::string& program, const Model& m,
                              const GradeTable& grades) {
    return program + "  " + korRcvParameters(m, grades);
}

std::vector<std::string> korRcvArguments(const OutsidePrograms& programs, const Model& m,
                                         const GradeTable& grades,
                                         const platform::EnvironmentLookup& env) {
    const std::string parameters = korRcvParameters(m, grades);
    return {programFile(programs.korRcv, env).string(),
            std::string(platform::trimBlanks(parameters))};
}

Export3DResult export3D(Workbench& wb, Export3D kind, const OutsidePrograms& programs,
                        const platform::EnvironmentLookup& env) {
    Export3DResult result;
    result.file = platform::mapWindowsPath(exchangeFile(kind), env);
    {
        Mode3DScope scope(wb);
        wb.regenerate();
        Drawing& d = wb.drawing();
        d.SetFilter("");
        d.SetFilter("COTATION");
        std::error_code ec;
        std::filesystem::create_directories(result.file.parent_path(), ec);
        const io::FileResult saved = io::SaveDrawing(d, result.file);
        if (!saved.ok) {
            result.problem = saved.message;
            return result;
        }
    }
    if (kind != Export3D::Korvane3D)
        return result;
    std::vector<std::string> args = platform::mapDriveCArguments(
        platform::splitCommandLine(korvane3DCommandLine(programs.korvane3D)), env);
    // The quotes of the command hold a blank after the program's name: not part of the name.
    args[0] = programFile(args[0], env).string();
    result.problem = platform::startDetached(args);
    return result;
}

bool isPasteHandOver(const std::string& fileName) {
    return fileName.find("$Paste") != std::string::npos;
}

std::optional<std::string> openInKorGeom(const OutsidePrograms& programs,
                                         const std::string& fileName,
                                         const platform::EnvironmentLookup& env) {
    return platform::startDetached({programFile(programs.korGeom, env).string(), fileName});
}

}  // namespace brontaxe::tools

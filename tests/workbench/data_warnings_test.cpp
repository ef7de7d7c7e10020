// Damaged tables and settings, drawn through the workbench as the window and the command line
// draw: each damage is said with its file and line, and no blank is drawn with allowances or a
// thickness other than the tables' without a warning.
#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "board/data_directory.h"
#include "support/shipped_tables.h"
#include "support/temp_dir.h"
#include "workbench/catalogue.h"
#include "workbench/workbench.h"

namespace brontaxe {
namespace {

namespace fs = std::filesystem;
using Edit = std::function<std::string(std::string)>;

std::string shipped(const char* name) {
    const platform::EnvironmentLookup none = [](const char*) {
        return std::optional<std::string>();
    };
    return test::readFile(fs::path(shippedDataDirectory(none)) / name);
}

// The file with line `n` (1-based) replaced by `edit` of it; a line edited to "\x7f" goes.
Edit onLine(int n, std::function<std::string(const std::string&)> edit) {
    return [n, edit](std::string text) {
        std::istringstream in(text);
        std::string out;
        int k = 0;
        for (std::string line; std::getline(in, line);) {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            const std::string kept = ++k == n ? edit(line) : line;
            if (kept != "\x7f")
                out += kept + "\r\n";
        }
        return out;
    };
}

Edit dropLastItem(int n) {
    return onLine(n, [](const std::string& l) { return l.substr(0, l.rfind(',')); });
}

Edit replaced(int n, std::string by) {
    return onLine(n, [by](const std::string&) { return by; });
}

const Edit kAsShipped = [](std::string t) { return t; };
const Edit kMissing = [](std::string) { return std::string("\x7f"); };

struct DataCase {
    const char* name;
    Edit grades = kAsShipped;
    Edit allowances = kAsShipped;
    std::string settings;  // lines of section [Brontaxe], from line 4 of the file
    int grade = 2;
    std::vector<std::string> said;  // each in some warning
};

struct Drawn {
    std::vector<std::string> warnings;
    Model model;
};

Drawn drawWith(const DataCase& c) {
    test::TempDir dir;
    const fs::path data = dir / "donnees";
    fs::create_directory(data);
    for (const auto& [name, edit] :
         {std::pair{"csqual2.kor", c.grades}, std::pair{"fefcomajo1.kor", c.allowances}}) {
        const std::string text = edit(shipped(name));
        if (text != "\x7f")
            test::writeFile(data / name, text);
    }
    test::writeFile(dir / "korparam.ini",
                    "[Preferences]\nMajoFefco=" + data.string() + "/\n[Brontaxe]\n" + c.settings);
    Workbench wb(platform::PrivateProfile(dir.path()));
    wb.startUp();
    const RegenerationReport r = wb.gradeChosen(c.grade);
    EXPECT_TRUE(r.drawn) << c.name << ": " << r.message;
    return {wb.dataWarnings(), wb.model()};
}

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& l : lines)
        text += l + "\n";
    return text;
}

TEST(DataWarnings, DamagedTablesAndSettingsAreSaidAndNoBlankDiffersSilently) {
    const std::vector<DataCase> cases = {
        {"as shipped", kAsShipped, kAsShipped, "", 2, {}},
        {"allowance table missing",
         kAsShipped,
         kMissing,
         "",
         2,
         {"fefcomajo1.kor introuvable : aucune majoration"}},
        {"allowance table empty",
         kAsShipped,
         [](std::string) { return std::string(); },
         "",
         2,
         {"fefcomajo1.kor ne contient aucun enregistrement"}},
        {"one field missing on line 9",
         kAsShipped,
         dropLastItem(9),
         "",
         2,
         {"fefcomajo1.kor, ligne 9 : enregistrement de 17 éléments au lieu de 18",
          "Pas de majorations pour le code 0201 en qualité 2 dans fefcomajo1.kor : celles de la "
          "qualité 1"}},
        {"line 9 damaged, grade 3 drawn from its own record",
         kAsShipped,
         dropLastItem(9),
         "",
         3,
         {"fefcomajo1.kor, ligne 9 :"}},
        {"short lines everywhere",
         kAsShipped,
         [](std::string t) {
             for (int n = 3; n <= 142; ++n)
                 t = dropLastItem(n)(t);
             return t;
         },
         "",
         2,
         {"fefcomajo1.kor, ligne 3 :", "fefcomajo1.kor, ligne 142 :"}},
        {"allowance of -500",
         kAsShipped,
         replaced(9, "201,2,-500,4,4,4,8,2,2,0,0,0,0,0,0,0,0,0"),
         "",
         2,
         {"fefcomajo1.kor, ligne 9 : majoration 1 : -500"}},
        {"no record for the grade",
         kAsShipped,
         replaced(9, "\x7f"),
         "",
         2,
         {"Pas de majorations pour le code 0201 en qualité 2"}},
        {"grade thickness -4",
         replaced(9, "-4"),
         kAsShipped,
         "",
         2,
         {"csqual2.kor, ligne 9 : qualité \"2 - C  - simple cannelure\" : épaisseur : -4"}},
        {"grade thickness not a number",
         replaced(9, "quatre"),
         kAsShipped,
         "",
         2,
         {"csqual2.kor, ligne 9 : épaisseur attendue au lieu de \"quatre\""}},
        {"grade table missing",
         kMissing,
         kAsShipped,
         "",
         1,
         {"csqual2.kor introuvable : aucune qualité, épaisseur 3 mm"}},
        {"glue flap not a number",
         kAsShipped,
         kAsShipped,
         "lgPatte=abc\n",
         2,
         {"korparam.ini, ligne 4, clé lgPatte : \"abc\" n'est pas un nombre ; valeur par "
          "défaut 36 gardée"}},
        {"glue flap of 1e30",
         kAsShipped,
         kAsShipped,
         "longueur=500\nlgPatte=1e30\n",
         2,
         {"korparam.ini, ligne 5, clé lgPatte : 1e30 hors limites (de 0 à 500\u00a0mm)"}},
        {"negative glue flap",
         kAsShipped,
         kAsShipped,
         "lgPatte=-1e6\n",
         2,
         {"clé lgPatte : -1e6 hors limites"}},
    };
    const BoardTables pristine = test::shippedTables();
    for (const DataCase& c : cases) {
        const Drawn d = drawWith(c);
        const std::string text = joined(d.warnings);
        for (const std::string& s : c.said)
            EXPECT_NE(text.find(s), std::string::npos) << c.name << ":\n" << text;
        if (c.said.empty()) {
            EXPECT_TRUE(d.warnings.empty()) << c.name << ":\n" << text;
        }

        // Drawn as the tables say, or said.
        const AllowanceValues expected = test::shippedAllowances(pristine, 201, c.grade);
        const bool asTheTables =
            d.model.EpaisseurCarton == pristine.gradeThickness(c.grade) &&
            std::equal(expected.begin() + 1, expected.end(), d.model.Majo.begin() + 1) &&
            d.model.lgPatte == 36;
        EXPECT_TRUE(asTheTables || !d.warnings.empty()) << c.name;
        if (c.said.empty() || std::string(c.name).find("grade 3") != std::string::npos) {
            EXPECT_TRUE(asTheTables) << c.name;
        }
    }
}

// The issue's own figures: 0201 in grade 2 is 1451 x 512 from the shipped tables.
TEST(DataWarnings, ARecordAfterADamagedLineIsReadAsWritten) {
    const Drawn intact = drawWith({"as shipped", kAsShipped, kAsShipped, "", 2, {}});
    EXPECT_FLOAT_EQ(intact.model.HorsToutX, 1451);
    EXPECT_FLOAT_EQ(intact.model.HorsToutY, 512);
    // Line 8 (grade 1) damaged: grade 2 on line 9 is still its own record.
    const Drawn after = drawWith({"line 8 damaged", kAsShipped, dropLastItem(8), "", 2, {}});
    EXPECT_FLOAT_EQ(after.model.HorsToutX, 1451);
    EXPECT_FLOAT_EQ(after.model.HorsToutY, 512);
    ASSERT_EQ(after.warnings.size(), 1u) << joined(after.warnings);
    EXPECT_NE(after.warnings[0].find("ligne 8"), std::string::npos);
}

// A fresh install draws every listed code in every grade from the tables' allowances (or the
// style's own), never with the warning that the table holds none for it: a style joins the
// lists with its rows in fefcomajo1.kor.
TEST(DataWarnings, EveryDrawnCodeFindsItsShippedAllowancesInEveryGrade) {
    test::TempDir dir;
    Workbench wb{platform::PrivateProfile(dir.path())};
    wb.startUp();
    for (const Family& family : catalogueFamilies())
        for (std::string_view listed : family.codes) {
            const std::string code(listed);
            if (listed == kTopBottomEntry || !wb.isDrawn(code))
                continue;
            wb.window().codeText = code;
            static_cast<void>(wb.codeBoxLeft());
            for (int grade = 1; grade <= wb.boardTables().grades().count(); ++grade) {
                const RegenerationReport r = wb.gradeChosen(grade);
                EXPECT_FALSE(r.drawn && wb.allowanceWarning())
                    << code << " grade " << grade << ": " << wb.allowanceWarning().value_or("");
            }
            static_cast<void>(wb.gradeChosen(1));
        }
}

}  // namespace
}  // namespace brontaxe

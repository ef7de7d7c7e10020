// Every drawn code of the catalogue and every top and bottom pair, in every shipped grade, at
// three sizes: the canonical dump of each drawing, reduced to a fingerprint a line (and drawn a
// second time from the same model, which must give the same drawing), compared
// with tests/golden/catalogue_dumps.txt. Work that moves code around without meaning to change
// a drawing must leave this file as it is; a reviewed change of drawings is accepted with
// scripts/accept-golden.sh.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "board/allowance_lookup.h"
#include "drawing/drawing_dump.h"
#include "styles/generators.h"
#include "support/golden_file.h"
#include "support/shipped_tables.h"
#include "support/style_fixture.h"
#include "support/style_run.h"
#include "workbench/catalogue.h"

namespace brontaxe {
namespace catalogue_dump_test {
namespace {

struct Size {
    const char* name;
    float l, w, h;
};

constexpr Size kSizes[] = {
    {"small", 60, 40, 30}, {"typical", 400, 300, 200}, {"long", 1200, 250, 500}};

// The closures a top and bottom box accepts, each over and under every other one.
constexpr std::int16_t kClosures[] = {201, 202, 203, 204, 205, 206, 208, 209,
                                      210, 211, 216, 232, 233, 700, 711};

// FNV-1a: a fingerprint short enough for a line, and stable across compilers and machines.
std::string fingerprint(const std::string& text) {
    std::uint64_t h = 14695981039346656037ull;
    for (unsigned char c : text) {
        h ^= c;
        h *= 1099511628211ull;
    }
    char out[17];
    std::snprintf(out, sizeof out, "%016llx", static_cast<unsigned long long>(h));
    return out;
}

struct Job {
    std::string label;      // what the line names: code, grade, size
    std::string generator;  // the generator that draws it
    std::int16_t top = 0;   // top and bottom closures of a combined box
    std::int16_t bottom = 0;
    std::string allowanceCode;  // the code the allowances are looked up under
};

std::vector<Job> jobs() {
    std::vector<Job> out;
    for (const Family& family : catalogueFamilies())
        for (std::string_view code : family.codes) {
            const DispatchTarget target = dispatchCode(code, false, 201, 201);
            if (target.kind == DispatchKind::Generator && findGenerator(target.generatorCode))
                out.push_back({std::string(target.generatorCode), std::string(target.generatorCode),
                               0, 0, std::string(target.generatorCode)});
        }
    for (std::int16_t top : kClosures)
        for (std::int16_t bottom : kClosures) {
            const std::string code = "0" + std::to_string(top) + "/0" + std::to_string(bottom);
            out.push_back({code, std::string(kCombinedGenerator), top, bottom, code});
        }
    return out;
}

std::string sweepText() {
    const BoardTables tables = test::shippedTables();
    std::ostringstream text;
    for (const Job& job : jobs())
        for (int grade = 1; grade <= tables.grades().count(); ++grade)
            for (const Size& size : kSizes) {
                test::Generated g;
                g.m.TypeDessus = job.top;
                g.m.TypeDessous = job.bottom;
                lookUpAllowances(g.m, tables, job.allowanceCode, grade);
                g.m.Longueur = size.l;
                g.m.Largeur = size.w;
                g.m.Hauteur = size.h;
                text << job.label << " grade " << grade << ' ' << size.name << ": ";
                test::StyleRun run;
                try {
                    run = test::runStyle(job.generator, g.m, g.d);
                } catch (const std::exception& e) {
                    text << "exception " << e.what() << "\n";
                    continue;
                }
                if (run.refusal) {
                    text << "refused " << *run.refusal << "\n";
                    continue;
                }
                const std::string dump = dumpDrawing(g.d);
                text << g.d.ElementCount() << " elements " << fingerprint(dump);
                // Drawn again from the same model, as the window redraws: nothing left over
                // from the first drawing may change the second.
                test::runStyle(job.generator, g.m, g.d);
                if (dumpDrawing(g.d) != dump)
                    text << ", another drawing when drawn again";
                text << "\n";
            }
    return text.str();
}

TEST(GoldenCatalogue, EveryDrawingIsTheOneOnFile) {
    const std::string actual = sweepText();
    EXPECT_EQ(actual.find("another drawing"), std::string::npos)
        << "a style draws differently the second time";
    test::expectGolden(actual, "catalogue_dumps.txt");
}

}  // namespace
}  // namespace catalogue_dump_test
}  // namespace brontaxe

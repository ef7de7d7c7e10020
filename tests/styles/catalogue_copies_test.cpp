// No silent copies: two codes of a family draw the same blank (the same cuts, creases and other
// rules, wherever the blank stands) only where the lists say so beside the code. Every pair of
// every family is drawn at two sizes with each code's own allowances.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "board/allowance_lookup.h"
#include "styles/generators.h"
#include "support/shipped_tables.h"
#include "support/style_fixture.h"
#include "support/style_run.h"
#include "workbench/catalogue.h"
#include "workbench/catalogue_forms.h"

namespace brontaxe {
namespace catalogue_copies_test {
namespace {

struct Size {
    float l, w, h;
};

constexpr Size kSizes[] = {{400, 300, 200}, {530, 370, 260}};

// One rule of the blank in a form two drawings can be compared by: kind, shape and numbers,
// with the blank moved so that its lower left corner is the origin.
struct Stroke {
    LineKind kind = LineKind::Cut;
    int shape = 0;
    std::vector<double> numbers;
};

constexpr double kTolerance = 0.01;

long rounded(double v) {
    return std::lround(v / kTolerance);
}

std::vector<Stroke> strokesOf(const Drawing& d) {
    std::vector<Stroke> out;
    double xmin = HUGE_VAL, ymin = HUGE_VAL;
    for (const Element& e : d.elements()) {
        if (e.lineKind < kind::Cut || e.lineKind > kind::Crease)
            continue;
        if (const auto* line = std::get_if<LineShape>(&e.shape)) {
            Point a = line->a, b = line->b;
            if (std::make_pair(rounded(b.x), rounded(b.y)) <
                std::make_pair(rounded(a.x), rounded(a.y)))
                std::swap(a, b);
            out.push_back({e.lineKind, 1, {a.x, a.y, b.x, b.y}});
            xmin = std::min({xmin, a.x, b.x});
            ymin = std::min({ymin, a.y, b.y});
        } else if (const auto* arc = std::get_if<ArcShape>(&e.shape)) {
            const Point s = arc->start(), t = arc->end();
            out.push_back({e.lineKind, 2, {s.x, s.y, t.x, t.y, arc->centre.x, arc->centre.y}});
            xmin = std::min({xmin, s.x, t.x});
            ymin = std::min({ymin, s.y, t.y});
        }
    }
    for (Stroke& s : out)
        for (std::size_t i = 0; i < s.numbers.size(); ++i)
            s.numbers[i] -= i % 2 == 0 ? xmin : ymin;
    auto key = [](const Stroke& s) {
        std::vector<long> k{lineKindNumber(s.kind), s.shape};
        for (double v : s.numbers)
            k.push_back(rounded(v));
        return k;
    };
    std::sort(out.begin(), out.end(),
              [&key](const Stroke& a, const Stroke& b) { return key(a) < key(b); });
    return out;
}

bool sameStrokes(const std::vector<Stroke>& a, const std::vector<Stroke>& b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].kind != b[i].kind || a[i].shape != b[i].shape)
            return false;
        for (std::size_t j = 0; j < a[i].numbers.size(); ++j)
            if (std::abs(a[i].numbers[j] - b[i].numbers[j]) > 2 * kTolerance)
                return false;
    }
    return !a.empty();
}

// The blank of a listed code at each size, drawn as the window draws it: the code's own
// allowances, its generator. A size the code refuses leaves no strokes.
std::vector<std::vector<Stroke>> blanksOf(const BoardTables& tables, std::string_view code) {
    std::vector<std::vector<Stroke>> out;
    const DispatchTarget target = dispatchCode(code, false, 0, 0);
    for (const Size& size : kSizes) {
        test::Generated g;
        lookUpAllowances(g.m, tables, code, 1);
        if (std::getenv("ZERO"))
            g.m.Majo.fill(0);
        g.m.Longueur = size.l;
        g.m.Largeur = size.w;
        g.m.Hauteur = size.h;
        const test::StyleRun run = test::runStyle(target.generatorCode, g.m, g.d);
        out.push_back(run.refusal ? std::vector<Stroke>{} : strokesOf(g.d));
    }
    return out;
}

bool sameBlanks(const std::vector<std::vector<Stroke>>& a,
                const std::vector<std::vector<Stroke>>& b) {
    for (std::size_t i = 0; i < a.size(); ++i)
        if (!sameStrokes(a[i], b[i]))
            return false;
    return true;
}

// Codes the lists draw on one blank: the first code of each group.
class BlankGroups {
  public:
    void join(std::string_view a, std::string_view b) {
        const std::string ra = root(a), rb = root(b);
        if (ra != rb)
            parent_[ra] = rb;
    }
    std::string root(std::string_view code) const {
        std::string c(code);
        for (auto it = parent_.find(c); it != parent_.end(); it = parent_.find(c))
            c = it->second;
        return c;
    }

  private:
    std::map<std::string, std::string> parent_;
};

struct Listed {
    std::string code;
    std::vector<std::vector<Stroke>> blanks;
};

std::vector<Listed> drawnCodesOf(const Family& family, const BoardTables& tables) {
    std::vector<Listed> out;
    for (std::string_view code : family.codes) {
        const DispatchTarget target = dispatchCode(code, false, 0, 0);
        if (target.kind == DispatchKind::Generator && findGenerator(target.generatorCode))
            out.push_back({std::string(code), blanksOf(tables, code)});
    }
    return out;
}

TEST(CatalogueCopies, TwoCodesOfAFamilyDrawOneBlankOnlyWhereTheListsSaySo) {
    BlankGroups said;
    for (const Family& family : catalogueFamilies())
        for (std::string_view code : family.codes)
            if (const StyleForm form = styleForm(code); !form.sameBlankAs.empty())
                said.join(code, form.sameBlankAs);
    const BoardTables tables = test::shippedTables();
    for (const Family& family : catalogueFamilies()) {
        const std::vector<Listed> codes = drawnCodesOf(family, tables);
        for (const Listed& c : codes)
            for (const auto& blank : c.blanks)
                EXPECT_FALSE(blank.empty()) << c.code << " refuses or draws nothing at a size";
        for (std::size_t i = 0; i < codes.size(); ++i)
            for (std::size_t j = i + 1; j < codes.size(); ++j) {
                const Listed& a = codes[i];
                const Listed& b = codes[j];
                const bool copy = sameBlanks(a.blanks, b.blanks);
                if (said.root(a.code) == said.root(b.code))
                    EXPECT_TRUE(copy) << "the lists say " << a.code << " and " << b.code
                                      << " share a blank, but they draw two";
                else
                    EXPECT_FALSE(copy) << a.code << " and " << b.code
                                       << " draw the same blank, and nothing says so";
            }
    }
}

}  // namespace
}  // namespace catalogue_copies_test
}  // namespace brontaxe

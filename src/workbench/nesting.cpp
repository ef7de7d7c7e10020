#include "workbench/nesting.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <set>
#include <string>

#include "drawing/contour.h"
#include "drawing/tolerances.h"
#include "workbench/imposition.h"
#include "workbench/imposition_facing.h"
#include "workbench/nesting_search.h"

namespace brontaxe {
namespace nest {

bool odd(int k) {
    return k % 2 != 0;
}

int shapeIndex(const NestPattern& p, int i, int j) {
    return ((p.turnedColumns && odd(i)) != (p.turnedRows && odd(j))) ? 1 : 0;
}

double columnX(const Lattice& l, int i) {
    const double period = l.pitchA + l.pitchB;
    const int pairs = static_cast<int>(std::floor(i / 2.0));
    return pairs * period + (odd(i) ? l.pitchA : 0);
}

double rowY(const Lattice& l, int j) {
    const double period = l.riseA + l.riseB;
    const int pairs = static_cast<int>(std::floor(j / 2.0));
    return pairs * period + (odd(j) ? l.riseA : 0);
}

Point cellAt(const Lattice& l, int i, int j) {
    return {columnX(l, i) + (odd(j) ? l.shift : 0), rowY(l, j)};
}

Turns turnsOf(const std::vector<Ring>& blank, double gapX, double gapY, bool quarterTurns) {
    Turns t;
    for (int q = 0; q < 4; q += quarterTurns ? 1 : 2)
        t.byQuarter[static_cast<std::size_t>(q)] = turnedBlank(blank, q * 90, gapX, gapY);
    t.gapX = gapX;
    t.gapY = gapY;
    t.quarterTurns = quarterTurns;
    return t;
}

namespace {

void setColumnPitches(Lattice& l, double gapX) {
    const TurnedBlank& a = *l.shapes[0];
    const TurnedBlank& b = *l.shapes[1];
    // Poses side by side never need more than their boxes and the gap: the grid's own pitch,
    // so that a sheet the grid fills exactly is filled as well.
    const double box = l.width + gapX;
    auto cap = [box](double v) { return std::clamp(v, 0.0, box); };
    if (!l.pattern.turnedColumns) {
        double p = pushPast(a, a);
        if (l.pattern.turnedRows)
            p = std::max(p, pushPast(b, b));
        l.pitchA = l.pitchB = cap(p);
        return;
    }
    // A row starts with the pattern's turn or, on odd rows of turned rows, the other one.
    l.pitchA = cap(std::max(pushPast(a, b), l.pattern.turnedRows ? pushPast(b, a) : -box));
    l.pitchB = cap(std::max(pushPast(b, a), l.pattern.turnedRows ? pushPast(a, b) : -box));
    const double same = std::min(std::max(pushPast(a, a), pushPast(b, b)), 2 * box);
    if (l.pitchA + l.pitchB < same)
        l.pitchB = same - l.pitchA;
}

// The least rise from row `from` to row `to` for the poses of `to` to clear those of `from`.
double rowRise(const Lattice& l, int from, int to, double gapY) {
    const double reach = l.width + gapY;
    const double least = std::max(std::min(l.pitchA, l.pitchB), 1.0);
    const int span = static_cast<int>(std::ceil(reach / least)) + 2;
    double rise = 0;
    for (int i = 0; i < 2; ++i) {
        const double xb = cellAt(l, i, to).x;
        const TurnedBlank& upper = *l.shapes[shapeIndex(l.pattern, i, to)];
        for (int k = i - span; k <= i + span; ++k) {
            const double xa = cellAt(l, k, from).x;
            if (xa >= xb + reach || xb >= xa + reach)
                continue;
            const TurnedBlank& lower = *l.shapes[shapeIndex(l.pattern, k, from)];
            rise = std::max(rise, riseOver(lower, upper, xb - xa));
        }
    }
    return std::min(rise, (to - from) * (l.height + gapY));
}

void setRowRises(Lattice& l, double gapY) {
    l.riseA = rowRise(l, 0, 1, gapY);
    l.riseB = rowRise(l, 1, 2, gapY);
    const double skip = rowRise(l, 0, 2, gapY);
    if (l.riseA + l.riseB < skip)
        l.riseB = skip - l.riseA;
}

double shiftPeriod(const Lattice& l) {
    return l.pattern.turnedColumns ? l.pitchA + l.pitchB : l.pitchA;
}

void addPose(Arrangement& a, const Lattice& l, int i, int j) {
    const int s = shapeIndex(l.pattern, i, j);
    const Point cell = cellAt(l, i, j);
    a.poses.push_back({(l.pattern.turn + 180 * s) % 360, cell + l.shapes[s]->offset});
    a.used.add(cell);
    a.used.add(cell + Point{l.width, l.height});
}

Arrangement withCounts(const Lattice& l, int columns, int rows, int count) {
    Arrangement a;
    a.pattern = l.pattern;
    a.columns = columns;
    a.rows = rows;
    std::vector<int> laid;
    for (int j = 0; j < rows; ++j) {
        int n = 0;
        for (int i = 0; i < columns && static_cast<int>(a.poses.size()) < count; ++i, ++n)
            addPose(a, l, i, j);
        if (n > 0)
            laid.push_back(n);
    }
    a.rowPoses = {laid};
    return a;
}

void translate(Arrangement& a, Point by) {
    for (NestPose& p : a.poses)
        p.at = p.at + by;
    if (!a.used.empty) {
        a.used.xmin += by.x;
        a.used.xmax += by.x;
        a.used.ymin += by.y;
        a.used.ymax += by.y;
    }
}

}  // namespace

int firstColumn(const Lattice& l, int j) {
    int i = 0;
    while (cellAt(l, i, j).x < -kEps)
        ++i;
    while (i > -kMaxPosesPerSide && cellAt(l, i - 1, j).x >= -kEps)
        --i;
    return i;
}

Lattice latticeFor(const Turns& t, const NestPattern& p, double shift) {
    Lattice l;
    l.pattern = p;
    const int q = p.turn / 90;
    l.shapes[0] = &t.byQuarter[static_cast<std::size_t>(q % 4)];
    l.shapes[1] = &t.byQuarter[static_cast<std::size_t>((q + 2) % 4)];
    l.width = l.shapes[0]->width;
    l.height = l.shapes[0]->height;
    setColumnPitches(l, t.gapX);
    if (p.staggered)
        l.pitchA = l.pitchB = kAlone;
    l.shift = shift;
    setRowRises(l, t.gapY);
    return l;
}

std::vector<double> shiftsOf(const Lattice& l, double width) {
    if (l.pattern.staggered) {
        // Slid anywhere the board leaves room for.
        std::vector<double> shifts{0};
        const double room = width - l.width;
        for (int k = 1; room > 0 && k < kShiftSteps; ++k)
            shifts.push_back(room * k / (kShiftSteps - 1));
        return shifts;
    }
    std::vector<double> shifts{0};
    const double period = shiftPeriod(l);
    for (int k = 1; period > 0 && k < kShiftSteps; ++k)
        shifts.push_back(period * k / kShiftSteps);
    return shifts;
}

Arrangement onBoard(const Lattice& l, double width, double length, const Limits& lim) {
    Arrangement a;
    a.pattern = l.pattern;
    std::vector<int> laid;
    int poses = 0;
    for (int j = 0; j < lim.rows && poses < lim.poses && rowY(l, j) + l.height <= length + kEps;
         ++j) {
        int n = 0;
        for (int i = firstColumn(l, j);
             n < lim.columns && poses < lim.poses && cellAt(l, i, j).x + l.width <= width + kEps;
             ++i, ++n, ++poses)
            addPose(a, l, i, j);
        if (n == 0)
            break;
        laid.push_back(n);
        a.columns = std::max(a.columns, n);
        a.rows = j + 1;
    }
    a.rowPoses = {laid};
    return a;
}

bool better(const Arrangement& a, const Arrangement& b) {
    if (a.poses.size() != b.poses.size())
        return a.poses.size() > b.poses.size();
    return a.usedArea() < b.usedArea() - kEps;
}

Arrangement bestShiftOn(const Turns& t, const NestPattern& p, double width, double length,
                        const Limits& lim) {
    const Lattice plain = latticeFor(t, p, 0);
    Arrangement best = onBoard(plain, width, length, lim);
    for (double s : shiftsOf(plain, width)) {
        if (s == 0)
            continue;
        Arrangement a = onBoard(latticeFor(t, p, s), width, length, lim);
        if (better(a, best))
            best = std::move(a);
    }
    return best;
}

Arrangement layBlocks(const Turns& t, const NestPattern& p, double width, double length, int room) {
    NestPattern lattice = p;
    lattice.rest.clear();
    lattice.limit = 0;
    lattice.lines = 0;
    lattice.blockColumns = false;
    Limits lim{.poses = room};
    if (!p.rest.empty())
        (p.blockColumns ? lim.columns : lim.rows) = std::max(p.lines, 1);
    Arrangement a = bestShiftOn(t, lattice, width, length, lim);
    a.pattern = p;
    if (p.rest.empty())
        return a;
    // The rest of the sheet past the block and the gap; a block that laid nothing leaves it all.
    const double taken =
        a.used.empty ? 0 : (p.blockColumns ? a.used.xmax + t.gapX : a.used.ymax + t.gapY);
    const double restWidth = p.blockColumns ? width - taken : width;
    const double restLength = p.blockColumns ? length : length - taken;
    const int left = room - static_cast<int>(a.poses.size());
    if (restWidth <= 0 || restLength <= 0 || left <= 0)
        return a;
    Arrangement rest = layBlocks(t, p.rest.front(), restWidth, restLength, left);
    translate(rest, p.blockColumns ? Point{taken, 0} : Point{0, taken});
    a.poses.insert(a.poses.end(), rest.poses.begin(), rest.poses.end());
    a.rowPoses.insert(a.rowPoses.end(), rest.rowPoses.begin(), rest.rowPoses.end());
    a.columns = std::max(a.columns, rest.columns);
    a.rows += rest.rows;
    if (!rest.used.empty)
        a.used.add(rest.used);
    return a;
}

std::vector<NestPattern> allPatterns(bool quarterTurns) {
    std::vector<NestPattern> all;
    for (int turn = 0; turn < 360; turn += quarterTurns ? 90 : 180)
        for (bool rows : {false, true})
            for (bool columns : {false, true}) {
                NestPattern p;
                p.turn = turn;
                p.turnedRows = rows;
                p.turnedColumns = columns;
                all.push_back(p);
                // One pose a row: turning its columns means nothing.
                if (!columns) {
                    p.staggered = true;
                    all.push_back(std::move(p));
                }
            }
    return all;
}

// The first of the candidates, best first, whose contours keep the gaps.
std::optional<Arrangement> firstSound(std::vector<Arrangement> candidates,
                                      const std::vector<Ring>& blank, double gapX, double gapY) {
    std::stable_sort(candidates.begin(), candidates.end(), better);
    for (Arrangement& a : candidates)
        if (!a.poses.empty() && posesKeepGaps(blank, a, gapX, gapY))
            return std::move(a);
    return std::nullopt;
}

}  // namespace nest

using namespace nest;

std::vector<Ring> blankContour(const Drawing& d) {
    const OuterContourResult contour = outerContour(blankCutSegments(d));
    if (!contour.rings.empty())
        return withStrayRules(contour.rings, blankRuleSegments(d));
    const Box b = d.extents();
    if (b.empty)
        return {};
    return {
        {{b.xmin, b.ymin}, {b.xmax, b.ymin}, {b.xmax, b.ymax}, {b.xmin, b.ymax}, {b.xmin, b.ymin}}};
}

Arrangement arrange(const std::vector<Ring>& blank, const NestPattern& pattern,
                    const NestBoard& board) {
    const Turns t = turnsOf(blank, board.gapX, board.gapY, hasQuarterTurn(pattern));
    const int room = pattern.limit > 0 ? pattern.limit : std::numeric_limits<int>::max();
    Arrangement a = layBlocks(t, pattern, board.width, board.length, room);
    a.pattern = pattern;
    return a;
}

Arrangement arrangeCounts(const std::vector<Ring>& blank, const NestPattern& pattern, double gapX,
                          double gapY, int columns, int rows) {
    const Turns t = turnsOf(blank, gapX, gapY, hasQuarterTurn(pattern));
    NestPattern lattice = pattern;
    lattice.rest.clear();
    const Lattice plain = latticeFor(t, lattice, 0);
    const int count = columns * rows;
    Arrangement best = withCounts(plain, columns, rows, count);
    for (double s : shiftsOf(plain, plain.width)) {
        Arrangement a = withCounts(latticeFor(t, lattice, s), columns, rows, count);
        if (better(a, best))
            best = std::move(a);
    }
    best.pattern = pattern;
    return best;
}

std::optional<Arrangement> bestArrangement(const std::vector<Ring>& blank, const NestBoard& board) {
    if (blank.empty())
        return std::nullopt;
    const Turns t = turnsOf(blank, board.gapX, board.gapY, board.quarterTurns);
    std::vector<Lattice> lattices;
    std::vector<Arrangement> candidates;
    for (const NestPattern& p : allPatterns(board.quarterTurns)) {
        std::optional<Arrangement> best;
        const Lattice plain = latticeFor(t, p, 0);
        for (double s : shiftsOf(plain, board.width)) {
            lattices.push_back(s == 0 ? plain : latticeFor(t, p, s));
            Arrangement a = onBoard(lattices.back(), board.width, board.length, {});
            if (!best || better(a, *best))
                best = std::move(a);
        }
        candidates.push_back(std::move(*best));
    }
    std::optional<Arrangement> single = firstSound(candidates, blank, board.gapX, board.gapY);
    const int laid = single ? static_cast<int>(single->poses.size()) : 0;
    // Blocks only when they lay more than one lattice alone.
    std::vector<Arrangement> blocks;
    for (const NestPattern& p : blockCandidates(lattices, board, laid)) {
        Arrangement a = layBlocks(t, p, board.width, board.length, std::numeric_limits<int>::max());
        if (static_cast<int>(a.poses.size()) > laid)
            blocks.push_back(std::move(a));
    }
    if (std::optional<Arrangement> b = firstSound(std::move(blocks), blank, board.gapX, board.gapY))
        return b;
    return single;
}

namespace {

double boardArea(const Arrangement& a, const SmallestBoardQuery& q) {
    return (a.used.width() + q.marginsX) * (a.used.height() + q.marginsY);
}

// A sheet whose long side is at most twice its short side, margins included.
bool compact(const Arrangement& a, const SmallestBoardQuery& q) {
    const double x = a.used.width() + q.marginsX;
    const double y = a.used.height() + q.marginsY;
    return std::max(x, y) <= 2 * std::min(x, y) + kEps;
}

// Compact sheets first, then the least area; on a roll the least length.
bool smaller(const Arrangement& a, const Arrangement& b, const SmallestBoardQuery& q) {
    if (a.poses.empty() != b.poses.empty())
        return !a.poses.empty();
    if (q.rollWidth)
        return a.used.height() < b.used.height() - kEps;
    if (compact(a, q) != compact(b, q))
        return compact(a, q);
    return boardArea(a, q) < boardArea(b, q) - kEps;
}

// The least board for the count with this lattice: every column count on a sheet, the most
// columns the roll's width takes on a roll.
Arrangement leastFor(const Lattice& l, const SmallestBoardQuery& q) {
    auto rowsFor = [&q](int columns) { return (q.count + columns - 1) / columns; };
    Arrangement best;
    const int most = std::min(q.count, int{kMaxPosesPerSide});
    for (int c = 1; c <= most; ++c) {
        const int r = rowsFor(c);
        if (r > kMaxPosesPerSide)
            continue;
        Arrangement a = withCounts(l, c, r, q.count);
        if (q.rollWidth && a.used.width() > *q.rollWidth + kEps)
            break;
        if (best.poses.empty() || smaller(a, best, q))
            best = std::move(a);
    }
    return best;
}

}  // namespace

std::optional<Arrangement> smallestBoard(const std::vector<Ring>& blank,
                                         const SmallestBoardQuery& q) {
    if (blank.empty() || q.count < 1)
        return std::nullopt;
    const Turns t = turnsOf(blank, q.gapX, q.gapY, q.quarterTurns);
    std::vector<Arrangement> candidates;
    for (const NestPattern& p : allPatterns(q.quarterTurns)) {
        if (p.staggered)
            continue;
        const Lattice plain = latticeFor(t, p, 0);
        for (double s : shiftsOf(plain, plain.width)) {
            Arrangement a = leastFor(s == 0 ? plain : latticeFor(t, p, s), q);
            if (!a.poses.empty())
                candidates.push_back(std::move(a));
        }
    }
    std::stable_sort(candidates.begin(), candidates.end(),
                     [&q](const Arrangement& a, const Arrangement& b) { return smaller(a, b, q); });
    for (Arrangement& a : candidates)
        if (posesKeepGaps(blank, a, q.gapX, q.gapY)) {
            a.pattern.limit = q.count;
            return std::move(a);
        }
    return std::nullopt;
}

std::string arrangementText(const Arrangement& a) {
    auto rowsText = [](const std::vector<int>& rows) {
        if (rows.empty())
            return std::string("aucun rang");
        const bool even =
            std::all_of(rows.begin(), rows.end(), [&rows](int n) { return n == rows.front(); });
        std::string text = std::to_string(rows.size()) + (rows.size() > 1 ? " rangs" : " rang");
        if (even)
            return text + " de " + std::to_string(rows.front());
        std::string sum;
        for (int n : rows)
            sum += (sum.empty() ? "" : " + ") + std::to_string(n);
        return text + " (" + sum + ")";
    };
    const std::string poses =
        std::to_string(a.poses.size()) + (a.poses.size() > 1 ? " poses" : " pose");
    std::vector<const std::vector<int>*> blocks;
    for (const auto& rows : a.rowPoses)
        if (!rows.empty())
            blocks.push_back(&rows);
    if (blocks.size() <= 1)
        return poses + " : " + rowsText(blocks.empty() ? std::vector<int>{} : *blocks.front());
    std::string text = poses + " en " + std::to_string(blocks.size()) + " blocs : ";
    for (std::size_t k = 0; k < blocks.size(); ++k)
        text += (k ? " + " : "") + rowsText(*blocks[k]);
    return text;
}

std::string turnsText(const Arrangement& a) {
    std::set<int> turns;
    for (const NestPose& p : a.poses)
        turns.insert(p.turn);
    const std::vector<int> v(turns.begin(), turns.end());
    std::string text;
    for (std::size_t k = 0; k < v.size(); ++k)
        text += (k == 0 ? "" : (k + 1 == v.size() ? " et " : ", ")) + std::to_string(v[k]) + "°";
    const bool quarter =
        std::any_of(turns.begin(), turns.end(), [](int turn) { return turn % 180 != 0; });
    return text + (quarter ? ", quart de tour : cannelure en travers" : ", sens cannelure gardé");
}

}  // namespace brontaxe

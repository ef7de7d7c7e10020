#include "workbench/nesting.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "drawing/contour.h"
#include "workbench/imposition.h"
#include "workbench/imposition_facing.h"

namespace brontaxe {
namespace {

constexpr double kFit = 1e-6;
// Slides of the odd rows tried over one period of the columns.
constexpr int kShiftSteps = 16;

// The blank in the pattern's two turns and the pitches between its poses.
struct Lattice {
    NestPattern pattern;
    const TurnedBlank* shapes[2] = {nullptr, nullptr};  // pattern's turn, then half a turn more
    double pitchA = 0;                                  // from an even column to the next
    double pitchB = 0;                                  // from an odd column to the next
    double riseA = 0;                                   // from an even row to the next
    double riseB = 0;                                   // from an odd row to the next
    double shift = 0;                                   // of the odd rows
    double width = 0;
    double height = 0;
};

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

// Both shapes' turns of the blank, each grown by the gaps.
struct Turns {
    std::array<TurnedBlank, 4> byQuarter;  // 0, 90, 180, 270 degrees
    double gapX = 0;
    double gapY = 0;
};

Turns turnsOf(const std::vector<Ring>& blank, double gapX, double gapY) {
    Turns t;
    for (int q = 0; q < 4; ++q)
        t.byQuarter[static_cast<std::size_t>(q)] = turnedBlank(blank, q * 90, gapX, gapY);
    t.gapX = gapX;
    t.gapY = gapY;
    return t;
}

void setColumnPitches(Lattice& l, double gapX) {
    const TurnedBlank& a = *l.shapes[0];
    const TurnedBlank& b = *l.shapes[1];
    // Poses side by side never need more than their boxes and the gap.
    const double box = l.width + gapX + kArcAllowance;
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
    return std::min(rise, (to - from) * (l.height + gapY + kArcAllowance));
}

void setRowRises(Lattice& l, double gapY) {
    l.riseA = rowRise(l, 0, 1, gapY);
    l.riseB = rowRise(l, 1, 2, gapY);
    const double skip = rowRise(l, 0, 2, gapY);
    if (l.riseA + l.riseB < skip)
        l.riseB = skip - l.riseA;
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
    l.shift = shift;
    setRowRises(l, t.gapY);
    return l;
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

// The first column of row j whose poses start on or right of the board's left edge.
int firstColumn(const Lattice& l, int j) {
    int i = 0;
    while (cellAt(l, i, j).x < -kFit)
        ++i;
    while (i > -kMaxPosesPerSide && cellAt(l, i - 1, j).x >= -kFit)
        --i;
    return i;
}

Arrangement onBoard(const Lattice& l, const NestBoard& b) {
    Arrangement a;
    a.pattern = l.pattern;
    for (int j = 0; j < kMaxPosesPerSide && rowY(l, j) + l.height <= b.length + kFit; ++j) {
        int n = 0;
        for (int i = firstColumn(l, j);
             n < kMaxPosesPerSide && cellAt(l, i, j).x + l.width <= b.width + kFit; ++i, ++n)
            addPose(a, l, i, j);
        if (n == 0)
            break;
        a.columns = std::max(a.columns, n);
        a.rows = j + 1;
    }
    return a;
}

Arrangement withCounts(const Lattice& l, int columns, int rows, int count) {
    Arrangement a;
    a.pattern = l.pattern;
    a.columns = columns;
    a.rows = rows;
    for (int j = 0; j < rows; ++j)
        for (int i = 0; i < columns && static_cast<int>(a.poses.size()) < count; ++i)
            addPose(a, l, i, j);
    return a;
}

bool better(const Arrangement& a, const Arrangement& b) {
    if (a.poses.size() != b.poses.size())
        return a.poses.size() > b.poses.size();
    return a.usedArea() < b.usedArea() - kFit;
}

std::vector<double> shiftsOf(const Lattice& l) {
    std::vector<double> shifts{0};
    const double period = shiftPeriod(l);
    for (int k = 1; period > 0 && k < kShiftSteps; ++k)
        shifts.push_back(period * k / kShiftSteps);
    return shifts;
}

template <typename Place>
Arrangement bestShift(const Turns& t, const NestPattern& p, Place place) {
    const Lattice plain = latticeFor(t, p, 0);
    Arrangement best = place(plain);
    for (double s : shiftsOf(plain)) {
        if (s == 0)
            continue;
        Arrangement a = place(latticeFor(t, p, s));
        if (better(a, best))
            best = std::move(a);
    }
    return best;
}

std::vector<NestPattern> allPatterns() {
    std::vector<NestPattern> all;
    for (int turn = 0; turn < 360; turn += 90)
        for (bool rows : {false, true})
            for (bool columns : {false, true})
                all.push_back({turn, rows, columns});
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

}  // namespace

std::vector<Ring> blankContour(const Drawing& d) {
    const OuterContourResult contour = outerContour(blankCutSegments(d));
    if (!contour.rings.empty())
        return contour.rings;
    const Box b = d.extents();
    if (b.empty)
        return {};
    return {
        {{b.xmin, b.ymin}, {b.xmax, b.ymin}, {b.xmax, b.ymax}, {b.xmin, b.ymax}, {b.xmin, b.ymin}}};
}

Arrangement arrange(const std::vector<Ring>& blank, const NestPattern& pattern,
                    const NestBoard& board) {
    const Turns t = turnsOf(blank, board.gapX, board.gapY);
    return bestShift(t, pattern, [&](const Lattice& l) { return onBoard(l, board); });
}

Arrangement arrangeCounts(const std::vector<Ring>& blank, const NestPattern& pattern, double gapX,
                          double gapY, int columns, int rows) {
    const Turns t = turnsOf(blank, gapX, gapY);
    return bestShift(
        t, pattern, [&](const Lattice& l) { return withCounts(l, columns, rows, columns * rows); });
}

std::optional<Arrangement> bestArrangement(const std::vector<Ring>& blank, const NestBoard& board) {
    if (blank.empty())
        return std::nullopt;
    const Turns t = turnsOf(blank, board.gapX, board.gapY);
    std::vector<Arrangement> candidates;
    for (const NestPattern& p : allPatterns())
        candidates.push_back(bestShift(t, p, [&](const Lattice& l) { return onBoard(l, board); }));
    return firstSound(std::move(candidates), blank, board.gapX, board.gapY);
}

namespace {

// The least board for the count with this lattice: every column count on a sheet, the most
// columns the roll's width takes on a roll.
Arrangement leastFor(const Lattice& l, const SmallestBoardQuery& q) {
    auto rowsFor = [&q](int columns) { return (q.count + columns - 1) / columns; };
    auto boardArea = [&](const Arrangement& a) {
        return (a.used.width() + q.marginsX) * (a.used.height() + q.marginsY);
    };
    Arrangement best;
    double bestArea = std::numeric_limits<double>::infinity();
    const int most = std::min(q.count, int{kMaxPosesPerSide});
    for (int c = 1; c <= most; ++c) {
        const int r = rowsFor(c);
        if (r > kMaxPosesPerSide)
            continue;
        Arrangement a = withCounts(l, c, r, q.count);
        if (q.rollWidth && a.used.width() > *q.rollWidth + kFit)
            break;
        // On a roll the length counts, on a sheet the area.
        const double area = q.rollWidth ? a.used.height() : boardArea(a);
        if (area < bestArea - kFit) {
            bestArea = area;
            best = std::move(a);
        }
    }
    return best;
}

bool smaller(const Arrangement& a, const Arrangement& b, const SmallestBoardQuery& q) {
    if (a.poses.empty() != b.poses.empty())
        return !a.poses.empty();
    if (q.rollWidth)
        return a.used.height() < b.used.height() - kFit;
    return (a.used.width() + q.marginsX) * (a.used.height() + q.marginsY) <
           (b.used.width() + q.marginsX) * (b.used.height() + q.marginsY) - kFit;
}

}  // namespace

std::optional<Arrangement> smallestBoard(const std::vector<Ring>& blank,
                                         const SmallestBoardQuery& q) {
    if (blank.empty() || q.count < 1)
        return std::nullopt;
    const Turns t = turnsOf(blank, q.gapX, q.gapY);
    std::vector<Arrangement> candidates;
    for (const NestPattern& p : allPatterns()) {
        const Lattice plain = latticeFor(t, p, 0);
        for (double s : shiftsOf(plain)) {
            Arrangement a = leastFor(s == 0 ? plain : latticeFor(t, p, s), q);
            if (!a.poses.empty())
                candidates.push_back(std::move(a));
        }
    }
    std::stable_sort(candidates.begin(), candidates.end(),
                     [&q](const Arrangement& a, const Arrangement& b) { return smaller(a, b, q); });
    for (Arrangement& a : candidates)
        if (posesKeepGaps(blank, a, q.gapX, q.gapY))
            return std::move(a);
    return std::nullopt;
}

}  // namespace brontaxe

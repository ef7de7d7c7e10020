// The search for sheets cut in blocks: a guillotine cut across the sheet after some rows (or
// columns) of one lattice, the rest laid by another, itself cut once more the other way. The
// counts here are estimates from each lattice's rows on the board; every candidate is laid
// again block by block, and checked, before it is offered.

#include <algorithm>
#include <map>

#include "drawing/tolerances.h"
#include "workbench/nesting_search.h"

namespace brontaxe::nest {
namespace {

// A lattice's rows on the board: how high each reaches and where each of its poses ends on
// the right, left to right.
struct Profile {
    const Lattice* lattice = nullptr;
    std::vector<double> top;
    std::vector<std::vector<double>> right;

    // Rows whose tops stay within `length`.
    std::size_t rowsIn(double length) const {
        std::size_t n = 0;
        while (n < top.size() && top[n] <= length + kEps)
            ++n;
        return n;
    }
    static int countIn(const std::vector<double>& row, double width) {
        return static_cast<int>(std::upper_bound(row.begin(), row.end(), width + kEps) -
                                row.begin());
    }
    // Poses of the first `rows` rows within `width`; a row with none ends the lattice.
    int posesIn(double width, std::size_t rows) const {
        int poses = 0;
        for (std::size_t j = 0; j < rows; ++j) {
            const int n = countIn(right[j], width);
            if (n == 0)
                break;
            poses += n;
        }
        return poses;
    }
};

Profile profileOf(const Lattice& l, double width, double length) {
    Profile p;
    p.lattice = &l;
    for (int j = 0; j < kMaxPosesPerSide && rowY(l, j) + l.height <= length + kEps; ++j) {
        std::vector<double> row;
        for (int i = firstColumn(l, j); static_cast<int>(row.size()) < kMaxPosesPerSide &&
                                        cellAt(l, i, j).x + l.width <= width + kEps;
             ++i)
            row.push_back(cellAt(l, i, j).x + l.width);
        if (row.empty())
            break;
        p.top.push_back(rowY(l, j) + l.height);
        p.right.push_back(std::move(row));
    }
    return p;
}

// The most poses one lattice lays within a size, as a step function of that size.
class BestSingle {
  public:
    void add(double size, int poses, const Lattice* l) { steps_.push_back({size, poses, l}); }
    void close() {
        std::sort(steps_.begin(), steps_.end(),
                  [](const Step& a, const Step& b) { return a.size < b.size; });
        for (std::size_t k = 1; k < steps_.size(); ++k)
            if (steps_[k].poses < steps_[k - 1].poses) {
                steps_[k].poses = steps_[k - 1].poses;
                steps_[k].lattice = steps_[k - 1].lattice;
            }
    }
    // Poses and the lattice laying them within `size`.
    std::pair<int, const Lattice*> at(double size) const {
        auto it = std::upper_bound(steps_.begin(), steps_.end(), size + kEps,
                                   [](double s, const Step& st) { return s < st.size; });
        if (it == steps_.begin())
            return {0, nullptr};
        --it;
        return {it->poses, it->lattice};
    }

  private:
    struct Step {
        double size;
        int poses;
        const Lattice* lattice;
    };
    std::vector<Step> steps_;
};

// Best single lattice by the length left, over the board's width (and `width` when given).
BestSingle byLength(const std::vector<Profile>& profiles, double width) {
    BestSingle b;
    for (const Profile& p : profiles) {
        int poses = 0;
        for (std::size_t j = 0; j < p.top.size(); ++j) {
            const int n = Profile::countIn(p.right[j], width);
            if (n == 0)
                break;
            poses += n;
            b.add(p.top[j], poses, p.lattice);
        }
    }
    b.close();
    return b;
}

// Best single lattice by the width left, over the rows that fit `length`.
BestSingle byWidth(const std::vector<Profile>& profiles, double length) {
    BestSingle b;
    for (const Profile& p : profiles) {
        std::vector<double> edges;
        const std::size_t rows = p.rowsIn(length);
        for (std::size_t j = 0; j < rows; ++j)
            edges.insert(edges.end(), p.right[j].begin(), p.right[j].end());
        std::sort(edges.begin(), edges.end());
        for (std::size_t k = 0; k < edges.size(); ++k)
            b.add(edges[k], static_cast<int>(k + 1), p.lattice);
    }
    b.close();
    return b;
}

// The first `columns` poses of each row fitting `length`: their count and the width they take.
std::pair<int, double> firstColumns(const Profile& p, int columns, double length) {
    int poses = 0;
    double width = 0;
    const std::size_t rows = p.rowsIn(length);
    for (std::size_t j = 0; j < rows; ++j) {
        const int n = std::min<int>(columns, static_cast<int>(p.right[j].size()));
        poses += n;
        width = std::max(width, p.right[j][static_cast<std::size_t>(n - 1)]);
    }
    return {poses, width};
}

NestPattern cut(const Lattice& l, int lines, bool columns, NestPattern rest) {
    NestPattern p = l.pattern;
    p.lines = lines;
    p.blockColumns = columns;
    p.rest = {std::move(rest)};
    return p;
}

struct Candidate {
    int poses;
    NestPattern pattern;
};

}  // namespace

std::vector<NestPattern> blockCandidates(const std::vector<Lattice>& lattices,
                                         const NestBoard& board, int laid) {
    const double W = board.width, L = board.length;
    std::vector<Profile> all;
    for (const Lattice& l : lattices)
        all.push_back(profileOf(l, W, L));
    // For the three blocks, the best slide of each pattern on the whole board.
    std::map<std::string, std::size_t> bestOf;
    std::vector<Profile> few;
    for (std::size_t k = 0; k < all.size(); ++k) {
        const std::string key = patternText(all[k].lattice->pattern);
        auto [it, added] = bestOf.emplace(key, k);
        if (!added && all[k].posesIn(W, all[k].top.size()) >
                          all[it->second].posesIn(W, all[it->second].top.size()))
            it->second = k;
    }
    for (const auto& [key, k] : bestOf)
        few.push_back(all[k]);

    std::vector<Candidate> found;
    auto keep = [&found, laid](int poses, NestPattern p) {
        if (poses > laid)
            found.push_back({poses, std::move(p)});
    };
    // Two blocks, cut across the length: rows of one lattice, the rest of another.
    const BestSingle restByLength = byLength(all, W);
    for (const Profile& p : all) {
        int poses = 0;
        for (std::size_t n = 1; n < p.top.size(); ++n) {
            poses += static_cast<int>(p.right[n - 1].size());
            const auto [more, l] = restByLength.at(L - p.top[n - 1] - board.gapY);
            if (l)
                keep(poses + more, cut(*p.lattice, static_cast<int>(n), false, l->pattern));
        }
    }
    // Two blocks, cut across the width: columns of one lattice, the rest of another.
    const BestSingle restByWidth = byWidth(all, L);
    for (const Profile& p : all) {
        const int most = p.right.empty() ? 0 : static_cast<int>(p.right.front().size());
        for (int c = 1; c < most; ++c) {
            const auto [poses, width] = firstColumns(p, c, L);
            const auto [more, l] = restByWidth.at(W - width - board.gapX);
            if (l)
                keep(poses + more, cut(*p.lattice, c, true, l->pattern));
        }
    }
    // Three blocks: rows of one lattice, then the rest cut across the width.
    for (const Profile& p : few) {
        int poses = 0;
        for (std::size_t n = 1; n < p.top.size(); ++n) {
            poses += static_cast<int>(p.right[n - 1].size());
            const double length = L - p.top[n - 1] - board.gapY;
            const BestSingle third = byWidth(few, length);
            for (const Profile& q : few) {
                const std::size_t rows = q.rowsIn(length);
                if (rows == 0)
                    continue;
                const int most = static_cast<int>(q.right.front().size());
                for (int c = 1; c < most; ++c) {
                    const auto [second, width] = firstColumns(q, c, length);
                    const auto [more, l] = third.at(W - width - board.gapX);
                    if (l)
                        keep(poses + second + more, cut(*p.lattice, static_cast<int>(n), false,
                                                        cut(*q.lattice, c, true, l->pattern)));
                }
            }
        }
    }
    // Three blocks: columns of one lattice, then the rest cut across the length.
    for (const Profile& p : few) {
        const int most = p.right.empty() ? 0 : static_cast<int>(p.right.front().size());
        for (int c = 1; c < most; ++c) {
            const auto [first, width] = firstColumns(p, c, L);
            const double rest = W - width - board.gapX;
            const BestSingle third = byLength(few, rest);
            for (const Profile& q : few) {
                int second = 0;
                for (std::size_t n = 1; n < q.top.size(); ++n) {
                    const int inRow = Profile::countIn(q.right[n - 1], rest);
                    if (inRow == 0)
                        break;
                    second += inRow;
                    const auto [more, l] = third.at(L - q.top[n - 1] - board.gapY);
                    if (l)
                        keep(first + second + more,
                             cut(*p.lattice, c, true,
                                 cut(*q.lattice, static_cast<int>(n), false, l->pattern)));
                }
            }
        }
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const Candidate& a, const Candidate& b) { return a.poses > b.poses; });
    std::vector<NestPattern> out;
    for (Candidate& c : found) {
        if (out.size() >= 12)
            break;
        if (std::find(out.begin(), out.end(), c.pattern) == out.end())
            out.push_back(std::move(c.pattern));
    }
    return out;
}

}  // namespace brontaxe::nest

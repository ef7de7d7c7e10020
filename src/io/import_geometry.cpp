#include "io/import_geometry.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <limits>

#include "drawing/tolerances.h"
#include "io/die_line_import.h"

namespace brontaxe::io {
namespace {

// Curves are cut into at most this many lines, however large they are.
constexpr double kMaxSegments = 100000;
// A spline span is split at least this many times before its chords are trusted: enough to
// see the inflection a cubic span may hold.
constexpr int kSplineMinSplits = 4;
constexpr int kSplineMaxDepth = 16;
constexpr int kMaxSplineDegree = 11;

// How many equal steps of the parameter keep chords of a circle of `radius` within `tol`
// over `span` radians.
int stepsFor(double radius, double span, double tol) {
    double steps = 4;
    if (radius > tol) {
        const double step = 2 * std::acos(1 - tol / radius);
        steps = std::max(steps, std::ceil(span / step));
    }
    return static_cast<int>(std::min(steps, kMaxSegments));
}

void emitSampled(const Transform& m, const std::function<Point(double)>& at, double t0, double t1,
                 int steps, LineKind lineKind, ElementSink& out) {
    Point previous = m(at(t0));
    for (int k = 1; k <= steps; ++k) {
        const Point next = m(at(t0 + (t1 - t0) * k / steps));
        out.line(previous, next, lineKind);
        previous = next;
    }
}

double distanceToChord(Point p, Point a, Point b) {
    const Point ab = b - a;
    const double len = length(ab);
    if (len <= kEps)
        return distance(p, a);
    return std::fabs(cross(ab, p - a)) / len;
}

class SplineFlattener {
  public:
    SplineFlattener(const Transform& m, const SplineCurve& s, double tol, LineKind lineKind,
                    ElementSink& out)
        : m_(m), s_(s), tol_(tol), lineKind_(lineKind), out_(out) {}

    void run() {
        const auto p = static_cast<std::size_t>(s_.degree);
        const std::size_t n = s_.control.size();
        for (std::size_t k = p; k < n; ++k) {
            const double u0 = s_.knots[k], u1 = s_.knots[k + 1];
            if (u1 <= u0)
                continue;
            Point a = point(u0, k);
            for (int i = 1; i <= kSplineMinSplits; ++i) {
                const double ub = u0 + (u1 - u0) * i / kSplineMinSplits;
                const Point b = point(ub, k);
                split(u0 + (u1 - u0) * (i - 1) / kSplineMinSplits, ub, a, b, k, 0);
                a = b;
            }
        }
    }

  private:
    // de Boor's algorithm in homogeneous coordinates over the span [knots[k], knots[k+1]].
    Point point(double u, std::size_t k) const {
        const auto p = static_cast<std::size_t>(s_.degree);
        struct H {
            double x, y, w;
        };
        std::vector<H> d(p + 1);
        for (std::size_t j = 0; j <= p; ++j) {
            const std::size_t i = j + k - p;
            const double w = s_.weights.empty() ? 1.0 : s_.weights[i];
            d[j] = {s_.control[i].x * w, s_.control[i].y * w, w};
        }
        for (std::size_t r = 1; r <= p; ++r) {
            for (std::size_t j = p; j >= r; --j) {
                const double lo = s_.knots[j + k - p];
                const double hi = s_.knots[j + 1 + k - r];
                const double alpha = hi > lo ? (u - lo) / (hi - lo) : 0.0;
                d[j] = {(1 - alpha) * d[j - 1].x + alpha * d[j].x,
                        (1 - alpha) * d[j - 1].y + alpha * d[j].y,
                        (1 - alpha) * d[j - 1].w + alpha * d[j].w};
            }
        }
        return {d[p].x / d[p].w, d[p].y / d[p].w};
    }

    void split(double u0, double u1, Point a, Point b, std::size_t k, int depth) {
        const double um = (u0 + u1) / 2;
        const Point mid = point(um, k);
        if (depth >= kSplineMaxDepth || distanceToChord(mid, a, b) <= tol_) {
            out_.line(m_(a), m_(b), lineKind_);
            return;
        }
        split(u0, um, a, mid, k, depth + 1);
        split(um, u1, mid, b, k, depth + 1);
    }

    const Transform& m_;
    const SplineCurve& s_;
    double tol_;
    LineKind lineKind_;
    ElementSink& out_;
};

void checkSpline(const SplineCurve& s) {
    if (s.degree < 1 || s.degree > kMaxSplineDegree)
        throw ImportError("degré de spline incorrect (" + std::to_string(s.degree) + ")");
    const auto p = static_cast<std::size_t>(s.degree);
    if (s.control.size() < p + 1)
        throw ImportError("spline avec trop peu de points de contrôle pour son degré");
    if (s.knots.size() != s.control.size() + p + 1)
        throw ImportError("spline dont le nombre de nœuds ne répond pas à ses points");
    if (!std::is_sorted(s.knots.begin(), s.knots.end()))
        throw ImportError("spline dont les nœuds ne vont pas croissant");
    if (!s.weights.empty() &&
        (s.weights.size() != s.control.size() ||
         std::any_of(s.weights.begin(), s.weights.end(), [](double w) { return !(w > 0); })))
        throw ImportError("spline dont les poids sont incorrects");
}

constexpr std::size_t kLinesNamed = 3;

}  // namespace

void NoticeTally::add(const std::string& reason, std::size_t line) {
    auto it = std::find_if(tallies_.begin(), tallies_.end(),
                           [&](const Tally& t) { return t.reason == reason; });
    if (it == tallies_.end())
        it = tallies_.insert(tallies_.end(), Tally{reason, 0, {}});
    ++it->count;
    if (it->lines.size() < kLinesNamed)
        it->lines.push_back(line);
}

void NoticeTally::appendTo(std::vector<std::string>& notices) const {
    for (const Tally& t : tallies_) {
        if (t.count == 1) {
            notices.push_back("ligne " + std::to_string(t.lines.front()) + " : " + t.reason);
            continue;
        }
        std::string lines;
        for (const std::size_t l : t.lines)
            lines += (lines.empty() ? "" : ", ") + std::to_string(l);
        notices.push_back(t.reason + " : " + std::to_string(t.count) + " fois, lignes " + lines +
                          (t.count > t.lines.size() ? "..." : ""));
    }
}

void ElementSink::add(Element e) {
    if (count() >= maxElements_) {
        throw ImportError("plus de " + std::to_string(maxElements_) +
                          " éléments : dessin trop grand ou blocs imbriqués sans fin");
    }
    d_.addElement(std::move(e));
}

void ElementSink::line(Point a, Point b, LineKind lineKind) {
    if (areNear(a, b))
        return;  // a stroke of no length cuts nothing and only clutters the check
    add(Element{LineShape{a, b}, lineKind});
}

void ElementSink::arc(const ArcShape& arc, LineKind lineKind) {
    add(Element{arc, lineKind});
}

void ElementSink::text(const TextShape& text) {
    add(Element{text, kind::Text});
}

void emitArc(const Transform& m, const ArcShape& arc, LineKind lineKind, ElementSink& out) {
    if (!(arc.radius > 0) || !(arc.sweepDeg > 0))
        return;
    if (m.keepsCircles()) {
        ArcShape mapped{m(arc.centre), arc.radius * std::sqrt(std::fabs(m.det())), 0, arc.sweepDeg};
        // A mirror runs the arc the other way: it then starts at the image of its end.
        const Point from = m(m.det() > 0 ? arc.start() : arc.end());
        mapped.startDeg = normalizeDegrees(
            toDegrees(std::atan2(from.y - mapped.centre.y, from.x - mapped.centre.x)));
        out.arc(mapped, lineKind);
        return;
    }
    const double tol = kFlatteningTolerance / m.stretch();
    const double span = toRadians(arc.sweepDeg);
    const double start = toRadians(arc.startDeg);
    emitSampled(
        m,
        [&](double t) {
            return Point{arc.centre.x + arc.radius * std::cos(t),
                         arc.centre.y + arc.radius * std::sin(t)};
        },
        start, start + span, stepsFor(arc.radius, span, tol), lineKind, out);
}

void emitBulgeSegment(const Transform& m, Point p, Point q, double bulge, LineKind lineKind,
                      ElementSink& out) {
    const double chord = distance(p, q);
    if (std::fabs(bulge) < kVanishing || chord <= kEps) {
        if (chord > 0)
            out.line(m(p), m(q), lineKind);
        return;
    }
    if (bulge < 0) {  // clockwise from p to q is counter-clockwise from q to p
        std::swap(p, q);
        bulge = -bulge;
    }
    const double sweep = 4 * std::atan(bulge);
    const double radius = chord / (2 * std::sin(sweep / 2));
    const Point mid = (p + q) * 0.5;
    const Point left{-(q.y - p.y) / chord, (q.x - p.x) / chord};
    const Point centre = mid + left * ((chord / 2) / std::tan(sweep / 2));
    const double start = toDegrees(std::atan2(p.y - centre.y, p.x - centre.x));
    emitArc(m, ArcShape{centre, radius, normalizeDegrees(start), toDegrees(sweep)}, lineKind, out);
}

void emitEllipse(const Transform& m, const EllipseArc& e, LineKind lineKind, ElementSink& out) {
    const double a = length(e.major);
    if (!(a > 0) || !(e.endParam > e.startParam))
        return;
    const double tol = kFlatteningTolerance / m.stretch();
    // No chord of an ellipse strays more than one of its circumscribed circle would.
    emitSampled(
        m, [&](double t) { return e.centre + e.major * std::cos(t) + e.minor * std::sin(t); },
        e.startParam, e.endParam, stepsFor(a, e.endParam - e.startParam, tol), lineKind, out);
}

namespace {

// A spline through more fit points than this is refused: its system is solved whole.
constexpr std::size_t kMaxFitPoints = 300;

// The p + 1 cubic basis functions that do not vanish at u in the span [knots[k], knots[k+1]].
std::array<double, 4> cubicBasis(const std::vector<double>& knots, std::size_t k, double u) {
    std::array<double, 4> n{1, 0, 0, 0};
    std::array<double, 4> left{}, right{};
    for (std::size_t j = 1; j <= 3; ++j) {
        left[j] = u - knots[k + 1 - j];
        right[j] = knots[k + j] - u;
        double saved = 0;
        for (std::size_t r = 0; r < j; ++r) {
            const double denom = right[r + 1] + left[j - r];
            const double temp = denom != 0 ? n[r] / denom : 0;
            n[r] = saved + right[r + 1] * temp;
            saved = left[j - r] * temp;
        }
        n[j] = saved;
    }
    return n;
}

// Gaussian elimination with partial pivoting, the right side of points.
std::vector<Point> solve(std::vector<std::vector<double>> a, std::vector<Point> b) {
    const std::size_t n = b.size();
    for (std::size_t c = 0; c < n; ++c) {
        std::size_t pivot = c;
        for (std::size_t r = c + 1; r < n; ++r)
            if (std::fabs(a[r][c]) > std::fabs(a[pivot][c]))
                pivot = r;
        if (!(std::fabs(a[pivot][c]) > kVanishing))
            throw ImportError("spline dont les points de passage ne donnent pas de courbe");
        std::swap(a[c], a[pivot]);
        std::swap(b[c], b[pivot]);
        for (std::size_t r = c + 1; r < n; ++r) {
            const double f = a[r][c] / a[c][c];
            if (f == 0)
                continue;
            for (std::size_t k = c; k < n; ++k)
                a[r][k] -= f * a[c][k];
            b[r] = b[r] - b[c] * f;
        }
    }
    std::vector<Point> x(n);
    for (std::size_t r = n; r-- > 0;) {
        Point sum = b[r];
        for (std::size_t k = r + 1; k < n; ++k)
            sum = sum - x[k] * a[r][k];
        x[r] = sum * (1.0 / a[r][r]);
    }
    return x;
}

}  // namespace

SplineCurve splineThrough(const std::vector<Point>& all, Point startTangent, Point endTangent) {
    std::vector<Point> q;
    for (const Point p : all)
        if (q.empty() || distance(q.back(), p) > kEps)
            q.push_back(p);
    if (q.size() < 2)
        throw ImportError("spline dont les points de passage sont tous confondus");
    if (q.size() > kMaxFitPoints)
        throw ImportError("spline de plus de " + std::to_string(kMaxFitPoints) +
                          " points de passage");
    const std::size_t n = q.size() - 1;
    std::vector<double> t{0};
    double total = 0;
    for (std::size_t k = 1; k <= n; ++k)
        t.push_back(total += distance(q[k - 1], q[k]));
    for (double& v : t)
        v /= total;
    t.back() = 1;
    SplineCurve s;
    s.degree = 3;
    s.knots.assign(4, 0.0);
    s.knots.insert(s.knots.end(), t.begin() + 1, t.end() - 1);
    s.knots.insert(s.knots.end(), 4, 1.0);
    // Rows: through the first point, the start tangent, through the inner points, the end
    // tangent, through the last point.
    const std::size_t size = n + 3;
    std::vector<std::vector<double>> a(size, std::vector<double>(size, 0.0));
    std::vector<Point> b(size);
    const auto through = [&](std::size_t row, double u) {
        std::size_t k = 3;
        while (k + 1 < size && s.knots[k + 1] <= u)
            ++k;
        const std::array<double, 4> basis = cubicBasis(s.knots, k, u);
        for (std::size_t j = 0; j < 4; ++j)
            a[row][k - 3 + j] = basis[j];
    };
    through(0, 0);
    b[0] = q.front();
    a[1][0] = -1;
    a[1][1] = 1;
    b[1] = unit(startTangent) * (total * s.knots[4] / 3);
    for (std::size_t k = 1; k < n; ++k) {
        through(k + 1, t[k]);
        b[k + 1] = q[k];
    }
    a[n + 1][size - 2] = -1;
    a[n + 1][size - 1] = 1;
    b[n + 1] = unit(endTangent) * (total * (1 - s.knots[size - 1]) / 3);
    a[n + 2][size - 1] = 1;
    b[n + 2] = q.back();
    s.control = solve(std::move(a), std::move(b));
    return s;
}

void emitSpline(const Transform& m, const SplineCurve& s, LineKind lineKind, ElementSink& out) {
    checkSpline(s);
    SplineFlattener(m, s, kFlatteningTolerance / m.stretch(), lineKind, out).run();
}

}  // namespace brontaxe::io

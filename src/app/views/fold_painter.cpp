#include "app/views/fold_painter.h"

#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <optional>

#include "drawing/tolerances.h"

namespace brontaxe::app {
namespace {

using fold::Vec3;

// The view: x to the right, y up, z towards the viewer.
struct ViewFrame {
    Vec3 right, up, towardsViewer;
    Vec3 centre;

    Vec3 toView(Vec3 p) const {
        const Vec3 d = p - centre;
        return {dot(d, right), dot(d, up), dot(d, towardsViewer)};
    }
};

ViewFrame viewFrame(const FoldCamera& camera, Vec3 up, Vec3 centre) {
    // The fixed face shows its outside (-z) to the viewer.
    Vec3 back = std::fabs(up.z) > 0.5 ? Vec3{0, -1, 0} : Vec3{0, 0, -1};
    Vec3 right = cross(up, back);
    const double yaw = camera.yawDeg * kPi / 180;
    const double pitch = camera.pitchDeg * kPi / 180;
    // Turn about up by the yaw, then tilt about the right by the pitch.
    const fold::RigidMotion turn =
        fold::RigidMotion::aboutAxis({}, right, -pitch) * fold::RigidMotion::aboutAxis({}, up, yaw);
    return {turn.rotate(right), turn.rotate(up), turn.rotate(back), centre};
}

struct Polygon {
    QPolygonF outline;
    std::vector<QPolygonF> holes;
    double depth = 0;  // mean view z: larger is nearer
    QColor fill;
    // Edges drawn on the face: screen segments with the kind of their line.
    std::vector<std::pair<QLineF, std::optional<LineKind>>> edges;
};

QColor shaded(const QColor& base, double light) {
    return QColor::fromRgbF(base.redF() * light, base.greenF() * light, base.blueF() * light);
}

// The pen of an edge by the kind of the line it lies on; a thin one when it lies on none.
QPen penForKind(std::optional<LineKind> kind) {
    if (!kind)
        return QPen(QColor(90, 70, 50), 0.8);
    switch (*kind) {
        case brontaxe::kind::Cut:
            return QPen(QColor(40, 30, 20), 1.2);
        case brontaxe::kind::Crease: {
            QPen p(QColor(200, 30, 30), 1.2, Qt::DashLine);
            return p;
        }
        case brontaxe::kind::PerforatedCrease:
            return QPen(QColor(200, 30, 160), 1.2, Qt::DashDotLine);
        case brontaxe::kind::Perforation:
            return QPen(QColor(30, 90, 200), 1.2, Qt::DotLine);
        case brontaxe::kind::HalfCut:
            return QPen(QColor(20, 140, 60), 1.2, Qt::DashLine);
        default:
            return QPen(QColor(90, 70, 50), 0.8);
    }
}

}  // namespace

Vec3 upDirection(std::string_view code) {
    if (code.starts_with("02") || code.starts_with("07"))
        return {0, 1, 0};
    return {0, 0, 1};
}

void paintFold(QPainter& painter, const QRectF& area, const fold::FoldedBlank& m, double fraction,
               const FoldCamera& camera, Vec3 up) {
    const std::vector<fold::RigidMotion> placed = fold::placements(m, fraction);
    const fold::Mesh mesh = fold::foldedMesh(m, placed);
    if (mesh.vertices.empty())
        return;
    const fold::Bounds3 b = mesh.bounds();
    const Vec3 centre = (b.min + b.max) * 0.5;
    const double radius = std::max(norm(b.max - b.min) / 2, 1.0);
    const ViewFrame frame = viewFrame(camera, up, centre);
    const double scale = camera.zoom * 0.5 * std::min(area.width(), area.height()) / radius;
    const QPointF mid = area.center();
    auto screen = [&](Vec3 v) {
        const Vec3 p = frame.toView(v);
        return QPointF(mid.x() + p.x * scale, mid.y() - p.y * scale);
    };
    const Vec3 light = normalized(Vec3{-0.3, 0.6, 0.75});
    const QColor outside(196, 154, 98);
    const QColor inside(222, 196, 150);
    const QColor edge(150, 112, 66);

    std::vector<Polygon> polygons;
    const double half = m.thickness / 2;
    for (int f = 0; f < m.faceCount(); ++f) {
        const fold::Face& face = m.flat.faces[static_cast<std::size_t>(f)];
        const fold::RigidMotion& at = placed[static_cast<std::size_t>(f)];
        const Vec3 normal = frame.toView(centre + at.rotate({0, 0, 1}));
        // Each side of the board, the one turned to the viewer.
        for (const double side : {half, -half}) {
            const double facing = side > 0 ? normal.z : -normal.z;
            if (facing <= kRoundingNoise && m.thickness > 0)
                continue;
            Polygon p;
            double depth = 0;
            int count = 0;
            auto ring = [&](const fold::Ring& r, QPolygonF& out) {
                const std::size_t n = r.points.size();
                for (std::size_t i = 0; i < n; ++i) {
                    const Vec3 v = at.apply({r.points[i].x, r.points[i].y, side});
                    out << screen(v);
                    depth += frame.toView(v).z;
                    ++count;
                }
                for (std::size_t i = 0; i < n; ++i)
                    p.edges.push_back(
                        {QLineF(out[static_cast<int>(i)], out[static_cast<int>((i + 1) % n)]),
                         r.edgeKinds[i]});
            };
            ring(face.outer, p.outline);
            for (const fold::Ring& h : face.holes) {
                p.holes.emplace_back();
                ring(h, p.holes.back());
            }
            p.depth = depth / std::max(count, 1);
            const Vec3 n = side > 0 ? at.rotate({0, 0, 1}) : at.rotate({0, 0, -1});
            const double lit =
                0.62 + 0.38 * std::fabs(dot(normalized(frame.toView(centre + n)), light));
            p.fill = shaded(side > 0 ? inside : outside, lit);
            polygons.push_back(std::move(p));
        }
        if (m.thickness <= 0)
            continue;
        // The board's edges: thin strips along each ring edge.
        auto strips = [&](const fold::Ring& r) {
            const std::size_t n = r.points.size();
            for (std::size_t i = 0; i < n; ++i) {
                const Point a = r.points[i];
                const Point c = r.points[(i + 1) % n];
                const std::array<Vec3, 4> corners{
                    at.apply({a.x, a.y, half}), at.apply({c.x, c.y, half}),
                    at.apply({c.x, c.y, -half}), at.apply({a.x, a.y, -half})};
                Polygon p;
                double depth = 0;
                for (const Vec3& v : corners) {
                    p.outline << screen(v);
                    depth += frame.toView(v).z;
                }
                p.depth = depth / 4;
                p.fill = edge;
                polygons.push_back(std::move(p));
            }
        };
        strips(face.outer);
        for (const fold::Ring& h : face.holes)
            strips(h);
    }
    std::sort(polygons.begin(), polygons.end(),
              [](const Polygon& a, const Polygon& b) { return a.depth < b.depth; });

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(area);
    for (const Polygon& p : polygons) {
        QPainterPath path;
        path.setFillRule(Qt::OddEvenFill);
        path.addPolygon(p.outline);
        path.closeSubpath();
        for (const QPolygonF& h : p.holes) {
            path.addPolygon(h);
            path.closeSubpath();
        }
        painter.setPen(Qt::NoPen);
        painter.setBrush(p.fill);
        painter.drawPath(path);
        for (const auto& [line, kind] : p.edges) {
            painter.setPen(penForKind(kind));
            painter.drawLine(line);
        }
    }
    painter.restore();
}

}  // namespace brontaxe::app

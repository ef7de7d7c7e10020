#include "builders/shaped_body_half.h"

#include "builders/body_features.h"
#include "builders/emit.h"
#include "builders/glue_flap.h"
#include "drawing/pen_scope.h"

namespace brontaxe {

FlapShape plainFlap(float height) {
    return [height](Drawing& d, float left, float right, float h) {
        if (height != 0) {
            lineTo(d, right, h + height);
            lineTo(d, left, h + height);
        }
        lineTo(d, left, h);
        if (height != 0) {
            const PenScope crease(d, kind::Crease);
            line(d, left, h, right, h);
        }
    };
}

MachinePasses ShapedBodyHalf(Drawing& d, const ShapedBody& shaped, const BlankSettings& s,
                             const FeaturePlacement& at) {
    PenScope pen(d);
    const auto& panels = shaped.panels;
    const auto& flaps = shaped.flaps;
    const float h = shaped.h;
    const bool mirrored = at.mirrored;
    // Plain names, not a structured binding: the lambdas below capture them.
    const std::pair<float, float> halves = s.slots;
    const float a = halves.first;
    const float b = halves.second;
    const BodyPanels body{panels[0], panels[1], panels[2], panels[3], 0, 0};
    const BodyGlueFlap& glueFlap = shaped.glue;

    std::array<float, 5> xs{};
    xs[0] = glueFlap.width;
    for (std::size_t i = 1; i <= 4; ++i)
        xs[i] = xs[i - 1] + panels[i - 1];
    // Slot halves alternate from one crease to the next, as on the plain body half.
    auto leftHalf = [&](std::size_t i) { return i % 2 == 0 ? a : b; };
    auto rightHalf = [&](std::size_t i) { return i % 2 == 0 ? b : a; };

    const int first = beginFeature(d);
    const bool glue = glueFlap.width > 0;
    for (std::size_t i = 0; i < 4; ++i) {
        pen.setKind((i == 0 && !glue) ? kind::Cut : kind::Crease);
        line(d, xs[i], 0, xs[i], h);
    }
    pen.setKind(kind::Cut);
    line(d, xs[4], 0, xs[4], h);
    for (std::size_t k = 4; k >= 1; --k) {
        const float right = k == 4 ? xs[4] : xs[k] - leftHalf(k);
        const float left = xs[k - 1] + rightHalf(k - 1);
        pen.setKind(kind::Cut);
        chainStart(d, right, h);
        flaps[k - 1](d, left, right, h);
        // The slot to the next flap on the left, or the glue flap's own slot.
        pen.setKind(kind::Cut);
        const float next = k == 1 ? xs[0] : xs[k - 1] - leftHalf(k - 1);
        if (next != left)
            line(d, left, h, next, h);
    }
    if (glue)
        GlueFlap(d, glueFlapShape(glueFlap, h, a));
    if (!mirrored)
        bodyHandHoles(d, s, glueFlap, body, h);
    placeFeature(d, first, at);
    return bodyPasses(glueFlap, body, h);
}

}  // namespace brontaxe

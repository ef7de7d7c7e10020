#include "fold/rolled_walls.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "drawing/geometry.h"

namespace brontaxe::fold {
namespace {

// A band is at most this many boards wide: the two layers of the wall and some play.
constexpr double kWidestBand = 4;

constexpr std::array kRollingCodes{"0421", "0422", "0423", "0426", "0427",
                                   "0429", "0435", "0441", "0445", "0454"};

// The inner wall across `band` when it is a band: a face between two parallel straight folds
// at most kWidestBand boards apart, its wall the face with more folds (the outer one also
// hinges on the base), or -1.
int innerWallAcross(const FoldedBlank& m, int band) {
    const std::vector<const Hinge*> hinges = hingesOf(m, band);
    if (hinges.size() != 2 || isSlanted(*hinges[0]) || isSlanted(*hinges[1]))
        return -1;
    const Segment& a = hinges[0]->line;
    const Segment& b = hinges[1]->line;
    if (std::fabs(cross(a.b - a.a, b.b - b.a)) >
            kParallelRatio * length(a.b - a.a) * length(b.b - b.a) ||
        distanceToLine(b.a, a) > kWidestBand * m.thickness)
        return -1;
    const int first = hinges[0]->faceA == band ? hinges[0]->faceB : hinges[0]->faceA;
    const int second = hinges[1]->faceA == band ? hinges[1]->faceB : hinges[1]->faceA;
    const int firstFolds = foldCount(m, first);
    const int secondFolds = foldCount(m, second);
    if (firstFolds == secondFolds)
        return -1;
    return firstFolds < secondFolds ? first : second;
}

}  // namespace

bool rollsWallsDouble(std::string_view code) {
    return std::ranges::find(kRollingCodes, code) != kRollingCodes.end();
}

void keepRolledWallsInPlace(FoldedBlank& m) {
    for (int band = 0; band < m.faceCount(); ++band) {
        const int inner = innerWallAcross(m, band);
        // The inner wall, the band and the outer wall keep their place, and so do the faces
        // they hang from, settled before them.
        for (int f = inner; f >= 0; f = m.links[static_cast<std::size_t>(f)].parent)
            m.links[static_cast<std::size_t>(f)].keepsPlace = true;
    }
}

}  // namespace brontaxe::fold

// Die-lines written by hand in DXF and CFF2, one table row a feature of the format: the line
// totals by kind, worked out by hand, and the messages of damaged files.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "check/design_check.h"
#include "drawing/bridges.h"
#include "drawing/rule_report.h"
#include "io/die_line_import.h"

namespace brontaxe::io {
namespace {

// "0 LINE 8 CUT" to a DXF text, one group per two lines.
std::string groups(const std::string& pairs) {
    std::istringstream in(pairs);
    std::string out;
    for (std::string word; in >> word;)
        out += word + "\n";
    return out;
}

std::string dxf(const std::string& entities, const std::string& blocks = "",
                const std::string& header = "") {
    return groups("0 SECTION 2 HEADER " + header + " 0 ENDSEC 0 SECTION 2 BLOCKS " + blocks +
                  " 0 ENDSEC 0 SECTION 2 ENTITIES " + entities + " 0 ENDSEC 0 EOF");
}

struct Totals {
    double cut = 0, crease = 0, perforation = 0, halfCut = 0;
};

struct ReadCase {
    const char* name;
    bool isDxf;
    std::string text;
    Totals expected;
    double tolerance = 1e-6;
};

constexpr double kPi = 3.14159265358979323846;
// An ellipse of half-axes 20 and 10 (Ramanujan), within its flattening.
const double kEllipse2010 = kPi * (90 - std::sqrt(70.0 * 50.0));

const std::string kBlockB =
    "0 BLOCK 2 B 10 1 20 0 0 LINE 8 0 10 1 20 0 11 4 21 0 0 CIRCLE 8 crease 10 1 20 0 40 1 "
    "0 ENDBLK";

std::vector<ReadCase> readCases() {
    return {
        {"Line", true, dxf("0 LINE 8 CUT 10 0 20 0 11 30 21 40"), {.cut = 50}},
        {"CircleOnKnife", true, dxf("0 CIRCLE 8 Knife 10 5 20 5 40 10"), {.cut = 20 * kPi}},
        {"ArcsOnRainureOneAcrossZero",
         true,
         dxf("0 ARC 8 Rainure 10 0 20 0 40 10 50 0 51 90 0 ARC 8 Rainure 10 0 20 0 40 9 50 350 "
             "51 10"),
         {.crease = 6 * kPi}},
        {"ClosedLwPolylineWithBulge",
         true,
         dxf("0 LWPOLYLINE 8 MI_CHAIR 90 4 70 1 10 0 20 0 42 1 10 20 20 0 10 20 20 10 10 0 20 "
             "10"),
         {.halfCut = 10 * kPi + 40}},
        {"PolylineWithVertices",
         true,
         dxf("0 POLYLINE 8 perfo 66 1 70 0 0 VERTEX 8 perfo 10 0 20 0 42 -1 0 VERTEX 8 perfo 10 "
             "10 20 0 0 VERTEX 8 perfo 10 10 20 5 0 SEQEND"),
         {.perforation = 5 * kPi + 5}},
        {"Ellipse",
         true,
         dxf("0 ELLIPSE 8 cut 10 0 20 0 11 20 21 0 40 0.5 41 0 42 6.283185307"),
         {.cut = kEllipse2010},
         0.2},
        {"RationalSplineQuarterCircle",
         true,
         dxf("0 SPLINE 8 crease 71 2 72 6 73 3 40 0 40 0 40 0 40 1 40 1 40 1 41 1 41 "
             "0.7071067811865476 41 1 10 10 20 0 10 10 20 10 10 0 20 10"),
         {.crease = 5 * kPi},
         0.05},
        // Base point (1, 0), doubled, turned a quarter, two columns 10 apart; the block's layer-0
        // line takes the insert's layer, its circle keeps its own.
        {"InsertArrayWithTransform",
         true,
         dxf("0 INSERT 8 CUT 2 B 10 100 20 0 41 2 42 2 50 90 70 2 44 10", kBlockB),
         {.cut = 2 * 6, .crease = 2 * 4 * kPi}},
        {"InsertStretchedIntoEllipse",
         true,
         dxf("0 INSERT 8 cut 2 C 10 0 20 0 41 2 42 1",
             "0 BLOCK 2 C 10 0 20 0 0 CIRCLE 8 0 10 0 20 0 40 10 0 ENDBLK"),
         {.cut = kEllipse2010},
         0.2},
        {"InchesFromHeader",
         true,
         dxf("0 LINE 8 CUT 10 0 20 0 11 1 21 0", "", "9 $INSUNITS 70 1"),
         {.cut = 25.4}},
        {"UnknownLayerTextAndDimensionAreNoRules",
         true,
         dxf("0 LINE 8 Calque7 10 0 20 0 11 9 21 0 0 TEXT 8 0 10 0 20 0 40 2 1 Client 0 DIMENSION "
             "8 COTATION 2 *D1",
             "0 BLOCK 2 *D1 0 LINE 8 CUT 10 0 20 0 11 5 21 0 0 ENDBLK"),
         {}},
        {"Cff2RecordsByType",
         false,
         "$BOF\nV2\nMAIN,M\nUM\nL,2,1,0,0,0,10,0,0,0\nA,2,2,0,10,0,0,10,0,0,1,0,0\n"
         "A,2,2,0,0,10,10,0,0,0,-1,0,0\nA,2,3,0,5,0,5,0,0,0,1,0,0\nL,2,4,0,0,0,0,3\n"
         "T,0,40,0,0,0,0,2,0,a,b\nEND\n$EOF\n",
         {.cut = 10, .crease = 10 * kPi, .perforation = 10 * kPi, .halfCut = 3}},
        {"Cff2InchesAndSubDesignCalled",
         false,
         "$BOF\nV2\nUI\nSUB,S\nL,2,1,0,0,0,1,0,0,0\nEND\nMAIN,M\nC,S,1,1,90,2,1\nC,S,0,0,0,1,1\n"
         "END\n$EOF\n",
         {.cut = 3 * 25.4}},
    };
}

FileResult read(const ReadCase& c, Drawing& d, ImportReport& report) {
    return c.isDxf ? readDxfText(c.text, ImportOptions{}, d, report)
                   : readCff2Text(c.text, ImportOptions{}, d, report);
}

TEST(DieLineImport, EachFeatureGivesTheTotalsWorkedOutByHand) {
    for (const ReadCase& c : readCases()) {
        SCOPED_TRACE(c.name);
        Drawing d;
        ImportReport report;
        const FileResult r = read(c, d, report);
        ASSERT_TRUE(r.ok) << r.message;
        EXPECT_NEAR(d.KindLength(kind::Cut), c.expected.cut, c.tolerance);
        EXPECT_NEAR(d.KindLength(kind::Crease), c.expected.crease, c.tolerance);
        EXPECT_NEAR(d.KindLength(kind::Perforation), c.expected.perforation, c.tolerance);
        EXPECT_NEAR(d.KindLength(kind::HalfCut), c.expected.halfCut, c.tolerance);
    }
}

// Where the transforms put things: mirrored entities, turned sub-designs, bulges' sides.
TEST(DieLineImport, PlacementsLandWhereTheFileSays) {
    struct Placed {
        const char* name;
        bool isDxf;
        std::string text;
        Box box;
    };
    const Placed cases[] = {
        {"ArcSeenFromBelowIsMirrored",
         true,
         dxf("0 ARC 8 CUT 10 10 20 0 40 5 50 0 51 90 230 -1"),
         {-15, 0, -10, 5, false}},
        {"BulgeOnTheRightOfItsChord",
         true,
         dxf("0 LWPOLYLINE 8 CUT 10 0 20 0 42 1 10 20 20 0"),
         {0, -10, 20, 0, false}},
        {"InsertTurnedAboutItsBasePoint",
         true,
         dxf("0 INSERT 8 CUT 2 B 10 100 20 0 50 90",
             "0 BLOCK 2 B 10 1 20 0 0 LINE 8 0 10 1 20 0 11 4 21 0 0 ENDBLK"),
         {100, 0, 100, 3, false}},
        {"Cff2SubDesignTurnedAndMoved",
         false,
         "$BOF\nV2\nUM\nSUB,S\nL,2,1,0,0,0,10,0,0,0\nEND\nMAIN,M\nC,S,5,5,90,1,1\nEND\n$EOF\n",
         {5, 5, 5, 15, false}},
    };
    for (const Placed& c : cases) {
        SCOPED_TRACE(c.name);
        Drawing d;
        ImportReport report;
        const FileResult r = read({c.name, c.isDxf, c.text, {}}, d, report);
        ASSERT_TRUE(r.ok) << r.message;
        const Box b = d.extents();
        EXPECT_NEAR(b.xmin, c.box.xmin, 1e-9);
        EXPECT_NEAR(b.ymin, c.box.ymin, 1e-9);
        EXPECT_NEAR(b.xmax, c.box.xmax, 1e-9);
        EXPECT_NEAR(b.ymax, c.box.ymax, 1e-9);
    }
}

TEST(DieLineImport, ReportSaysWhatTheTableDidNotKnow) {
    Drawing d;
    ImportReport report;
    ASSERT_TRUE(readDxfText(dxf("0 LINE 8 Calque7 10 0 20 0 11 9 21 0 0 LINE 8 Calque7 10 0 20 "
                                "0 11 9 21 1 0 HATCH 8 CUT"),
                            ImportOptions{}, d, report)
                    .ok);
    EXPECT_EQ(report.unknownLayers, std::vector<std::string>{"Calque7"});
    EXPECT_TRUE(report.unitAbsent);
    ASSERT_EQ(report.notices.size(), 1u);
    EXPECT_NE(report.notices[0].find("HATCH (1)"), std::string::npos);

    // Texts of the Windows code page and DXF's escapes come out in UTF-8.
    ImportReport texts;
    ASSERT_TRUE(readDxfText(dxf("0 TEXT 8 0 10 0 20 0 40 2 1 D\xE9"
                                "coupe\\U+00E0\x80"),
                            ImportOptions{}, d, texts)
                    .ok);
    EXPECT_EQ(std::get<TextShape>(d.elements().at(0).shape).text, "Découpeà€");

    ImportOptions told;
    told.table.setLayer("calque 7", kind::Crease);
    told.unitWhenAbsent = 10;
    ImportReport again;
    ASSERT_TRUE(readDxfText(dxf("0 LINE 8 Calque7 10 0 20 0 11 9 21 0"), told, d, again).ok);
    EXPECT_NEAR(d.KindLength(kind::Crease), 90, 1e-9);
    EXPECT_TRUE(again.unknownLayers.empty());
    EXPECT_FALSE(again.unitAbsent);

    ImportReport cff2;
    ASSERT_TRUE(readCff2Text("$BOF\nUI\nMAIN,M\nL,2,1,0,0,0,4,0,2,0.25\nL,2,7,0,0,0,1,0\n"
                             "L,2,7,0,0,0,2,0\nEND\n$EOF\n",
                             ImportOptions{}, d, cff2)
                    .ok);
    EXPECT_EQ(cff2.unknownLayers, std::vector<std::string>{"type 7"});
}

Point pointAlong(const Element& e, double at) {
    if (const auto* l = std::get_if<LineShape>(&e.shape))
        return l->a + unit(l->b - l->a) * at;
    const auto& arc = std::get<ArcShape>(e.shape);
    return pointOnCircle(arc.centre, arc.radius, arc.startDeg + toDegrees(at / arc.radius));
}

// Where the bridges of a rule record land, as points of the drawing and widths: spread evenly
// along the rule whatever elements it came out as (a bridge across two of them moves into one).
TEST(DieLineImport, Cff2BridgesAreSpreadAlongTheirRule) {
    struct Bridged {
        const char* name;
        std::string records;
        std::vector<Point> centres;
        double width = 0;
    };
    const Bridged cases[] = {
        {"LineInInches", "UI\nMAIN,M\nL,2,1,0,0,0,4,0,2,0.25\n", {{25.4, 0}, {76.2, 0}}, 6.35},
        {"ClockwiseArc",
         "UM\nMAIN,M\nA,2,1,0,0,10,10,0,0,0,-1,1,0.5\n",
         {{10 / std::sqrt(2.0), 10 / std::sqrt(2.0)}},
         0.5},
        {"ArcStretchedIntoLines",
         "UM\nMAIN,M\nSCALE,2,1\nA,2,1,0,10,0,-10,0,0,0,1,1,0.5\n",
         {{0, 10}},
         std::sqrt(2.0) * 0.5},
        {"WiderThanTheirRule", "UM\nMAIN,M\nL,2,1,0,0,0,1,0,3,0.5\n", {}, 0},
    };
    for (const Bridged& c : cases) {
        SCOPED_TRACE(c.name);
        Drawing d;
        ImportReport report;
        ASSERT_TRUE(readCff2Text("$BOF\n" + c.records + "END\n$EOF\n", {}, d, report).ok);
        std::vector<Point> centres;
        for (const Element& e : d.elements()) {
            for (const Bridge& b : e.bridges) {
                EXPECT_NEAR(b.width, c.width, 1e-9);
                centres.push_back(pointAlong(e, b.at));
            }
        }
        ASSERT_EQ(centres.size(), c.centres.size());
        for (std::size_t k = 0; k < centres.size(); ++k)
            EXPECT_LT(distance(centres[k], c.centres[k]), 0.5);
    }
}

std::string withTables(const std::string& layers, const std::string& entities,
                       const std::string& blocks = "") {
    return groups("0 SECTION 2 TABLES 0 TABLE 2 LAYER 70 3 " + layers +
                  " 0 ENDTAB 0 ENDSEC 0 SECTION 2 BLOCKS " + blocks +
                  " 0 ENDSEC 0 SECTION 2 ENTITIES " + entities + " 0 ENDSEC 0 EOF");
}

std::string cff2(const std::string& records) {
    return "$BOF\nV2\n" + records + "$EOF\n";
}

// One small file a fault seen in die-lines from other programs: read right (the totals worked
// out by hand, the notice that says what was left out) or refused naming the line.
struct FaultCase {
    const char* name;
    bool isDxf;
    std::string text;
    Totals expected{};
    std::string notice{};   // in one of the notices; none expected without it
    std::string refusal{};  // the file is refused with this in the message
    std::vector<std::string> unknown{};
    int cutOuts = -1;  // when set: the closed cut-outs, each held by a bridge, none open
};

std::vector<FaultCase> faultCases() {
    const std::string tooLong(10000, '7');
    return {
        // A square of 4 in with a cut-out of 1 in whose last end misses its first by 0.0001 in
        // (0.00254 mm): one closed cut-out, joined alike by the report, the check and bridges.
        {"Cff2InchesToFourDecimalsStillClose",
         false,
         cff2("MAIN,M\nUI\nL,2,1,0,0,0,4,0,0,0\nL,2,1,0,4,0,4,4,0,0\nL,2,1,0,4,4,0,4,0,0\n"
              "L,2,1,0,0,4,0,0,0,0\nL,2,1,0,1,1,2,1,0,0\nL,2,1,0,2,1,2,2,0,0\n"
              "L,2,1,0,2,2,1,2,0,0\nL,2,1,0,1,2,1,1.0001,0,0\nEND\n"),
         {.cut = (20 - 0.0001) * 25.4},
         "",
         "",
         {},
         1},
        // Round holes of radius 10 as two vertices closed with bulges of a half turn each.
        {"ClosedTwoVertexLwPolylineWithBulges",
         true,
         dxf("0 LWPOLYLINE 8 CUT 90 2 70 1 10 -10 20 0 42 1 10 10 20 0 42 1"),
         {.cut = 20 * kPi}},
        {"ClosedTwoVertexPolylineWithBulges",
         true,
         dxf("0 POLYLINE 8 CUT 66 1 70 1 0 VERTEX 8 CUT 10 -10 20 0 42 -1 0 VERTEX 8 CUT 10 10 "
             "20 0 42 -1 0 SEQEND"),
         {.cut = 20 * kPi}},
        // A sub-design in inches called by a main one in millimetres, and the reverse: 10 mm of
        // the main's own and one inch placed at 100 mm; one inch and 10 mm placed at 1 in.
        {"Cff2SubInInchesUnderMainInMillimetres",
         false,
         cff2("SUB,S\nUI\nL,2,1,0,0,0,1,0,0,0\nEND\nMAIN,M\nUM\nL,2,1,0,0,0,10,0,0,0\n"
              "C,S,100,0,0,1,1\nEND\n"),
         {.cut = 35.4}},
        {"Cff2SubInMillimetresUnderMainInInches",
         false,
         cff2("UI\nSUB,S\nUM\nL,2,2,0,0,0,10,0,0,0\nEND\nMAIN,M\nL,2,1,0,0,0,1,0,0,0\n"
              "C,S,1,0,0,2,2\nEND\n"),
         {.cut = 25.4, .crease = 20}},
        // Frozen KNIFE, CREASE off, a cut in paper space: left out. The insert on the layer
        // that is off still shows its entities of other layers, not those of layer 0.
        {"FrozenAndOffLayersAndPaperSpace",
         true,
         withTables("0 LAYER 2 CUT 70 0 62 7 0 LAYER 2 KNIFE 70 1 62 7 0 LAYER 2 crease 70 0 62 -3",
                    "0 LINE 8 CUT 10 0 20 0 11 100 21 0 0 LINE 8 KNIFE 10 0 20 5 11 50 21 5 "
                    "0 LINE 8 CREASE 10 0 20 9 11 30 21 9 0 LINE 8 CUT 67 1 10 0 20 0 11 40 21 0 "
                    "0 INSERT 8 Crease 2 B 10 0 20 20",
                    "0 BLOCK 2 B 10 0 20 0 0 LINE 8 CUT 10 0 20 0 11 7 21 0 0 LINE 8 0 10 0 20 "
                    "1 11 5 21 1 0 ENDBLK"),
         {.cut = 107},
         "non lus, car cachés : calque éteint « crease » (2 entités), calque gelé « KNIFE » (1 "
         "entité), espace papier (1 entité)"},
        {"LayerNamesTakenWhole",
         true,
         dxf("0 LINE 8 KISSCUT 10 0 20 0 11 10 21 0 0 LINE 8 NOCUT 10 0 20 1 11 20 21 1 0 LINE 8 "
             "D\xC3\xA9"
             "coupe 10 0 20 2 11 5 21 2"),
         {.cut = 5},
         "",
         "",
         {"KISSCUT", "NOCUT"}},
        {"SplineOfFitPointsOnlyRefused",
         true,
         dxf("0 LINE 8 CUT 10 0 20 0 11 1 21 0 0 SPLINE 8 CUT 70 8 71 3 74 3 11 0 21 0 11 5 21 5 "
             "11 10 21 0"),
         {},
         "",
         "ligne 29 : SPLINE : SPLINE donnée par ses seuls points de passage"},
        {"DegenerateEntitiesReported",
         true,
         dxf("0 LINE 8 CUT 10 0 20 0 11 10 21 0 0 ARC 8 CUT 10 0 20 0 40 -5 50 0 51 90 0 CIRCLE 8 "
             "CUT 10 0 20 0 40 0 0 LINE 8 CUT 10 3 20 3 11 3 21 3"),
         {.cut = 10},
         "ligne 29 : entité ignorée, ARC de rayon négatif"},
        {"InsertOnLayerZeroIsNoUnknownLayer",
         true,
         dxf("0 INSERT 8 0 2 B 10 0 20 0",
             "0 BLOCK 2 B 10 0 20 0 0 LINE 8 CUT 10 0 20 0 11 8 21 0 0 ENDBLK"),
         {.cut = 8}},
        // Our own files draw the arrowheads as solids on the dimensions' layer.
        {"PointsAndSolidsOfADimensionAreNoUnreadEntities",
         true,
         dxf("0 LINE 8 CUT 10 0 20 0 11 8 21 0 0 SOLID 8 COTATION 10 0 20 0 11 1 21 0 12 0 22 1 "
             "0 DIMENSION 8 COTATION 2 *D1",
             "0 BLOCK 2 *D1 10 0 20 0 0 POINT 8 DEFPOINTS 10 0 20 0 0 SOLID 8 0 10 0 20 0 11 1 21 "
             "0 12 0 22 1 0 LINE 8 0 10 0 20 3 11 8 21 3 0 ENDBLK"),
         {.cut = 8}},
        {"Cff2RuleOutsideAnyBlock",
         false,
         cff2("L,2,1,0,0,0,50,0,0,0\nMAIN,M\nUM\nL,2,1,0,0,0,10,0,0,0\nEND\n"),
         {.cut = 10},
         "ligne 3 : trait hors de tout bloc MAIN ou SUB, ignoré"},
        {"Cff2SecondMain",
         false,
         cff2("MAIN,M\nL,2,1,0,0,0,10,0,0,0\nEND\nMAIN,N\nL,2,1,0,0,0,10,0,0,0\nEND\n"),
         {},
         "",
         "ligne 6 : deuxième section MAIN"},
        {"Cff2ArcWhoseRadiusDiffersAtItsEnds",
         false,
         cff2("MAIN,M\nUM\nA,2,1,0,10,0,0,12,0,0,1,0,0\nEND\n"),
         {},
         "",
         "ligne 5 : arc dont le rayon diffère"},
        {"Cff2ArcDirectionZero",
         false,
         cff2("MAIN,M\nUM\nA,2,1,0,10,0,0,10,0,0,0,0,0\nEND\n"),
         {},
         "",
         "ligne 5 : sens d'arc 1 ou -1 attendu au champ 11, lu « 0 »"},
        {"Cff2ArcDirectionFive",
         false,
         cff2("MAIN,M\nUM\nA,2,1,0,10,0,0,10,0,0,5,0,0\nEND\n"),
         {},
         "",
         "ligne 5 : sens d'arc 1 ou -1"},
        {"Cff2FractionalType",
         false,
         cff2("MAIN,M\nUM\nL,2,1.5,0,0,0,10,0,0,0\nEND\n"),
         {},
         "",
         "ligne 5 : type de filet entier attendu au champ 3, lu « 1.5 »"},
        {"Cff2NegativeBridgeCount",
         false,
         cff2("MAIN,M\nUM\nL,2,1,0,0,0,100,0,-3,1\nEND\n"),
         {.cut = 100},
         "ligne 5 : nombre de ponts incorrect « -3 », ponts ignorés"},
        {"Cff2HugeFieldQuotedShort",
         false,
         cff2("MAIN,M\nUM\nL,2,1,0,0,0,x" + tooLong + ",0,0,0\nEND\n"),
         {},
         "",
         "ligne 5 : nombre attendu au champ 7, lu « x" + std::string(39, '7') + "... »"},
    };
}

TEST(DieLineImport, EachFaultOfForeignFilesIsReadRightOrRefused) {
    for (const FaultCase& c : faultCases()) {
        SCOPED_TRACE(c.name);
        Drawing d;
        ImportReport report;
        const FileResult r = read({c.name, c.isDxf, c.text, {}}, d, report);
        if (!c.refusal.empty()) {
            EXPECT_FALSE(r.ok);
            EXPECT_NE(r.message.find(c.refusal), std::string::npos) << r.message;
            EXPECT_LT(r.message.size(), 200u);
            continue;
        }
        ASSERT_TRUE(r.ok) << r.message;
        EXPECT_NEAR(d.KindLength(kind::Cut), c.expected.cut, 1e-6);
        EXPECT_NEAR(d.KindLength(kind::Crease), c.expected.crease, 1e-6);
        std::string notices;
        for (const std::string& n : report.notices)
            notices += n + "\n";
        if (!c.notice.empty())
            EXPECT_NE(notices.find(c.notice), std::string::npos) << notices;
        else
            EXPECT_EQ(notices, "");
        EXPECT_EQ(report.unknownLayers, c.unknown);
        if (c.cutOuts < 0)
            continue;
        EXPECT_EQ(ruleReport(d, d.elements().size()).cutOuts, c.cutOuts);
        for (const Finding& f : checkDrawing(d))
            EXPECT_NE(f.kind, FindingKind::OpenOutline) << f.message;
        applyBridges(d, placeBridges(d, BridgeRules{.width = 0.5, .pitch = 1000}));
        for (const Finding& f : checkDrawing(d))
            EXPECT_NE(f.kind, FindingKind::LooseCutOut) << f.message;
    }
}

TEST(DieLineImport, DamagedFilesAreRefusedNamingTheLineAndTheReason) {
    struct Damaged {
        const char* name;
        bool isDxf;
        std::string text;
        const char* message;
    };
    const Damaged cases[] = {
        {"Binary", true, std::string("AutoCAD Binary DXF\r\n\x1a\0\0", 23), "DXF binaire"},
        {"CodeNotANumber", true, groups("0 SECTION 2 ENTITIES x LINE"),
         "ligne 5 : code de groupe attendu, lu « x »"},
        {"ValueNotANumber", true, groups("0 SECTION 2 ENTITIES 0 LINE 8 CUT 10 1.2.3 0 ENDSEC"),
         "ligne 9 : nombre attendu après le code 10"},
        {"NotFinite", true, groups("0 SECTION 2 ENTITIES 0 LINE 8 CUT 10 nan 0 ENDSEC"),
         "ligne 9 : nombre hors limites"},
        {"Truncated", true, groups("0 SECTION 2 ENTITIES 0 LINE 8 CUT"), "fichier tronqué"},
        {"NoEntities", true, groups("0 SECTION 2 HEADER 0 ENDSEC 0 EOF"),
         "aucune section ENTITIES"},
        {"BlockInsertingItself", true,
         dxf("0 INSERT 2 A", "0 BLOCK 2 A 0 INSERT 8 CUT 2 A 0 ENDBLK"), "imbriqués"},
        {"UnknownBlock", true, dxf("0 INSERT 8 CUT 2 Z"), "bloc inconnu « Z »"},
        {"SplineKnotsDisagree", true,
         dxf("0 SPLINE 8 CUT 71 2 40 0 40 1 10 0 20 0 10 1 20 1 10 2 20 0"),
         "ligne 17 : SPLINE : spline dont le nombre de nœuds"},
        {"NotCff2", false, "bonjour\n", "ligne 1 : $BOF attendu"},
        {"Cff2ShortRecord", false, "$BOF\nMAIN,M\nL,2,1,0,0,0\nEND\n",
         "ligne 3 : enregistrement L incomplet"},
        {"Cff2BadNumber", false, "$BOF\nMAIN,M\nL,2,1,0,0,0,1,x\nEND\n",
         "ligne 3 : nombre attendu au champ 8"},
        {"Cff2UnknownSubDesign", false, "$BOF\nMAIN,M\nC,X,0,0,0,1,1\nEND\n",
         "ligne 3 : sous-dessin inconnu « X »"},
        {"Cff2SubCallingItself", false, "$BOF\nSUB,S\nC,S,0,0,0,1,1\nEND\nMAIN,M\nC,S,0,0,0\nEND\n",
         "imbriqués"},
        {"Cff2WithoutMain", false, "$BOF\nSUB,S\nEND\n$EOF\n", "aucune section MAIN"},
    };
    for (const Damaged& c : cases) {
        SCOPED_TRACE(c.name);
        Drawing d;
        ImportReport report;
        const FileResult r = read({c.name, c.isDxf, c.text, {}}, d, report);
        EXPECT_FALSE(r.ok);
        EXPECT_NE(r.message.find(c.message), std::string::npos) << r.message;
    }
}

TEST(LineKindTable, UsualNamesAndOursWhateverTheirSpelling) {
    const LineKindTable t = LineKindTable::shipped();
    const std::pair<const char*, std::optional<LineKind>> cases[] = {
        {"Découpe", kind::Cut},
        {"D\xC9"
         "COUPE",
         kind::Cut},  // Windows-1252
        {"knife", kind::Cut},
        {"CUT-LINES", kind::Cut},
        {"KISSCUT", std::nullopt},  // names are taken whole: no cut inside them
        {"NOCUT", std::nullopt},
        {"Rill", kind::Crease},
        {"rainure", kind::Crease},
        {"Rainage", kind::Crease},
        {"Perforation", kind::Perforation},
        {"half_cut", kind::HalfCut},
        {"Mi-chair", kind::HalfCut},
        {"PERFO-RAINANT", kind::PerforatedCrease},
        {"COTATION", kind::Auxiliary},
        {"0", std::nullopt},
        {"Calque 7", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& [name, expected] : cases)
        EXPECT_EQ(t.layerKind(name), expected) << name;
    EXPECT_EQ(t.cff2Kind(5), kind::PerforatedCrease);
    EXPECT_EQ(t.cff2Kind(7), std::nullopt);
}

}  // namespace
}  // namespace brontaxe::io

#include "workbench/profile_rules.h"

#include <gtest/gtest.h>

#include "drawing/crease_list.h"

namespace brontaxe {
namespace {

float qlxGlueFlap(float thickness, float height) {
    Model m;
    m.Personnalisation = CustomerProfile::Qlx;
    m.CodeModele = "0201";
    m.EpaisseurCarton = thickness;
    m.Hauteur = height;
    m.lgPatte = 99;
    applyProfileRules(m);
    return m.lgPatte;
}

float qlxOverlap(const char* code, float length, float width) {
    Model m;
    m.Personnalisation = CustomerProfile::Qlx;
    m.CodeModele = code;
    m.Longueur = length;
    m.Largeur = width;
    m.hrecouvr = 99;
    applyProfileRules(m);
    return m.hrecouvr;
}

TEST(QlxProfile, GlueFlapFollowsThicknessAndHeight) {
    EXPECT_EQ(qlxGlueFlap(3, 800), 35);
    EXPECT_EQ(qlxGlueFlap(3, 799), 30);
    EXPECT_EQ(qlxGlueFlap(3.5f, 799), 35);
    EXPECT_EQ(qlxGlueFlap(3.5f, 800), 40);
    EXPECT_EQ(qlxGlueFlap(8, 100), 50);
    EXPECT_EQ(qlxGlueFlap(-1, 100), 99);  // no rule for a negative thickness
}

TEST(QlxProfile, OverlapOfTheLiddedStyles) {
    EXPECT_EQ(qlxOverlap("0216", 300, 300), 30);
    EXPECT_EQ(qlxOverlap("0216", 300, 301), 45);
    EXPECT_EQ(qlxOverlap("0216", 300, 401), 60);
    EXPECT_EQ(qlxOverlap("0215", 401, 100), 60);
    EXPECT_EQ(qlxOverlap("0711", 900, 900), 30);
    EXPECT_EQ(qlxOverlap("0201", 900, 900), 99);
}

TEST(QlxProfile, OtherProfilesChangeNothing) {
    Model m;
    m.Personnalisation = CustomerProfile::Qor;
    m.lgPatte = 36;
    m.EpaisseurCarton = 3;
    applyProfileRules(m);
    EXPECT_EQ(m.lgPatte, 36);
}

TEST(normaliseCreaseList, TheLastPositionTakesWhatTheSideLeaves) {
    EXPECT_EQ(normaliseCreaseList("100+200/300", 509, 1447), "100+409/1447");
    EXPECT_EQ(normaliseCreaseList(" 100 ; 50 + 1 ", 500, 0), "100+50+350/");
    EXPECT_EQ(normaliseCreaseList("400+400", 500, 0), "400+100/");
    EXPECT_EQ(normaliseCreaseList("600+1", 500, 0), "600+-100/");
    EXPECT_EQ(normaliseCreaseList("", 500, 1000), "/");
    EXPECT_EQ(normaliseCreaseList(" + + +", 509, 0), "+++509/");
    EXPECT_EQ(normaliseCreaseList("/250+1", 500, 1000), "/250+750");
}

}  // namespace
}  // namespace brontaxe

#include "mainwindow/window_inputs.h"

#include <gtest/gtest.h>

namespace brontaxe {
namespace {

TEST(BoxValueDiffers, OnlyANewNumberCounts) {
    EXPECT_FALSE(boxValueDiffers("400", 400));
    EXPECT_FALSE(boxValueDiffers("400.0", 400));
    EXPECT_FALSE(boxValueDiffers("0400", 400));
    EXPECT_FALSE(boxValueDiffers(" 400 mm", 400));
    EXPECT_TRUE(boxValueDiffers("401", 400));
    EXPECT_TRUE(boxValueDiffers("abc", 400));  // reads as 0 and is taken as such
    EXPECT_FALSE(boxValueDiffers("abc", 0));
    EXPECT_FALSE(boxValueDiffers("0.1", 0.1f));  // compared as singles
}

TEST(FileNameFromCommandLine, QuotesAndBlanks) {
    EXPECT_EQ(fileNameFromCommandLine(std::nullopt), std::nullopt);
    EXPECT_EQ(fileNameFromCommandLine(""), std::nullopt);
    EXPECT_EQ(fileNameFromCommandLine("   "), "");
    EXPECT_EQ(fileNameFromCommandLine("  boite.des "), "boite.des");
    EXPECT_EQ(fileNameFromCommandLine("\"mes boites/caisse 1.des\""), "mes boites/caisse 1.des");
    EXPECT_EQ(fileNameFromCommandLine(" \"a.des\" "), "a.des");
    EXPECT_EQ(fileNameFromCommandLine("\""), "");
}

}  // namespace
}  // namespace brontaxe

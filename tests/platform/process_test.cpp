#include "platform/process.h"

#include <gtest/gtest.h>

namespace brontaxe::platform {
namespace {

TEST(Process, PassesArgumentsAsTheyAreWithoutAShell) {
    // Blanks, quotes and shell characters reach the program untouched.
    const std::string tricky = "a b \"c\" $(false); *";
    const ProcessResult r = runProcess({"printf", "%s|%s", tricky, "d"});
    ASSERT_TRUE(r.started) << r.error;
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, tricky + "|d");
    EXPECT_TRUE(r.err.empty());
}

TEST(Process, ReportsExitCodesAndStandardError) {
    const ProcessResult failed = runProcess({"false"});
    ASSERT_TRUE(failed.started);
    EXPECT_EQ(failed.exitCode, 1);

    const ProcessResult r = runProcess({"/usr/bin/python3", "-c",
                                        "import sys; sys.stdout.write('o' * 300000); "
                                        "sys.stderr.write('e' * 300000); sys.exit(3)"});
    ASSERT_TRUE(r.started) << r.error;
    EXPECT_EQ(r.exitCode, 3);
    // Both pipes drained together: neither output is cut short.
    EXPECT_EQ(r.out.size(), 300000u);
    EXPECT_EQ(r.err.size(), 300000u);
}

TEST(Process, AMissingProgramIsNotStartedAndSaysWhy) {
    const ProcessResult r = runProcess({"/nonexistent/brontaxe-no-such-program"});
    EXPECT_FALSE(r.started);
    EXPECT_NE(r.error.find("brontaxe-no-such-program"), std::string::npos) << r.error;
    EXPECT_FALSE(runProcess({}).started);
}

}  // namespace
}  // namespace brontaxe::platform

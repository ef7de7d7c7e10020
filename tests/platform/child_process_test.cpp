#include "platform/child_process.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "platform/command_line.h"
#include "support/stand_in.h"
#include "support/temp_dir.h"

namespace brontaxe::platform {
namespace {

struct SplitCase {
    const char* line;
    std::vector<std::string> args;
};

TEST(CommandLine, SplitsLikeTheProgramsOwnStartUp) {
    const SplitCase cases[] = {
        {"cape.exe /x", {"cape.exe", "/x"}},
        {"  a \t b  ", {"a", "b"}},
        {"\"C:\\Program Files\\CAPE\\cape.exe\" /cif",
         {"C:\\Program Files\\CAPE\\cape.exe", "/cif"}},
        {"\"/opt/mes outils/cape\"", {"/opt/mes outils/cape"}},
        {"pre\"fixe avec\"suite", {"prefixe avecsuite"}},
        {"\"dit \"\"oui\"\"\" x", {"dit \"oui\"", "x"}},
        {"a \"\" b", {"a", "", "b"}},
        {"C:\\dossier\\", {"C:\\dossier\\"}},
        {"\"non fermé", {"non fermé"}},
        {"", {}},
    };
    for (const SplitCase& c : cases)
        EXPECT_EQ(splitCommandLine(c.line), c.args) << c.line;
}

TEST(CommandLine, MapsOnlyPathsOnDriveC) {
    const EnvironmentLookup env = [](const char* name) -> std::optional<std::string> {
        if (std::string(name) == "BRONTAXE_DRIVE_C")
            return "/srv/c";
        return std::nullopt;
    };
    EXPECT_EQ(mapDriveCArguments({"C:\\wKorvane\\Bin\\K.exe", "/cif", "c:x", "d:\\a"}, env),
              (std::vector<std::string>{"/srv/c/wkorvane/bin/k.exe", "/cif", "c:x", "d:\\a"}));
}

TEST(CommandLine, AnUnquotedProgramPathWithBlanksIsFoundWhole) {
    test::TempDir dir;
    const auto program = dir / "Cape Pack" / "cape pack";
    std::filesystem::create_directories(program.parent_path());
    test::writeStandIn(program, dir / "args");
    const EnvironmentLookup env = [](const char*) -> std::optional<std::string> {
        return std::nullopt;
    };
    EXPECT_EQ(programArguments(program.string() + " /x y", env),
              (std::vector<std::string>{program.string(), "/x", "y"}));
    EXPECT_EQ(programArguments("\"" + program.string() + "\" /x", env),
              (std::vector<std::string>{program.string(), "/x"}));
    // Nothing to find: the words stay apart and the start will say the program is missing.
    EXPECT_EQ(programArguments("/absent/a b", env), (std::vector<std::string>{"/absent/a", "b"}));
}

TEST(ChildProcess, PassesArgumentsWholeAndReportsTheEnd) {
    test::TempDir dir;
    const auto program = dir / "dossier avec blancs" / "programme";
    std::filesystem::create_directories(program.parent_path());
    test::writeStandIn(program, dir / "args", "exit 3");
    std::string error;
    ChildProcess p = ChildProcess::start({program.string(), "a b", "\"q\"", "$(false);*"}, error);
    ASSERT_TRUE(p.started()) << error;
    // Pumped until the program ends, however loaded the machine; a minute at most.
    int passes = 0;
    EXPECT_TRUE(waitPumping(p, [&passes] {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        return ++passes < 60000;
    }));
    EXPECT_EQ(p.exitCode(), 3);
    EXPECT_EQ(test::recordedArguments(dir / "args"),
              (std::vector<std::string>{"a b", "\"q\"", "$(false);*"}));
}

TEST(ChildProcess, AProgramThatNeverEndsIsStoppedWhenTheUserStopsWaiting) {
    test::TempDir dir;
    test::writeStandIn(dir / "sans-fin", dir / "args", "while :; do sleep 1; done");
    std::string error;
    ChildProcess p = ChildProcess::start({(dir / "sans-fin").string()}, error);
    ASSERT_TRUE(p.started()) << error;
    test::recordedArguments(dir / "args");
    ASSERT_TRUE(std::filesystem::exists(dir / "args"));  // it has started and runs on
    int passes = 0;
    EXPECT_FALSE(waitPumping(p, [&passes] { return ++passes < 20; }));
    EXPECT_EQ(passes, 20);
    EXPECT_EQ(p.poll(), ChildProcess::State::Ended);
    EXPECT_GE(p.exitCode(), 128);  // ended by a signal
}

TEST(ChildProcess, AMissingProgramIsSaidInFrench) {
    test::TempDir dir;
    test::writeFile(dir / "pas-executable", "#!/bin/sh\n");
    const std::string missing = (dir / "absent").string();
    const std::string notExecutable = (dir / "pas-executable").string();
    for (const std::string& program : {missing, notExecutable, dir.path().string()}) {
        std::string error;
        EXPECT_FALSE(ChildProcess::start({program}, error).started());
        EXPECT_EQ(error, "Programme introuvable : " + program);
        EXPECT_EQ(startDetached({program, "x"}), "Programme introuvable : " + program);
    }
    EXPECT_EQ(programProblem("brontaxe-pas-de-tel-programme"),
              "Programme introuvable : brontaxe-pas-de-tel-programme");
    EXPECT_EQ(programProblem("sh"), std::nullopt);  // looked up in PATH
}

TEST(ChildProcess, ADetachedProgramRunsOnItsOwn) {
    test::TempDir dir;
    test::writeStandIn(dir / "visionneuse", dir / "args", "sleep 1");
    EXPECT_EQ(startDetached({(dir / "visionneuse").string(), "c d"}), std::nullopt);
    EXPECT_EQ(test::recordedArguments(dir / "args"), std::vector<std::string>{"c d"});
}

}  // namespace
}  // namespace brontaxe::platform

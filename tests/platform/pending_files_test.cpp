#include "platform/pending_files.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include "support/temp_dir.h"

namespace brontaxe::platform {
namespace {

namespace fs = std::filesystem;

// A save killed by a signal in the middle of writing leaves no temporary file: the process
// ends by that signal all the same.
TEST(PendingFile, ASignalDuringTheWriteRemovesTheTemporaryFile) {
    for (int sig : {SIGTERM, SIGINT, SIGHUP}) {
        test::TempDir dir;
        const fs::path temp = temporaryPathFor(dir / "boite.pdf", 12345);
        const pid_t child = ::fork();
        ASSERT_NE(child, -1);
        if (child == 0) {
            removePendingFilesOnSignals();
            const PendingFile pending(temp);
            test::writeFile(temp, "à moitié écrit");
            ::raise(sig);
            ::_exit(0);  // not reached
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFSIGNALED(status)) << sig;
        EXPECT_EQ(WTERMSIG(status), sig);
        EXPECT_FALSE(fs::exists(temp)) << sig;
    }
}

TEST(PendingFile, LeavingTheScopeRemovesItWhateverHappened) {
    test::TempDir dir;
    const fs::path temp = temporaryPathFor(dir / "boite.des", 7);
    EXPECT_EQ(temp, dir / ".boite.des.tmp7");
    try {
        const PendingFile pending(temp);
        test::writeFile(temp, "x");
        throw std::runtime_error("écriture interrompue");
    } catch (const std::runtime_error&) {
    }
    EXPECT_FALSE(fs::exists(temp));
}

// A process killed outright (SIGKILL) runs no handler: the next save of the same file
// removes what it left, and only that.
TEST(PendingFile, TemporariesOfDeadProcessesAreRemovedByTheNextSave) {
    test::TempDir dir;
    const fs::path target = dir / "boite.pdf";
    const fs::path dead = temporaryPathFor(target, 999999999);
    const fs::path alive = temporaryPathFor(target, ::getpid());
    const fs::path other = temporaryPathFor(dir / "autre.pdf", 999999999);
    for (const fs::path& p : {dead, alive, other})
        test::writeFile(p, "x");
    test::writeFile(dir / ".boite.pdf.tmpabc", "x");
    removeStaleTemporaries(target);
    EXPECT_FALSE(fs::exists(dead));
    EXPECT_TRUE(fs::exists(alive));
    EXPECT_TRUE(fs::exists(other));
    EXPECT_TRUE(fs::exists(dir / ".boite.pdf.tmpabc"));
}

}  // namespace
}  // namespace brontaxe::platform

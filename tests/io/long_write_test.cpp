// Long writes: a sheet of 10,000 poses in every format, progress reported along the way, and a
// write the user stops leaving nothing behind.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <vector>

#include "io/drawing_files.h"
#include "io/file_format.h"
#include "platform/process.h"
#include "support/cli_run.h"
#include "support/temp_dir.h"

namespace brontaxe::io {
namespace {

namespace fs = std::filesystem;

// A drawing with enough elements for the writers to report progress several times.
Drawing manyLines() {
    Drawing d;
    for (int i = 0; i < 12'000; ++i)
        d.AddLine(0, i * 0.5, 100, i * 0.5);
    return d;
}

std::vector<fs::path> filesIn(const fs::path& dir) {
    std::vector<fs::path> out;
    for (const auto& e : fs::directory_iterator(dir))
        out.push_back(e.path().filename());
    return out;
}

TEST(LongWrite, EveryFormatReportsRisingProgressAndAStopLeavesTheOldFileAlone) {
    const Drawing d = manyLines();
    for (const FileFormat& format : fileFormats()) {
        if (format.extension == "obj" || format.extension == "gltf")
            continue;  // the folded box: a few dozen faces, written at once
        test::TempDir dir;
        const fs::path path = dir / ("dessin." + std::string(format.extension));

        std::vector<double> shares;
        const WriteProgress watched([&](double share) {
            shares.push_back(share);
            return true;
        });
        ASSERT_TRUE(SaveDrawing(d, path, watched).ok) << format.extension;
        ASSERT_GE(shares.size(), 2u) << format.extension;
        EXPECT_TRUE(std::is_sorted(shares.begin(), shares.end())) << format.extension;
        EXPECT_GT(shares.front(), 0.0);
        EXPECT_LE(shares.back(), 1.0);

        test::writeFile(path, "ancien contenu");
        int calls = 0;
        const WriteProgress stopped([&](double) { return ++calls < 2; });
        const FileResult r = SaveDrawing(d, path, stopped);
        EXPECT_FALSE(r.ok) << format.extension;
        EXPECT_NE(r.message.find("Écriture interrompue"), std::string::npos) << r.message;
        EXPECT_EQ(calls, 2) << format.extension << ": the writer went on after the stop";
        EXPECT_EQ(test::readFile(path), "ancien contenu") << format.extension;
        EXPECT_EQ(filesIn(dir.path()), std::vector<fs::path>{path.filename()})
            << format.extension << ": a partial file was left";
    }
}

TEST(LongWrite, TenThousandPosesMakeOnePdfPageThatPopplerReads) {
    test::TempDir config;
    test::TempDir dir;
    const std::string pdf = (dir / "planche.pdf").string();
    const test::CliRun run =
        test::runCli({"0201", "--poses-x", "100", "--poses-y", "100", "-o", pdf.c_str()}, config);
    ASSERT_EQ(run.code, 0) << run.err;
    const auto info = platform::runProcess({"pdfinfo", pdf});
    ASSERT_EQ(info.exitCode, 0) << info.err;
    EXPECT_NE(info.out.find("Pages:           1"), std::string::npos) << info.out;
    // Not a terminal: no progress line among the messages.
    EXPECT_EQ(run.err.find("Écriture de"), std::string::npos) << run.err;
}

}  // namespace
}  // namespace brontaxe::io

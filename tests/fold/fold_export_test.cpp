// The folded box written as OBJ and glTF and read back by assimp, a reader nobody here
// wrote: the same triangles, vertices and bounds as the model.

#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <regex>

#include "io/drawing_files.h"
#include "io/fold_files.h"
#include "platform/process.h"
#include "support/cli_run.h"
#include "support/fold_run.h"
#include "support/temp_dir.h"

namespace brontaxe::fold {
namespace {

namespace fs = std::filesystem;

constexpr const char* kAssimp = "/usr/bin/assimp";

struct ReadBack {
    long vertices = -1;
    long faces = -1;
    Vec3 min, max;
};

Vec3 pointAfter(const std::string& text, const std::string& label) {
    std::smatch m;
    const std::regex re(label + R"(\s*\(([-0-9.e+]+) ([-0-9.e+]+) ([-0-9.e+]+)\))");
    if (!std::regex_search(text, m, re))
        return {};
    return {std::stod(m[1]), std::stod(m[2]), std::stod(m[3])};
}

long countAfter(const std::string& text, const std::string& label) {
    std::smatch m;
    if (!std::regex_search(text, m, std::regex(label + R"(:\s*(\d+))")))
        return -1;
    return std::stol(m[1]);
}

// `assimp info --raw`: the file as written, no vertex joined or triangle split.
ReadBack assimpInfo(const fs::path& file) {
    const platform::ProcessResult r =
        platform::runProcess({kAssimp, "info", file.string(), "--raw"});
    EXPECT_EQ(r.exitCode, 0) << r.err << r.out;
    return {countAfter(r.out, "Vertices"), countAfter(r.out, "Faces"),
            pointAfter(r.out, "Minimum point"), pointAfter(r.out, "Maximum point")};
}

void expectNear(Vec3 a, Vec3 b, double eps) {
    EXPECT_NEAR(a.x, b.x, eps);
    EXPECT_NEAR(a.y, b.y, eps);
    EXPECT_NEAR(a.z, b.z, eps);
}

TEST(FoldExport, AssimpReadsTheFoldedBoxBackWithItsTrianglesAndBounds) {
    if (!fs::exists(kAssimp))
        GTEST_SKIP() << "assimp (Debian package assimp-utils) is not installed: no outside reader";
    const test::Folded f = test::drawAndFold("0201", 400, 300, 200);
    ASSERT_TRUE(f.refusal.empty());
    const Mesh mesh = foldedMesh(f.fold, placements(f.fold, 1.0));
    const Bounds3 bounds = mesh.bounds();
    const test::TempDir dir;
    struct Case {
        const char* file;
        double unit;         // millimetres a file unit
        bool keepsVertices;  // OBJ readers give every triangle corners of its own
    };
    for (const Case c : {Case{"boite.obj", 1, false}, Case{"boite.gltf", 1000, true}}) {
        SCOPED_TRACE(c.file);
        const fs::path path = dir / c.file;
        const io::FileResult saved = io::saveFoldedDesign(f.d, "0201", f.m, path);
        ASSERT_TRUE(saved.ok) << saved.message;
        const ReadBack r = assimpInfo(path);
        EXPECT_EQ(r.faces, static_cast<long>(mesh.triangles.size()));
        EXPECT_EQ(r.vertices, static_cast<long>(c.keepsVertices ? mesh.vertices.size()
                                                                : 3 * mesh.triangles.size()));
        expectNear(r.min * c.unit, bounds.min, 1e-3);
        expectNear(r.max * c.unit, bounds.max, 1e-3);
    }
}

TEST(FoldExport, TheCommandLineWritesTheFoldedBoxByExtension) {
    const test::TempDir config;
    const test::Folded f = test::drawAndFold("0201", 400, 300, 200);
    const Mesh mesh = foldedMesh(f.fold, placements(f.fold, 1.0));
    const test::TempDir out;
    const std::string obj = (out / "boite.obj").string();
    const std::string gltf = (out / "boite.gltf").string();

    test::CliRun r = test::runCli({"0201", "-o", obj.c_str()}, config);
    ASSERT_EQ(r.code, 0) << r.err;
    const std::string text = test::readFile(obj);
    long vertices = 0;
    long triangles = 0;
    for (std::size_t at = 0; (at = text.find('\n', at)) != std::string::npos; ++at) {
        vertices += text.compare(at + 1, 2, "v ") == 0;
        triangles += text.compare(at + 1, 2, "f ") == 0;
    }
    EXPECT_EQ(vertices, static_cast<long>(mesh.vertices.size()));
    EXPECT_EQ(triangles, static_cast<long>(mesh.triangles.size()));

    r = test::runCli({"0201", "-o", gltf.c_str()}, config);
    ASSERT_EQ(r.code, 0) << r.err;
    const auto doc = nlohmann::json::parse(test::readFile(gltf));
    EXPECT_EQ(doc["asset"]["version"], "2.0");
    EXPECT_EQ(doc["accessors"][0]["count"], mesh.vertices.size());
    EXPECT_EQ(doc["accessors"][1]["count"], 3 * mesh.triangles.size());

    // A folder that is not there: refused, nothing written.
    const std::string missing = (out / "absent" / "boite.obj").string();
    r = test::runCli({"0201", "-o", missing.c_str()}, config);
    EXPECT_NE(r.code, 0);
    EXPECT_FALSE(fs::exists(missing));
}

TEST(FoldExport, ADrawingAloneIsWrittenFoldedSquareWithoutTheBoard) {
    const test::Folded f = test::drawAndFold("0201", 400, 300, 200);
    const test::TempDir dir;
    ASSERT_TRUE(io::SaveDrawing(f.d, dir / "seul.obj").ok);
    const std::string text = test::readFile(dir / "seul.obj");
    // One side of each face: the triangles of the faces, not of slabs.
    std::size_t expected = 0;
    for (const Face& face : f.fold.flat.faces)
        expected += face.triangles.size();
    std::size_t triangles = 0;
    for (std::size_t at = 0; (at = text.find("\nf ", at)) != std::string::npos; ++at)
        ++triangles;
    EXPECT_EQ(triangles, expected);
}

}  // namespace
}  // namespace brontaxe::fold

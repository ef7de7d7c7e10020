// Bookmarks, links and language appended to a finished PDF, read back by real readers: qpdf
// checks the file's structure, pypdf reads the navigation, poppler and Ghostscript open it.
#include "io/pdf_navigation.h"

#include <gtest/gtest.h>

#include <map>
#include <nlohmann/json.hpp>

#include "platform/process.h"
#include "support/temp_dir.h"

namespace brontaxe::io {
namespace {

using nlohmann::json;
using platform::runProcess;

// Where the first page keeps its annotations, as writers differ.
enum class Annotations { InTheirOwnObject, InThePage, None };

// Three pages, the first with a web link: a file as a writer leaves it, with its
// cross-reference table.
std::string threePages(Annotations annotations) {
    const std::string firstAnnots = annotations == Annotations::InTheirOwnObject ? "/Annots 7 0 R "
                                    : annotations == Annotations::InThePage ? "/Annots [8 0 R] "
                                                                            : "";
    const std::string page =
        "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 200 300] "
        "/Contents 6 0 R /Resources << >> ";
    const std::vector<std::string> objects = {
        "<< /Type /Catalog /Pages 2 0 R >>",
        "<< /Type /Pages /Kids [3 0 R 4 0 R 5 0 R] /Count 3 >>",
        page + firstAnnots + ">>",
        page + ">>",
        page + ">>",
        "<< /Length 16 >>\nstream\n0 0 m 90 90 l S\nendstream",
        "[8 0 R]",
        "<< /Type /Annot /Subtype /Link /Rect [0 0 10 10] /Border [0 0 0] "
        "/A << /S /URI /URI (https://example.org/\\(a\\)) >> >>",
        "<< /Title (Essai) >>",
    };
    std::string pdf = "%PDF-1.4\n";
    std::vector<std::size_t> offsets;
    for (std::size_t i = 0; i < objects.size(); ++i) {
        offsets.push_back(pdf.size());
        pdf += std::to_string(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
    }
    const std::size_t xref = pdf.size();
    pdf += "xref\n0 " + std::to_string(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (std::size_t offset : offsets) {
        char entry[32];
        std::snprintf(entry, sizeof entry, "%010zu 00000 n \n", offset);
        pdf += entry;
    }
    pdf += "trailer\n<< /Size " + std::to_string(objects.size() + 1) +
           " /Root 1 0 R /Info 9 0 R >>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";
    return pdf;
}

const PdfNavigation kNavigation = {
    .bookmarks = {{.title = "Démarrer", .level = 1, .place = {.page = 1, .top = 280}},
                  {.title = "Où sont les fichiers", .level = 2, .place = {.page = 1, .top = 150}},
                  {.title = "Les menus", .level = 1, .place = {.page = 2, .top = 280}},
                  {.title = "« Fichier »", .level = 2, .place = {.page = 2, .top = 200}},
                  {.title = "Ouvrir…", .level = 3, .place = {.page = 2, .top = 120.5}},
                  {.title = "Tutoriels", .level = 1, .place = {.page = 0, .top = 100}}},
    .links = {{.page = 0,
               .left = 20,
               .bottom = 250,
               .right = 180,
               .top = 262,
               .to = {.page = 2, .top = 200}},
              {.page = 2,
               .left = 20,
               .bottom = 10,
               .right = 180,
               .top = 22,
               .to = {.page = 0, .top = 300}}},
    .language = "fr-FR",
};

// What pypdf, as Debian installs it, reads of the file (tests/support/pdf_navigation.py).
json navigationRead(const std::filesystem::path& pdf) {
    const auto read =
        runProcess({"/usr/bin/python3", BRONTAXE_PDF_NAVIGATION_READER, pdf.string()});
    EXPECT_EQ(read.exitCode, 0) << read.err;
    EXPECT_TRUE(read.err.empty()) << read.err;  // nothing the reader had to put right
    return read.exitCode == 0 ? json::parse(read.out) : json();
}

// qpdf checks every cross-reference, object and the page tree; poppler and Ghostscript open
// the file without repairing it.
void expectReadersAccept(const std::filesystem::path& pdf) {
    const auto check = runProcess({"qpdf", "--check", pdf.string()});
    EXPECT_EQ(check.exitCode, 0) << check.out << check.err;
    EXPECT_EQ(check.out.find("WARNING"), std::string::npos) << check.out;
    const auto info = runProcess({"pdfinfo", pdf.string()});
    EXPECT_EQ(info.exitCode, 0) << info.err;
    EXPECT_TRUE(info.err.empty()) << info.err;
    const auto gs =
        runProcess({"gs", "-q", "-dNODISPLAY", "-dNOPAUSE", "-dBATCH", "-dSAFER", pdf.string()});
    EXPECT_EQ(gs.exitCode, 0) << gs.out << gs.err;
    EXPECT_TRUE(gs.out.empty() && gs.err.empty()) << gs.out << gs.err;
}

class PdfNavigationOn : public ::testing::TestWithParam<Annotations> {};

TEST_P(PdfNavigationOn, BookmarksLinksAndLanguageAreReadAndTheFileIsKept) {
    test::TempDir dir;
    const std::string painted = threePages(GetParam());
    std::string pdf = painted;
    ASSERT_EQ(appendNavigation(pdf, kNavigation), std::nullopt);
    EXPECT_EQ(pdf.compare(0, painted.size(), painted), 0) << "the file as written first";
    test::writeFile(dir / "m.pdf", pdf);
    expectReadersAccept(dir / "m.pdf");

    const json read = navigationRead(dir / "m.pdf");
    EXPECT_EQ(read["pages"], 3);
    EXPECT_EQ(read["lang"], "fr-FR");
    EXPECT_EQ(read["pagemode"], "/UseOutlines");
    const json outline = json::array({
        {1, "Démarrer", 1, 280.0},
        {2, "Où sont les fichiers", 1, 150.0},
        {1, "Les menus", 2, 280.0},
        {2, "« Fichier »", 2, 200.0},
        {3, "Ouvrir…", 2, 120.5},
        {1, "Tutoriels", 0, 100.0},
    });
    EXPECT_EQ(read["outline"], outline) << read.dump();
    // The first page keeps its web link beside the new one.
    json links = json::array(
        {{0, {20.0, 250.0, 180.0, 262.0}, 2, 200.0}, {2, {20.0, 10.0, 180.0, 22.0}, 0, 300.0}});
    if (GetParam() != Annotations::None)
        links.insert(links.begin(), json{0, {0.0, 0.0, 10.0, 10.0}, nullptr, nullptr});
    EXPECT_EQ(read["links"], links) << read.dump();
}

INSTANTIATE_TEST_SUITE_P(, PdfNavigationOn,
                         ::testing::Values(Annotations::InTheirOwnObject, Annotations::InThePage,
                                           Annotations::None));

// An update over an update: the latest bookmarks and language are the ones read, the links
// of both stay, and readers follow the chain of sections back to the first.
TEST(PdfNavigation, AnUpdatedFileIsUpdatedAgain) {
    test::TempDir dir;
    std::string pdf = threePages(Annotations::InTheirOwnObject);
    ASSERT_EQ(appendNavigation(pdf, kNavigation), std::nullopt);
    const PdfNavigation second = {
        // A title that is not UTF-8 (Latin-1) is read with a replacement character.
        .bookmarks = {{.title = "Seul \xe9", .level = 1, .place = {.page = 2, .top = 10}}},
        .links = {{.page = 0,
                   .left = 1,
                   .bottom = 2,
                   .right = 3,
                   .top = 4,
                   .to = {.page = 1, .top = 5}}},
        .language = "fr-CA",
    };
    ASSERT_EQ(appendNavigation(pdf, second), std::nullopt);
    test::writeFile(dir / "m.pdf", pdf);
    expectReadersAccept(dir / "m.pdf");
    const json read = navigationRead(dir / "m.pdf");
    EXPECT_EQ(read["lang"], "fr-CA");
    EXPECT_EQ(read["outline"], json::array({{1, "Seul \uFFFD", 2, 10.0}})) << read.dump();
    EXPECT_EQ(read["links"].size(), 4u) << read.dump();
}

// What cannot be updated is said, and the file is left as it was.
TEST(PdfNavigation, WhatCannotBeUpdatedIsRefused) {
    const std::string plain = threePages(Annotations::None);
    std::string compressed = plain;
    compressed.replace(compressed.rfind("xref\n0 10"), 4, "XREF");
    std::string noCatalog = plain;
    noCatalog.replace(noCatalog.find("/Root 1 0 R"), 11, "/Root 9 0 R");
    const auto mark = [](const char* title, int level, int page) {
        return PdfBookmark{.title = title, .level = level, .place = {.page = page, .top = 0}};
    };
    const auto withMarks = [](std::vector<PdfBookmark> marks) {
        return PdfNavigation{.bookmarks = std::move(marks), .links = {}, .language = {}};
    };
    PdfNavigation linkPastTheEnd = kNavigation;
    linkPastTheEnd.links.back().to.page = 3;
    const struct {
        const char* what;
        std::string pdf;
        PdfNavigation navigation;
        const char* reason;
    } cases[] = {
        {"a compressed table", compressed, kNavigation, "compressée"},
        {"no catalog", noCatalog, kNavigation, "catalogue"},
        {"not a PDF", "bonjour", kNavigation, "startxref"},
        {"a section first", plain, withMarks({mark("a", 2, 0)}), "niveau 2"},
        {"a level skipped", plain, withMarks({mark("a", 1, 0), mark("b", 3, 0)}), "niveau 3"},
        {"a bookmark past the end", plain, withMarks({mark("a", 1, 3)}), "hors des pages"},
        {"a link past the end", plain, linkPastTheEnd, "hors des pages"},
    };
    for (const auto& c : cases) {
        std::string pdf = c.pdf;
        const auto problem = appendNavigation(pdf, c.navigation);
        ASSERT_TRUE(problem) << c.what;
        EXPECT_NE(problem->find(c.reason), std::string::npos) << c.what << ": " << *problem;
        EXPECT_EQ(pdf, c.pdf) << c.what;
    }
}

}  // namespace
}  // namespace brontaxe::io

#include "support/golden_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "support/temp_dir.h"

namespace brontaxe::test {

void expectGolden(const std::string& actual, const std::string& fileName) {
    const std::filesystem::path path = std::filesystem::path(BRONTAXE_GOLDEN_DIR) / fileName;
    if (std::getenv("BRONTAXE_ACCEPT_GOLDEN")) {
        writeFile(path, actual);
        return;
    }
    ASSERT_TRUE(std::filesystem::exists(path)) << path << " is missing";
    const std::string expected = readFile(path);
    if (actual == expected)
        return;
    // Name the first few lines that differ rather than print two long texts.
    std::istringstream a(actual), e(expected);
    std::string la, le, block;
    int shown = 0;
    while (shown < 10) {
        const bool moreNow = static_cast<bool>(std::getline(a, la));
        const bool moreOnFile = static_cast<bool>(std::getline(e, le));
        if (!moreNow && !moreOnFile)
            break;
        if (!moreNow)
            la.clear();
        if (!moreOnFile)
            le.clear();
        if (la != le) {
            ADD_FAILURE() << (le.starts_with(' ') ? "in " + block + "\n" : "") << "now:     " << la
                          << "\non file: " << le;
            ++shown;
        }
        if (!le.empty() && !le.starts_with(' '))
            block = le;
    }
    ADD_FAILURE() << "the text made now differs from " << path;
}

}  // namespace brontaxe::test

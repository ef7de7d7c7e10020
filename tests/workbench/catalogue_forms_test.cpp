#include "workbench/catalogue_forms.h"

#include <gtest/gtest.h>

#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "support/temp_dir.h"
#include "workbench/catalogue.h"

namespace brontaxe {
namespace {

// The codes of the README's list of styles whose form is not confirmed: the bulleted lines
// under its heading, up to the next heading.
std::vector<std::string> readmeUnconfirmed() {
    std::istringstream text(test::readFile(BRONTAXE_README));
    std::vector<std::string> codes;
    bool inside = false;
    bool bullet = false;
    const std::regex code(R"(\b0\d{3}[A-Z]?\b)");
    for (std::string line; std::getline(text, line);) {
        if (line.starts_with("#")) {
            inside = line.find("not confirmed") != std::string::npos;
            continue;
        }
        // A bullet may run on over indented lines.
        bullet = inside && (line.starts_with("- ") || (bullet && line.starts_with("  ")));
        if (!bullet)
            continue;
        const std::string rest = line.substr(line.find(':') + 1);
        for (std::sregex_iterator it(rest.begin(), rest.end(), code), end; it != end; ++it)
            codes.push_back(it->str());
    }
    return codes;
}

TEST(CatalogueForms, TheReadmeListsEveryUnconfirmedStyleInListOrder) {
    std::vector<std::string> expected;
    for (std::string_view code : unconfirmedCodes())
        expected.emplace_back(code);
    EXPECT_FALSE(expected.empty());
    EXPECT_EQ(readmeUnconfirmed(), expected);
}

}  // namespace
}  // namespace brontaxe

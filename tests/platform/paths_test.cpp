#include "platform/paths.h"

#include <gtest/gtest.h>

#include <map>

namespace brontaxe::platform {
namespace {

EnvironmentLookup environment(std::map<std::string, std::string> values) {
    return [values = std::move(values)](const char* name) -> std::optional<std::string> {
        const auto it = values.find(name);
        return it == values.end() ? std::nullopt : std::optional(it->second);
    };
}

// Each folder of the program: its own variable first, then the XDG one, then the home.
TEST(ProgramFolders, OwnVariableThenXdgThenHome) {
    struct Case {
        std::map<std::string, std::string> env;
        std::filesystem::path state, settings;
    };
    const Case cases[] = {
        {{{"HOME", "/h"}}, "/h/.local/state/brontaxe", "/h/.config/brontaxe"},
        {{{"HOME", "/h"}, {"XDG_STATE_HOME", "/s"}, {"XDG_CONFIG_HOME", "/c"}},
         "/s/brontaxe",
         "/c/brontaxe"},
        {{{"HOME", "/h"},
          {"XDG_STATE_HOME", "/s"},
          {"BRONTAXE_STATE_DIR", "/mine"},
          {"BRONTAXE_CONFIG_DIR", "/conf"}},
         "/mine",
         "/conf"},
        {{{"HOME", "/h"}, {"XDG_STATE_HOME", ""}},
         "/h/.local/state/brontaxe",
         "/h/.config/brontaxe"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(stateDirectory(environment(c.env)), c.state);
        EXPECT_EQ(windowsDirectory(environment(c.env)), c.settings);
    }
}

}  // namespace
}  // namespace brontaxe::platform

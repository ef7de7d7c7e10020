#include "workbench/line_kind_settings.h"

#include "board/data_directory.h"

namespace brontaxe {
namespace {

constexpr std::string_view kLineKindSection = "Calques";
constexpr std::string_view kKey = "Correspondances";
constexpr std::size_t kBuffer = 32768;

}  // namespace

io::LineKindTable lineKindTable(const platform::PrivateProfile& settings) {
    io::LineKindTable table = io::LineKindTable::shipped();
    const std::string stored = settings.GetString(kLineKindSection, kKey, "", kBuffer,
                                                  std::filesystem::path(kPreferencesFileName));
    std::string_view list = stored;
    while (!list.empty()) {
        const std::size_t end = list.find(';');
        const std::string_view entry = list.substr(0, end);
        if (const std::size_t eq = entry.rfind('='); eq != std::string_view::npos)
            table.addUserEntry(entry.substr(0, eq), entry.substr(eq + 1));
        list.remove_prefix(end == std::string_view::npos ? list.size() : end + 1);
    }
    return table;
}

bool rememberLineKinds(const platform::PrivateProfile& settings, const io::LineKindTable& table) {
    std::string list;
    for (const auto& [key, kindName] : table.userEntries())
        list += (list.empty() ? "" : ";") + key + "=" + kindName;
    return settings.WriteString(kLineKindSection, kKey, list,
                                std::filesystem::path(kPreferencesFileName));
}

}  // namespace brontaxe

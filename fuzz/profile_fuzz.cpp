// Any file content must parse, answer lookups, take writes and print back without a fault;
// a write of a key must read back as written.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/profile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    using brontaxe::platform::ProfileDocument;
    ProfileDocument doc = ProfileDocument::parse(text);
    (void)doc.find("Brontaxe", "lgPatte");
    (void)brontaxe::platform::profileString(doc, "Preferences", "MajoFefco", "x ", 20);
    doc.set("Brontaxe", "lgPatte", "36");
    if (doc.find("brontaxe", "LGPATTE") != std::optional<std::string>("36"))
        std::abort();
    const std::string written = doc.text();
    if (ProfileDocument::parse(written).find("Brontaxe", "lgPatte") !=
        std::optional<std::string>("36")) {
        std::abort();
    }
    doc.removeSection("Brontaxe");
    (void)doc.text();
    return 0;
}

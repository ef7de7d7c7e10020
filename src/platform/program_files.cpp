#include "platform/program_files.h"

#include <system_error>

#if !defined(BRONTAXE_SHARE_FROM_BIN) || !defined(BRONTAXE_DOC_FROM_BIN) || \
    !defined(BRONTAXE_HELP_FROM_BIN) || !defined(BRONTAXE_BUILT_MANUAL) ||  \
    !defined(BRONTAXE_MANUAL_SOURCE)
#error "the build names the installed share and doc folders and the manual's files"
#endif

namespace brontaxe::platform {
namespace fs = std::filesystem;
namespace {

constexpr const char* kManualName = "brontaxe.pdf";

bool isFile(const fs::path& p) {
    std::error_code ec;
    return !p.empty() && fs::is_regular_file(p, ec);
}

}  // namespace

fs::path runningExecutable() {
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::path() : exe;
}

std::optional<fs::path> installedShareDirectory(const fs::path& executable) {
    if (executable.empty() || !executable.has_parent_path())
        return std::nullopt;
    const fs::path share = (executable.parent_path() / BRONTAXE_SHARE_FROM_BIN).lexically_normal();
    std::error_code ec;
    if (!fs::is_directory(share, ec))
        return std::nullopt;
    return share;
}

fs::path manualFile(const EnvironmentLookup& env, const fs::path& executable) {
    const fs::path laidByHand = mapWindowsPath("c:\\wkorvane\\doc\\brontaxe.pdf", env);
    if (isFile(laidByHand))
        return laidByHand;
    if (!installedShareDirectory(executable))
        return BRONTAXE_BUILT_MANUAL;
    return (executable.parent_path() / BRONTAXE_DOC_FROM_BIN / kManualName).lexically_normal();
}

fs::path manualText(const fs::path& executable) {
    if (!installedShareDirectory(executable))
        return BRONTAXE_MANUAL_SOURCE;
    return (executable.parent_path() / BRONTAXE_HELP_FROM_BIN / "manuel.md").lexically_normal();
}

}  // namespace brontaxe::platform

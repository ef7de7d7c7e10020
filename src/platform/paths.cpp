#include "platform/paths.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace brontaxe::platform {
namespace fs = std::filesystem;
namespace {

std::optional<std::string> nonEmpty(const EnvironmentLookup& env, const char* name) {
    auto value = env(name);
    if (value && value->empty())
        return std::nullopt;
    return value;
}

fs::path home(const EnvironmentLookup& env) {
    auto h = nonEmpty(env, "HOME");
    return h ? fs::path(*h) : fs::current_path();
}

}  // namespace

EnvironmentLookup processEnvironment() {
    return [](const char* name) -> std::optional<std::string> {
        const char* v = std::getenv(name);  // NOLINT(concurrency-mt-unsafe): read-only use
        if (!v)
            return std::nullopt;
        return std::string(v);
    };
}

fs::path windowsDirectory(const EnvironmentLookup& env) {
    if (auto dir = nonEmpty(env, "BRONTAXE_CONFIG_DIR"))
        return fs::path(*dir);
    if (auto xdg = nonEmpty(env, "XDG_CONFIG_HOME"))
        return fs::path(*xdg) / "brontaxe";
    return home(env) / ".config" / "brontaxe";
}

fs::path stateDirectory(const EnvironmentLookup& env) {
    if (auto dir = nonEmpty(env, "BRONTAXE_STATE_DIR"))
        return fs::path(*dir);
    if (auto xdg = nonEmpty(env, "XDG_STATE_HOME"))
        return fs::path(*xdg) / "brontaxe";
    return home(env) / ".local" / "state" / "brontaxe";
}

fs::path driveC(const EnvironmentLookup& env) {
    if (auto dir = nonEmpty(env, "BRONTAXE_DRIVE_C"))
        return fs::path(*dir);
    if (auto xdg = nonEmpty(env, "XDG_DATA_HOME"))
        return fs::path(*xdg) / "brontaxe" / "c";
    return home(env) / ".local" / "share" / "brontaxe" / "c";
}

fs::path mapWindowsPath(std::string_view windowsPath, const EnvironmentLookup& env) {
    std::string p(windowsPath);
    std::replace(p.begin(), p.end(), '\\', '/');
    const bool onDriveC = p.size() >= 2 && (p[0] == 'c' || p[0] == 'C') && p[1] == ':';
    if (!onDriveC)
        return fs::path(p);
    std::string rest = p.substr(2);
    std::transform(rest.begin(), rest.end(), rest.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    while (!rest.empty() && rest.front() == '/')
        rest.erase(rest.begin());
    return driveC(env) / rest;
}

}  // namespace brontaxe::platform

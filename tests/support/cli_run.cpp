#include "support/cli_run.h"

#include <optional>
#include <sstream>

#include "cli/cli_app.h"

namespace brontaxe::test {
namespace {

std::string withPlainSpaces(std::string text) {
    const std::string noBreak = "\xc2\xa0";
    for (std::size_t at = text.find(noBreak); at != std::string::npos; at = text.find(noBreak, at))
        text.replace(at, noBreak.size(), " ");
    return text;
}

}  // namespace

CliRun runCli(std::vector<const char*> args, const TempDir& config) {
    args.insert(args.begin(), "brontaxe-cli");
    std::ostringstream out, err;
    const std::string dir = config.path().string();
    auto env = [&dir](const char* name) -> std::optional<std::string> {
        if (std::string(name) == "BRONTAXE_CONFIG_DIR")
            return dir;
        return std::nullopt;
    };
    CliRun r;
    r.code = cli::run(static_cast<int>(args.size()), args.data(), out, err, env);
    r.rawOut = out.str();
    r.rawErr = err.str();
    r.out = withPlainSpaces(r.rawOut);
    r.err = withPlainSpaces(r.rawErr);
    return r;
}

}  // namespace brontaxe::test

#include "support/cli_run.h"

#include <optional>
#include <sstream>

#include "cli/cli_app.h"

namespace brontaxe::test {

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
    r.out = out.str();
    r.err = err.str();
    return r;
}

}  // namespace brontaxe::test

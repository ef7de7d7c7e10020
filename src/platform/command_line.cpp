#include "platform/command_line.h"

#include "platform/child_process.h"

namespace brontaxe::platform {

std::vector<std::string> splitCommandLine(std::string_view line) {
    std::vector<std::string> args;
    std::string current;
    bool inArgument = false;
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '"') {
            inArgument = true;
            if (quoted && i + 1 < line.size() && line[i + 1] == '"') {
                current += '"';
                ++i;
            } else {
                quoted = !quoted;
            }
        } else if (!quoted && (c == ' ' || c == '\t')) {
            if (inArgument)
                args.push_back(std::move(current));
            current.clear();
            inArgument = false;
        } else {
            current += c;
            inArgument = true;
        }
    }
    if (inArgument)
        args.push_back(std::move(current));
    return args;
}

namespace {

bool onDriveC(const std::string& arg) {
    return arg.size() >= 3 && (arg[0] == 'c' || arg[0] == 'C') && arg[1] == ':' &&
           (arg[2] == '\\' || arg[2] == '/');
}

}  // namespace

std::vector<std::string> mapDriveCArguments(std::vector<std::string> args,
                                            const EnvironmentLookup& env) {
    for (std::string& a : args) {
        if (onDriveC(a))
            a = mapWindowsPath(a, env).string();
    }
    return args;
}

std::vector<std::string> programArguments(std::string_view line, const EnvironmentLookup& env) {
    std::vector<std::string> args = splitCommandLine(line);
    if (args.empty())
        return args;
    if (programProblem(mapWindowsPath(args[0], env).string())) {
        std::string joined = args[0];
        for (std::size_t k = 1; k < args.size(); ++k) {
            joined += " " + args[k];
            if (!programProblem(mapWindowsPath(joined, env).string())) {
                args.erase(args.begin() + 1, args.begin() + static_cast<long>(k) + 1);
                args[0] = joined;
                break;
            }
        }
    }
    args[0] = mapWindowsPath(args[0], env).string();
    return mapDriveCArguments(std::move(args), env);
}

}  // namespace brontaxe::platform

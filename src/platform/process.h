#pragma once
// Starting outside programs without a shell: an argument vector handed to the program as it
// is, so no blank or quote in a path can change what runs.

#include <string>
#include <vector>

namespace brontaxe::platform {

struct ProcessResult {
    bool started = false;
    int exitCode = -1;  // the program's exit status; 128 + the signal when one killed it
    std::string out;    // everything it wrote on its standard output
    std::string err;    // and on its standard error
    std::string error;  // why it could not be started
};

// Runs the program (looked up in PATH when argv[0] has no '/') with its standard input empty,
// waits for it to end and collects what it printed.
ProcessResult runProcess(const std::vector<std::string>& argv);

}  // namespace brontaxe::platform

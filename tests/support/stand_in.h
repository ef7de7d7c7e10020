#pragma once
// Stand-ins for outside programs: small shell scripts written by a test, which record the
// arguments they were given one a line and then run the rest of their body.

#include <filesystem>
#include <string>
#include <vector>

namespace brontaxe::test {

// An executable script at `path` that writes its arguments, one a line, to `record`, then
// runs `body` (shell text).
void writeStandIn(const std::filesystem::path& path, const std::filesystem::path& record,
                  const std::string& body = "");

// The lines a stand-in recorded; waits up to a few seconds for a program that was not waited
// for, and gives an empty list when nothing was recorded.
std::vector<std::string> recordedArguments(const std::filesystem::path& record);

}  // namespace brontaxe::test

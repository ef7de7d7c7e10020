#include "support/stand_in.h"

#include <chrono>
#include <fstream>
#include <thread>

#include "support/temp_dir.h"

namespace brontaxe::test {

void writeStandIn(const std::filesystem::path& path, const std::filesystem::path& record,
                  const std::string& body) {
    // Written to a temporary name first: the record appears whole or not at all.
    writeFile(path, "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > '" +
                        record.string() + ".part'\nmv '" + record.string() + ".part' '" +
                        record.string() + "'\n" + body + "\n");
    std::filesystem::permissions(path, std::filesystem::perms::owner_all);
}

std::vector<std::string> recordedArguments(const std::filesystem::path& record) {
    // The program writes it as soon as it runs; a loaded machine may take seconds to start
    // it, so the wait is bounded only against a program that never writes (a minute).
    for (int i = 0; i < 6000 && !std::filesystem::exists(record); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    std::vector<std::string> lines;
    std::ifstream in(record);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

}  // namespace brontaxe::test

#include <unistd.h>

#include <iostream>

#include "cli/cli_app.h"
#include "platform/heap_tuning.h"
#include "platform/pending_files.h"

int main(int argc, char** argv) {
    brontaxe::platform::keepFreedMemoryForReuse();
    // Ctrl+C or `kill` during a save must not leave its temporary file behind.
    brontaxe::platform::removePendingFilesOnSignals();
    return brontaxe::cli::run(argc, argv, std::cout, std::cerr,
                              brontaxe::platform::processEnvironment(),
                              ::isatty(STDERR_FILENO) == 1);
}

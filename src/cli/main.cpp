#include <iostream>

#include "cli/cli_app.h"

int main(int argc, char** argv) {
    return brontaxe::cli::run(argc, argv, std::cout, std::cerr,
                              brontaxe::platform::processEnvironment());
}

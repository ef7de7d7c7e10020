#pragma once
// The golden files under tests/golden: a text made now must be the one on file. With
// BRONTAXE_ACCEPT_GOLDEN set (scripts/accept-golden.sh), the file is written instead.

#include <string>

namespace brontaxe::test {

// Fails naming the first lines that differ, each under the last line of the file's that
// starts a block (a line that does not start with a space).
void expectGolden(const std::string& actual, const std::string& fileName);

}  // namespace brontaxe::test

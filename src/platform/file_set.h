#pragma once
// Several files replaced as one: either every file gets its new contents, or every file keeps
// the contents it had (the grade and allowance tables refer to each other by grade number, so
// one without the other would attach allowances to the wrong grades).

#include <filesystem>
#include <string>
#include <vector>

namespace brontaxe::platform {

struct FileContents {
    std::filesystem::path path;
    std::string contents;
};

// Writes every file to a temporary file beside it first, and renames them over their targets
// only when all were written. Should a rename fail after others went through, those are put
// back as they were (a file that did not exist is removed). Returns the path that could not be
// written, or an empty path when all were.
std::filesystem::path replaceFilesTogether(const std::vector<FileContents>& files);

}  // namespace brontaxe::platform

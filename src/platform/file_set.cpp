#include "platform/file_set.h"

#include <unistd.h>

#include <fstream>
#include <memory>
#include <optional>
#include <system_error>

#include "platform/pending_files.h"
#include "platform/profile_file.h"

namespace brontaxe::platform {
namespace fs = std::filesystem;
namespace {

bool writeTemporary(const fs::path& temp, const std::string& contents) {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out)
        return false;
    out.write(contents.data(), static_cast<std::streamsize>(contents.size()));
    out.flush();
    return static_cast<bool>(out);
}

// What a file held before the renames, to put back.
struct Previous {
    fs::path path;
    std::optional<std::string> contents;  // nullopt: there was no file
};

void putBack(const std::vector<Previous>& replaced) {
    for (const Previous& p : replaced) {
        std::error_code ec;
        if (p.contents)
            (void)replaceFileAtomically(p.path, *p.contents);
        else
            fs::remove(p.path, ec);
    }
}

}  // namespace

fs::path replaceFilesTogether(const std::vector<FileContents>& files) {
    std::vector<std::unique_ptr<PendingFile>> temps;
    for (const FileContents& f : files) {
        std::error_code ec;
        if (f.path.has_parent_path())
            fs::create_directories(f.path.parent_path(), ec);
        removeStaleTemporaries(f.path);
        temps.push_back(std::make_unique<PendingFile>(temporaryPathFor(f.path, ::getpid())));
        if (!writeTemporary(temps.back()->path(), f.contents))
            return f.path;
    }
    std::vector<Previous> replaced;
    for (std::size_t i = 0; i < files.size(); ++i) {
        const fs::path& target = files[i].path;
        std::error_code ec;
        Previous previous{target, fs::exists(target, ec) ? readWholeFile(target) : std::nullopt};
        if (fs::exists(target, ec) && !previous.contents) {
            putBack(replaced);
            return target;
        }
        fs::rename(temps[i]->path(), target, ec);
        if (ec) {
            putBack(replaced);
            return target;
        }
        replaced.push_back(std::move(previous));
    }
    return {};
}

}  // namespace brontaxe::platform

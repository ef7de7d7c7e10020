#include "app/commands/recovery_file.h"

#include <utility>

#include "platform/profile_file.h"
#include "workbench/design_file.h"

namespace brontaxe::app {

namespace fs = std::filesystem;

RecoveryFile::RecoveryFile(Workbench& wb, fs::path folder, QObject* parent)
    : QObject(parent),
      wb_(wb),
      design_(folder / "recuperation.des"),
      name_(folder / "recuperation.nom") {}

bool RecoveryFile::isPending() const {
    std::error_code ec;
    return fs::is_regular_file(design_, ec);
}

std::string RecoveryFile::pendingFileName() const {
    return platform::readWholeFile(name_).value_or(std::string());
}

bool RecoveryFile::write(const std::string& fileName) {
    std::error_code ec;
    fs::create_directories(design_.parent_path(), ec);
    // The name first: a design found aside always has the name it was written with.
    if (!platform::replaceFileAtomically(name_, fileName))
        return false;
    return saveDesign(wb_, design_).ok;
}

void RecoveryFile::remove() {
    std::error_code ec;
    fs::remove(design_, ec);
    fs::remove(name_, ec);
}

void RecoveryFile::writeEveryMinute(std::function<bool()> modified,
                                    std::function<std::string()> fileName) {
    timer_.setInterval(kIntervalMs);
    connect(&timer_, &QTimer::timeout, this,
            [this, modified = std::move(modified), fileName = std::move(fileName)] {
                if (modified())
                    write(fileName());
            });
    timer_.start();
}

}  // namespace brontaxe::app

#pragma once
// The design written aside while it is not saved, so that a crash or a killed program loses
// at most the last minute: written after each change and every minute, offered back at the
// next start, removed when the program closes cleanly or the design is saved.

#include <QObject>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace brontaxe {
class Workbench;
}

namespace brontaxe::app {

class RecoveryFile : public QObject {
    Q_OBJECT
  public:
    // `folder` holds the design and the name of its file.
    RecoveryFile(Workbench& wb, std::filesystem::path folder, QObject* parent = nullptr);

    static constexpr int kIntervalMs = 60 * 1000;

    const std::filesystem::path& designPath() const { return design_; }
    // A design left by a run that did not close cleanly.
    bool isPending() const;
    // The name of the file the design left aside was saved under (empty when none).
    std::string pendingFileName() const;

    // Writes the design aside, both files replaced whole; false when they cannot be written.
    bool write(const std::string& fileName);
    void remove();

    // Every minute, `write` with what `fileName` gives while `modified` says so.
    void writeEveryMinute(std::function<bool()> modified, std::function<std::string()> fileName);

  private:
    Workbench& wb_;
    std::filesystem::path design_;
    std::filesystem::path name_;
    QTimer timer_;
};

}  // namespace brontaxe::app

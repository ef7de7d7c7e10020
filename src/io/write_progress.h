#pragma once
// How far a long write has gone, and the user's way to stop it.

#include <cstddef>
#include <functional>
#include <string>

namespace brontaxe::io {

class WriteProgress {
  public:
    // Told the share written, 0 to 1; answers false to stop the write.
    using Listener = std::function<bool(double share)>;

    WriteProgress() = default;
    explicit WriteProgress(Listener listener) : listener_(std::move(listener)) {}

    // Called for each element written (`done` of `total`); tells the listener now and then.
    // False once the listener asked to stop: the writer gives up and returns `stoppedResult`.
    bool at(std::size_t done, std::size_t total) const;

    // Tells the listener at once: for work done in a few large steps.
    bool report(std::size_t done, std::size_t total) const;

    bool stopped() const { return stopped_; }

  private:
    Listener listener_;
    mutable bool stopped_ = false;
};

// The writer's reason when the user stopped it.
inline std::string stoppedText() {
    return "écriture interrompue";
}

}  // namespace brontaxe::io

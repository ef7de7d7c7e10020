#include "io/write_progress.h"

namespace brontaxe::io {

// Often enough for a progress bar, rarely enough to cost nothing per element.
constexpr std::size_t kElementsPerReport = 2048;

bool WriteProgress::at(std::size_t done, std::size_t total) const {
    if (stopped_)
        return false;
    if (done == 0 || done % kElementsPerReport != 0)
        return true;
    return report(done, total);
}

bool WriteProgress::report(std::size_t done, std::size_t total) const {
    if (stopped_)
        return false;
    if (!listener_)
        return true;
    const double share = total == 0 ? 1.0 : static_cast<double>(done) / static_cast<double>(total);
    stopped_ = !listener_(share > 1.0 ? 1.0 : share);
    return !stopped_;
}

}  // namespace brontaxe::io

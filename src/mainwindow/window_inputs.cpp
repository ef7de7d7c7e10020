#include "mainwindow/window_inputs.h"

#include "platform/number_text.h"

namespace brontaxe {

bool boxValueDiffers(std::string_view text, float stored) {
    return static_cast<float>(platform::leadingNumber(text)) != stored;
}

std::optional<std::string> fileNameFromCommandLine(std::optional<std::string_view> commandLine) {
    if (!commandLine || commandLine->empty())
        return std::nullopt;
    std::string_view s = *commandLine;
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    if (!s.empty() && s.front() == '"') {
        s.remove_prefix(1);
        if (!s.empty())
            s.remove_suffix(1);
    }
    return std::string(s);
}

}  // namespace brontaxe

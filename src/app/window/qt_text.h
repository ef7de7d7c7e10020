#pragma once

#include <QString>

#include <string>

namespace brontaxe::app {

// The core's texts are UTF-8.
inline QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

}  // namespace brontaxe::app

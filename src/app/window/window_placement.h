#pragma once
// Where the main window opens: the place and size it was closed at, kept in the preferences,
// made to fit the screen it opens on; the first time, the usual size made to fit.

#include <QRect>
#include <optional>

namespace brontaxe::platform {
class PrivateProfile;
}

namespace brontaxe::app {

struct WindowPlacement {
    QRect geometry;  // the window's inside, frame excluded
    bool maximised = false;
};

// The geometry to open at on a screen whose free area (panels and docks taken off) is
// `available`: the remembered one, or the usual 1440 x 900 centred, made no larger than the
// area less room for the frame and moved wholly inside it.
QRect openingGeometry(const QRect& available, const std::optional<QRect>& remembered);

// The placement kept by the last close, when the preferences hold a readable one.
std::optional<WindowPlacement> rememberedPlacement(const platform::PrivateProfile& settings);
// A placement that cannot be written is only a convenience lost.
void rememberPlacement(const platform::PrivateProfile& settings, const WindowPlacement& placement);

}  // namespace brontaxe::app

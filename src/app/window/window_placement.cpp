#include "app/window/window_placement.h"

#include <QMargins>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <string>

#include "board/data_directory.h"
#include "platform/profile_file.h"

namespace brontaxe::app {
namespace {

constexpr std::string_view kPlacementSection = "Fenetre";
constexpr std::string_view kGeometryKey = "Geometrie";
constexpr std::string_view kMaximisedKey = "Agrandie";
constexpr QSize kUsualSize(1440, 900);
// What a window manager adds around the inside: the title bar above, thin borders elsewhere.
constexpr QMargins kFrame(4, 32, 4, 4);

// "x y width height", as written by rememberPlacement.
std::optional<QRect> readGeometry(const std::string& text) {
    const QStringList parts = QString::fromStdString(text).split(' ', Qt::SkipEmptyParts);
    if (parts.size() != 4)
        return std::nullopt;
    int numbers[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        numbers[i] = parts[i].toInt(&ok);
        if (!ok)
            return std::nullopt;
    }
    if (numbers[2] <= 0 || numbers[3] <= 0)
        return std::nullopt;
    return QRect(numbers[0], numbers[1], numbers[2], numbers[3]);
}

}  // namespace

QRect openingGeometry(const QRect& available, const std::optional<QRect>& remembered) {
    const QRect room = available.marginsRemoved(kFrame);
    QRect wanted = remembered.value_or(QRect(QPoint(), kUsualSize));
    wanted.setSize(wanted.size().boundedTo(room.size()));
    if (!remembered)
        wanted.moveCenter(room.center());
    // Wholly inside: a place remembered on a larger or another screen comes back into view.
    wanted.moveLeft(std::clamp(wanted.left(), room.left(), room.right() + 1 - wanted.width()));
    wanted.moveTop(std::clamp(wanted.top(), room.top(), room.bottom() + 1 - wanted.height()));
    return wanted;
}

std::optional<WindowPlacement> rememberedPlacement(const platform::PrivateProfile& settings) {
    const std::filesystem::path ini(kPreferencesFileName);
    const std::optional<QRect> geometry =
        readGeometry(settings.GetString(kPlacementSection, kGeometryKey, "", 64, ini));
    if (!geometry)
        return std::nullopt;
    return WindowPlacement{
        *geometry, settings.GetString(kPlacementSection, kMaximisedKey, "0", 8, ini) == "1"};
}

void rememberPlacement(const platform::PrivateProfile& settings, const WindowPlacement& placement) {
    const std::filesystem::path ini(kPreferencesFileName);
    const QRect& g = placement.geometry;
    const std::string text = std::to_string(g.x()) + ' ' + std::to_string(g.y()) + ' ' +
                             std::to_string(g.width()) + ' ' + std::to_string(g.height());
    settings.WriteString(kPlacementSection, kGeometryKey, text, ini);
    settings.WriteString(kPlacementSection, kMaximisedKey, placement.maximised ? "1" : "0", ini);
}

}  // namespace brontaxe::app

#pragma once
// The illustrations of the "Autres Dimensions" dialog, drawn rather than loaded: the side the
// glue tab is attached to, and the three kinds of handle.

#include <QPixmap>

namespace brontaxe::app {

// The glue tab beside the side panel ("Face") or beside the end panel ("Tête").
QPixmap glueTabPicture(bool onEndPanel);

// 0 cut out ("Découpée"), 1 half cut out ("1/2 Découpée"), 2 double crease ("Double
// Refoulage").
QPixmap handlePicture(int option);

}  // namespace brontaxe::app

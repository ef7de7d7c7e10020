#pragma once
// The edit mode's screenshots, taken by the window's shot program (window_shots.cpp).

#include <QString>

namespace brontaxe::app {

class MainWindow;

// "edition-selection", "edition-ligne", "edition-decoupe" or "edition-verrou" (see
// edit_shots.cpp); 2 for another name.
int editShot(MainWindow& window, const QString& what, const QString& out);

}  // namespace brontaxe::app

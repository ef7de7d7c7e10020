#pragma once
// The user's guide shown by the help window, in French, as HTML. Sections carry anchors
// ("dessiner", "majorations", "imposition", "fichiers", "controle", "ligne-de-commande") so
// that a dialog's own help can open at its section.

#include <QString>

namespace brontaxe::app {

QString helpHtml();

}  // namespace brontaxe::app

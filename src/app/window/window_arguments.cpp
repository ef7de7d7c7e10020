#include "app/window/window_arguments.h"

#include "platform/text.h"

#ifndef BRONTAXE_VERSION
#error "BRONTAXE_VERSION is the program's version (set by the build)"
#endif

namespace brontaxe::app {
namespace {

void join(std::optional<std::string>& line, const std::string& word) {
    line = line ? *line + " " + word : word;
}

}  // namespace

WindowArguments readWindowArguments(const std::vector<std::string>& args) {
    WindowArguments a;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        if (word == "-h" || word == "--help") {
            a.help = true;
        } else if (word == "--version") {
            a.version = true;
        } else if (word == "--ouvrir") {
            // The menu entry runs "--ouvrir %f", which a desktop gives without its %f when no
            // file was chosen: the window then opens on its start-up design.
            if (i + 1 < args.size() && !args[++i].empty())
                a.openFile = args[i];
        } else {
            join(a.commandLine, word);
        }
    }
    return a;
}

std::string windowHelpText() {
    // The shell and the manual page show it: French typography, as the window's own texts.
    return platform::frenchSpacing(
        "Utilisation : brontaxe [OPTIONS] [FICHIER]\n"
        "La fenêtre de Brontaxe : dessine la découpe à plat d'une caisse en carton ondulé "
        "par son code FEFCO, ses dimensions intérieures et sa qualité de carton.\n"
        "\n"
        "FICHIER devient le nom du dessin, celui que \"Sauver\" écrit ; il n'est pas ouvert.\n"
        "\n"
        "Options :\n"
        "  --ouvrir FICHIER   Ouvre le dessin FICHIER (.des) ou la découpe (.dxf, .cf2, .cff2), "
        "comme \"Ouvrir...\" ; sans FICHIER, la fenêtre s'ouvre sur la caisse de départ\n"
        "  -h, --help         Affiche cette aide et quitte\n"
        "  --version          Affiche la version et quitte\n"
        "\n"
        "Réglages : korparam.ini dans $BRONTAXE_CONFIG_DIR, sinon "
        "$XDG_CONFIG_HOME/brontaxe, sinon ~/.config/brontaxe. Les dessins et les tables "
        "modifiées vont dans ~/.local/share/brontaxe/c ($BRONTAXE_DRIVE_C). Le manuel : "
        "\"?\" > \"Aide\" (F1) dans la fenêtre, ou brontaxe.pdf dans "
        "/usr/share/doc/brontaxe pour l'imprimer.\n");
}

std::string windowVersionText() {
    return std::string("brontaxe ") + BRONTAXE_VERSION + "\n";
}

}  // namespace brontaxe::app

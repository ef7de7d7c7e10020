#include "model/model.h"

namespace brontaxe {

void setStartupValues(Model& m) {
    m.Longueur = 400;
    m.Largeur = 300;
    m.Hauteur = 200;
    m.ListeFoulages = " + + +";
    m.TypeDessus = 201;
    m.TypeDessous = 201;
    m.NumQualite = 1;
    m.MajoFefco = "c:\\korvane\\drumlane\\";
    m.Soft3D = "KORVANE3D";
    m.Chemin3D = "C:\\Program Files\\Korvane3D\\korvane3d.exe ";
}

}  // namespace brontaxe

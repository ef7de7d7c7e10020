#pragma once
// The one parameter block of the program. Every generator, builder and window reads and
// writes these fields by name; a Workbench owns one instance and passes it by reference.
//
// Types follow the stored values: lengths are single-precision millimetres, angles degrees,
// counts and choices 16-bit integers. Arrays keep the program's own indices: `Majo[1]` to
// `Majo[16]` are the sixteen allowances (index 0 unused).

#include <array>
#include <cstdint>
#include <string>

#include "model/board_directions.h"
#include "model/customer_profile.h"

namespace brontaxe {

struct Model {
    // Control flags
    bool BloqueModif = false;
    bool Mode3D = false;
    bool GenEnCours = false;

    // Style identity
    std::string CodeModele;
    std::int16_t NumModele = 0;
    std::int16_t TypeDessus = 0;
    std::int16_t TypeDessous = 0;
    ProfileChoice Personnalisation;

    // Box dimensions (inside)
    float Longueur = 0;
    float Largeur = 0;
    float Hauteur = 0;
    std::string ListeFoulages;

    // Board grade
    std::int16_t NumQualite = 0;
    float EpaisseurCarton = 0;
    float Dblmur = 0;
    std::array<float, 17> Majo{};  // 1..16
    // The bottom closure's own allowances in a top and bottom box (1..16), looked up by
    // `lookUpAllowances` for a code holding "/"; `Majo` holds the top's.
    std::array<float, 17> MajoDessous{};
    // Style number whose own record for the current grade `lookUpAllowances` found in the allowance
    // table; 0 when `Majo` holds borrowed or no values. Styles with defaults of their own
    // apply them unless it names their style.
    std::int16_t allowanceRecordCode = 0;

    // Style parameters
    float lgPatte = 0;
    float patProlong = 0;
    float anglPc = 0;
    bool pattesurtete = false;
    float encoche = 0;
    float decalenc = 0;
    float hrabat = 0;
    bool hrabat_auto = false;
    float rarrondi = 0;
    float hrecouvr = 0;
    float hpatrent = 0;
    float RcoupPouce = 0;
    std::int16_t nbmortaise = 0;
    float lgmortaise = 0;
    float hmortaise = 0;
    float RMortaise = 0;
    float pmortaise = 0;
    float lgtenon = 0;
    float htenon = 0;
    float AngTenon = 0;
    bool oblique = false;
    float DecPatte = 0;
    float LPoign = 0;
    float HPoign = 0;
    float DPoign = 0;
    float EPoign = 0;
    std::int16_t OptionPoign = 0;
    std::int16_t NbCases = 0;
    std::int16_t OptionCrois = 0;
    float CroisPar1 = 0;
    float CroisPar2 = 0;
    float CroisPar3 = 0;
    float CroisPar4 = 0;
    // Bridges in the cuts: placed or not, their width, at most one per pitch of cut, kept
    // the clearance from corners, ends and crossings.
    bool ponts = false;
    float lgPont = 0;
    float pasPonts = 0;
    float degPonts = 0;

    // Orientation and symmetry
    AlongAxis senscann = AlongAxis::None;
    AlongAxis senspass = AlongAxis::None;
    bool Sym_Verticale = false;

    // Multi-piece options
    bool CaisseEn2 = false;
    std::int16_t CaisseEn4 = 0;
    std::array<std::int16_t, 5> AfficheMorceau{};

    // Imposition
    float FmtCartonX = 0;
    float FmtCartonY = 0;
    std::array<float, 5> Marges{};
    float EspPoseX = 0;
    float EspPoseY = 0;
    std::int16_t NbPoseX = 0;
    std::int16_t NbPoseY = 0;
    std::int16_t NbPoses = 0;
    bool ImposManuelle = false;

    // Generation results
    float HorsToutX = 0;
    float HorsToutY = 0;
    float LgCoupant = 0;
    float LgPerfoRainant = 0;
    float LgPerfo = 0;
    float LgMiChair = 0;
    float LgRainant = 0;
    float LgTotal = 0;
    std::int32_t NbPonts = 0;  // bridges in the cuts
    float LgPonts = 0;         // their widths together, mm
    float SurfDecoupee = 0;
    float PerteHorsTout = 0;
    float PerteFormat = 0;
    // What the poses cover when the optimiser laid them; 0 on the grid, whose rectangle
    // follows from the counts.
    float ImposeeX = 0;
    float ImposeeY = 0;
    std::array<float, 17> PassesMachine{};

    // Preferences and paths
    std::string MajoFefco;
    std::string Soft3D;
    std::string Chemin3D;
    std::string NomModel;
    std::string RepPalette;
    std::int16_t TypePalette = 0;
};

// The start-up values that precede `Init`: the three dimensions the main window puts in its
// boxes and the preference defaults.
void setStartupValues(Model& m);

}  // namespace brontaxe

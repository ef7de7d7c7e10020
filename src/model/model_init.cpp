#include "model/model_init.h"

#include "platform/number_text.h"
#include "platform/rounding.h"

namespace brontaxe {
namespace {

constexpr std::size_t kReadBufferLength = 20;

void setDefaults(Model& m) {
    m.AfficheMorceau.fill(1);
    m.TypeDessus = 201;
    m.TypeDessous = 201;
    m.CaisseEn2 = false;
    m.CaisseEn4 = 0;
    m.senscann = 0;
    m.NumQualite = 1;
    m.EpaisseurCarton = 3;
    m.Dblmur = 2 * m.EpaisseurCarton;
    m.Mode3D = false;

    m.lgPatte = 36;
    m.anglPc = 15;
    m.patProlong = 0;
    m.pattesurtete = false;
    m.encoche = 8;
    m.decalenc = 0;
    m.hrabat = 50;
    m.hrabat_auto = true;
    m.rarrondi = 10;
    m.hrecouvr = 30;
    m.hpatrent = 30;
    m.oblique = true;
    m.lgtenon = 30;
    m.htenon = 5;
    m.AngTenon = 15;
    m.lgmortaise = m.lgtenon + 3;
    m.hmortaise = m.Dblmur;
    m.RMortaise = 0;
    m.pmortaise = 50;
    m.nbmortaise = 2;
    m.DecPatte = 10;
    m.OptionPoign = 0;
    m.LPoign = 90;
    m.HPoign = 30;
    m.DPoign = 50;
    m.EPoign = 2 * m.EpaisseurCarton;
    m.RcoupPouce = 10;
    m.OptionCrois = 0;
    m.CroisPar1 = 10;
    m.CroisPar2 = 10;
    m.CroisPar3 = 30;
    m.CroisPar4 = 50;
    m.NbCases = 3;

    m.FmtCartonX = 0;
    m.FmtCartonY = 0;
    m.NbPoseX = 1;
    m.NbPoseY = 1;
    m.NbPoses = 1;
    m.EspPoseX = 5;
    m.EspPoseY = 5;
    m.Marges = {5, 15, 0, 0, 0};
    m.Sym_Verticale = false;
}

void readStoredParameters(Model& m, const ParameterFile& p) {
    m.Longueur = p.LireReel("longueur", m.Longueur);
    m.Largeur = p.LireReel("largeur", m.Largeur);
    m.Hauteur = p.LireReel("hauteur", m.Hauteur);
    m.senscann = p.LireEntier("senscann", m.senscann);
    m.senspass = p.LireEntier("senspass", m.senspass);
    m.lgPatte = p.LireReel("lgPatte", m.lgPatte);
    m.patProlong = p.LireReel("patProlong", m.patProlong);
    m.anglPc = p.LireReel("anglPc", m.anglPc);
    m.pattesurtete = p.LireBool("pattesurtete", m.pattesurtete);
    m.hrabat = p.LireReel("hrabat", m.hrabat);
    m.encoche = p.LireReel("encoche", m.encoche);
    m.decalenc = p.LireReel("decalenc", m.decalenc);
    m.hrabat_auto = p.LireBool("hrabat_auto", m.hrabat_auto);
    m.rarrondi = p.LireReel("rarrondi", m.rarrondi);
    m.hrecouvr = p.LireReel("hrecouvr", m.hrecouvr);
    m.hpatrent = p.LireReel("hpatrent", m.hpatrent);
    m.RcoupPouce = p.LireReel("RcoupPouce", m.RcoupPouce);
    m.nbmortaise = p.LireEntier("nbmortaise", m.nbmortaise);
    m.lgmortaise = p.LireReel("lgmortaise", m.lgmortaise);
    m.hmortaise = p.LireReel("hmortaise", m.hmortaise);
    m.RMortaise = p.LireReel("RMortaise", m.RMortaise);
    m.pmortaise = p.LireReel("pmortaise", m.pmortaise);
    m.lgtenon = p.LireReel("lgtenon", m.lgtenon);
    m.htenon = p.LireReel("htenon", m.htenon);
    m.AngTenon = p.LireReel("AngTenon", m.AngTenon);
    m.Dblmur = p.LireReel("Dblmur", m.Dblmur);
    m.DecPatte = p.LireReel("DecPatte", m.DecPatte);
    m.oblique = p.LireBool("oblique", m.oblique);
    m.LPoign = p.LireReel("LPoign", m.LPoign);
    m.HPoign = p.LireReel("HPoign", m.HPoign);
    m.DPoign = p.LireReel("DPoign", m.DPoign);
    m.EPoign = p.LireReel("EPoign", m.EPoign);
    m.Sym_Verticale = p.LireBool("Sym_Verticale", m.Sym_Verticale);
}

}  // namespace

float ParameterFile::LireReel(std::string_view key, float defaultValue) const {
    const std::string text =
        profile_.GetString(kParameterSection, key, platform::numberTextBlank(defaultValue),
                           kReadBufferLength, kParameterFileName);
    return static_cast<float>(platform::leadingNumber(text));
}

bool ParameterFile::LireBool(std::string_view key, bool defaultValue) const {
    const std::string text = profile_.GetString(kParameterSection, key, defaultValue ? "1" : "0",
                                                kReadBufferLength, kParameterFileName);
    return platform::leadingNumber(text) == 1.0;
}

std::int16_t ParameterFile::LireEntier(std::string_view key, std::int16_t defaultValue) const {
    return roundToInt16(LireReel(key, defaultValue)).value_or(defaultValue);
}

void Init(Model& m, const ParameterFile& parameters) {
    setDefaults(m);
    readStoredParameters(m, parameters);
}

}  // namespace brontaxe

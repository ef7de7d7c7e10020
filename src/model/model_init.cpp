#include "model/model_init.h"

#include <cmath>
#include <limits>

#include "model/field_ranges.h"
#include "platform/number_text.h"
#include "platform/rounding.h"
#include "platform/user_number.h"

namespace brontaxe {
namespace {

constexpr std::size_t kReadBufferLength = 20;

void setDefaults(Model& m) {
    m.AfficheMorceau.fill(1);
    m.TypeDessus = 201;
    m.TypeDessous = 201;
    m.CaisseEn2 = false;
    m.CaisseEn4 = 0;
    m.senscann = AlongAxis::None;
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
    m.ponts = false;
    m.lgPont = 0.5f;
    m.pasPonts = 150;
    m.degPonts = 10;

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

// A direction stored by its number: a number outside the range is warned of by `readInt`,
// which keeps the default.
AlongAxis readDirection(const ParameterFile& p, std::string_view key, AlongAxis fallback) {
    return alongAxisOf(p.readInt(key, storedNumber(fallback))).value_or(fallback);
}

void readStoredParameters(Model& m, const ParameterFile& p) {
    m.Longueur = p.readFloat("longueur", m.Longueur);
    m.Largeur = p.readFloat("largeur", m.Largeur);
    m.Hauteur = p.readFloat("hauteur", m.Hauteur);
    m.senscann = readDirection(p, "senscann", m.senscann);
    m.senspass = readDirection(p, "senspass", m.senspass);
    m.lgPatte = p.readFloat("lgPatte", m.lgPatte);
    m.patProlong = p.readFloat("patProlong", m.patProlong);
    m.anglPc = p.readFloat("anglPc", m.anglPc);
    m.pattesurtete = p.readBool("pattesurtete", m.pattesurtete);
    m.hrabat = p.readFloat("hrabat", m.hrabat);
    m.encoche = p.readFloat("encoche", m.encoche);
    m.decalenc = p.readFloat("decalenc", m.decalenc);
    m.hrabat_auto = p.readBool("hrabat_auto", m.hrabat_auto);
    m.rarrondi = p.readFloat("rarrondi", m.rarrondi);
    m.hrecouvr = p.readFloat("hrecouvr", m.hrecouvr);
    m.hpatrent = p.readFloat("hpatrent", m.hpatrent);
    m.RcoupPouce = p.readFloat("RcoupPouce", m.RcoupPouce);
    m.nbmortaise = p.readInt("nbmortaise", m.nbmortaise);
    m.lgmortaise = p.readFloat("lgmortaise", m.lgmortaise);
    m.hmortaise = p.readFloat("hmortaise", m.hmortaise);
    m.RMortaise = p.readFloat("RMortaise", m.RMortaise);
    m.pmortaise = p.readFloat("pmortaise", m.pmortaise);
    m.lgtenon = p.readFloat("lgtenon", m.lgtenon);
    m.htenon = p.readFloat("htenon", m.htenon);
    m.AngTenon = p.readFloat("AngTenon", m.AngTenon);
    m.Dblmur = p.readFloat("Dblmur", m.Dblmur);
    m.DecPatte = p.readFloat("DecPatte", m.DecPatte);
    m.oblique = p.readBool("oblique", m.oblique);
    m.LPoign = p.readFloat("LPoign", m.LPoign);
    m.HPoign = p.readFloat("HPoign", m.HPoign);
    m.DPoign = p.readFloat("DPoign", m.DPoign);
    m.EPoign = p.readFloat("EPoign", m.EPoign);
    m.Sym_Verticale = p.readBool("Sym_Verticale", m.Sym_Verticale);
    m.ponts = p.readBool("ponts", m.ponts);
    m.lgPont = p.readFloat("lgPont", m.lgPont);
    m.pasPonts = p.readFloat("pasPonts", m.pasPonts);
    m.degPonts = p.readFloat("degPonts", m.degPonts);
}

}  // namespace

ParameterFile::ParameterFile(const platform::PrivateProfile& profile)
    : path_(profile.resolve(std::string(kParameterFileName))),
      document_(platform::ProfileDocument::parse(platform::readWholeFile(path_).value_or(""))) {}

std::optional<std::string> ParameterFile::storedText(std::string_view key) const {
    if (!document_.find(kParameterSection, key))
        return std::nullopt;
    return platform::profileString(document_, kParameterSection, key, "", kReadBufferLength);
}

void ParameterFile::setAside(std::string_view key, const std::string& why,
                             double defaultValue) const {
    const std::size_t line = document_.lineOf(kParameterSection, key).value_or(0);
    warnings_.push_back(path_.string() + ", ligne " + std::to_string(line) + ", clé " +
                        std::string(key) + " : " + why + " ; valeur par défaut " +
                        platform::numberText(defaultValue) + " gardée");
}

void ParameterFile::setAside(std::string_view key, const std::string& why,
                             bool defaultValue) const {
    setAside(key, why, defaultValue ? 1.0 : 0.0);
}

float ParameterFile::readFloat(std::string_view key, float defaultValue) const {
    const auto text = storedText(key);
    if (!text)
        return defaultValue;
    const auto value = platform::readUserNumber(*text);
    if (!value || std::fabs(*value) > std::numeric_limits<float>::max()) {
        setAside(key, "\"" + *text + "\" n'est pas un nombre", defaultValue);
        return defaultValue;
    }
    if (const auto range = fieldRange(key); range && !range->holds(*value)) {
        setAside(key, *text + " hors limites (" + rangeText(*range) + ")", defaultValue);
        return defaultValue;
    }
    return static_cast<float>(*value);
}

bool ParameterFile::readBool(std::string_view key, bool defaultValue) const {
    const auto text = storedText(key);
    if (!text)
        return defaultValue;
    const auto value = platform::readUserNumber(*text);
    if (!value || (*value != 0 && *value != 1)) {
        setAside(key, "\"" + *text + "\" au lieu de 1 (oui) ou 0 (non)", defaultValue);
        return defaultValue;
    }
    return *value == 1;
}

std::int16_t ParameterFile::readInt(std::string_view key, std::int16_t defaultValue) const {
    const auto text = storedText(key);
    if (!text)
        return defaultValue;
    const auto value = platform::readUserNumber(*text);
    if (!value) {
        setAside(key, "\"" + *text + "\" n'est pas un nombre", static_cast<double>(defaultValue));
        return defaultValue;
    }
    const auto range = fieldRange(key);
    const auto whole = roundToInt16(*value);
    if (!whole || (range && !range->holds(*whole))) {
        const std::string limits = range ? rangeText(*range) : "de -32768 à 32767";
        setAside(key, *text + " hors limites (" + limits + ")", static_cast<double>(defaultValue));
        return defaultValue;
    }
    return *whole;
}

void Init(Model& m, const ParameterFile& parameters) {
    setDefaults(m);
    readStoredParameters(m, parameters);
}

}  // namespace brontaxe

#include "styles/generators.h"

#include <algorithm>
#include <array>

#include "styles/02/fco200.h"
#include "styles/03/fco300.h"
#include "styles/04/fco400.h"
#include "styles/04/fco420.h"
#include "styles/05/fco500.h"
#include "styles/06/fco600.h"
#include "styles/07/fco700.h"
#include "styles/09/fco900.h"
#include "styles/top_bottom/architecture.h"

namespace brontaxe {
namespace {

struct GeneratorEntry {
    std::string_view code;
    Generator generate;
};

constexpr std::array kGenerators{
    GeneratorEntry{"0200", &Fco0200},
    GeneratorEntry{"0200C", &Fco0200C},
    GeneratorEntry{"0201", &Fco0201},
    GeneratorEntry{"0202", &Fco0202},
    GeneratorEntry{"0203", &Fco0203},
    GeneratorEntry{"0204", &Fco0204},
    GeneratorEntry{"0205", &Fco0205},
    GeneratorEntry{"0206", &Fco0206},
    GeneratorEntry{"0207", &Fco0207},
    GeneratorEntry{"0208", &Fco0208},
    GeneratorEntry{"0209", &Fco0209},
    GeneratorEntry{"0210", &Fco0210},
    GeneratorEntry{"0211", &Fco0211},
    GeneratorEntry{"0212", &Fco0212},
    GeneratorEntry{"0214", &Fco0214},
    GeneratorEntry{"0215", &Fco0215},
    GeneratorEntry{"0216", &Fco0216},
    GeneratorEntry{"0217", &Fco0217},
    GeneratorEntry{"0218", &Fco0218},
    GeneratorEntry{"0225", &Fco0225},
    GeneratorEntry{"0226", &Fco0226},
    GeneratorEntry{"0227", &Fco0227},
    GeneratorEntry{"0229", &Fco0229},
    GeneratorEntry{"0230", &Fco0230},
    GeneratorEntry{"0231", &Fco0231},
    GeneratorEntry{"0232", &Fco0232},
    GeneratorEntry{"0233", &Fco0233},
    GeneratorEntry{"0234", &Fco0234},
    GeneratorEntry{"0235", &Fco0235},
    GeneratorEntry{"0300", &Fco0300},
    GeneratorEntry{"0301", &Fco0301},
    GeneratorEntry{"0302", &Fco0302},
    GeneratorEntry{"0303", &Fco0303},
    GeneratorEntry{"0304", &Fco0304},
    GeneratorEntry{"0306", &Fco0306},
    GeneratorEntry{"0307", &Fco0307},
    GeneratorEntry{"0308", &Fco0308},
    GeneratorEntry{"0309", &Fco0309},
    GeneratorEntry{"0310", &Fco0310},
    GeneratorEntry{"0311", &Fco0311},
    GeneratorEntry{"0312", &Fco0312},
    GeneratorEntry{"0313", &Fco0313},
    GeneratorEntry{"0314", &Fco0314},
    GeneratorEntry{"0320", &Fco0320},
    GeneratorEntry{"0321", &Fco0321},
    GeneratorEntry{"0322", &Fco0322},
    GeneratorEntry{"0323", &Fco0323},
    GeneratorEntry{"0325", &Fco0325},
    GeneratorEntry{"0330", &Fco0330},
    GeneratorEntry{"0331", &Fco0331},
    GeneratorEntry{"0350", &Fco0350},
    GeneratorEntry{"0351", &Fco0351},
    GeneratorEntry{"0400", &Fco0400},
    GeneratorEntry{"0401", &Fco0401},
    GeneratorEntry{"0402", &Fco0402},
    GeneratorEntry{"0403", &Fco0403},
    GeneratorEntry{"0404", &Fco0404},
    GeneratorEntry{"0405", &Fco0405},
    GeneratorEntry{"0406", &Fco0406},
    GeneratorEntry{"0409", &Fco0409},
    GeneratorEntry{"0410", &Fco0410},
    GeneratorEntry{"0411", &Fco0411},
    GeneratorEntry{"0412", &Fco0412},
    GeneratorEntry{"0415", &Fco0415},
    GeneratorEntry{"0416", &Fco0416},
    GeneratorEntry{"0420", &Fco0420},
    GeneratorEntry{"0421", &Fco0421},
    GeneratorEntry{"0422", &Fco0422},
    GeneratorEntry{"0423", &Fco0423},
    GeneratorEntry{"0424", &Fco0424},
    GeneratorEntry{"0425", &Fco0425},
    GeneratorEntry{"0426", &Fco0426},
    GeneratorEntry{"0427", &Fco0427},
    GeneratorEntry{"0428", &Fco0428},
    GeneratorEntry{"0429", &Fco0429},
    GeneratorEntry{"0430", &Fco0430},
    GeneratorEntry{"0431", &Fco0431},
    GeneratorEntry{"0432", &Fco0432},
    GeneratorEntry{"0433", &Fco0433},
    GeneratorEntry{"0434", &Fco0434},
    GeneratorEntry{"0435", &Fco0435},
    GeneratorEntry{"0436", &Fco0436},
    GeneratorEntry{"0437", &Fco0437},
    GeneratorEntry{"0440", &Fco0440},
    GeneratorEntry{"0441", &Fco0441},
    GeneratorEntry{"0442", &Fco0442},
    GeneratorEntry{"0443", &Fco0443},
    GeneratorEntry{"0444", &Fco0444},
    GeneratorEntry{"0445", &Fco0445},
    GeneratorEntry{"0446", &Fco0446},
    GeneratorEntry{"0447", &Fco0447},
    GeneratorEntry{"0450", &Fco0450},
    GeneratorEntry{"0451", &Fco0451},
    GeneratorEntry{"0452", &Fco0452},
    GeneratorEntry{"0453", &Fco0453},
    GeneratorEntry{"0454", &Fco0454},
    GeneratorEntry{"0455", &Fco0455},
    GeneratorEntry{"0456", &Fco0456},
    GeneratorEntry{"0457", &Fco0457},
    GeneratorEntry{"0458", &Fco0458},
    GeneratorEntry{"0459", &Fco0459},
    GeneratorEntry{"0460", &Fco0460},
    GeneratorEntry{"0470", &Fco0470},
    GeneratorEntry{"0471", &Fco0471},
    GeneratorEntry{"0472", &Fco0472},
    GeneratorEntry{"0480", &Fco0480},
    GeneratorEntry{"0481", &Fco0481},
    GeneratorEntry{"0501", &Fco0501},
    GeneratorEntry{"0502", &Fco0502},
    GeneratorEntry{"0503", &Fco0503},
    GeneratorEntry{"0504", &Fco0504},
    GeneratorEntry{"0505", &Fco0505},
    GeneratorEntry{"0507", &Fco0507},
    GeneratorEntry{"0508", &Fco0508},
    GeneratorEntry{"0509", &Fco0509},
    GeneratorEntry{"0510", &Fco0510},
    GeneratorEntry{"0511", &Fco0511},
    GeneratorEntry{"0512", &Fco0512},
    GeneratorEntry{"0601", &Fco0601},
    GeneratorEntry{"0602", &Fco0602},
    GeneratorEntry{"0606", &Fco0606},
    GeneratorEntry{"0607", &Fco0607},
    GeneratorEntry{"0608", &Fco0608},
    GeneratorEntry{"0615", &Fco0615},
    GeneratorEntry{"0616", &Fco0616},
    GeneratorEntry{"0620", &Fco0620},
    GeneratorEntry{"0621", &Fco0621},
    GeneratorEntry{"0700", &Fco0700},
    GeneratorEntry{"0701", &Fco0701},
    GeneratorEntry{"0703", &Fco0703},
    GeneratorEntry{"0711", &Fco0711},
    GeneratorEntry{"0712", &Fco0712},
    GeneratorEntry{"0713", &Fco0713},
    GeneratorEntry{"0714", &Fco0714},
    GeneratorEntry{"0715", &Fco0715},
    GeneratorEntry{"0716", &Fco0716},
    GeneratorEntry{"0717", &Fco0717},
    GeneratorEntry{"0718", &Fco0718},
    GeneratorEntry{"0747", &Fco0747},
    GeneratorEntry{"0748", &Fco0748},
    GeneratorEntry{"0751", &Fco0751},
    GeneratorEntry{"0752", &Fco0752},
    GeneratorEntry{"0759", &Fco0759},
    GeneratorEntry{"0760", &Fco0760},
    GeneratorEntry{"0761", &Fco0761},
    GeneratorEntry{"0770", &Fco0770},
    GeneratorEntry{"0771", &Fco0771},
    GeneratorEntry{"0901", &Fco0901},
    GeneratorEntry{"0902", &Fco0902},
    GeneratorEntry{"0914 Ext", &Fco0914Ext},
    GeneratorEntry{"0914 Int", &Fco0914Int},
    GeneratorEntry{"0920 Ext", &Fco0920Ext},
    GeneratorEntry{"0933", &Fco0933},
    GeneratorEntry{"0951", &Fco0951},
    GeneratorEntry{"0951 Ext", &Fco0951Ext},
    GeneratorEntry{"0969", &Fco0969},
    GeneratorEntry{kCombinedGenerator, &Architecture},
};

}  // namespace

Generator findGenerator(std::string_view code) {
    auto it = std::find_if(kGenerators.begin(), kGenerators.end(),
                           [&](const GeneratorEntry& e) { return e.code == code; });
    return it == kGenerators.end() ? nullptr : it->generate;
}

std::vector<std::string_view> generatorCodes() {
    std::vector<std::string_view> codes;
    for (const auto& e : kGenerators)
        codes.push_back(e.code);
    return codes;
}

}  // namespace brontaxe

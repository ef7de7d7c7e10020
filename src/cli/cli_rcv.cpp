#include "cli/cli_rcv.h"

#include <cmath>

#include "cli/cli_parse.h"
#include "pallet/mckee.h"
#include "platform/number_text.h"

namespace brontaxe::cli {

void defineRcvOptions(CLI::App& app, RcvOptions& o) {
    app.add_flag("--rcv", o.rcv,
                 "Calcul RCV : résistance à la compression verticale de la caisse (Mc Kee)");
    app.add_option("--ect", o.ect, "ECT du carton pour --rcv (kN/m, 7 par défaut)")
        ->transform(numberText());
    app.add_option("--humidite", o.humidite, "Humidité relative pour --rcv (%, 76-85 % par défaut)")
        ->transform(numberText());
    app.add_option("--stockage", o.stockage,
                   "Durée de stockage pour --rcv (jours, 1 à 3 par défaut)")
        ->transform(numberText());
}

std::optional<std::string> rcvProblem(const RcvOptions& o) {
    if (!std::isfinite(o.ect) || o.ect < 0)
        return "ECT incorrect : " + platform::numberText(o.ect) + " kN/m (0 ou plus)";
    if (o.humidite && !(*o.humidite >= 0 && *o.humidite <= 100))
        return "Humidité relative incorrecte : " + platform::numberText(*o.humidite) +
               " % (de 0 à 100)";
    if (o.stockage && !(std::isfinite(*o.stockage) && *o.stockage >= 0))
        return "Durée de stockage incorrecte : " + platform::numberText(*o.stockage) +
               " jours (0 ou plus)";
    return std::nullopt;
}

void printRcv(std::ostream& out, const Model& m, const RcvOptions& o) {
    RcvForm form = RcvForm::opening(m);
    form.inputs[RcvForm::kEct] = platform::numberText(o.ect, 17);
    if (o.humidite)
        form.chooseHumidity(humidityEntryFor(*o.humidite));
    if (o.stockage)
        form.chooseStorage(storageEntryFor(*o.stockage));
    form.compute();
    const RcvFactor& humidity = humidityFactors()[form.humidityEntry];
    const RcvFactor& storage = storageFactors()[form.storageEntry];
    out << "Calcul RCV (formule Mc Kee) : " << form.inputs[0] << " x " << form.inputs[1]
        << " mm, épaisseur " << form.inputs[3] << " mm, ECT " << form.inputs[RcvForm::kEct]
        << " kN/m\n"
        << "  Humidité relative " << humidity.text << " (" << platform::numberText(form.humidity)
        << "), Durée Stockage " << storage.text << " (" << platform::numberText(form.storage)
        << ")\n"
        << "RCV = " << form.result << " kg\n";
}

}  // namespace brontaxe::cli

#include "cli/cli_rcv.h"

#include <cmath>

#include "cli/cli_parse.h"
#include "pallet/mckee.h"
#include "platform/number_text.h"

namespace brontaxe::cli {

void defineRcvOptions(CLI::App& app, RcvOptions& o) {
    app.add_flag("--rcv", o.rcv,
                 "Calcul RCV : résistance à la compression verticale de la caisse (McKee)");
    app.add_option("--ect", o.ect, "ECT du carton pour --rcv (kN/m, 7 par défaut)")
        ->transform(numberText());
    app.add_option("--humidite", o.humidity, "Humidité relative pour --rcv (%, 76-85 % par défaut)")
        ->transform(numberText());
    app.add_option("--stockage", o.storageDays,
                   "Durée de stockage pour --rcv (jours, 1 à 3 par défaut)")
        ->transform(numberText());
}

std::optional<std::string> rcvProblem(const RcvOptions& o) {
    if (!std::isfinite(o.ect) || o.ect < 0)
        return "ECT incorrect : " + platform::shownNumber(o.ect) + " kN/m (0 ou plus)";
    if (o.humidity && !(*o.humidity >= 0 && *o.humidity <= 100))
        return "Humidité relative incorrecte : " + platform::shownNumber(*o.humidity) +
               " % (de 0 à 100)";
    if (o.storageDays && !(std::isfinite(*o.storageDays) && *o.storageDays >= 0))
        return "Durée de stockage incorrecte : " + platform::shownNumber(*o.storageDays) +
               " jours (0 ou plus)";
    return std::nullopt;
}

void printRcv(std::ostream& out, const Model& m, const RcvOptions& o) {
    RcvForm form = RcvForm::opening(m);
    form.inputs[RcvForm::kEct] = platform::numberText(o.ect, 17);
    if (o.humidity)
        form.chooseHumidity(humidityEntryFor(*o.humidity));
    if (o.storageDays)
        form.chooseStorage(storageEntryFor(*o.storageDays));
    form.compute();
    const RcvFactor& humidity = humidityFactors()[form.humidityEntry];
    const RcvFactor& storage = storageFactors()[form.storageEntry];
    // The form's boxes hold their numbers with the point, as the formula reads them.
    const auto shown = [](const std::string& text) { return platform::withDecimalComma(text); };
    out << "Calcul RCV (formule McKee) : " << shown(form.inputs[0]) << " x "
        << shown(form.inputs[1]) << " mm, épaisseur " << shown(form.inputs[3]) << " mm, ECT "
        << shown(form.inputs[RcvForm::kEct]) << " kN/m\n"
        << "  Humidité relative " << humidity.text << " (" << platform::shownNumber(form.humidity)
        << "), Durée Stockage " << storage.text << " (" << platform::shownNumber(form.storage)
        << ")\n"
        << "RCV = " << shown(form.result) << " kg\n";
}

}  // namespace brontaxe::cli

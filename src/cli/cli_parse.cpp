#include "cli/cli_parse.h"

#include <climits>
#include <cmath>
#include <sstream>
#include <vector>

#include "platform/number_text.h"
#include "platform/user_number.h"

namespace brontaxe::cli {
namespace {

// The option an English message of the parser names: its first word that starts with "-".
std::string optionIn(const std::string& message) {
    std::size_t pos = 0;
    while ((pos = message.find('-', pos)) != std::string::npos) {
        if (pos == 0 || message[pos - 1] == ' ' || message[pos - 1] == '[') {
            std::size_t end = pos;
            while (end < message.size() && message[end] != ' ' && message[end] != ':' &&
                   message[end] != ',' && message[end] != ']')
                ++end;
            if (end > pos + 1)
                return message.substr(pos, end - pos);
        }
        ++pos;
    }
    return {};
}

// The words after "expected: " in the parser's message about unexpected arguments, in the
// order they were typed (the parser lists them last first).
std::string unexpectedArguments(const std::string& message) {
    const std::size_t colon = message.find("expected: ");
    if (colon == std::string::npos)
        return {};
    std::vector<std::string> words;
    std::istringstream in(message.substr(colon + 10));
    for (std::string word; in >> word;)
        words.push_back(word);
    std::string typed;
    for (auto w = words.rbegin(); w != words.rend(); ++w)
        typed += (typed.empty() ? "" : " ") + *w;
    return typed;
}

bool blank(const std::string& value) {
    return value.find_first_not_of(" \t") == std::string::npos;
}

std::string withOption(const std::string& text, const std::string& option) {
    return option.empty() ? text : text + " pour " + option;
}

}  // namespace

CLI::Validator numberText() {
    return CLI::Validator(
        [](std::string& value) -> std::string {
            if (blank(value))
                return "valeur vide";
            const auto n = platform::readUserNumber(value);
            if (!n)
                return "valeur non numérique : \"" + value + "\"";
            value = platform::numberText(*n, 17);
            return {};
        },
        "NOMBRE");
}

CLI::Validator wholeNumberText() {
    return CLI::Validator(
        [](std::string& value) -> std::string {
            if (blank(value))
                return "valeur vide";
            const auto n = platform::readUserNumber(value);
            if (!n)
                return "valeur non numérique : \"" + value + "\"";
            if (*n != std::trunc(*n) || *n < INT_MIN || *n > INT_MAX)
                return "nombre entier attendu au lieu de \"" + value + "\"";
            value = std::to_string(static_cast<long long>(*n));
            return {};
        },
        "ENTIER");
}

CLI::Validator nonEmptyText() {
    return CLI::Validator(
        [](std::string& value) -> std::string {
            return blank(value) ? std::string("nom de fichier vide") : std::string();
        },
        "FICHIER");
}

void frenchHelp(CLI::App& app) {
    app.set_help_flag("-h,--help", "Affiche cette aide");
    auto f = app.get_formatter();
    f->label("Usage", "Utilisation");
    f->label("OPTIONS", "OPTIONS");
    f->label("Options", "Options");
    f->label("Positionals", "Arguments");
    f->label("TEXT", "TEXTE");
    f->label("FLOAT", "NOMBRE");
    f->label("INT", "ENTIER");
    f->label("REQUIRED", "OBLIGATOIRE");
    f->label("Excludes", "Exclut");
    f->label("Needs", "Demande");
}

std::string frenchParseError(const CLI::ParseError& e) {
    const std::string message = e.what();
    const std::string option = optionIn(message);
    if (dynamic_cast<const CLI::ValidationError*>(&e)) {
        // "--longueur: valeur vide": our own French reason after the option's name.
        const std::size_t colon = message.find(": ");
        if (colon != std::string::npos)
            return message.substr(0, colon) + " : " + message.substr(colon + 2);
        return message;
    }
    if (dynamic_cast<const CLI::ConversionError*>(&e))
        return withOption("valeur non numérique", option);
    if (dynamic_cast<const CLI::ArgumentMismatch*>(&e))
        return withOption("valeur manquante ou en trop", option);
    if (dynamic_cast<const CLI::ExtrasError*>(&e))
        return "argument inattendu : " + unexpectedArguments(message);
    if (dynamic_cast<const CLI::RequiredError*>(&e))
        return withOption("option obligatoire manquante", option);
    if (dynamic_cast<const CLI::ExcludesError*>(&e) || dynamic_cast<const CLI::RequiresError*>(&e))
        return "options incompatibles ou incomplètes : " + option;
    return withOption("ligne de commande incorrecte", option);
}

}  // namespace brontaxe::cli

#include "cli/cli_parse.h"

#include <climits>
#include <cmath>
#include <memory>
#include <set>
#include <sstream>
#include <utility>
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

std::string frenchTypeName(const std::string& typeName) {
    // The parser's own type, then what each check adds after a colon: the last one says most.
    const std::size_t colon = typeName.rfind(':');
    std::string last = colon == std::string::npos ? typeName : typeName.substr(colon + 1);
    std::string range;
    if (const std::size_t in = last.find(" in ["); in != std::string::npos) {
        // "INT in [1 - 10000]"
        std::string bounds = last.substr(in + 5);
        last.erase(in);
        if (!bounds.empty() && bounds.back() == ']')
            bounds.pop_back();
        const std::size_t dash = bounds.find(" - ");
        range = dash == std::string::npos
                    ? " (" + bounds + ")"
                    : " (de " + bounds.substr(0, dash) + " à " + bounds.substr(dash + 3) + ")";
    }
    static const std::pair<const char*, const char*> kFrench[] = {
        {"TEXT", "TEXTE"},      {"INT", "ENTIER"},   {"UINT", "ENTIER"}, {"FLOAT", "NOMBRE"},
        {"BOOLEAN", "BOOLÉEN"}, {"FILE", "FICHIER"}, {"DIR", "DOSSIER"}, {"PATH", "CHEMIN"}};
    for (const auto& [english, french] : kFrench) {
        if (last == english)
            last = french;
    }
    return last + range;
}

namespace {

// CLI11's help screen with French words and French typography (a space before the colon).
class FrenchFormatter : public CLI::Formatter {
  public:
    std::string make_group(std::string group, bool isPositional,
                           std::vector<const CLI::Option*> opts) const override {
        std::string out = "\n" + group + " :\n";
        for (const CLI::Option* opt : opts)
            out += make_option(opt, isPositional);
        return out;
    }

    std::string make_usage(const CLI::App* app, std::string name) const override {
        std::string usage = CLI::Formatter::make_usage(app, std::move(name));
        const std::string english = get_label("Usage") + ":";
        if (usage.starts_with(english))
            usage.replace(0, english.size(), "Utilisation :");
        return usage;
    }

    std::string make_option_opts(const CLI::Option* opt) const override {
        std::string out;
        if (!opt->get_option_text().empty()) {
            out = " " + opt->get_option_text();
        } else if (opt->get_type_size() != 0) {
            if (!opt->get_type_name().empty())
                out += " " + frenchTypeName(opt->get_type_name());
            if (!opt->get_default_str().empty())
                out += "=" + opt->get_default_str();
            if (opt->get_expected_max() == CLI::detail::expected_max_vector_size)
                out += " ...";
            if (opt->get_required())
                out += " OBLIGATOIRE";
        }
        const auto names = [](const std::set<CLI::Option*>& options) {
            std::string list;
            for (const CLI::Option* o : options)
                list += (list.empty() ? "" : ", ") + o->get_name();
            return list;
        };
        if (!opt->get_needs().empty())
            out += " (avec " + names(opt->get_needs()) + ")";
        if (!opt->get_excludes().empty())
            out += " (sauf avec " + names(opt->get_excludes()) + ")";
        return out;
    }
};

}  // namespace

void frenchHelp(CLI::App& app) {
    app.set_help_flag("-h,--help", "Affiche cette aide et quitte");
    auto formatter = std::make_shared<FrenchFormatter>();
    formatter->label("Positionals", "Arguments");
    app.formatter(formatter);
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

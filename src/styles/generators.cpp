#include "styles/generators.h"

#include <algorithm>
#include <array>

#include "styles/fco200.h"

namespace brontaxe {
namespace {

struct GeneratorEntry {
    std::string_view code;
    Generator generate;
};

constexpr std::array kGenerators{
    GeneratorEntry{"0201", &Fco0201},
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

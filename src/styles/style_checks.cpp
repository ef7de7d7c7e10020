#include "styles/style_checks.h"

#include "styles/style_records.h"

namespace brontaxe {

std::vector<LockPair> declaredLocks(std::string_view code, const Model& m) {
    const StyleRecord* r = findStyleRecord(code);
    return r && r->locks ? r->locks(m) : std::vector<LockPair>{};
}

std::optional<double> declaredHoleLand(std::string_view code) {
    const StyleRecord* r = findStyleRecord(code);
    return r ? r->holeLand : std::nullopt;
}

UnusedSizes unusedSizes(std::string_view code) {
    const StyleRecord* r = findStyleRecord(code);
    return r ? r->unused : UnusedSizes{};
}

}  // namespace brontaxe

#pragma once

namespace brontaxe {

// Builds one visitor from lambdas, one per alternative: std::visit then refuses to compile while
// an alternative has no case, so a new shape cannot be silently left out.
template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

}  // namespace brontaxe

#pragma once

namespace brontaxe::io {

// Builds one visitor from lambdas, one per shape: std::visit then refuses to compile while a
// shape has no case, so a new shape cannot be silently left out of a file.
template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

}  // namespace brontaxe::io

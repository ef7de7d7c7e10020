#pragma once
// Everything the program knows of one style beside its drawing, in one record: where the lists
// show it, what draws it, the sizes it can be made in, the parameters it draws from, what it
// erects into, what its allowances mean. Each family folder holds its styles' records in list
// order (02/fco200_records.cpp, ...); style_records.cpp gathers the families.
//
// Adding a style: its generator beside its siblings, its record in its family's records file,
// and the other files the README's "Adding a style" lists (tests, allowance rows, goldens).

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "drawing/drawing.h"
#include "fold/style_forms.h"
#include "model/model.h"
#include "styles/style_checks.h"
#include "styles/style_parameters.h"
#include "styles/style_rules.h"

namespace brontaxe {

using Generator = void (*)(Model&, Drawing&);

// What the allowance editor says each allowance does for the style.
enum class AllowanceCaptions : std::uint8_t {
    None,               // nothing by name: what a millimetre more moves is measured instead
    Panels,             // the four panels from the glue flap and the body's height
    PanelsAndFlaps,     // and the flaps of panels 1 and 3, of panels 2 and 4
    PanelsAndSideFlaps  // and the flaps of the length panels, of the width panels
};

// What the style's row of the allowance table means to the program.
struct AllowanceRow {
    AllowanceCaptions captions = AllowanceCaptions::None;
    // Cut to the inside sizes: its row of zeros is what it draws with, not a row left empty.
    bool takesNone = false;
    // The style may be made in two or four pieces,
    bool multiPiece = false;
    // and, as the bottom of a top and bottom box, lets its top be.
    bool multiPieceBottom = false;
};

// The customer profile's overlap height ("QLX"): by the box's size, or a fixed 30 mm.
enum class ProfileOverlap : std::uint8_t { None, BySize, Fixed };

struct StyleRecord {
    // The code as the model holds it and the generators are known by ("0201", "0951").
    std::string_view code;
    int family = 0;  // 1 = 02 ... 7 = 09, the family list's index + 1
    // Its generator, or nullptr when the generator of `drawnBy` draws it.
    Generator generate = nullptr;
    std::string_view drawnBy = {};
    // The entry of the code list when it is not the code ("0951 Int"), and a further form the
    // code box takes for it ("0200c").
    std::string_view listedAs = {};
    std::string_view typedAs = {};
    // Drawn from the style's name alone, no published description confirming it.
    bool confirmed = true;
    // The listed code whose flat blank it draws again with a generator of its own, and what
    // that blank leaves out.
    std::string_view sameBlankAs = {};
    std::string_view except = {};
    // The sizes it can be made in and how its flaps fold, for the design-rule check.
    StyleDomain domain = {};
    FoldDeclaration folds = nullptr;
    LockDeclaration locks = nullptr;
    std::optional<double> holeLand = std::nullopt;
    UnusedSizes unused = {};
    // The parameters of "Autres Dimensions" its blank draws from.
    StyleParameters parameters = {};
    // What it erects into, piece by piece; nothing when it declares nothing.
    std::optional<std::vector<fold::PieceShape>> pieces = std::nullopt;
    AllowanceRow allowances = {};
    ProfileOverlap profileOverlap = ProfileOverlap::None;
    // The window trades the height for the creases list.
    bool heightIsCreaseList = false;

    std::string_view listEntry() const { return listedAs.empty() ? code : listedAs; }
};

}  // namespace brontaxe

#pragma once
// The records of every style the lists hold, gathered once, and their look-ups.

#include <optional>
#include <string_view>
#include <vector>

#include "fold/erected_pieces.h"
#include "styles/style_record.h"

namespace brontaxe {

// Every listed style, family by family, each family in list order.
const std::vector<const StyleRecord*>& styleRecords();

// The record of a code, a list entry or a typed form of one ("0201", "0951 Int", "0200c"),
// or of the top and bottom box ("/"); nullptr for any other text.
const StyleRecord* findStyleRecord(std::string_view text);

// The first listed record whose code is the style number (201 gives 0201); nullptr when no
// listed code has that number.
const StyleRecord* findStyleRecordByNumber(double number);

// The pieces `code` erects into, or nothing when the style declares none.
std::optional<std::vector<fold::PieceShape>> declaredPieces(std::string_view code);

// How the pieces of `code` stand to be measured: on their base where the style declares it.
fold::Stance stanceOf(std::string_view code);

}  // namespace brontaxe

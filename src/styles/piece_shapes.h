#pragma once
// The pieces the styles erect into, shared by the families' records.

#include <vector>

#include "fold/style_forms.h"

namespace brontaxe {

using Pieces = std::vector<fold::PieceShape>;

inline constexpr fold::PieceShape kClosedBox{.form = fold::PieceForm::ClosedBox};
inline constexpr fold::PieceShape kOpenTopBox{.form = fold::PieceForm::OpenTop};
inline constexpr fold::PieceShape kSleeve{.form = fold::PieceForm::Sleeve};
inline constexpr fold::PieceShape kDisplayCase{.form = fold::PieceForm::Display};
// A glued tray stands on its base, whatever runs of faces its doubled walls make; with a lid,
// closed.
inline constexpr fold::PieceShape kGluedTray{.form = fold::PieceForm::OpenTop, .onBase = true};
inline constexpr fold::PieceShape kLiddedTray{.form = fold::PieceForm::ClosedBox, .onBase = true};
// A body whose flaps are as high as the style's flap height (50 mm at start-up): they close
// the box only once it reaches half its width.
inline constexpr fold::PieceShape kFlappedSleeve{.form = fold::PieceForm::Sleeve};
inline constexpr fold::PieceShape kOctagonalBand{.form = fold::PieceForm::OctagonalBand};
inline constexpr fold::PieceShape kOctagonalTray{.form = fold::PieceForm::OctagonalTray};
inline constexpr fold::PieceShape kOctagonalLid{
    .form = fold::PieceForm::OctagonalTray, .height = fold::Size::Own, .over = true};
// A telescope lid or cap over the piece it covers, as deep as the style makes it.
inline constexpr fold::PieceShape kLid{
    .form = fold::PieceForm::OpenTop, .height = fold::Size::Own, .over = true};
inline constexpr fold::PieceShape kPad{.form = fold::PieceForm::Flat, .height = fold::Size::Own};
inline constexpr fold::PieceShape kLengthStrip{.form = fold::PieceForm::Flat,
                                               .width = fold::Size::Height,
                                               .height = fold::Size::Own,
                                               .repeated = true};
inline constexpr fold::PieceShape kWidthStrip{.form = fold::PieceForm::Flat,
                                              .length = fold::Size::Width,
                                              .width = fold::Size::Height,
                                              .height = fold::Size::Own,
                                              .repeated = true};
// Liners folded from a strip of the box's length: round it, or into a U.
inline constexpr fold::PieceShape kTube{.form = fold::PieceForm::Tube};
inline constexpr fold::PieceShape kTubeInside{.form = fold::PieceForm::Tube, .fitsInside = true};
inline constexpr fold::PieceShape kChannel{.form = fold::PieceForm::Channel};
inline constexpr fold::PieceShape kChannelInside{.form = fold::PieceForm::Channel,
                                                 .fitsInside = true};
// Rings round the box's width and height, or its length and height: as long as the length,
// or as the width.
inline constexpr fold::PieceShape kRingAlongLength{.form = fold::PieceForm::Sleeve,
                                                   .length = fold::Size::Width,
                                                   .width = fold::Size::Height,
                                                   .height = fold::Size::Length};
inline constexpr fold::PieceShape kRingAlongWidth{
    .form = fold::PieceForm::Sleeve, .width = fold::Size::Height, .height = fold::Size::Width};
// A rigid box's end piece: a tray over the width and height, as deep as its flaps, or flapped
// on two opposite sides only (a channel); a leaf of an end made in two, half as wide, its one
// flap on its outer side.
inline constexpr fold::PieceShape kEndPiece{.form = fold::PieceForm::OpenTop,
                                            .length = fold::Size::Width,
                                            .width = fold::Size::Height,
                                            .height = fold::Size::Own};
inline constexpr fold::PieceShape kFlangedEnd{.form = fold::PieceForm::Flanged,
                                              .length = fold::Size::Width,
                                              .width = fold::Size::Height,
                                              .height = fold::Size::Own};
inline constexpr fold::PieceShape kEndChannel{.form = fold::PieceForm::Channel,
                                              .length = fold::Size::Width,
                                              .width = fold::Size::Height,
                                              .height = fold::Size::Own};
inline constexpr fold::PieceShape kEndPanel{.form = fold::PieceForm::Flat,
                                            .length = fold::Size::Width,
                                            .width = fold::Size::Height,
                                            .height = fold::Size::Own};
inline constexpr fold::PieceShape kEndLeaf{.form = fold::PieceForm::Flanged,
                                           .length = fold::Size::Own,
                                           .width = fold::Size::Own,
                                           .height = fold::Size::Own,
                                           .repeated = true};
inline constexpr fold::PieceShape kHollowStrip{.form = fold::PieceForm::Sleeve,
                                               .length = fold::Size::Width,
                                               .width = fold::Size::Own,
                                               .height = fold::Size::Own};

}  // namespace brontaxe

#include "fold/style_forms.h"

#include <algorithm>
#include <array>

#include "fold/folder_forms.h"

namespace brontaxe::fold {
namespace {

struct StyleForm {
    std::string_view code;
    std::vector<PieceShape> pieces;
};

constexpr PieceShape kClosedBox{.form = PieceForm::ClosedBox};
constexpr PieceShape kOpenTopBox{.form = PieceForm::OpenTop};
constexpr PieceShape kSleeve{.form = PieceForm::Sleeve};
constexpr PieceShape kDisplayCase{.form = PieceForm::Display};
// A glued tray stands on its base, whatever runs of faces its doubled walls make; with a lid,
// closed.
constexpr PieceShape kGluedTray{.form = PieceForm::OpenTop, .onBase = true};
constexpr PieceShape kLiddedTray{.form = PieceForm::ClosedBox, .onBase = true};
// A body whose flaps are as high as the style's flap height (50 mm at start-up): they close
// the box only once it reaches half its width.
constexpr PieceShape kFlappedSleeve{.form = PieceForm::Sleeve};
constexpr PieceShape kOctagonalBand{.form = PieceForm::OctagonalBand};
constexpr PieceShape kOctagonalTray{.form = PieceForm::OctagonalTray};
constexpr PieceShape kOctagonalLid{
    .form = PieceForm::OctagonalTray, .height = Size::Own, .over = true};
// A telescope lid or cap over the piece it covers, as deep as the style makes it.
constexpr PieceShape kLid{.form = PieceForm::OpenTop, .height = Size::Own, .over = true};
constexpr PieceShape kPad{.form = PieceForm::Flat, .height = Size::Own};
constexpr PieceShape kLengthStrip{
    .form = PieceForm::Flat, .width = Size::Height, .height = Size::Own, .repeated = true};
constexpr PieceShape kWidthStrip{.form = PieceForm::Flat,
                                 .length = Size::Width,
                                 .width = Size::Height,
                                 .height = Size::Own,
                                 .repeated = true};
// Liners folded from a strip of the box's length: round it, or into a U.
constexpr PieceShape kTube{.form = PieceForm::Tube};
constexpr PieceShape kTubeInside{.form = PieceForm::Tube, .fitsInside = true};
constexpr PieceShape kChannel{.form = PieceForm::Channel};
constexpr PieceShape kChannelInside{.form = PieceForm::Channel, .fitsInside = true};
// Rings round the box's width and height, or its length and height: as long as the length,
// or as the width.
constexpr PieceShape kRingAlongLength{.form = PieceForm::Sleeve,
                                      .length = Size::Width,
                                      .width = Size::Height,
                                      .height = Size::Length};
constexpr PieceShape kRingAlongWidth{
    .form = PieceForm::Sleeve, .width = Size::Height, .height = Size::Width};
// A rigid box's end piece: a tray over the width and height, as deep as its flaps, or flapped
// on two opposite sides only (a channel); a leaf of an end made in two, half as wide, its one
// flap on its outer side.
constexpr PieceShape kEndPiece{
    .form = PieceForm::OpenTop, .length = Size::Width, .width = Size::Height, .height = Size::Own};
constexpr PieceShape kFlangedEnd{
    .form = PieceForm::Flanged, .length = Size::Width, .width = Size::Height, .height = Size::Own};
constexpr PieceShape kEndChannel{
    .form = PieceForm::Channel, .length = Size::Width, .width = Size::Height, .height = Size::Own};
constexpr PieceShape kEndLeaf{.form = PieceForm::Flanged,
                              .length = Size::Own,
                              .width = Size::Own,
                              .height = Size::Own,
                              .repeated = true};
constexpr PieceShape kHollowStrip{
    .form = PieceForm::Sleeve, .length = Size::Width, .width = Size::Own, .height = Size::Own};

const std::vector<StyleForm>& styleForms() {
    static const std::vector<StyleForm> forms = {
        // Slotted cases: one closed body, or open at the top where the style has no top flaps.
        {"0200", {kOpenTopBox}},
        {"0200C", {kOpenTopBox}},
        {"0201", {kClosedBox}},
        {"0202", {kClosedBox}},
        {"0203", {kClosedBox}},
        {"0204", {kClosedBox}},
        {"0205", {kClosedBox}},
        {"0206", {kClosedBox}},
        {"0207", {kClosedBox}},
        {"0208", {kClosedBox}},
        {"0209", {kOpenTopBox}},
        {"0210", {kClosedBox}},
        {"0211", {kClosedBox}},
        {"0212", {kClosedBox}},
        {"0214", {kOpenTopBox}},
        {"0215", {kClosedBox}},
        {"0216", {kClosedBox}},
        {"0217", {kClosedBox}},
        {"0218", {kClosedBox}},
        {"0225", {kOpenTopBox}},
        {"0226", {kClosedBox}},
        {"0227", {kClosedBox}},
        {"0229", {kClosedBox}},
        {"0230", {kClosedBox}},
        {"0231", {kClosedBox}},
        {"0232", {kFlappedSleeve}},
        {"0233", {kFlappedSleeve}},
        {"0234", {kFlappedSleeve}},
        {"0235", {kFlappedSleeve}},
        // Telescope boxes: a base and its lid; three-part boxes a body and two caps.
        {"0300", {kLid, kOpenTopBox}},
        {"0301", {kLid, kOpenTopBox}},
        {"0302", {kLid, kOpenTopBox}},
        {"0303", {kLid, kOpenTopBox}},
        {"0304", {kLid, kOpenTopBox}},
        {"0306", {kLid, kOpenTopBox}},
        {"0307", {kLid, kOpenTopBox}},
        {"0308", {kLid, kOpenTopBox}},
        {"0309", {kLid, kOpenTopBox}},
        {"0310", {kSleeve, kLid, kLid}},
        {"0311", {kSleeve, kLid, kLid}},
        {"0312", {kLid, kOpenTopBox}},
        {"0313", {kClosedBox, kLid, kLid}},
        {"0314", {kSleeve, kLid, kLid}},
        {"0320", {kLid, kOpenTopBox}},
        {"0321", {kOpenTopBox, kLid}},
        {"0322", {kOpenTopBox, kLid}},
        {"0323", {kClosedBox, kLid}},
        {"0325", {kOpenTopBox, kLid, kLid}},
        {"0330", {kLid, kOpenTopBox}},
        {"0331", {kLid, kOpenTopBox}},
        {"0350", {kOctagonalLid, kOctagonalBand}},
        {"0351", {kOctagonalLid, kOctagonalTray}},
        // Slide boxes: rings open at two opposite faces, each wrapping the faces its code
        // names (the walls; top, bottom and sides; top, bottom and ends), alone or one slid in
        // another; 0509's strip wraps the contents round their length and height; the drawers
        // are trays sliding in a ring round their width and height.
        {"0501", {kSleeve}},
        {"0502", {kRingAlongLength}},
        {"0503", {kRingAlongWidth}},
        {"0504", {kSleeve, kRingAlongWidth}},
        {"0505", {kRingAlongLength, kRingAlongWidth}},
        {"0507", {kSleeve, kRingAlongLength}},
        {"0508", {kRingAlongLength, kSleeve}},
        {"0509", {kTube, kSleeve}},
        {"0510", {kRingAlongWidth, kSleeve}},
        {"0511", {kOpenTopBox, kRingAlongLength}},
        {"0512", {kOpenTopBox, kRingAlongLength}},
        // Rigid boxes: a body round four faces (the one-piece 0606 and 0621 close the ends
        // with their own flaps) and the end pieces over the width and height, as deep as
        // their flaps: flapped on one side (0601, 0602), two or four; 0620's ends in two
        // leaves each.
        {"0601", {kTube, kFlangedEnd, kFlangedEnd}},
        {"0602", {kTube, kFlangedEnd, kFlangedEnd}},
        {"0606", {kClosedBox}},
        {"0607", {kRingAlongLength, kEndPiece, kEndPiece}},
        {"0608", {kRingAlongLength, kEndChannel, kEndChannel}},
        {"0610", {kRingAlongLength, kEndPiece, kEndPiece}},
        {"0615", {kRingAlongLength, kEndChannel, kEndChannel}},
        {"0616", {kRingAlongLength, kEndChannel, kEndChannel}},
        {"0620", {kRingAlongLength, kEndLeaf}},
        {"0621", {kClosedBox}},
        // Ready-glued cases: closed, or open at the top where the style has no top flaps
        // (0770's front wall cut down for display); glued trays open
        // unless they have a lid.
        {"0700", {kOpenTopBox}},
        {"0701", {kClosedBox}},
        {"0703", {kClosedBox}},
        {"0711", {kClosedBox}},
        {"0712", {kClosedBox}},
        {"0713", {kClosedBox}},
        {"0714", {kLid, kOpenTopBox}},
        {"0715", {kGluedTray}},
        {"0716", {kLiddedTray}},
        {"0717", {kGluedTray}},
        {"0718", {kGluedTray}},
        {"0747", {kClosedBox}},
        {"0748", {kClosedBox}},
        {"0751", {kClosedBox}},
        {"0752", {kOpenTopBox}},
        {"0759", {kGluedTray}},
        {"0760", {kLiddedTray}},
        {"0761", {kLiddedTray}},
        {"0770", {kDisplayCase}},
        {"0771", {kClosedBox}},
        // Pads lie flat: their length and width.
        {"0901", {kPad}},
        {"0902", {kPad}},
        // A cross divider's strips: the box's length and width by its height.
        {"0933", {kLengthStrip, kWidthStrip}},
        // Liners: a strip of the box's length creased round the box, or into a U; the
        // outer ones fit inside the box.
        {"0914 Int", {kTube}},
        {"0914 Ext", {kTubeInside}},
        {"0920 Ext", {kTubeInside}},
        {"0951", {kChannel}},
        {"0951 Ext", {kChannelInside}},
        // A hollow strip: its five segments close round the box's width and a rim of their
        // own, as long as the strip is wide.
        {"0969", {kHollowStrip}},
    };
    return forms;
}

}  // namespace

std::optional<std::vector<PieceShape>> declaredPieces(std::string_view code) {
    const auto& forms = styleForms();
    const auto it = std::find_if(forms.begin(), forms.end(),
                                 [&](const StyleForm& f) { return f.code == code; });
    if (it == forms.end())
        return declaredFolderPieces(code);
    return it->pieces;
}

Stance stanceOf(std::string_view code) {
    const auto pieces = declaredPieces(code);
    const bool onBase = pieces && std::any_of(pieces->begin(), pieces->end(),
                                              [](const PieceShape& p) { return p.onBase; });
    return onBase ? Stance::Base : Stance::Walls;
}

}  // namespace brontaxe::fold

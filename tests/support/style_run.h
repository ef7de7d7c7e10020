#pragma once
// One style drawn as the regeneration draws it: its domain first, then the generator, then the
// design-rule check. Every family's tests and the catalogue sweep go through here.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "check/design_check.h"
#include "drawing/drawing.h"
#include "model/model.h"

namespace brontaxe::test {

struct StyleRun {
    std::optional<std::string> refusal;  // why nothing was drawn (domain or generation error)
    std::vector<Finding> findings;       // the check's findings on what was drawn
};

// `code` must have a generator.
StyleRun runStyle(std::string_view code, Model& m, Drawing& d);

// Drawn, and with no finding; on failure, the refusal or every finding.
::testing::AssertionResult drawnClean(const StyleRun& run);

// Refused, with `words` in the reason.
::testing::AssertionResult refusedSaying(const StyleRun& run, const std::string& words);

// Refused, or drawn clean; and a refusal is a French sentence.
::testing::AssertionResult refusedOrDrawnClean(const StyleRun& run);

// The generator behind every drawn code of the catalogue, once each.
std::vector<std::string> drawnCatalogueCodes();

// The kinds of the findings, in order.
std::vector<FindingKind> kindsOf(const std::vector<Finding>& findings);

}  // namespace brontaxe::test

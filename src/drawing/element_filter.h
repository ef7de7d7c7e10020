#pragma once
// Which elements a display filter hides. The program writes three expressions: "" hides
// nothing, "COTATION" hides the dimensioning, and "pen=2..8;niv=2..16" hides the pens (line
// kinds) 2 to 8 and the levels 2 to 16, leaving the cut lines alone. Clauses are separated by
// ";"; a range may be a single number ("pen=6").

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "drawing/element.h"

namespace brontaxe {

// Every element of this control stands on level 1.
inline constexpr int kElementLevel = 1;

class ElementFilter {
  public:
    // nullopt when the expression holds a clause this control does not know.
    static std::optional<ElementFilter> parse(std::string_view expression);

    bool hides(const Element& e) const;
    bool hidesNothing() const { return !hideDimensions_ && pens_.empty() && levels_.empty(); }
    const std::string& expression() const { return expression_; }

  private:
    struct Range {
        int first;
        int last;
        bool contains(int v) const { return v >= first && v <= last; }
    };

    std::string expression_;
    bool hideDimensions_ = false;
    std::vector<Range> pens_;
    std::vector<Range> levels_;
};

}  // namespace brontaxe

// The tools that work on elements picked one by one: trim, extend, split, fillet, offset.

#include <functional>

#include "editing/blank_edits.h"
#include "editing/step_tool.h"
#include "editing/tool_families.h"

namespace brontaxe::editing {
namespace {

// One input of a cut tool: an element picked (the point clicked on it kept), or a plain point.
struct CutInput {
    const char* prompt;
    bool picksElement;
};

struct Picked {
    std::optional<std::size_t> element;
    Point at;
};

// How a cut tool runs: a number asked first when `valuePrompt` is set (with its check), the
// inputs in order, then the edit from them.
struct CutRecipe {
    const char* valuePrompt = nullptr;
    std::function<std::string(double)> valueRefusal;
    std::vector<CutInput> inputs;
    std::function<EditOutcome(const Blank&, const std::vector<Picked>&, double)> edit;
};

std::string refusedIfNegative(double radius) {
    return radius >= 0 ? std::string{} : "Le rayon ne peut pas être négatif.";
}

std::string refusedUnlessPositive(double distance) {
    return distance > kEps ? std::string{} : "La distance doit être positive.";
}

CutRecipe recipeFor(ToolKind kind) {
    switch (kind) {
        case ToolKind::Trim:
            return {nullptr,
                    {},
                    {{"Élément limite", true}, {"Élément à ajuster", true}},
                    [](const Blank& b, const auto& in, double) {
                        return trimmed(b, *in[1].element, in[1].at, *in[0].element);
                    }};
        case ToolKind::Extend:
            return {nullptr,
                    {},
                    {{"Élément limite", true}, {"Extrémité à prolonger", true}},
                    [](const Blank& b, const auto& in, double) {
                        return extended(b, *in[1].element, in[1].at, *in[0].element);
                    }};
        case ToolKind::Split:
            return {nullptr,
                    {},
                    {{"Élément à couper", true}, {"Point de coupure", false}},
                    [](const Blank& b, const auto& in, double) {
                        return split(b, *in[0].element, in[1].at);
                    }};
        case ToolKind::Fillet:
            return {"Rayon du raccord",
                    refusedIfNegative,
                    {{"Première ligne", true}, {"Seconde ligne", true}},
                    [](const Blank& b, const auto& in, double radius) {
                        return filleted(b, *in[0].element, *in[1].element, radius);
                    }};
        default:  // ToolKind::Offset
            return {"Distance de décalage",
                    refusedUnlessPositive,
                    {{"Élément à décaler", true}, {"Côté du décalage", false}},
                    [](const Blank& b, const auto& in, double distance) {
                        return offset(b, *in[0].element, distance, in[1].at);
                    }};
    }
}

class CutTool : public StepTool {
  public:
    CutTool(ToolKind kind, ToolStart start)
        : StepTool(kind, std::move(start)), recipe_(recipeFor(kind)) {}

    std::string prompt() const override {
        if (awaitsValue())
            return promptText(recipe_.valuePrompt);
        return promptText(recipe_.inputs[given_.size()].prompt);
    }

    bool wantsValue() const override { return awaitsValue(); }

    ToolStep givePoint(Point p, std::optional<std::size_t> picked) override {
        if (awaitsValue())
            return refusedStep("Un nombre est attendu.");
        const CutInput& input = recipe_.inputs[given_.size()];
        Picked now{std::nullopt, p};
        if (input.picksElement) {
            if (!picked || *picked >= blank().size())
                return refusedStep("Aucun élément à cet endroit.");
            for (const Picked& before : given_)
                if (before.element == picked)
                    return refusedStep("Cet élément est déjà choisi.");
            now.element = picked;
        }
        if (given_.size() + 1 < recipe_.inputs.size()) {
            given_.push_back(now);
            addPoint(p);
            return {};
        }
        std::vector<Picked> all = given_;
        all.push_back(now);
        return completed(recipe_.edit(blank(), all, value_.value_or(0)));
    }

    ToolStep giveValue(double value) override {
        if (!awaitsValue())
            return EditTool::giveValue(value);
        std::string why = recipe_.valueRefusal(value);
        if (!why.empty())
            return refusedStep(std::move(why));
        value_ = value;
        return {};
    }

    // The offset copy follows the side the cursor is on.
    std::vector<Element> preview() const override {
        if (kind() != ToolKind::Offset || !cursor() || given_.empty())
            return {};
        const Blank alone{blank()[*given_.front().element]};
        const EditOutcome shown = offset(alone, 0, *value_, *cursor());
        return shown ? std::vector<Element>{shown.blank->back()} : std::vector<Element>{};
    }

  protected:
    void restart() override {
        StepTool::restart();
        given_.clear();
        value_.reset();
    }

  private:
    bool awaitsValue() const { return recipe_.valuePrompt != nullptr && !value_; }

    CutRecipe recipe_;
    std::vector<Picked> given_;
    std::optional<double> value_;
};

}  // namespace

std::unique_ptr<EditTool> makeCutTool(ToolKind kind, ToolStart start) {
    return std::make_unique<CutTool>(kind, std::move(start));
}

}  // namespace brontaxe::editing

#include "support/style_run.h"

#include <algorithm>

#include "platform/errors.h"
#include "styles/generators.h"
#include "styles/style_rules.h"
#include "workbench/catalogue.h"

namespace brontaxe::test {

StyleRun runStyle(std::string_view code, Model& m, Drawing& d) {
    StyleRun run;
    run.refusal = domainRefusal(code, m);
    if (run.refusal)
        return run;
    try {
        findGenerator(code)(m, d);
    } catch (const GenerationError& e) {
        run.refusal = e.what();
        return run;
    }
    run.findings = checkBlank(d, code, m);
    return run;
}

std::vector<std::string> drawnCatalogueCodes() {
    std::vector<std::string> codes;
    for (const Family& family : catalogueFamilies())
        for (std::string_view listed : family.codes) {
            const DispatchTarget target = dispatchCode(listed, false, 201, 201);
            const std::string code(target.generatorCode);
            if (target.kind == DispatchKind::Generator && findGenerator(code) &&
                std::find(codes.begin(), codes.end(), code) == codes.end())
                codes.push_back(code);
        }
    return codes;
}

::testing::AssertionResult refusedSaying(const StyleRun& run, const std::string& words) {
    if (!run.refusal)
        return ::testing::AssertionFailure() << "drawn, " << verdictText(run.findings);
    if (run.refusal->find(words) == std::string::npos)
        return ::testing::AssertionFailure() << "refused with: " << *run.refusal;
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult drawnClean(const StyleRun& run) {
    if (run.refusal)
        return ::testing::AssertionFailure() << "refused: " << *run.refusal;
    // Warnings are the designer's to weigh; a défaut is a die that cannot be made.
    if (defectCount(run.findings) > 0)
        return ::testing::AssertionFailure() << verdictText(run.findings) << "\n"
                                             << findingsText(run.findings);
    return ::testing::AssertionSuccess();
}

namespace {

// A sentence of the program's own: not empty, and not a bare code or number.
bool looksLikeAFrenchSentence(const std::string& text) {
    return text.size() >= 10 && text.find(' ') != std::string::npos &&
           text.find("error") == std::string::npos && text.find("invalid") == std::string::npos;
}

}  // namespace

::testing::AssertionResult refusedOrDrawnClean(const StyleRun& run) {
    if (run.refusal) {
        if (looksLikeAFrenchSentence(*run.refusal))
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "refused without a sentence: " << *run.refusal;
    }
    return drawnClean(run);
}

std::vector<FindingKind> kindsOf(const std::vector<Finding>& findings) {
    std::vector<FindingKind> out;
    for (const Finding& f : findings)
        out.push_back(f.kind);
    return out;
}

}  // namespace brontaxe::test

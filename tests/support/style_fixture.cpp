#include "support/style_fixture.h"

#include "model/model_init.h"

namespace brontaxe::test {

Model startupModel() {
    // A directory that does not exist: every stored parameter reads as its default.
    platform::PrivateProfile profile("/nonexistent/brontaxe-test-config");
    Model m;
    setStartupValues(m);
    Init(m, ParameterFile(profile));
    return m;
}

}  // namespace brontaxe::test

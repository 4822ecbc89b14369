// Test programs of the records layer and above: the engine gets the
// program's own answers before the first test, as at the program's start.
#include "records/enginehost.h"
#include "support/engine_fixture.h"

namespace {
const bool installed = (zeftest::hostInstaller = installEngineHost, true);
}  // namespace

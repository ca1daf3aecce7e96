// The soak test in its short form (about half a minute): label files
// written by several processes while the engine is killed with SIGKILL at
// random moments, and every file accounted for afterwards. soak.sh says how
// to run the long form.
#include <gtest/gtest.h>

#include "EngineProcess.h"
#include "support/TestEnv.h"

namespace quill::test {
namespace {

TEST(Soak, NothingIsLostWhenTheEngineIsKilled) {
    EXPECT_EQ(RunCommand(QUILL_SOURCE_DIR "/tests/engine_app/soak.sh '" + EngineBinary() + "'"), 0);
}

}  // namespace
}  // namespace quill::test

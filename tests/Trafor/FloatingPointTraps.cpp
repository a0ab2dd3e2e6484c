// Turns the floating-point traps on for every test of the model.
#include "FloatingPointTraps.h"

#include <gtest/gtest.h>

namespace {

class FloatingPointTrapsEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        std::feclearexcept(FE_ALL_EXCEPT);
        feenableexcept(zelm::fixtures::kTrappedExceptions);
    }
    void TearDown() override { fedisableexcept(zelm::fixtures::kTrappedExceptions); }
};

const ::testing::Environment* const kTraps = ::testing::AddGlobalTestEnvironment(new FloatingPointTrapsEnvironment);

}  // namespace

TEST(FloatingPointTraps, AreOnWhileTheModelIsTested)
{
    EXPECT_EQ(fegetexcept() & zelm::fixtures::kTrappedExceptions, zelm::fixtures::kTrappedExceptions);
}

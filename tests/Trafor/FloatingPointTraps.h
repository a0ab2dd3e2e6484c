// The model's tests run with floating-point traps on: an invalid operation, a division by zero or
// an overflow in the model's arithmetic stops the test program with SIGFPE instead of turning
// quietly into NaN or infinity. A test that feeds the model values meant to overflow lifts the
// traps while it runs.
#pragma once

#include <cfenv>

namespace zelm::fixtures {

constexpr int kTrappedExceptions = FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW;

class FloatingPointTrapsLifted {
public:
    FloatingPointTrapsLifted() : trapped(fegetexcept()) { fedisableexcept(kTrappedExceptions); }
    ~FloatingPointTrapsLifted()
    {
        std::feclearexcept(FE_ALL_EXCEPT);
        feenableexcept(trapped);
    }
    FloatingPointTrapsLifted(const FloatingPointTrapsLifted&) = delete;
    FloatingPointTrapsLifted& operator=(const FloatingPointTrapsLifted&) = delete;

private:
    int trapped;
};

}  // namespace zelm::fixtures

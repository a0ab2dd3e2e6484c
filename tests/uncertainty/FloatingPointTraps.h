// Turns invalid operations, divisions by zero and overflows into a crash for the life of the
// object, so that a NaN or an infinity born inside the numerics cannot pass a test unseen.
#pragma once

#include <cfenv>

namespace uncertainty::fixtures {

class FloatingPointTraps {
public:
    FloatingPointTraps()
    {
        std::feclearexcept(FE_ALL_EXCEPT);
        feenableexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW);
    }
    ~FloatingPointTraps() { fedisableexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW); }
    FloatingPointTraps(const FloatingPointTraps&) = delete;
    FloatingPointTraps& operator=(const FloatingPointTraps&) = delete;
};

}  // namespace uncertainty::fixtures

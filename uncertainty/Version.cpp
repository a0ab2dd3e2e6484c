#include "Version.h"

#ifndef UNCERTAINTY_VERSION
#define UNCERTAINTY_VERSION "unknown"
#endif

namespace uncertainty {

const char* programVersion()
{
    return UNCERTAINTY_VERSION;
}

}  // namespace uncertainty

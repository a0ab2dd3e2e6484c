// The program's name and version, as the build sets them.
#pragma once

namespace uncertainty {

const char* programVersion();

}  // namespace uncertainty

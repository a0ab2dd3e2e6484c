// Input outside the model's domain (divisions by zero, logarithms of zero, a year the period
// table cannot hold) stops the run before the first pass with a ModelError.
#pragma once

#include "ProjectInput.h"

namespace zelm {

void checkProjectDomain(const ProjectInput& project);

}  // namespace zelm

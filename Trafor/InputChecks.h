// Input outside the model's domain (divisions by zero, logarithms of zero or of negative numbers,
// dates outside the calendar, a year the period table cannot hold, a specific yield that is no
// fraction, values the report cannot show as they were read) stops the run before the first pass
// with a ModelError that gives the domain. Month and day are checked before any day of the year is
// computed from them.
#pragma once

#include "ProjectInput.h"

namespace zelm {

void checkProjectDomain(const ProjectInput& project);

}  // namespace zelm

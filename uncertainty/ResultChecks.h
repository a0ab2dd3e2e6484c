// Every number the report gives for a design is finite, or the run stops. An input that passed the
// checks but lies beyond what the model can compute (a recharge of 1e300 length per day, a pipe
// cost of 1e308) ends the run at the first design it spoils, with an error that names the quantity
// and the design; no report then says "nan" or "inf".
#pragma once

#include "DesignSearch.h"
#include "RiskProject.h"

namespace uncertainty {

// Throws a ModelError naming the first quantity of `result` that is not a finite number (the
// moments not computed for it hold 0).
void requireFiniteResult(const DesignResult& result, const RiskProject& project);

}  // namespace uncertainty

// The risk output document type (132): the uncertainty model's report with its window, opened
// after a run (a rerun replaces the window of the same project's report). A report is never saved
// and runs nothing, so its menu bar has neither Save nor a Model menu.
#pragma once

#include "docview/DocumentType.h"

docview::DocumentType riskOutputType();

// The transient output document type (130): the model's report with its window, opened after a
// run (a rerun replaces the window of the same project's report), and the Data menu shown while
// such a report is active.
#pragma once

#include "docview/DocumentType.h"

docview::DocumentType transientOutputType();

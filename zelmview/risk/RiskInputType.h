// The risk input document type (131): the risk project with its pages, created by New Risk, and
// the Edit and Model menus shown while such a project is active.
#pragma once

#include "docview/DocumentType.h"

namespace docview {
class DocumentHost;
}

// The type; its views open reports through `host` and ask it for help and for command states.
docview::DocumentType riskInputType(docview::DocumentHost& host);

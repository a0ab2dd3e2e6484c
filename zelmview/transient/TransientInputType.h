// The transient input document type (129): the project document with its form, created by New
// Transient, and the Edit and Model menus shown while such a project is active.
#pragma once

#include "docview/DocumentType.h"

namespace docview {
class DocumentHost;
}

// The type; its forms open reports through `host` and ask it for help and for command states.
docview::DocumentType transientInputType(docview::DocumentHost& host);

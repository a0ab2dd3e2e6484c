// The widgets behind the document layer's questions and messages: the message box captioned
// "ZELM" with OK, the "Save changes to TITLE?" box and the save dialog of a document's type. The
// application installs them at its start; tests install recorders and answers instead.
#pragma once

namespace forms {

void installStandardDialogs();

}  // namespace forms

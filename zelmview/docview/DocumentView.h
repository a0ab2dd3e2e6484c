// What a document asks of each view that shows it: to show a change, to store what is typed into
// it, and to close. Views are
// widgets (docview/View.h); the document knows them only through this, so documents, and the data
// layer that derives from them, build without widgets.
#pragma once

#include "docview/UpdateHint.h"

namespace docview {

class View;

class DocumentView {
public:
    virtual ~DocumentView() = default;

    virtual View* AsView() = 0;
    // The document changed; `hint` says what the view must do (the default hint: show it all).
    virtual void OnUpdate(UpdateHint hint) = 0;
    // Stores what is typed into the view but not yet stored, each value as one change of the
    // document. False when something typed cannot be stored (the view has said so and shows the
    // stored value again); the command that asked stops then.
    virtual bool CommitTypedText() { return true; }
    // Closes the view's window (and with it the view).
    virtual void CloseFrame() = 0;
};

}  // namespace docview

// What a document asks of each view that shows it: to show a change and to close. Views are
// widgets (docview/View.h); the document knows them only through this, so documents, and the data
// layer that derives from them, build without widgets.
#pragma once

class QObject;

namespace docview {

class View;

class DocumentView {
public:
    virtual ~DocumentView() = default;

    virtual View* AsView() = 0;
    // The document changed; `hint` (0 = everything) and `hintObject` say what.
    virtual void OnUpdate(View* sender, long hint, QObject* hintObject) = 0;
    // Closes the view's window (and with it the view).
    virtual void CloseFrame() = 0;
};

}  // namespace docview

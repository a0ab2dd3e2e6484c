// What the document manager needs from the main window: a frame for a new view, and a way to
// bring an existing view to the front. The main window implements it with its child frames.
#pragma once

namespace docview {

class View;

class FrameHost {
public:
    virtual ~FrameHost() = default;
    // Puts `view` into a new child frame, shows it and makes it the active view.
    virtual void AddViewFrame(View* view) = 0;
    virtual void ActivateView(View* view) = 0;
};

}  // namespace docview

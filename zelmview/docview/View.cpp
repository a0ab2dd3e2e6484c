#include "docview/View.h"

namespace docview {

View::View(Document* owner, QWidget* parent) : QWidget(parent), document(owner)
{
    if (document) document->AddView(this);
}

View::~View()
{
    if (document) document->RemoveView(this);
}

void View::OnInitialUpdate()
{
    OnUpdate(UpdateHint());
}

void View::OnUpdate(UpdateHint)
{
    update();
}

bool View::OnCommand(int)
{
    return false;
}

bool View::HandlesCommand(int) const
{
    return false;
}

void View::CloseFrame()
{
    if (frame) {
        frame->setAttribute(Qt::WA_DeleteOnClose);
        frame->close();
        return;
    }
    hide();
    deleteLater();
}

}  // namespace docview

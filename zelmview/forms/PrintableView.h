// A view whose window prints its own content and closes by its own Done button: File Print (with
// the print dialog), direct printing, print preview and File Close are handled here; a view says
// only how it draws itself on a printer.
#pragma once

#include "docview/View.h"

class QPrinter;

namespace forms {

class PrintableView : public docview::View {
    Q_OBJECT

public:
    using docview::View::View;

    bool OnCommand(int commandId) override;
    bool HandlesCommand(int commandId) const override;

protected:
    virtual void Print(QPrinter& printer) = 0;
    // Draws the view as it is on screen (or `content`, a part of it that may be scrolled out of
    // sight), scaled to fit the page, in a print job named after the document.
    void PrintAsShown(QPrinter& printer, QWidget* content = nullptr);
    // Closes the window after the current event: a Done button must not tear down its own window
    // inside its click.
    void PostClose();

private:
    void PrintWithDialog();
    void PrintPreview();
};

}  // namespace forms

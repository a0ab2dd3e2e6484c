// Helpers of the tests of the project editors: a document with its form view on its own (no main
// window), as the application opens one, and clicks on its real widgets.
#pragma once

#include <QApplication>
#include <QFile>
#include <QSize>
#include <QTest>
#include <QWheelEvent>
#include <QWidget>

namespace formtest {

// A project document with its form shown. With a `shared` document the form is a second window
// of it and shows it at once.
template <typename Document, typename FormView>
struct DocumentForm {
    Document* document = nullptr;
    FormView* view = nullptr;

    explicit DocumentForm(Document* shared = nullptr, QSize size = {})
    {
        document = shared != nullptr ? shared : new Document;
        view = new FormView(document);
        if (size.isValid()) view->resize(size);
        view->show();
        // Fields commit when they lose the focus, which needs an active window.
        QApplication::setActiveWindow(view);
        [[maybe_unused]] const bool active = QTest::qWaitForWindowActive(view);
        if (shared != nullptr) view->OnInitialUpdate();
    }
    ~DocumentForm() { delete view; }  // the document goes with its last view
    DocumentForm(const DocumentForm&) = delete;
    DocumentForm& operator=(const DocumentForm&) = delete;

    bool open(const QString& path)
    {
        if (!document->OnOpenDocument(path)) return false;
        view->OnInitialUpdate();
        return true;
    }
    void showNew()
    {
        document->OnNewDocument();
        view->OnInitialUpdate();
    }
};

// Turns the mouse wheel over the middle of `widget` by `notches` (down when negative).
inline void turnWheel(QWidget* widget, int notches)
{
    const QPointF at = QRectF(widget->rect()).center();
    QWheelEvent wheel(at, widget->mapToGlobal(at), QPoint(), QPoint(0, notches * QWheelEvent::DefaultDeltasPerStep),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &wheel);
}

// Clicks a radio button on its circle.
inline void clickRadio(QWidget* radio)
{
    QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(8, radio->height() / 2));
}

// A writable copy of the example project `name` + `extension` in `folder`, as a user's own
// project (the examples of an installed suite are read-only).
inline QString copyExample(const QString& name, const QString& extension, const QString& folder)
{
    const QString target = folder + QLatin1Char('/') + name + extension;
    QFile::remove(target);
    QFile::copy(QStringLiteral(ZELM_EXAMPLES_DIR "/") + name + extension, target);
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
    return target;
}

}  // namespace formtest

// Helpers of the editor's tests: a transient form on its own (no main window), driven by clicks
// and key presses on its real widgets, and the table cells it shows.
#pragma once

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QString>
#include <QTemporaryDir>
#include <QTest>

#include "docview/FormTestSupport.h"
#include "docview/SaveQuestion.h"
#include "docview/WorkingFolder.h"
#include "table/TableListCtrl.h"
#include "table/TableTestSupport.h"
#include "transient/CZelmViewDoc.h"
#include "transient/CZelmViewView.h"

namespace editortest {

using formtest::clickRadio;

using tabletest::clickCell;
using tabletest::typeIntoEditor;

// A project document with its form shown, as the application opens one.
struct Form : formtest::DocumentForm<CZelmViewDoc, CZelmViewView> {
    template <typename T>
    T* control(int controlId) const
    {
        return qobject_cast<T*>(view->GetControl(controlId));
    }
    TableListCtrl& table() const { return *view->GetEventTable(); }
};

// Types into a field of `view` (a numeric field, the title) and moves the focus on, as the user
// does.
inline void typeIntoField(CZelmViewView& view, int controlId, const QString& text)
{
    auto* edit = qobject_cast<QLineEdit*>(view.GetControl(controlId));
    QVERIFY(edit != nullptr);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Tab);
}

// Answers every save question with Discard while it lives, and keeps the titles asked about.
struct SaveQuestionRecorder {
    QStringList asked;
    SaveQuestionRecorder()
    {
        docview::setSaveChangesHandler([this](const QString& title) {
            asked.append(title);
            return docview::SaveAnswer::Discard;
        });
    }
    ~SaveQuestionRecorder() { docview::setSaveChangesHandler({}); }
    SaveQuestionRecorder(const SaveQuestionRecorder&) = delete;
    SaveQuestionRecorder& operator=(const SaveQuestionRecorder&) = delete;
};

// Clicks the form's Done button and waits until the window has gone with its document.
inline void closeWithDone(Form* form)
{
    QPointer<CZelmViewView> view = form->view;
    QTest::mouseClick(form->control<QPushButton>(CZelmViewView::kDoneButton), Qt::LeftButton);
    QTRY_VERIFY(view.isNull());
    form->view = nullptr;
    delete form;
}

// The start of every case: documents of earlier cases, closed but not yet deleted, write their
// folder first; then the case works in `folder`.
inline void beginCase(const QTemporaryDir& folder)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(folder.isValid());
    docview::workingFolder().MoveTo(folder.path());
}

inline QString copyExample(const QString& name, const QString& folder)
{
    return formtest::copyExample(name, QStringLiteral(".trn"), folder);
}

}  // namespace editortest

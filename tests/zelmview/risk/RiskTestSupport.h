// Helpers of the risk editor's tests: a risk project with its view on its own (no main window),
// driven by clicks and key presses on its real widgets.
#pragma once

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include "docview/ControlId.h"
#include "risk/CZELMRiskDoc.h"
#include "risk/CZELMRiskView.h"
#include "risk/RiskAnalysisSheet.h"
#include "risk/RiskPage.h"

namespace risktest {

using Page = RiskAnalysisSheet::PageIndex;

struct Form {
    CZELMRiskDoc* document = nullptr;
    CZELMRiskView* view = nullptr;

    explicit Form(CZELMRiskDoc* shared = nullptr)
    {
        document = shared != nullptr ? shared : new CZELMRiskDoc;
        view = new CZELMRiskView(document);
        view->resize(700, 560);
        view->show();
        // Fields commit when they lose the focus, which needs an active window.
        QApplication::setActiveWindow(view);
        [[maybe_unused]] const bool active = QTest::qWaitForWindowActive(view);
        if (shared != nullptr) view->OnInitialUpdate();
    }
    ~Form() { delete view; }  // the document goes with its last view
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

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
    RiskAnalysisSheet& sheet() const { return *view->GetSheet(); }
    RiskPage* page(Page index) const { return sheet().GetPage(index); }
    // Makes a page current, as a click on its tab does.
    RiskPage* show(Page index) const
    {
        sheet().setCurrentWidget(page(index));
        return page(index);
    }
    QLineEdit* edit(Page index, int controlId) const { return page(index)->GetEdit(controlId); }
    template <typename T>
    T* control(Page index, int controlId) const
    {
        return qobject_cast<T*>(page(index)->GetControl(controlId));
    }
    // Chooses an item of a selector with the keyboard, as the user does; the item shown already
    // is chosen again as its list does when the user picks it from the drop-down.
    void choose(int selectorId, int index) const
    {
        QComboBox* list = view->GetSelector(selectorId);
        list->setFocus();
        if (index == list->currentIndex()) {
            emit list->activated(index);
            return;
        }
        QTest::keyClick(list, index > list->currentIndex() ? Qt::Key_Down : Qt::Key_Up);
    }
};

// Types into a field of a page and moves the focus on, as the user does.
inline void typeInto(QLineEdit* edit, const QString& text)
{
    QVERIFY(edit != nullptr);
    QApplication::setActiveWindow(edit->window());
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Tab);
}

inline void clickRadio(QWidget* radio)
{
    QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(8, radio->height() / 2));
}

inline QString copyExample(const QString& name, const QString& folder)
{
    const QString target = folder + QLatin1Char('/') + name + QStringLiteral(".rsk");
    QFile::remove(target);
    QFile::copy(QStringLiteral(ZELM_EXAMPLES_DIR "/") + name + QStringLiteral(".rsk"), target);
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
    return target;
}

}  // namespace risktest

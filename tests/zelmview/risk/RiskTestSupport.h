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
#include "docview/FormTestSupport.h"
#include "risk/CZELMRiskDoc.h"
#include "risk/CZELMRiskView.h"
#include "risk/RiskAnalysisSheet.h"
#include "risk/RiskPage.h"

namespace risktest {

using Page = RiskAnalysisSheet::PageIndex;

struct Form : formtest::DocumentForm<CZELMRiskDoc, CZELMRiskView> {
    explicit Form(CZELMRiskDoc* shared = nullptr) : DocumentForm(shared, QSize(700, 560)) {}

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

using formtest::clickRadio;

inline QString copyExample(const QString& name, const QString& folder)
{
    return formtest::copyExample(name, QStringLiteral(".rsk"), folder);
}

}  // namespace risktest

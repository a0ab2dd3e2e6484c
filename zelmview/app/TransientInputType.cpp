#include "app/TransientInputType.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

#include "app/CMainFrame.h"
#include "app/CZelmViewApp.h"
#include "app/DocumentTypes.h"
#include "docview/DocTemplate.h"
#include "docview/ResourceIds.h"
#include "transient/CZelmViewDoc.h"
#include "transient/CZelmViewView.h"

namespace {

CZelmViewView* activeTransientView(const CMainFrame& frame)
{
    return qobject_cast<CZelmViewView*>(frame.GetActiveView());
}

// Run and Cancel Run follow the run of the active form; the check mark follows its project.
void updateModelCommands(CMainFrame& frame)
{
    CZelmViewView* view = activeTransientView(frame);
    if (QAction* cancel = frame.GetCommandAction(CZelmViewView::kCancelRunCommand))
        cancel->setEnabled(view != nullptr && view->IsRunning());
    if (QAction* run = frame.GetCommandAction(zelm::kRunModel))
        run->setEnabled(frame.GetActiveView() != nullptr && frame.GetActiveView()->HandlesCommand(zelm::kRunModel));
    if (QAction* bench = frame.GetCommandAction(zelm::kBenchBottomland))
        bench->setChecked(view != nullptr && view->GetZelmDocument()->IsBenchBottomland());
}

}  // namespace

std::unique_ptr<docview::DocTemplate> MakeTransientInputType(CZelmViewApp& app)
{
    return std::make_unique<docview::DocTemplate>(
        zelm::kTransientInputType, zelm::kTransientInputDescription, [] { return new CZelmViewDoc; },
        [&app](docview::Document* document) {
            auto* view = new CZelmViewView(static_cast<CZelmViewDoc*>(document));
            view->openReport = [&app](const QString& path) { app.OpenDocumentFile(path); };
            QObject::connect(view, &CZelmViewView::helpRequested, &app, &CZelmViewApp::ShowHelp);
            const auto follow = [&app] {
                if (CMainFrame* frame = app.GetMainFrame()) updateModelCommands(*frame);
            };
            QObject::connect(view, &CZelmViewView::runStateChanged, &app, follow);
            QObject::connect(view, &CZelmViewView::benchBottomlandChanged, &app, follow);
            return view;
        });
}

QMenu* CreateTransientModelMenu(CMainFrame& frame)
{
    auto* menu = new QMenu(QStringLiteral("&Model"));
    menu->setObjectName(QStringLiteral("transientModelMenu"));
    // The tool bar's Run button is shared by both models; the menu names this one.
    auto* run = new QAction(QStringLiteral("&Run Transient Model"), menu);
    run->setObjectName(QStringLiteral("runTransientModel"));
    run->setProperty("controlId", int(zelm::kRunModel));
    run->setStatusTip(QStringLiteral("Run the ZELM Transient model"));
    QObject::connect(run, &QAction::triggered, &frame, [&frame] { frame.RouteCommand(zelm::kRunModel); });
    menu->addAction(run);

    QAction* cancel = frame.AddCommand(CZelmViewView::kCancelRunCommand, QStringLiteral("&Cancel Run"), {},
                                       QStringLiteral("Stop the model run in progress"));
    cancel->setEnabled(false);
    menu->addAction(cancel);

    QAction* bench = frame.GetCommandAction(zelm::kBenchBottomland);
    bench->setCheckable(true);
    menu->addAction(bench);

    QObject::connect(frame.GetMdiArea(), &QMdiArea::subWindowActivated, &frame,
                     [&frame] { updateModelCommands(frame); });
    QObject::connect(menu, &QMenu::aboutToShow, &frame, [&frame, run] {
        updateModelCommands(frame);
        QAction* shared = frame.GetCommandAction(zelm::kRunModel);
        run->setEnabled(shared == nullptr || shared->isEnabled());
    });
    return menu;
}

#include "forms/ChartWindow.h"

#include "chart/GraphDlg.h"
#include "forms/HelpRequest.h"

namespace forms {

GraphDlg* newChartWindow(QWidget* parent)
{
    auto* dialog = new GraphDlg(parent);
    QObject::connect(dialog, &GraphDlg::helpRequested, dialog, &showHelp);
    return dialog;
}

}  // namespace forms

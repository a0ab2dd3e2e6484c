// The program's own resource and command ids: document types (which also name their menus), the
// main window's menu and tool bar, and the commands of the model, table and data menus.
#pragma once

namespace zelm {

enum ResourceId : int {
    kAboutDialog = 100,
    kSplashBitmap = 102,
    kMainFrameResource = 128,  // menu, tool bar and title when no document is open
    kTransientInputType = 129,
    kTransientOutputType = 130,
    kRiskInputType = 131,
    kRiskOutputType = 132,
    kTableContextMenu = 146,
};

enum CommandId : int {
    kRunModel = 32775,
    kBenchBottomland = 32777,
    kInsertRow = 32778,
    kNewTransient = 32779,
    kNewRisk = 32780,
    kViewDailyData = 32783,
    kCopyRows = 32784,
    kPasteRows = 32786,
    // The report windows' menu: Plot and Write, as their buttons.
    kPlotReport = 32792,
    kWriteReport = 32793,
};

}  // namespace zelm

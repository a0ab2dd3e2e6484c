// The main window's status bar: the message area, which shows "Ready" whenever no prompt is shown,
// and the lock-key indicators "CAP", "NUM" and "SCRL" after it.
#pragma once

#include <QHash>

class QLabel;
class QStatusBar;

// Fills `bar` and returns the indicators by their ids.
QHash<int, QLabel*> CreateStatusBarPanes(QStatusBar* bar);

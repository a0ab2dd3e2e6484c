// The chart window as the document types open it: a GraphDlg whose Help opens the program's help
// at the section the dialog names. The chart room knows nothing of the help; this is where the two
// meet.
#pragma once

class GraphDlg;
class QWidget;

namespace forms {

// A new chart window on the heap, which deletes itself when closed.
GraphDlg* newChartWindow(QWidget* parent = nullptr);

}  // namespace forms

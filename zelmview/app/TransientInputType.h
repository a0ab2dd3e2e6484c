// The transient input document type (129): the project document with its form, opened and created
// through the application, and the Model menu shown while such a project is active.
#pragma once

#include <memory>

class CMainFrame;
class CZelmViewApp;
class QMenu;

namespace docview {
class DocTemplate;
}

// The type's template: its form opens reports through the application and asks it for help.
std::unique_ptr<docview::DocTemplate> MakeTransientInputType(CZelmViewApp& app);

// "&Model": "&Run Transient Model", "&Cancel Run" and "&Bench && Bottomland" with its check mark.
QMenu* CreateTransientModelMenu(CMainFrame& frame);

#include "app/CZelmViewApp.h"

#include <QApplication>
#include <QMenu>
#include <algorithm>

#include "app/CAboutDlg.h"
#include "app/CMainFrame.h"
#include "app/CommandLine.h"
#include "app/HelpWindow.h"
#include "app/Pictures.h"
#include "docview/CommandIds.h"
#include "docview/DocTemplate.h"
#include "docview/Document.h"
#include "docview/MessageSink.h"
#include "docview/View.h"
#include "forms/HelpRequest.h"
#include "forms/ScreenFit.h"
#include "forms/StandardDialogs.h"
#include "output/TransientOutputType.h"
#include "risk/RiskInputType.h"
#include "risk/RiskOutputType.h"
#include "run/WorkingDirectory.h"
#include "transient/TransientInputType.h"

using namespace docview;
using namespace zelm;

CZelmViewApp::CZelmViewApp(QObject* parent) : QObject(parent), commands(makeApplicationCommands())
{
    previousWorkingFolder = installWorkingFolder(&workingFolder);
    forms::installStandardDialogs();
    QCoreApplication::instance()->installEventFilter(&undoKeys);
    // Every window and dialog of the program opens inside its screen.
    qApp->installEventFilter(new forms::ScreenFitFilter(this));
    previousHelpHandler = forms::setHelpHandler([this](const QString& section) { ShowHelp(section); });
}

CZelmViewApp::~CZelmViewApp()
{
    forms::setHelpHandler(previousHelpHandler);
    docManager.SetFrameHost(nullptr);
    docManager.CloseAllDocuments();
    mainFrame.reset();
    installWorkingFolder(previousWorkingFolder);
}

bool CZelmViewApp::InitInstance(const QStringList& arguments)
{
    const bool showSplash = commandline::splashWanted(arguments);
    docManager.LoadStdProfileSettings(kRecentFileCount);
    RegisterDocumentTypes();

    mainFrame = std::make_unique<CMainFrame>(docManager, *this, commands, showSplash);
    mainFrame->setWindowIcon(programIcon());
    docManager.SetFrameHost(mainFrame.get());
    RegisterTypeCommands();

    // The files named open once the window is up, as the desktop's open request does. Their paths
    // are taken in the folder the program was started in, where the working folder still is.
    QStringList requested;
    for (const QString& file : commandline::filesToOpen(arguments)) requested.append(workingFolder.FilePath(file));

    mainFrame->show();
    // A remembered folder that has gone is passed over without a message.
    workingFolder.MoveTo(chooseWorkingDirectory(workingFolder.Remembered(), workingFolder.Path()));
    for (const QString& file : requested) OpenDocumentFile(file);
    return true;
}

void CZelmViewApp::RegisterDocumentTypes()
{
    // In this order: transient input, risk input, transient output, risk output.
    types.push_back(transientInputType(*this));
    types.push_back(riskInputType(*this));
    types.push_back(transientOutputType());
    types.push_back(riskOutputType());
    for (const DocumentType& type : types) {
        // Every view's Help opens the help at its type's section.
        const auto makeView = [this, makeTypeView = type.makeView, section = type.helpSection](Document* document) {
            View* view = makeTypeView(document);
            if (view != nullptr) connect(view, &View::helpRequested, this, [this, section] { ShowHelp(section); });
            return view;
        };
        docManager.AddDocTemplate(
            std::make_unique<DocTemplate>(type.resourceId, type.description, type.makeDocument, makeView));
    }
}

void CZelmViewApp::RegisterTypeCommands()
{
    for (const DocumentType& type : types) mainFrame->RegisterDocumentType(type);
    // A New command without its type stays in the menu, disabled.
    for (int commandId : std::as_const(commands.fileNew))
        mainFrame->GetCommandAction(commandId)->setEnabled(TypeCreatedBy(commandId) != nullptr);
}

QList<DocTemplate*> CZelmViewApp::CreatableTypes() const
{
    QList<DocTemplate*> creatable;
    for (const DocumentType& type : types)
        if (type.newCommand != 0) creatable.append(docManager.FindTemplate(type.resourceId));
    return creatable;
}

DocTemplate* CZelmViewApp::TypeCreatedBy(int commandId) const
{
    for (const DocumentType& type : types)
        if (type.newCommand == commandId) return docManager.FindTemplate(type.resourceId);
    return nullptr;
}

Document* CZelmViewApp::OpenDocumentFile(const QString& path)
{
    if (path.isEmpty()) return nullptr;
    // A report whose path contains the one opened is closed first, so a rerun replaces its window;
    // a window holding notes the user typed asks first, as its Done does.
    for (const DocumentType& type : types) {
        if (!type.replacedOnReopen) continue;
        for (Document* open : docManager.FindTemplate(type.resourceId)->GetDocuments())
            if (open->GetPathName().contains(path)) {
                if (ViewsAgreeToClose(*open))
                    open->OnCloseDocument();
                else
                    showStatus(QStringLiteral("Your notes stay in the window of %1; close it and open the file "
                                              "again to see the new report.")
                                   .arg(open->GetPathName()));
                break;
            }
    }
    Document* document = docManager.OpenDocumentFile(path);
    if (document != nullptr) document->SetTitle(path);
    return document;
}

bool CZelmViewApp::ViewsAgreeToClose(Document& document)
{
    const QList<View*> views = document.GetViews();
    return std::all_of(views.begin(), views.end(), [](View* view) { return view->QueryClose(); });
}

void CZelmViewApp::OnCommand(int commandId)
{
    if (commands.fileNew.contains(commandId)) {
        docManager.NewDocument(TypeCreatedBy(commandId));
        return;
    }
    switch (commandId) {
    case kFileNew:
        docManager.OnFileNew(CreatableTypes());
        return;
    case kFileOpen: {
        const QString path = docManager.PromptFileOpen();
        if (!path.isEmpty()) OpenDocumentFile(path);
        return;
    }
    case kAppAbout: {
        CAboutDlg about(mainFrame.get());
        about.exec();
        return;
    }
    case kHelpFinder:
        ShowHelp();
        return;
    case kHelp:
        ShowHelp(ActiveHelpSection());
        return;
    default:
        if (commandId >= kFileMruFirst && commandId < kFileMruFirst + kRecentFileCount)
            OpenRecentFile(commandId - kFileMruFirst);
        return;
    }
}

QString CZelmViewApp::ActiveHelpSection() const
{
    const View* view = mainFrame ? mainFrame->GetActiveView() : nullptr;
    const Document* document = view != nullptr ? view->GetDocument() : nullptr;
    const DocTemplate* type = document != nullptr ? document->GetDocTemplate() : nullptr;
    for (const DocumentType& registered : types)
        if (type != nullptr && registered.resourceId == type->GetResourceId()) return registered.helpSection;
    return {};
}

void CZelmViewApp::OpenRecentFile(int index)
{
    const QString path = docManager.GetRecentFiles().GetFiles().value(index);
    if (!path.isEmpty()) OpenDocumentFile(path);
}

void CZelmViewApp::ShowHelp(const QString& section)
{
    HelpWindow::ShowHelp(mainFrame.get(), section);
}

void CZelmViewApp::UpdateCommandStates()
{
    if (mainFrame) mainFrame->UpdateCommandStates();
}

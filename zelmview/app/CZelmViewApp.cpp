#include "app/CZelmViewApp.h"

#include <QApplication>
#include <QDir>
#include <QMenu>

#include "app/CAboutDlg.h"
#include "app/CMainFrame.h"
#include "app/DocumentTypes.h"
#include "app/HelpWindow.h"
#include "app/Pictures.h"
#include "app/TransientInputType.h"
#include "data/CZELMOutputDoc.h"
#include "docview/CommandIds.h"
#include "docview/DocTemplate.h"
#include "docview/ResourceIds.h"
#include "docview/StandardDialogs.h"
#include "output/CZELMOutputView.h"
#include "run/WorkingDirectory.h"

using namespace docview;
using namespace zelm;

namespace {

constexpr int kRecentFileEntries = 4;
const QString kNoSplashOption = QStringLiteral("--no-splash");
const QString kOpenOption = QStringLiteral("--open");

}  // namespace

CZelmViewApp::CZelmViewApp(QObject* parent) : QObject(parent)
{
    docview::InstallStandardDialogs();
}

CZelmViewApp::~CZelmViewApp()
{
    docManager.SetFrameHost(nullptr);
    docManager.CloseAllDocuments();
    mainFrame.reset();
}

bool CZelmViewApp::SplashWanted(const QStringList& arguments)
{
    return !arguments.contains(kNoSplashOption);
}

QStringList CZelmViewApp::OpenRequestFiles(const QStringList& arguments)
{
    const qsizetype option = arguments.indexOf(kOpenOption);
    if (option < 0) return {};
    QStringList files;
    for (const QString& argument : arguments.mid(option + 1))
        if (!argument.startsWith(QLatin1String("--"))) files.append(argument);
    return files;
}

bool CZelmViewApp::InitInstance(const QStringList& arguments)
{
    const bool showSplash = SplashWanted(arguments);
    docManager.LoadStdProfileSettings(kRecentFileEntries);
    RegisterDocumentTypes();

    mainFrame = std::make_unique<CMainFrame>(*this, showSplash);
    mainFrame->setWindowIcon(ProgramIcon());
    docManager.SetFrameHost(mainFrame.get());
    RegisterDocumentMenus();

    // The program starts with no document whatever the command line names; only the desktop's
    // open request below opens files. Its paths are taken relative to the start folder.
    QStringList requested;
    for (const QString& file : OpenRequestFiles(arguments)) requested.append(QDir::current().absoluteFilePath(file));

    mainFrame->show();
    ApplyStartupWorkingDirectory();
    for (const QString& file : requested) OpenDocumentFile(file);
    return true;
}

void CZelmViewApp::RegisterDocumentTypes()
{
    // In this order: transient input, risk input, transient output, risk output. The input types
    // and the risk output join here when their documents exist.
    transientInputTemplate = docManager.AddDocTemplate(MakeTransientInputType(*this));
    transientOutputTemplate = docManager.AddDocTemplate(std::make_unique<DocTemplate>(
        kTransientOutputType, kTransientOutputDescription, [] { return new CZELMOutputDoc; },
        [this](Document* document) {
            auto* view = new CZELMOutputView(static_cast<CZELMOutputDoc*>(document));
            connect(view, &CZELMOutputView::helpRequested, this, &CZelmViewApp::ShowHelp);
            return view;
        }));
}

void CZelmViewApp::RegisterDocumentMenus()
{
    auto* dataMenu = new QMenu(QStringLiteral("&Data"));
    dataMenu->setObjectName(QStringLiteral("dataMenu"));
    dataMenu->addAction(mainFrame->GetCommandAction(kViewDailyData));
    mainFrame->RegisterDocumentMenu(kTransientInputType, CMainFrame::FileMenuKind::WithSave,
                                    {CreateTransientModelMenu(*mainFrame)});
    mainFrame->RegisterDocumentMenu(kTransientOutputType, CMainFrame::FileMenuKind::WithClose, {dataMenu});
}

Document* CZelmViewApp::OpenDocumentFile(const QString& path)
{
    if (path.isEmpty()) return nullptr;
    CloseOutputContaining(transientOutputTemplate, path);
    CloseOutputContaining(riskOutputTemplate, path);
    Document* document = docManager.OpenDocumentFile(path);
    if (document != nullptr) document->SetTitle(path);
    return document;
}

void CZelmViewApp::CloseOutputContaining(DocTemplate* outputType, const QString& path)
{
    if (outputType == nullptr) return;
    for (Document* document : outputType->GetDocuments()) {
        if (document->GetPathName().contains(path)) {
            document->OnCloseDocument();
            return;
        }
    }
}

void CZelmViewApp::OnCommand(int commandId)
{
    switch (commandId) {
    case kNewTransient:
        docManager.NewDocument(transientInputTemplate);
        return;
    case kNewRisk:
        docManager.NewDocument(riskInputTemplate);
        return;
    case kFileNew:
        docManager.OnFileNew();
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
    case kHelp:
        ShowHelp();
        return;
    default:
        if (commandId >= kFileMruFirst && commandId < kFileMruFirst + kRecentFileEntries)
            OpenRecentFile(commandId - kFileMruFirst);
        return;
    }
}

void CZelmViewApp::OpenRecentFile(int index)
{
    const QString path = docManager.GetRecentFiles().GetFiles().value(index);
    if (!path.isEmpty()) OpenDocumentFile(path);
}

void CZelmViewApp::ShowHelp()
{
    HelpWindow::ShowHelp(mainFrame.get());
}

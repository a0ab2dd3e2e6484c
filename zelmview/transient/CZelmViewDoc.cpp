#include "transient/CZelmViewDoc.h"

#include <QFile>

#include "data/UnitConversion.h"
#include "docview/MessageSink.h"
#include "docview/WorkingFolder.h"
#include "run/WorkingDirectory.h"

CZelmViewDoc::CZelmViewDoc(QObject* parent)
    : docview::EditableDocument(parent), exeDirectory(zelm::thisProgramDirectory())
{
    docview::WorkingFolder& folder = docview::workingFolder();
    folder.MoveTo(zelm::chooseWorkingDirectory(folder.Remembered(), exeDirectory));
}

CZelmViewDoc::~CZelmViewDoc()
{
    docview::workingFolder().Remember();
}

bool CZelmViewDoc::OnOpenDocument(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        docview::showMessage(QStringLiteral("Unable to open ") + path);
        return false;
    }
    file.close();
    DeleteContents();
    if (!data.ReadData(path)) return false;
    SetPathName(path);
    SetModifiedFlag(false);
    return true;
}

bool CZelmViewDoc::OnSaveDocument(const QString& path)
{
    // What is typed goes in first: an edit stored after the sort would land on another event.
    if (!CommitTypedText()) return false;
    try {
        if (!ZELMData::SortEventsByDate(data.events)) {
            docview::showMessage(ZELMData::kEventsNotInitialized);
            return false;
        }
    } catch (const EventDateError& error) {
        docview::showMessage(QString::fromStdString(error.what()));
        return false;
    }
    if (!data.WriteData(path)) return false;
    // The views' event tables follow the new order, so a cell edited next changes its own event.
    UpdateAllViews(ViewHint::ShowEvents);
    return EditableDocument::OnSaveDocument(path);
}

void CZelmViewDoc::DeleteContents()
{
    data = ZELMData();
    EditableDocument::DeleteContents();
}

bool CZelmViewDoc::StoreData(const QString& text, const std::function<void(ZELMData&)>& change)
{
    return StoreChange(text, ViewHint::ShowProject, data, change);
}

void CZelmViewDoc::ConvertUnits(ZELMData::Units newUnits)
{
    zelm::ConvertUnits(data, newUnits);
}

void CZelmViewDoc::ToggleBenchBottomland()
{
    StoreData(QStringLiteral("Bench and Bottomland"),
              [](ZELMData& project) { project.benchBottomland = !project.benchBottomland; });
}

std::optional<CZelmViewDoc::ModelRun> CZelmViewDoc::RunTransientModel()
{
    SetTitle(GetPathName());
    // From a transient run on, the program works in the project's folder (and remembers it).
    docview::workingFolder().MoveTo(zelm::splitInputPath(GetPathName()).directory);
    return zelm::startModelRun(zelm::TransientModel(), exeDirectory, GetPathName());
}

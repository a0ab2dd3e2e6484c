#include "risk/CZELMRiskDoc.h"

CZELMRiskDoc::CZELMRiskDoc(QObject* parent)
    : docview::EditableDocument(parent), exeDirectory(zelm::thisProgramDirectory())
{
}

bool CZELMRiskDoc::OnOpenDocument(const QString& path)
{
    DeleteContents();
    if (!data.ReadData(path)) return false;
    SetPathName(path);
    SetModifiedFlag(false);
    return true;
}

bool CZELMRiskDoc::OnSaveDocument(const QString& path)
{
    if (!CommitTypedText() || !data.WriteData(path)) return false;
    return EditableDocument::OnSaveDocument(path);
}

void CZELMRiskDoc::DeleteContents()
{
    data = RiskData();
    EditableDocument::DeleteContents();
}

bool CZELMRiskDoc::StoreData(const QString& text, const std::function<void(RiskData&)>& change)
{
    return StoreChange(text, ViewHint::ShowProject, data, change);
}

std::optional<zelm::ModelRun> CZELMRiskDoc::RunUncertaintyModel()
{
    SetTitle(GetPathName());
    return zelm::startModelRun(zelm::UncertaintyModel(), exeDirectory, GetPathName());
}

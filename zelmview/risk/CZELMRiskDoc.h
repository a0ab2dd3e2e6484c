// The document of a risk project (".rsk", document type 131): the project's data, reading and
// writing its file, storing each change as one undoable step, and the document's half of a run
// of the uncertainty model.
#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "data/RiskData.h"
#include "docview/EditableDocument.h"
#include "run/ModelRunProtocol.h"

class CZELMRiskDoc : public docview::EditableDocument {
    Q_OBJECT

public:
    // What the document asks of its views.
    enum class ViewHint : int {
        ShowProject = 0,  // show the project (after every change)
    };

    explicit CZELMRiskDoc(QObject* parent = nullptr);

    bool OnOpenDocument(const QString& path) override;
    // Has the views commit their fields, then writes the file; a text that is no number stops it.
    bool OnSaveDocument(const QString& path) override;
    void DeleteContents() override;

    RiskData& GetData() { return data; }
    const RiskData& GetData() const { return data; }
    // Stores a change of the project, named `text`, as one undoable step that every view shows:
    // `change` edits the project's data. False when it changed nothing.
    bool StoreData(const QString& text, const std::function<void(RiskData&)>& change);

    // The folder of the model program, ending in "/".
    const QString& GetExeDirectory() const { return exeDirectory; }
    void SetExeDirectory(const QString& directory) { exeDirectory = directory; }

    // Runs the model on the file as it is saved (SaveForRun comes first) in the project's folder;
    // the program's working folder stays where it is. Nothing when the model could not be started.
    std::optional<zelm::ModelRun> RunUncertaintyModel();

private:
    RiskData data;
    QString exeDirectory;
};

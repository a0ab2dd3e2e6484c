// The document of a transient project (".trn", document type 129): the project data, reading and
// writing the file, switching between English and metric units, the bench-and-bottomland switch,
// the document's half of a model run, and the working folder remembered between sessions.
#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "data/ZELMData.h"
#include "docview/EditableDocument.h"
#include "run/ModelRunProtocol.h"

class CZelmViewDoc : public docview::EditableDocument {
    Q_OBJECT

public:
    // What the document asks of its views.
    enum class ViewHint : int {
        ShowProject = 0,  // show the project where the view differs from it (after every change)
        ShowEvents = 2,   // show the events again (saving or plotting sorted them)
    };

    // Moves the working folder to the remembered one (or the examples beside the program).
    explicit CZelmViewDoc(QObject* parent = nullptr);
    // Remembers the working folder of this moment for the next session.
    ~CZelmViewDoc() override;

    bool OnOpenDocument(const QString& path) override;
    // Has the views commit what is typed, sorts the events and writes the file. A text that is no
    // number stops the save; so do events with month or day 0, and a date outside the calendar,
    // with a message.
    bool OnSaveDocument(const QString& path) override;
    void DeleteContents() override;

    ZELMData& GetData() { return data; }
    const ZELMData& GetData() const { return data; }
    // Stores a change of the project, named `text`, as one undoable step that every view shows:
    // `change` edits the project's data. False when it changed nothing.
    bool StoreData(const QString& text, const std::function<void(ZELMData&)>& change);

    // zelm::ConvertUnits: the same units convert nothing.
    void ConvertUnits(ZELMData::Units newUnits);
    // Switches the bench-and-bottomland criteria on or off: a change the file keeps.
    void ToggleBenchBottomland();
    bool IsBenchBottomland() const { return data.benchBottomland; }

    // The folder of the model program, ending in "/".
    const QString& GetExeDirectory() const { return exeDirectory; }
    void SetExeDirectory(const QString& directory) { exeDirectory = directory; }

    using ModelRun = zelm::ModelRun;
    // Runs the model on the file as it is saved (SaveForRun comes first): moves the working folder
    // to the project's and starts the model there. Nothing when the model could not be started.
    std::optional<ModelRun> RunTransientModel();

private:
    ZELMData data;
    QString exeDirectory;
};

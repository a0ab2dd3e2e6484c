// Follows a running model on the window's thread, so the window stays usable: a 100 ms timer takes
// what the model printed since the last tick, and the process's own end notification finishes the
// run at once instead of at the next tick. When the model has ended the run is judged and, without
// an error, the report is opened.
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>

#include "run/ModelRunProtocol.h"

class ModelRunPoller : public QObject {
    Q_OBJECT

public:
    static constexpr int kPollIntervalMs = 100;
    using OpenReport = std::function<void(const QString& path)>;

    // Polls the run (already started) and, on success, calls `openReport` with its report path.
    ModelRunPoller(zelm::ModelRun run, OpenReport openReport, QObject* parent = nullptr);
    ~ModelRunPoller() override;

    bool IsRunning() const { return run.runner != nullptr; }
    // What the model printed: one line per tick that found something, each ended by CR LF.
    const QString& GetCollectedOutput() const { return collected; }

    // One tick: read what is waiting; when the model has ended, finish the run.
    void PollModelRun();

signals:
    void finished(bool succeeded);

private:
    zelm::ModelRun run;
    OpenReport openReport;
    QString collected;
    QTimer timer;
};

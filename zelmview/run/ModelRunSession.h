// The life of one model run as a window follows it: started with a runner and the report it will
// write, polled until the model ends (then the report opens when the output shows no error),
// stopped by Cancel, by a time limit, or when its owner goes away. One session follows at most one
// run at a time.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <functional>

#include "run/ModelRunPoller.h"

class ModelRunSession : public QObject {
    Q_OBJECT

public:
    static constexpr int kDefaultTimeLimitMs = 60000;

    explicit ModelRunSession(QObject* parent = nullptr);
    // A run still followed ends with its session: the model is stopped, never left behind.
    ~ModelRunSession() override;

    // Follows `run` (already started, see zelm::StartModelRun); on success `openReport` gets its
    // report path. Nothing happens while a run is followed.
    void Follow(zelm::ModelRun run, std::function<void(const QString& path)> openReport);
    // Stops the model being followed and waits for it to end; nothing is judged or opened.
    void Cancel();
    bool IsRunning() const { return poller != nullptr; }

    // How long a run may take before it is stopped with a message.
    int timeLimitMs = kDefaultTimeLimitMs;

signals:
    void runningChanged(bool running);

private:
    void OnFinished();
    void OnTimedOut();

    QPointer<ModelRunPoller> poller;
    QTimer watchdog;
};

#include "run/ModelRunSession.h"

#include "docview/MessageSink.h"
#include "run/ModelRunPoller.h"
#include "run/ModelRunner.h"

ModelRunSession::ModelRunSession(QObject* parent) : QObject(parent)
{
    watchdog.setSingleShot(true);
    connect(&watchdog, &QTimer::timeout, this, &ModelRunSession::OnTimedOut);
}

ModelRunSession::~ModelRunSession()
{
    delete poller;
}

void ModelRunSession::Follow(zelm::ModelRun run, std::function<void(const QString& path)> openReport)
{
    if (IsRunning()) return;
    poller = new ModelRunPoller(std::move(run), std::move(openReport), this);
    connect(poller, &ModelRunPoller::finished, this, &ModelRunSession::OnFinished);
    watchdog.start(timeLimitMs);
    emit runningChanged(true);
}

void ModelRunSession::OnFinished()
{
    watchdog.stop();
    if (poller) poller->deleteLater();
    poller = nullptr;
    emit runningChanged(false);
}

void ModelRunSession::Cancel()
{
    if (!IsRunning()) return;
    watchdog.stop();
    // Removing the runner stops the model and waits for it to end.
    delete poller;
    poller = nullptr;
    emit runningChanged(false);
}

void ModelRunSession::OnTimedOut()
{
    if (!IsRunning()) return;
    Cancel();
    docview::showMessage(QStringLiteral("The model did not finish within %1 seconds and was stopped.")
                             .arg(timeLimitMs / 1000.0, 0, 'g', 6));
}

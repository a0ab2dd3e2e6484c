#include "run/ModelRunPoller.h"

#include "run/ModelRunner.h"

namespace {

QString trimmedEnd(const QString& text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1).isSpace()) --end;
    return text.left(end);
}

}  // namespace

ModelRunPoller::ModelRunPoller(zelm::ModelRun started, OpenReport open, QObject* parent)
    : QObject(parent), run(std::move(started)), openReport(std::move(open))
{
    connect(&timer, &QTimer::timeout, this, &ModelRunPoller::PollModelRun);
    timer.start(kPollIntervalMs);
    if (run.runner) run.runner->WhenFinished(this, [this] { PollModelRun(); });
}

ModelRunPoller::~ModelRunPoller() = default;

void ModelRunPoller::PollModelRun()
{
    if (!run.runner) return;
    QString chunk;
    qint64 bytesRead = 0;
    const bool open = run.runner->ReadAvailable(chunk, bytesRead, true);
    chunk = trimmedEnd(chunk);
    if (!chunk.isEmpty()) collected += chunk + QStringLiteral("\r\n");
    if (open) return;

    timer.stop();
    const zelm::ModelEnd end{run.runner->Crashed(), run.runner->ExitCode()};
    // The model has ended (its output is closed), so the runner goes without waiting.
    run.runner.reset();
    const bool succeeded = zelm::judgeModelRun(run.model, collected, end);
    if (succeeded && openReport) openReport(run.outputPath);
    emit finished(succeeded);
}

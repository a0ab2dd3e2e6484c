#include "run/ModelRunPoller.h"

#include "run/ModelRunProtocol.h"
#include "run/ModelRunner.h"

namespace {

QString trimmedEnd(const QString& text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1).isSpace()) --end;
    return text.left(end);
}

}  // namespace

ModelRunPoller::ModelRunPoller(std::unique_ptr<ModelRunner> started, const QString& report, OpenReport open,
                               QObject* parent)
    : QObject(parent), runner(std::move(started)), reportPath(report), openReport(std::move(open))
{
    connect(&timer, &QTimer::timeout, this, &ModelRunPoller::PollModelRun);
    timer.start(kPollIntervalMs);
}

ModelRunPoller::~ModelRunPoller() = default;

void ModelRunPoller::PollModelRun()
{
    if (!runner) return;
    QString chunk;
    qint64 bytesRead = 0;
    const bool open = runner->ReadAvailable(chunk, bytesRead, true);
    chunk = trimmedEnd(chunk);
    if (!chunk.isEmpty()) collected += chunk + QStringLiteral("\r\n");
    if (open) return;

    timer.stop();
    // The model has ended (its output is closed), so the runner goes without waiting.
    runner.reset();
    const bool succeeded = zelm::JudgeModelOutput(collected);
    if (succeeded && openReport) openReport(reportPath);
    emit finished(succeeded);
}

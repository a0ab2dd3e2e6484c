#include "run/ModelRunner.h"

#include "docview/MessageSink.h"
#include "docview/WorkingFolder.h"

ModelRunner::ModelRunner()
{
    process.setProcessChannelMode(QProcess::MergedChannels);
}

ModelRunner::~ModelRunner() = default;

bool ModelRunner::Start(const QString& program, const QStringList& arguments, const QString& folder)
{
    process.setWorkingDirectory(folder.isEmpty() ? docview::workingFolder().Path() : folder);
    process.start(program, arguments, QIODevice::ReadWrite);
    if (!process.waitForStarted()) {
        docview::showMessage(QStringLiteral("CreateProcess failed"));
        return false;
    }
    started = true;
    process.closeWriteChannel();
    return true;
}

QString ModelRunner::Decode(const QByteArray& bytes)
{
    return bytes.isEmpty() ? QString() : decoder.decode(bytes);
}

bool ModelRunner::ReadAvailable(QString& text, qint64& bytesRead, bool stopWhenIdle)
{
    text.clear();
    if (stopWhenIdle) {
        // A zero wait only looks: it takes what the pipe holds and notices a model that ended.
        if (process.state() != QProcess::NotRunning) process.waitForReadyRead(0);
    } else {
        process.waitForFinished(-1);
    }
    const QByteArray bytes = process.readAll();
    bytesRead = bytes.size();
    text = Decode(bytes);
    return process.state() != QProcess::NotRunning || process.bytesAvailable() > 0;
}

bool ModelRunner::ReadToEnd(QString& text)
{
    qint64 bytesRead = 0;
    return ReadAvailable(text, bytesRead, false);
}

void ModelRunner::Finish()
{
    if (process.state() != QProcess::NotRunning) process.waitForFinished(-1);
    process.close();
}

void ModelRunner::WhenFinished(QObject* context, std::function<void()> ended)
{
    // Queued, so the runner may be disposed of in `ended` without pulling the process from under
    // its own signal.
    QObject::connect(&process, &QProcess::finished, context, std::move(ended), Qt::QueuedConnection);
}

bool ModelRunner::Crashed() const
{
    return started && process.exitStatus() == QProcess::CrashExit;
}

int ModelRunner::ExitCode() const
{
    return started ? process.exitCode() : 0;
}

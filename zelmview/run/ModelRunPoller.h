// Follows a running model from a 100 ms timer on the window's thread, so the window stays usable:
// each tick takes what the model printed since the last one; when the model has ended the output
// is judged and, without an error, the report is opened.
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>

class ModelRunner;

class ModelRunPoller : public QObject {
    Q_OBJECT

public:
    static constexpr int kPollIntervalMs = 100;
    using OpenReport = std::function<void(const QString& path)>;

    // Polls `runner` (already started) and, on success, calls `openReport` with `reportPath`.
    ModelRunPoller(std::unique_ptr<ModelRunner> runner, const QString& reportPath, OpenReport openReport,
                   QObject* parent = nullptr);
    ~ModelRunPoller() override;

    bool IsRunning() const { return runner != nullptr; }
    // What the model printed: one line per tick that found something, each ended by CR LF.
    const QString& GetCollectedOutput() const { return collected; }

    // One tick: read what is waiting; when the model has ended, finish the run.
    void PollModelRun();

signals:
    void finished(bool succeeded);

private:
    std::unique_ptr<ModelRunner> runner;
    QString reportPath;
    OpenReport openReport;
    QString collected;
    QTimer timer;
};

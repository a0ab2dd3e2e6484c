// Starts a model program as a child process and reads what it prints. Standard output and
// standard error arrive merged in one stream; the program and its argument go to the system as a
// list, never through a command interpreter. One runner serves one run.
#pragma once

#include <QProcess>
#include <QString>
#include <QStringConverter>
#include <QStringList>
#include <functional>

class QObject;

class ModelRunner {
public:
    ModelRunner();
    ~ModelRunner();
    ModelRunner(const ModelRunner&) = delete;
    ModelRunner& operator=(const ModelRunner&) = delete;

    // Starts `program` with `arguments` in `folder` (the working folder when empty) and the
    // program's environment.
    // Its standard input is closed at once (nothing is ever written there), so a model that asks
    // for input ends instead of waiting forever. A program that cannot be started shows
    // "CreateProcess failed" and returns false; reading then finds the output closed.
    bool Start(const QString& program, const QStringList& arguments, const QString& folder = {});

    // Takes what the model has printed so far into `text` (emptied first) and `bytesRead`.
    // With `stopWhenIdle` it never blocks; without it, it waits until the model has ended.
    // Returns whether the model may still print: false once it has ended and all is read.
    bool ReadAvailable(QString& text, qint64& bytesRead, bool stopWhenIdle);
    // Everything the model prints until it ends; always returns false.
    bool ReadToEnd(QString& text);
    // Waits for the model to end, however long, and lets go of the process.
    void Finish();

    // Calls `ended` once the model's process has ended, from the event loop after the process's
    // own end notification, while `context` lives.
    void WhenFinished(QObject* context, std::function<void()> ended);
    // How the process ended: by a signal (crashed) or with an exit status. A program that never
    // started has neither: it did not crash and its status is 0.
    bool Crashed() const;
    int ExitCode() const;

private:
    QString Decode(const QByteArray& bytes);

    QProcess process;
    bool started = false;
    // Keeps a character split across two reads whole.
    QStringDecoder decoder{QStringDecoder::System};
};

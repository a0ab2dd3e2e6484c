// The GUI action fuzzer: plays seeded random sequences of user actions on the whole application
// (offscreen, messages recorded instead of shown) and checks after every step what must always
// hold (Invariants.h). A failing sequence prints its seed, the problems and its steps, writes the
// steps to a file and says how to replay it; --shrink first drops the steps the failure does not
// need. README.md beside this file tells how to run long batches.
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstdio>

#include "AppDriver.h"
#include "Invariants.h"
#include "StepGenerator.h"

using namespace guifuzz;

namespace {

// The offscreen platform says what it cannot do (raise a window, grab the keyboard) at every
// window: nothing a sequence needs.
QtMessageHandler standardHandler = nullptr;

void quietPlatform(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(QLatin1String("This plugin does not support"))) return;
    standardHandler(type, context, message);
}

QTextStream& out()
{
    static QTextStream stream(stdout);
    return stream;
}

bool verbose = false;
bool keepFolders = false;

struct Outcome {
    QList<Step> played;  // the steps up to the failing one
    QStringList problems;
    bool Failed() const { return !problems.isEmpty(); }
    // The kind of the first problem ("file", "frame", ...): a shrunk sequence must fail alike.
    QString Kind() const { return problems.value(0).section(QLatin1Char(':'), 0, 0); }
};

// Plays `count` steps from `next` in a new program with fresh copies of the examples. Every step
// is written to `journal` before it is played, so a crash leaves the sequence behind. A step that
// does not apply did nothing and is left out of the outcome; in a `strict` replay it fails, since
// a kept sequence whose step no longer applies tests nothing any more.
Outcome play(const std::function<std::optional<Step>(const AppDriver&)>& next, int count, const QString& journal,
             bool strict)
{
    QTemporaryDir folder;
    folder.setAutoRemove(!keepFolders);
    if (keepFolders) out() << "folder " << folder.path() << '\n';
    QFile log(journal);
    log.open(QIODevice::WriteOnly | QIODevice::Truncate);
    AppDriver driver(folder.path(), QStringLiteral(ZELM_MODEL_DIRECTORY));
    driver.Start();
    Invariants invariants(driver);
    invariants.Reset();
    Outcome outcome;
    for (int index = 0; index < count; ++index) {
        const std::optional<Step> step = next(driver);
        if (!step) break;
        log.write(formatStep(*step).toUtf8() + '\n');
        log.flush();
        outcome.played.append(*step);
        if (!driver.Play(*step) && strict)
            outcome.problems.append(QStringLiteral("replay: the step does not apply (any more)"));
        if (verbose) {
            const AppDriver::StepLog& log = driver.Log();
            out() << (log.played ? "  " : "  (not played) ") << formatStep(*step) << '\n';
            for (const QString& title : log.questions) out() << "      asked about " << title << '\n';
            for (const QString& message : log.messages) out() << "      message: " << message << '\n';
            out().flush();
        }
        outcome.problems += invariants.Check(*step);
        if (verbose)
            for (const QString& change : invariants.Changes()) out() << "      changed " << change << '\n';
        if (!driver.Log().played && !outcome.Failed()) outcome.played.removeLast();
        if (outcome.Failed()) break;
    }
    return outcome;
}

Outcome replay(const QList<Step>& steps, const QString& journal, bool strict = false)
{
    qsizetype index = 0;
    return play([&](const AppDriver&) { return index < steps.size() ? std::optional(steps[index++]) : std::nullopt; },
                int(steps.size()), journal, strict);
}

// Drops steps, in halves, then quarters and so on, while the sequence still fails alike.
QList<Step> shrink(QList<Step> steps, const QString& kind, const QString& journal)
{
    for (qsizetype chunk = steps.size() / 2; chunk >= 1; chunk /= 2) {
        for (qsizetype start = 0; start + chunk <= steps.size() - 1;) {
            QList<Step> fewer = steps;
            fewer.remove(start, chunk);
            const Outcome outcome = replay(fewer, journal);
            if (outcome.Failed() && outcome.Kind() == kind)
                steps = outcome.played;
            else
                start += chunk;
        }
    }
    return steps;
}

void report(const QString& what, const Outcome& outcome, const QString& file)
{
    out() << "FAILED " << what << " at step " << outcome.played.size() << ": " << formatStep(outcome.played.constLast())
          << '\n';
    for (const QString& problem : outcome.problems) out() << "  " << problem << '\n';
    QFile steps(file);
    if (steps.open(QIODevice::WriteOnly | QIODevice::Truncate))
        steps.write((QStringLiteral("# ") + what + QLatin1Char('\n') + formatSteps(outcome.played)).toUtf8());
    out() << "Steps:\n" << formatSteps(outcome.played) << "Replay: zelmview_guifuzz --replay " << file << "\n";
    out().flush();
}

}  // namespace

int main(int argc, char** argv)
{
    // Offscreen, and never with the user's settings or clipboard: a run is the same on every machine.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", settings.path().toUtf8());
    standardHandler = qInstallMessageHandler(quietPlatform);
    QApplication application(argc, argv);

    QCommandLineParser options;
    options.setApplicationDescription(
        QStringLiteral("Plays random user actions on zelmview and checks its invariants."));
    options.addHelpOption();
    options.addOption({QStringLiteral("seed"), QStringLiteral("Seed of the first sequence."), QStringLiteral("n"),
                       QStringLiteral("1")});
    options.addOption({QStringLiteral("sequences"), QStringLiteral("Number of sequences, one seed each."),
                       QStringLiteral("n"), QStringLiteral("1")});
    options.addOption(
        {QStringLiteral("steps"), QStringLiteral("Steps per sequence."), QStringLiteral("n"), QStringLiteral("40")});
    options.addOption({QStringLiteral("shrink"), QStringLiteral("Drop the steps a failure does not need.")});
    options.addOption({QStringLiteral("keep-going"), QStringLiteral("Go on with the next sequence after a failure.")});
    options.addOption(
        {QStringLiteral("replay"), QStringLiteral("Replay the steps of a file (repeatable)."), QStringLiteral("file")});
    options.addOption({QStringLiteral("verbose"), QStringLiteral("Print every step as it is played.")});
    options.addOption({QStringLiteral("keep-folders"), QStringLiteral("Keep the folders the sequences worked in.")});
    options.process(application);
    verbose = options.isSet(QStringLiteral("verbose"));
    keepFolders = options.isSet(QStringLiteral("keep-folders"));

    // The program moves the current directory to the projects it works on: files of the fuzzer's
    // own are named from where it started.
    const QDir started = QDir::current();
    const QString journal = started.absoluteFilePath(QStringLiteral("guifuzz-current.steps"));
    int failures = 0;
    int steps = 0;
    for (const QString& file : options.values(QStringLiteral("replay"))) {
        QString error;
        const QList<Step> script = readSteps(file, &error);
        if (!error.isEmpty()) {
            out() << error << '\n';
            return 2;
        }
        const Outcome outcome = replay(script, journal, true);
        steps += int(outcome.played.size());
        if (outcome.Failed()) {
            ++failures;
            report(file, outcome, started.absoluteFilePath(QStringLiteral("guifuzz-failure.steps")));
        }
    }
    const quint64 firstSeed = options.value(QStringLiteral("seed")).toULongLong();
    const int sequences = options.isSet(QStringLiteral("replay")) && !options.isSet(QStringLiteral("sequences"))
                              ? 0
                              : options.value(QStringLiteral("sequences")).toInt();
    const int length = options.value(QStringLiteral("steps")).toInt();
    for (int index = 0; index < sequences && (failures == 0 || options.isSet(QStringLiteral("keep-going"))); ++index) {
        const quint64 seed = firstSeed + quint64(index);
        out() << "sequence " << seed << '\n';
        out().flush();
        StepGenerator generator(seed);
        Outcome outcome = play([&](const AppDriver& driver) { return std::optional(generator.Next(driver)); }, length,
                               journal, false);
        steps += int(outcome.played.size());
        if (!outcome.Failed()) continue;
        ++failures;
        const QString what = QStringLiteral("seed %1").arg(seed);
        report(what, outcome, started.absoluteFilePath(QStringLiteral("guifuzz-failure-%1.steps").arg(seed)));
        if (options.isSet(QStringLiteral("shrink"))) {
            outcome.played = shrink(outcome.played, outcome.Kind(), journal);
            outcome = replay(outcome.played, journal);
            if (outcome.Failed())
                report(what + QStringLiteral(", shrunk"), outcome,
                       started.absoluteFilePath(QStringLiteral("guifuzz-failure-%1-shrunk.steps").arg(seed)));
        }
    }
    out() << steps << " steps, " << failures << " failing sequence" << (failures == 1 ? "" : "s") << '\n';
    return failures == 0 ? 0 : 1;
}

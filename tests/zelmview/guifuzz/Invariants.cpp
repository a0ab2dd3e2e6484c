#include "Invariants.h"

#include <QApplication>
#include <QClipboard>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QRegularExpression>
#include <algorithm>

#include "AppDriver.h"
#include "docview/MessageSink.h"
#include "docview/View.h"
#include "risk/CZELMRiskDoc.h"
#include "transient/CZelmViewDoc.h"

namespace guifuzz {

namespace {

// Messages that say a file could not be read or a folder entered: never right after a step. (A
// model that refuses what was typed, a range of too many designs, says so rightly.)
const QStringList kFaultMessages = {
    QStringLiteral("unable to change to directory"),
    QStringLiteral("cannot open input file"),
    QStringLiteral("out of calendar order"),
    QStringLiteral("cannot read the"),
    QStringLiteral("parse error"),
    QStringLiteral("unable to open"),
    QStringLiteral("error reading"),
    QStringLiteral("ends before data line"),
    QStringLiteral("not a regular file"),
    QStringLiteral("cannot find the risk project"),
    QStringLiteral("the pipe cost table holds more than"),
    QStringLiteral("names the pipe type"),
    QStringLiteral("unexpected eof"),
    QStringLiteral("data line"),
};

// Steps after which any value may have changed: they change the project as a whole, or store
// everything typed.
const QStringList kWholeProjectSteps = {
    QStringLiteral("undo"),   QStringLiteral("redo"), QStringLiteral("undoall"), QStringLiteral("save"),
    QStringLiteral("saveas"), QStringLiteral("run"),  QStringLiteral("close"),   QStringLiteral("quit"),
};
const QStringList kTableSteps = {
    QStringLiteral("cell"), QStringLiteral("add"), QStringLiteral("insert"), QStringLiteral("delete"),
    QStringLiteral("cut"),  QStringLiteral("del"), QStringLiteral("paste"),  QStringLiteral("plot"),
};

// The model's year has 365 days.
constexpr int kDaysInMonth[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

void inCalendarOrder(ZELMData& data)
{
    std::stable_sort(data.events.begin(), data.events.end(), [](const auto& a, const auto& b) {
        return std::pair(a.month, a.day) < std::pair(b.month, b.day);
    });
}
void inCalendarOrder(RiskData&) {}

// A project as its file keeps it: written and read back, events in calendar order (the order
// in which the file always has them).
template <typename Data>
std::optional<Data> asFileKeepsIt(Data data, const QString& scratch, QString* why)
{
    docview::MessageRecorder quiet;
    inCalendarOrder(data);
    Data read;
    if (data.WriteData(scratch) && read.ReadData(scratch)) return read;
    *why = quiet.messages().join(QStringLiteral(" / "));
    return std::nullopt;
}

template <typename Data>
std::optional<Data> readFile(const QString& path, QString* why)
{
    docview::MessageRecorder quiet;
    Data read;
    if (read.ReadData(path)) return read;
    *why = quiet.messages().join(QStringLiteral(" / "));
    return std::nullopt;
}

Snapshot freshOf(const ZELMData& data, const QStringList&, bool* changed)
{
    return freshSnapshot(data, changed);
}
Snapshot freshOf(const RiskData& data, const QStringList& pages, bool* changed)
{
    return freshSnapshot(data, pages, changed);
}

QString firstLines(const QStringList& lines)
{
    return lines.mid(0, 6).join(QStringLiteral("; "));
}

}  // namespace

Invariants::Invariants(AppDriver& fuzzed) : driver(fuzzed) {}

void Invariants::Reset()
{
    before = Capture();
    filesBefore = Files();
    unsettled.clear();
    docview::View* view = driver.ActiveView();
    target = view != nullptr ? view->GetDocument() : nullptr;
}

QList<Invariants::Project> Invariants::Capture() const
{
    QList<Project> projects;
    for (docview::Document* document : driver.InputDocuments()) {
        Project project;
        project.document = document;
        project.identity = document;
        project.path = document->GetPathName();
        project.title = document->GetTitle();
        project.modified = document->IsModified();
        if (auto* transient = qobject_cast<CZelmViewDoc*>(document))
            project.data = transient->GetData();
        else
            project.data = static_cast<CZELMRiskDoc*>(document)->GetData();
        const QList<docview::View*> views = document->GetViews();
        if (views.isEmpty()) continue;
        docview::View* main = views.constFirst();
        for (docview::View* view : views) {
            project.windows.append(snapshotOf(view, false));
            if (view->isAncestorOf(QApplication::focusWidget())) main = view;
        }
        project.shown = snapshotOf(main, false);
        project.typed = snapshotOf(main, true);
        project.pages = shownPages(main);
        project.stored = std::visit(
            [&](const auto& data) { return freshOf(data, project.pages, &project.showingChangedIt); }, project.data);
        projects.append(project);
    }
    return projects;
}

QHash<QString, QByteArray> Invariants::Files() const
{
    QHash<QString, QByteArray> files;
    for (const QString& name : driver.ProjectFiles()) {
        QFile file(QDir(driver.Folder()).filePath(name));
        if (file.open(QIODevice::ReadOnly))
            files.insert(file.fileName(), QCryptographicHash::hash(file.readAll(), QCryptographicHash::Md5));
    }
    return files;
}

const Invariants::Project* Invariants::Find(const QList<Project>& projects, const docview::Document* document) const
{
    for (const Project& project : projects)
        if (project.document == document) return &project;
    return nullptr;
}

QStringList Invariants::Check(const Step& step)
{
    QStringList problems = driver.Log().problems;
    for (const QString& message : driver.Log().messages)
        for (const QString& fault : kFaultMessages)
            if (message.toLower().contains(fault)) {
                problems.append(QStringLiteral("message: ") + message);
                break;
            }
    const QList<Project> after = Capture();
    NoteUnsettled(step, after);
    for (const Project& project : after) CheckProject(project, problems);
    CheckFiles(step, after, problems);
    CheckClosed(after, problems);
    CheckFrame(step, after, problems);
    CheckPaste(step, after, problems);
    changes.clear();
    for (const Project& now : after)
        if (const Project* was = Find(before, now.document))
            for (const QString& change :
                 differences(was->stored, now.stored, false, [](const QString& key) { return !isValueKey(key); }))
                changes.append(now.title.section(QLatin1Char('/'), -1) + QStringLiteral(" ") + change);
    Settle(after);
    if (step.verb == QLatin1String("type") && driver.Log().played) {
        keptIn = step.Word(1) == QLatin1String("keep") ? target : nullptr;
        keptField = driver.Log().typedInto;
        keptText = step.text.value_or(QString());
    }
    // Ctrl+Z in a field being typed into undoes the typing in the field itself: what the field
    // shows then is still typed text.
    if (const Project* typing = Find(after, keptIn);
        typing != nullptr && step.Word(0) == QLatin1String("key") &&
        (step.verb == QLatin1String("undo") || step.verb == QLatin1String("redo")))
        for (auto it = typing->typed.constBegin(); it != typing->typed.constEnd(); ++it)
            if (!typing->shown.contains(it.key()) && widgetOf(it.key()) == keptField) keptText = it.value();
    before = after;
    filesBefore = Files();
    docview::View* view = driver.ActiveView();
    target = view != nullptr ? view->GetDocument() : nullptr;
    return problems;
}

void Invariants::NoteUnsettled(const Step& step, const QList<Project>& after)
{
    const Project* computed = Find(after, target);
    if (step.verb == QLatin1String("sy") && driver.Log().played && computed != nullptr)
        for (const Snapshot& window : computed->windows)
            for (auto it = window.constBegin(); it != window.constEnd(); ++it)
                if (it.key().endsWith(QLatin1String("specificYieldEdit:text")) &&
                    it.value() != computed->stored.value(it.key()))
                    unsettled[computed->identity].insert(it.key(), it.value());
}

void Invariants::Settle(const QList<Project>& after)
{
    // A value settles once the project holds it, or once no window shows it any more (or the
    // project is closed).
    for (auto it = unsettled.begin(); it != unsettled.end();)
        if (std::none_of(after.begin(), after.end(),
                         [&](const Project& project) { return project.identity == it.key(); }))
            it = unsettled.erase(it);
        else
            ++it;
    for (const Project& project : after) {
        QHash<QString, QString>& waiting = unsettled[project.identity];
        for (auto it = waiting.begin(); it != waiting.end();) {
            const bool shown =
                project.typed.value(it.key()) == it.value() ||
                std::any_of(project.windows.begin(), project.windows.end(),
                            [&it](const Snapshot& window) { return window.value(it.key()) == it.value(); });
            if (!shown || project.stored.value(it.key()) == it.value())
                it = waiting.erase(it);
            else
                ++it;
        }
    }
}

void Invariants::CheckProject(const Project& project, QStringList& problems) const
{
    const QString name = project.title;
    if (project.showingChangedIt)
        problems.append(QStringLiteral("show: a new window of %1 changed the project").arg(name));
    const QHash<QString, QString> waiting = unsettled.value(project.identity);
    for (const Snapshot& window : project.windows) {
        const QStringList shownOtherwise = differences(window, project.stored, false, [&](const QString& key) {
            return waiting.contains(key) && waiting.value(key) == window.value(key);
        });
        if (!shownOtherwise.isEmpty())
            problems.append(QStringLiteral("view: a window of %1 shows what the project does not hold: %2")
                                .arg(name, firstLines(shownOtherwise)));
    }
    if (const auto* transient = std::get_if<ZELMData>(&project.data))
        for (const IrrigationDataElement& event : transient->events)
            if (event.month >= 1 && event.day >= 1 && (event.month > 12 || event.day > kDaysInMonth[event.month - 1]))
                problems.append(QStringLiteral("date: %1 holds the event %2/%3, which the model's year does not have")
                                    .arg(name)
                                    .arg(event.month)
                                    .arg(event.day));
    const bool transient = std::holds_alternative<ZELMData>(project.data);
    const QString scratch =
        scratchFolder.filePath(transient ? QStringLiteral("project.trn") : QStringLiteral("project.rsk"));
    QString why;
    const auto kept = std::visit(
        [&](const auto& data) -> std::optional<ProjectData> {
            if (auto read = asFileKeepsIt(data, scratch, &why)) return ProjectData(*read);
            return std::nullopt;
        },
        project.data);
    if (!kept) {
        problems.append(QStringLiteral("store: %1 holds what its file cannot keep: %2").arg(name, why));
        return;
    }
    if (project.modified || project.path.isEmpty() || !QFile::exists(project.path)) return;
    const auto onDisk = std::visit(
        [&](const auto& data) -> std::optional<ProjectData> {
            using Data = std::decay_t<decltype(data)>;
            if (auto read = readFile<Data>(project.path, &why)) {
                if (auto again = asFileKeepsIt(*read, scratch, &why)) return ProjectData(*again);
            }
            return std::nullopt;
        },
        project.data);
    if (onDisk && *onDisk == *kept) return;
    QStringList differing;
    if (onDisk) {
        bool ignored = false;
        const Snapshot fromFile =
            std::visit([&](const auto& data) { return freshOf(data, project.pages, &ignored); }, *onDisk);
        differing = differences(project.stored, fromFile, true);
    }
    problems.append(QStringLiteral("clean: %1 is unmodified but differs from its file: %2")
                        .arg(name, onDisk ? firstLines(differing) : why));
}

void Invariants::CheckFiles(const Step& step, const QList<Project>& after, QStringList& problems) const
{
    const QHash<QString, QByteArray> files = Files();
    const QStringList& asked = driver.Log().questions;
    const bool answeredNo = step.Word(0) == QLatin1String("no") && !asked.isEmpty();
    for (auto it = files.constBegin(); it != files.constEnd(); ++it) {
        if (filesBefore.value(it.key()) == it.value()) continue;
        // The project saved to this file, as it was before the step.
        const Project* saved = nullptr;
        for (const Project& project : after)
            if (project.path == it.key()) saved = Find(before, project.document);
        for (const Project& project : before)
            if (saved == nullptr && (project.path == it.key() || driver.Log().savedAs.value(project.title) == it.key()))
                saved = &project;
        if (answeredNo && saved != nullptr && asked.contains(saved->title))
            problems.append(QStringLiteral("no: %1 changed on disk although the user answered No").arg(it.key()));
        CheckSaved(it.key(), saved, problems);
    }
    // A project closed after Yes holds in its file what it showed, saved now or before.
    if (step.Word(0) != QLatin1String("yes")) return;
    for (const Project& project : before)
        if (Find(after, project.document) == nullptr && asked.contains(project.title) && !project.path.isEmpty() &&
            filesBefore.value(project.path) == files.value(project.path))
            CheckSaved(project.path, &project, problems);
}

void Invariants::CheckSaved(const QString& path, const Project* saved, QStringList& problems) const
{
    QString why;
    bool ignored = false;
    const QStringList pages = saved != nullptr ? saved->pages : QStringList();
    std::optional<Snapshot> fromFile;
    if (path.endsWith(QLatin1String(".trn"))) {
        if (auto read = readFile<ZELMData>(path, &why)) fromFile = freshOf(*read, pages, &ignored);
    } else if (auto read = readFile<RiskData>(path, &why)) {
        fromFile = freshOf(*read, pages, &ignored);
    }
    if (!fromFile) {
        problems.append(QStringLiteral("file: %1 does not read back: %2").arg(path, why));
        return;
    }
    if (saved == nullptr) return;
    // What the window showed, with what f(K) put into a field, in whichever window, and what is
    // typed into a field on every page that shows the same value (the others show it once it is
    // stored).
    Snapshot shown = saved->typed;
    for (auto typing = saved->typed.constBegin(); typing != saved->typed.constEnd(); ++typing) {
        if (saved->shown.contains(typing.key())) continue;
        const QString sameValue = typing.key().section(QLatin1Char('/'), -1);
        for (auto it = shown.begin(); it != shown.end(); ++it)
            if (it.key().section(QLatin1Char('/'), -1) == sameValue) it.value() = typing.value();
    }
    const QHash<QString, QString> waiting = unsettled.value(saved->identity);
    for (auto it = waiting.constBegin(); it != waiting.constEnd(); ++it) shown.insert(it.key(), it.value());
    const QStringList differing = differences(shown, *fromFile, true);
    if (!differing.isEmpty())
        problems.append(
            QStringLiteral("file: %1 does not hold what its window showed: %2").arg(path, firstLines(differing)));
}

QSet<QString> Invariants::Pending(const Project& project) const
{
    QSet<QString> pending;
    for (const QString& key : unsettled.value(project.identity).keys()) pending.insert(widgetOf(key));
    for (auto it = project.typed.constBegin(); it != project.typed.constEnd(); ++it) {
        if (project.shown.contains(it.key())) continue;
        // The field with the focus, as long as it shows what the user typed (not what the program
        // put there; a field may cut it at its length, a line field drops its line ends), and the
        // table whose cell is being edited.
        const QString widget = widgetOf(it.key());
        if (it.key().endsWith(QLatin1String(":editing")) ||
            (project.document == keptIn && widget == keptField &&
             (it.value() == keptText ||
              (!it.value().isEmpty() && QString(keptText).remove(QLatin1Char('\n')).startsWith(it.value())))))
            pending.insert(widget);
    }
    return pending;
}

bool Invariants::HoldsTyping(const Project& project) const
{
    // A number field that holds no number holds nothing to keep.
    const QSet<QString> pending = Pending(project);
    return !differences(project.typed, project.stored, true, [&](const QString& key) {
                return !pending.contains(widgetOf(key)) ||
                       (isNumber(project.stored.value(key)) && !isNumber(project.typed.value(key)));
            }).isEmpty();
}

void Invariants::CheckClosed(const QList<Project>& after, QStringList& problems) const
{
    const QStringList& asked = driver.Log().questions;
    for (const Project& project : before) {
        if (Find(after, project.document) != nullptr || asked.contains(project.title)) continue;
        if (project.modified || HoldsTyping(project))
            problems.append(QStringLiteral("lost: %1 closed without a question although it held unsaved work%2")
                                .arg(project.title, project.modified ? QString() : QStringLiteral(" (typed text)")));
    }
}

void Invariants::CheckPaste(const Step& step, const QList<Project>& after, QStringList& problems) const
{
    if (step.verb != QLatin1String("paste") || step.Number(1) != 0 || !driver.Log().played) return;
    const Project* now = Find(after, target);
    const Project* was = Find(before, target);
    const QString rowsKey = QStringLiteral("eventTable:rows");
    if (now == nullptr || was == nullptr || !now->stored.contains(rowsKey)) return;
    // The lines that hold a number are data; a header line holds none.
    QStringList data;
    qsizetype cells = 0;
    for (const QString& line :
         QGuiApplication::clipboard()->text().split(QRegularExpression(QStringLiteral("[\r\n]+")))) {
        const QStringList values = line.split(QLatin1Char('\t'), Qt::SkipEmptyParts);
        if (std::none_of(values.begin(), values.end(), [](const QString& value) { return isNumber(value); })) continue;
        data.append(line);
        cells += values.size();
    }
    const int row = step.Number(0);
    const qsizetype needed = row + std::min(data.size(), (cells + 2) / 3);
    if (data.isEmpty() || row >= was->stored.value(rowsKey).toInt()) return;
    if (now->stored.value(rowsKey).toInt() < needed)
        problems.append(QStringLiteral("paste: %1 data lines pasted at row %2 left %3 events: rows were dropped")
                            .arg(data.size())
                            .arg(row)
                            .arg(now->stored.value(rowsKey)));
    const QStringList first = data.constFirst().split(QLatin1Char('\t'));
    const int month = first.value(0).toInt();
    const QString pastedRow = now->stored.value(QStringLiteral("eventTable:row") + QString::number(row));
    if (first.size() == 3 && !first.contains(QString()) && month >= 1 && month <= 12 &&
        pastedRow.section(QLatin1Char('\t'), 0, 0) != first.value(0))
        problems.append(QStringLiteral("paste: row %1 holds \"%2\", not the first line pasted, \"%3\"")
                            .arg(row)
                            .arg(pastedRow, data.constFirst()));
}

void Invariants::CheckFrame(const Step& step, const QList<Project>& after, QStringList& problems) const
{
    if (kWholeProjectSteps.contains(step.verb)) return;
    const bool units = step.verb == QLatin1String("select") && step.Word(0) == QLatin1String("unitsList");
    if (step.verb == QLatin1String("select") && step.Word(1) != QLatin1String("wheel")) return;
    for (const Project& now : after) {
        const Project* was = Find(before, now.document);
        if (was == nullptr) continue;
        // What was typed into the window, or shown there by f(K), may be stored on the way.
        const QSet<QString> pending = Pending(*was);
        const bool onTarget = now.document == target;
        const auto allowed = [&](const QString& key) {
            if (!isValueKey(key) || pending.contains(widgetOf(key))) return true;
            if (!onTarget) return false;
            const QString aspect = key.mid(key.lastIndexOf(QLatin1Char(':')) + 1);
            if (step.verb == QLatin1String("type")) return widgetOf(key) == driver.Log().typedInto;
            if (step.verb == QLatin1String("radio")) return aspect == QLatin1String("checked");
            // The menu's Bench && Bottomland checks the form's switch too.
            if (step.verb == QLatin1String("bench")) return widgetOf(key) == QLatin1String("benchBottomlandCheck");
            if (step.verb == QLatin1String("select")) return !units && widgetOf(key) == step.Word(0);
            return kTableSteps.contains(step.verb) && aspect.startsWith(QLatin1String("row"));
        };
        const QStringList changed = differences(was->stored, now.stored, false, allowed);
        if (!changed.isEmpty())
            problems.append(QStringLiteral("frame: the step changed %1 where it should not: %2")
                                .arg(now.title, firstLines(changed)));
    }
}

}  // namespace guifuzz

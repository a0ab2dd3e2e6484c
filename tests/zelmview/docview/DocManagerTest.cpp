// The document/view layer: types made from their description strings, opening by path, the
// recent-file list, the save question and view updates.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "docview/DocManager.h"
#include "docview/DocTemplate.h"
#include "docview/Document.h"
#include "docview/MessageSink.h"
#include "docview/ProfileStore.h"
#include "docview/SaveQuestion.h"
#include "docview/View.h"

using namespace docview;

namespace {

const QString kOutputDescription = QStringLiteral(
    "\nTransient Out\nTransient Out\nTransient Output Files (*.otr)\n.otr\nZELMOutput.Document\nZELMOutput Document");
const QString kRiskDescription = QStringLiteral(
    "\nZELMRisk\nZELMRisk\nRisk Analysis Input Files (*.rsk)\n.RSK\nZELMRisk.Document\nZELMRisk Document");

class TextDocument : public Document {
public:
    bool OnSaveDocument(const QString& path) override
    {
        savedTo = path;
        return Document::OnSaveDocument(path);
    }
    QString savedTo;
};

enum class TestHint { Everything = 0, Seven = 7 };

class CountingView : public View {
public:
    using View::View;
    void OnUpdate(UpdateHint hint) override { hints.append(hint.As<TestHint>()); }
    QList<TestHint> hints;
};

std::unique_ptr<DocTemplate> makeType(int id, const QString& description)
{
    return std::make_unique<DocTemplate>(
        id, description, [] { return new TextDocument; },
        [](Document* document) { return new CountingView(document); });
}

QString writeFile(const QDir& folder, const QString& name)
{
    const QString path = folder.filePath(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write("text\n");
    return path;
}

}  // namespace

class DocManagerTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void openDialogFiltersFollowTheRegistrationOrderAndBothLetterCases();
    void extensionsMatchInEitherLetterCase();
    void openingAnOpenDocumentActivatesItInsteadOfOpeningItTwice();
    void aFileThatCannotBeReadShowsOneMessageAndOpensNothing();
    void recentFilesKeepFourNewestFirstAcrossRuns();
    void saveQuestionCancelKeepsTheDocumentAndNoClosesIt();
    void saveQuestionYesSavesAnUntitledDocumentUnderTheChosenPath();
    void updatesReachEveryView();
    void closingTheLastViewClosesTheDocument();
    void aClosedDocumentMayOutliveItsManager();

private:
    QTemporaryDir config;
    QTemporaryDir files;
};

void DocManagerTest::initTestCase()
{
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
}

void DocManagerTest::init()
{
    openProfileStore()->clear();
}

void DocManagerTest::openDialogFiltersFollowTheRegistrationOrderAndBothLetterCases()
{
    DocManager manager;
    manager.AddDocTemplate(makeType(131, kRiskDescription));
    manager.AddDocTemplate(makeType(130, kOutputDescription));
    QCOMPARE(manager.FileOpenFilters(),
             QStringList({QStringLiteral("All Drainage Files (*.rsk *.RSK *.otr *.OTR)"),
                          QStringLiteral("Risk Analysis Input Files (*.rsk *.RSK)"),
                          QStringLiteral("Transient Output Files (*.otr *.OTR)"), QStringLiteral("All Files (*)")}));
}

void DocManagerTest::extensionsMatchInEitherLetterCase()
{
    DocManager manager;
    DocTemplate* output = manager.AddDocTemplate(makeType(130, kOutputDescription));
    DocTemplate* risk = manager.AddDocTemplate(makeType(131, kRiskDescription));
    QCOMPARE(manager.FindTemplateForPath(QStringLiteral("/x/RUN.OTR")), output);
    QCOMPARE(manager.FindTemplateForPath(QStringLiteral("/x/farm.rsk")), risk);
    QCOMPARE(manager.FindTemplateForPath(QStringLiteral("/x/farm.otr.txt")), nullptr);
}

void DocManagerTest::openingAnOpenDocumentActivatesItInsteadOfOpeningItTwice()
{
    DocManager manager;
    DocTemplate* output = manager.AddDocTemplate(makeType(130, kOutputDescription));
    const QString path = writeFile(QDir(files.path()), QStringLiteral("a.OTR"));
    Document* first = manager.OpenDocumentFile(path);
    QVERIFY(first != nullptr);
    QCOMPARE(first->GetPathName(), path);
    QCOMPARE(manager.OpenDocumentFile(path), first);
    QCOMPARE(output->GetDocuments().size(), 1);
    manager.CloseAllDocuments();
    QVERIFY(output->GetDocuments().isEmpty());
}

void DocManagerTest::aFileThatCannotBeReadShowsOneMessageAndOpensNothing()
{
    MessageRecorder messages;
    DocManager manager;
    DocTemplate* output = manager.AddDocTemplate(makeType(130, kOutputDescription));
    const QString missing = files.filePath(QStringLiteral("missing.OTR"));
    QCOMPARE(manager.OpenDocumentFile(missing), nullptr);
    QCOMPARE(messages.messages(), QStringList(QStringLiteral("Failed to open document ") + missing));
    QVERIFY(output->GetDocuments().isEmpty());
}

void DocManagerTest::recentFilesKeepFourNewestFirstAcrossRuns()
{
    const QDir folder(files.path());
    QStringList paths;
    for (int index = 1; index <= 5; ++index) paths.append(writeFile(folder, QStringLiteral("r%1.otr").arg(index)));
    {
        DocManager manager;
        manager.LoadStdProfileSettings(4);
        manager.AddDocTemplate(makeType(130, kOutputDescription));
        for (const QString& path : paths) manager.OpenDocumentFile(path);
    }
    DocManager nextRun;
    nextRun.LoadStdProfileSettings(4);
    QCOMPARE(nextRun.GetRecentFiles().GetFiles(), QStringList({paths.at(4), paths.at(3), paths.at(2), paths.at(1)}));
}

void DocManagerTest::saveQuestionCancelKeepsTheDocumentAndNoClosesIt()
{
    DocManager manager;
    DocTemplate* output = manager.AddDocTemplate(makeType(130, kOutputDescription));
    Document* document = manager.NewDocument(output);
    QCOMPARE(document->GetTitle(), QStringLiteral("Transient Out1"));
    document->SetModifiedFlag();

    QStringList asked;
    SaveAnswer answer = SaveAnswer::Cancel;
    const auto previous = setSaveChangesHandler([&](const QString& title) {
        asked.append(title);
        return answer;
    });
    document->OnFileClose();
    QCOMPARE(output->GetDocuments().size(), 1);
    answer = SaveAnswer::Discard;
    document->OnFileClose();
    QVERIFY(output->GetDocuments().isEmpty());
    QCOMPARE(asked, QStringList({QStringLiteral("Transient Out1"), QStringLiteral("Transient Out1")}));
    setSaveChangesHandler(previous);
}

void DocManagerTest::saveQuestionYesSavesAnUntitledDocumentUnderTheChosenPath()
{
    DocManager manager;
    manager.LoadStdProfileSettings(4);
    DocTemplate* output = manager.AddDocTemplate(makeType(130, kOutputDescription));
    auto* document = static_cast<TextDocument*>(manager.NewDocument(output));
    document->SetModifiedFlag();
    const QString chosen = files.filePath(QStringLiteral("saved.otr"));
    const auto previousAnswer = setSaveChangesHandler([](const QString&) { return SaveAnswer::Save; });
    const auto previousPath = setSaveAsPathHandler([&](const Document&) { return chosen; });
    QVERIFY(manager.SaveAllModified());
    QCOMPARE(document->savedTo, chosen);
    QVERIFY(!document->IsModified());
    QCOMPARE(manager.GetRecentFiles().GetFiles().value(0), chosen);

    // A cancelled Save As dialog cancels the whole question.
    document->SetModifiedFlag();
    document->SetPathName(QString());
    setSaveAsPathHandler([](const Document&) { return QString(); });
    QVERIFY(!manager.SaveAllModified());
    setSaveChangesHandler(previousAnswer);
    setSaveAsPathHandler(previousPath);
    manager.CloseAllDocuments();
}

void DocManagerTest::updatesReachEveryView()
{
    TextDocument document;
    CountingView first(&document);
    CountingView second(&document);
    document.UpdateAllViews(TestHint::Seven);
    document.UpdateAllViews();
    const QList<TestHint> both = {TestHint::Seven, TestHint::Everything};
    QCOMPARE(first.hints, both);
    QCOMPARE(second.hints, both);
}

void DocManagerTest::closingTheLastViewClosesTheDocument()
{
    DocManager manager;
    DocTemplate* output = manager.AddDocTemplate(makeType(130, kOutputDescription));
    QPointer<Document> document = manager.NewDocument(output);
    QPointer<View> view = document->GetViews().constFirst();
    delete view.data();
    QVERIFY(output->GetDocuments().isEmpty());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(document.isNull());
}

void DocManagerTest::aClosedDocumentMayOutliveItsManager()
{
    QPointer<Document> document;
    {
        DocManager manager;
        document = manager.NewDocument(manager.AddDocTemplate(makeType(130, kOutputDescription)));
        document->OnCloseDocument();
    }
    // Its deferred deletion comes after the manager and its types are gone.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(document.isNull());
}

QTEST_MAIN(DocManagerTest)
#include "DocManagerTest.moc"

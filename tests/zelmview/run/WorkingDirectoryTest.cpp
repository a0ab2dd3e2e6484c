// The user's copy of the installed examples: made once, completed when files are missing, never
// overwriting what the user changed.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "run/WorkingDirectory.h"

namespace {

void writeFile(const QString& path, const QByteArray& bytes, QFile::Permissions permissions)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    QFile::setPermissions(path, permissions);
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class InstalledExamples : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir().mkpath(installed()));
        const QFile::Permissions readOnly = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
        writeFile(installed() + "/hillcrest.trn", "installed hillcrest", readOnly);
        writeFile(installed() + "/terrace.rsk", "installed terrace", readOnly);
    }
    QString installed() const { return root.filePath("usr/share/zelm/examples"); }
    QString documents() const { return root.filePath("home/Documents"); }

    QTemporaryDir root;
};

TEST_F(InstalledExamples, LieInTheShareFolderBesideTheProgramFolder)
{
    EXPECT_EQ(zelm::installedExamplesBeside(root.filePath("usr/bin/")), installed());
    EXPECT_EQ(zelm::installedExamplesBeside(root.filePath("usr/bin")), installed());
}

TEST_F(InstalledExamples, AreCopiedIntoTheDocumentsFolderWritable)
{
    const QString copy = zelm::copyInstalledExamples(installed(), documents());
    EXPECT_EQ(copy, documents() + "/zelm-examples");
    EXPECT_EQ(fileBytes(copy + "/hillcrest.trn"), "installed hillcrest");
    EXPECT_EQ(fileBytes(copy + "/terrace.rsk"), "installed terrace");
    EXPECT_TRUE(QFile::permissions(copy + "/hillcrest.trn") & QFile::WriteOwner);
}

TEST_F(InstalledExamples, NeverOverwriteTheUsersEditsButReplaceWhatWasDeleted)
{
    const QString copy = zelm::copyInstalledExamples(installed(), documents());
    writeFile(copy + "/hillcrest.trn", "edited by the user", QFile::ReadOwner | QFile::WriteOwner);
    QFile::remove(copy + "/terrace.rsk");

    EXPECT_EQ(zelm::copyInstalledExamples(installed(), documents()), copy);
    EXPECT_EQ(fileBytes(copy + "/hillcrest.trn"), "edited by the user");
    EXPECT_EQ(fileBytes(copy + "/terrace.rsk"), "installed terrace");
}

TEST_F(InstalledExamples, StayWhereTheyAreWhenNoCopyCanBeMade)
{
    // A file where the documents folder should be: no folder can be made inside it.
    writeFile(root.filePath("home"), "not a folder", QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_EQ(zelm::copyInstalledExamples(installed(), documents()), installed());
    EXPECT_EQ(zelm::copyInstalledExamples(installed(), QString()), installed());
}

}  // namespace

// The first start works in the examples: beside the start folder when they are there, else beside
// the program (this test runs in the build tree, whose examples lie beside build/bin).
TEST(StartFolder, FallsBackToTheExamplesBesideTheProgram)
{
    int argc = 1;
    char name[] = "WorkingDirectoryTest";
    char* argv[] = {name, nullptr};
    QCoreApplication application(argc, argv);
    QTemporaryDir elsewhere;
    const QString besideProgram = QDir::cleanPath(QCoreApplication::applicationDirPath() + "/../examples");
    ASSERT_TRUE(QFileInfo(besideProgram).isDir());

    EXPECT_EQ(zelm::chooseWorkingDirectory({}, elsewhere.path()), besideProgram);
    EXPECT_EQ(zelm::chooseWorkingDirectory(QStringLiteral("/stored"), elsewhere.path()), QStringLiteral("/stored"));
    ASSERT_TRUE(QDir(elsewhere.path()).mkpath("start/../examples"));
    EXPECT_EQ(zelm::chooseWorkingDirectory({}, elsewhere.filePath("start")), elsewhere.filePath("start/../examples"));
}

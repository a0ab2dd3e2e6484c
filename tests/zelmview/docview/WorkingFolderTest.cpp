// The working folder: names taken in it, folders it cannot enter, and the hand-over between the
// application's folder and the layer's own.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "docview/WorkingFolder.h"

namespace {

TEST(WorkingFolder, TakesNamesInItAndStaysWhereItIsWhenAFolderCannotBeEntered)
{
    QTemporaryDir work;
    docview::WorkingFolder folder;
    ASSERT_TRUE(folder.MoveTo(work.path()));
    const QString entered = QDir(work.path()).canonicalPath();
    EXPECT_EQ(folder.Path(), entered);
    EXPECT_EQ(QDir::currentPath(), entered);
    EXPECT_EQ(folder.FilePath("north.trn"), entered + "/north.trn");
    EXPECT_EQ(folder.FilePath("/data/north.trn"), "/data/north.trn");

    EXPECT_FALSE(folder.MoveTo(work.filePath("gone")));
    EXPECT_FALSE(folder.MoveTo({}));
    EXPECT_EQ(folder.Path(), entered);
    EXPECT_EQ(QDir::currentPath(), entered);
}

TEST(WorkingFolder, TheApplicationsFolderHandsBackWhereItWas)
{
    QTemporaryDir started, moved;
    ASSERT_TRUE(docview::workingFolder().MoveTo(started.path()));
    docview::WorkingFolder application;
    docview::WorkingFolder* previous = docview::installWorkingFolder(&application);
    EXPECT_EQ(&docview::workingFolder(), &application);
    ASSERT_TRUE(application.MoveTo(moved.path()));

    docview::installWorkingFolder(previous);
    EXPECT_EQ(docview::workingFolder().Path(), QDir(moved.path()).canonicalPath());
}

}  // namespace

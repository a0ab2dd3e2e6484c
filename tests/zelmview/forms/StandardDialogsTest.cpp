// The standard dialogs behind the document layer: once installed, a message reaches the user as
// the box captioned "ZELM" with its one OK button.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "docview/MessageSink.h"
#include "forms/StandardDialogs.h"

namespace {

TEST(StandardDialogs, AMessageShowsAModalBoxCaptionedZelmWithOneOkButton)
{
    QString caption, text;
    QList<QAbstractButton*> buttons;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        caption = box->windowTitle();
        text = box->text();
        buttons = box->buttons();
        box->button(QMessageBox::Ok)->click();
    });
    docview::showMessage("Unable to open /tmp/x.trn");
    EXPECT_EQ(caption, "ZELM");
    EXPECT_EQ(text, "Unable to open /tmp/x.trn");
    EXPECT_EQ(buttons.size(), 1);
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    forms::installStandardDialogs();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

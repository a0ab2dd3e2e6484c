// The message sink: the real box the user sees once the standard dialogs are installed, and the
// recorder that tests put in its place.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "docview/MessageSink.h"
#include "docview/StandardDialogs.h"

namespace {

TEST(MessageSink, ShowsAModalBoxCaptionedZelmWithOneOkButton)
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

TEST(MessageSink, RecordersCollectMessagesAndRestoreTheHandlerBefore)
{
    QStringList outer;
    const docview::MessageHandler original =
        docview::setMessageHandler([&](const QString& text) { outer.append(text); });
    {
        docview::MessageRecorder recorder;
        docview::showMessage("first");
        docview::showMessage("second");
        EXPECT_EQ(recorder.messages(), QStringList({"first", "second"}));
    }
    docview::showMessage("third");
    EXPECT_EQ(outer, QStringList("third"));
    docview::setMessageHandler(original);
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    docview::InstallStandardDialogs();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

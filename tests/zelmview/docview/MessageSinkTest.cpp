// The message sink: the recorder that tests put in place of the box the user sees (the box
// itself is tested with the standard dialogs in forms/).
#include <gtest/gtest.h>

#include "docview/MessageSink.h"

namespace {

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

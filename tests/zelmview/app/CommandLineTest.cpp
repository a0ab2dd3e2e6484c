// The command line: files named on their own open as after "--open"; "--help" and "--version"
// print and end at once, without a display.
#include <gtest/gtest.h>

#include <QProcess>

#include "app/CommandLine.h"

TEST(CommandLine, FilesOpenWhetherNamedAfterOpenOrOnTheirOwn)
{
    EXPECT_EQ(commandline::filesToOpen({"north.trn", "--no-splash", "--open", "south.otr"}),
              (QStringList{"north.trn", "south.otr"}));
    // After "--" a name that looks like an option is a file.
    EXPECT_EQ(commandline::filesToOpen({"--", "--odd name.trn"}), QStringList{"--odd name.trn"});
    EXPECT_TRUE(commandline::filesToOpen({"--no-splash"}).isEmpty());
    EXPECT_FALSE(commandline::splashWanted({"north.trn", "--no-splash"}));
    EXPECT_TRUE(commandline::splashWanted({"--", "--no-splash"}));
}

TEST(CommandLine, HelpAndVersionPrintInsteadOfStarting)
{
    EXPECT_FALSE(commandline::printedReply({"north.trn"}).has_value());
    EXPECT_FALSE(commandline::printedReply({"--", "--help"}).has_value());
    ASSERT_TRUE(commandline::printedReply({"north.trn", "--version"}).has_value());
    EXPECT_EQ(*commandline::printedReply({"--version"}), "zelmview " ZELMVIEW_VERSION "\n");
    EXPECT_TRUE(commandline::printedReply({"--help", "--version"})->startsWith("Usage: zelmview"));
}

TEST(CommandLine, TheProgramPrintsAndEndsWithoutADisplay)
{
    for (const QString option : {"--help", "--version"}) {
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        // No platform at all: the program must end before it would need one.
        environment.remove("DISPLAY");
        environment.remove("WAYLAND_DISPLAY");
        environment.insert("QT_QPA_PLATFORM", "xcb");
        program.setProcessEnvironment(environment);
        program.start(ZELMVIEW_BINARY, {option});
        ASSERT_TRUE(program.waitForFinished(10000));
        EXPECT_EQ(program.exitCode(), 0);
        EXPECT_EQ(QString::fromLocal8Bit(program.readAllStandardOutput()), *commandline::printedReply({option}));
    }
}

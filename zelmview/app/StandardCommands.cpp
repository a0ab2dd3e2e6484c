#include "app/StandardCommands.h"

#include "docview/CommandIds.h"

using namespace docview;

QList<CommandSpec> StandardCommands()
{
    const auto command = [](int id, const QString& text, const QString& prompt,
                            QKeySequence::StandardKey standardKey = QKeySequence::UnknownKey) {
        return CommandSpec{.id = id, .text = text, .prompt = prompt, .standardKey = standardKey};
    };
    const auto toggle = [](int id, const QString& text, const QString& prompt) {
        return CommandSpec{.id = id, .text = text, .prompt = prompt, .checkable = true};
    };
    return {
        command(kFileNew, QStringLiteral("&New..."), QStringLiteral("Create a new document\nNew"), QKeySequence::New),
        command(kFileOpen, QStringLiteral("&Open..."), QStringLiteral("Open an existing document\nOpen"),
                QKeySequence::Open),
        command(kFileClose, QStringLiteral("&Close"), QStringLiteral("Close the active document\nClose"),
                QKeySequence::Close),
        command(kFileSave, QStringLiteral("&Save"), QStringLiteral("Save the active document\nSave"),
                QKeySequence::Save),
        command(kFileSaveAs, QStringLiteral("Save &As..."),
                QStringLiteral("Save the active document with a new name\nSave As"), QKeySequence::SaveAs),
        command(kFilePrint, QStringLiteral("&Print..."), QStringLiteral("Print the active document\nPrint"),
                QKeySequence::Print),
        command(kFilePrintPreview, QStringLiteral("Print Pre&view"),
                QStringLiteral("Display full pages\nPrint Preview")),
        command(kAppExit, QStringLiteral("E&xit"),
                QStringLiteral("Quit the application; prompts to save documents\nExit"), QKeySequence::Quit),
        toggle(kViewToolBar, QStringLiteral("&Toolbar"), QStringLiteral("Show or hide the toolbar\nToggle ToolBar")),
        toggle(kViewStatusBar, QStringLiteral("&Status Bar"),
               QStringLiteral("Show or hide the status bar\nToggle StatusBar")),
        command(kWindowNew, QStringLiteral("&New Window"),
                QStringLiteral("Open another window for the active document\nNew Window")),
        command(kWindowCascade, QStringLiteral("&Cascade"),
                QStringLiteral("Arrange windows so they overlap\nCascade Windows")),
        command(kWindowTileHorizontal, QStringLiteral("&Tile"),
                QStringLiteral("Arrange windows as non-overlapping tiles\nTile Windows")),
        command(kWindowArrange, QStringLiteral("&Arrange Icons"),
                QStringLiteral("Arrange icons at the bottom of the window\nArrange Icons")),
        command(kHelpFinder, QStringLiteral("&Help Topics"), QStringLiteral("List Help topics\nHelp Topics")),
        command(kHelp, QStringLiteral("Help"), {}, QKeySequence::HelpContents),
        command(kContextHelp, QStringLiteral("What's This"), {}, QKeySequence::WhatsThis),
        CommandSpec{.id = kNextPane,
                    .text = QStringLiteral("Ne&xt Window"),
                    .key = QKeySequence(Qt::Key_F6),
                    .prompt = QStringLiteral("Switch to the next window\nNext Window")},
        CommandSpec{.id = kPreviousPane,
                    .text = QStringLiteral("Pre&vious Window"),
                    .key = QKeySequence(Qt::SHIFT | Qt::Key_F6),
                    .prompt = QStringLiteral("Switch to the previous window\nPrevious Window")},
        command(kAppAbout, QStringLiteral("&About zelmView..."),
                QStringLiteral("Display program information, version number and copyright\nAbout")),
    };
}

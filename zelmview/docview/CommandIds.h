// The standard command ids of the file, edit, view, window and help menus and of the status-bar
// indicators. Menu items, tool-bar buttons and accelerators carry them as their "controlId", and
// views and documents recognise them in OnCommand.
#pragma once

namespace docview {

enum StandardCommand : int {
    kFileNew = 57600,
    kFileOpen = 57601,
    kFileClose = 57602,
    kFileSave = 57603,
    kFileSaveAs = 57604,
    kFilePrintDirect = 57606,
    kFilePrint = 57607,
    kFilePrintPreview = 57609,
    kFileMruFirst = 57616,
    kEditClear = 57632,
    kEditCopy = 57634,
    kEditCut = 57635,
    kEditPaste = 57637,
    kEditUndo = 57643,
    kEditRedo = 57644,
    kWindowNew = 57648,
    kWindowArrange = 57649,
    kWindowCascade = 57650,
    kWindowTileHorizontal = 57651,
    kAppAbout = 57664,
    kAppExit = 57665,
    kHelpFinder = 57667,
    kContextHelp = 57669,
    kHelp = 57670,
    kNextPane = 57680,
    kPreviousPane = 57681,
    kViewToolBar = 59392,
    kViewStatusBar = 59393,
    kIndicatorCaps = 59137,
    kIndicatorNum = 59138,
    kIndicatorScroll = 59139,
};

}  // namespace docview

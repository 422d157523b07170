#pragma once
// Numbers of Quellhort's main window, its controls, commands, popup menus, images and fonts.

namespace shell {

constexpr int kMainWindow = 0;

// Controls of the main window.
constexpr int kSearchField = 1;
constexpr int kSearchButton = 2;
constexpr int kLibraryTree = 3;
constexpr int kViewer = 4;
constexpr int kSplitter = 5;

// Commands: menu items, toolbar buttons and popup items share these numbers.
enum Command : int {
    kCmdUpdater = 1,
    kCmdQuit = 2,
    kCmdExpandAll = 3,
    kCmdCollapseAll = 4,
    kCmdCreateCategory = 5,
    kCmdRemoveCategory = 6,
    kCmdAddCode = 7,
    kCmdRemoveCode = 8,
    kCmdRemoveEverything = 9,
    kCmdSubmitCode = 10,
    kCmdAddTemplates = 11,
    kCmdAbout = 12,
    kCmdCopy = 13,
    kCmdSelectAll = 14,
    kCmdChangeIdePath = 15,
    kCmdIconSize16 = 16,
    kCmdIconSize24 = 17,
    kCmdIconSize32 = 18,
    kCmdOpenInIde = 19,
    kCmdShowLinks = 20,
    kCmdFirstLink = 100,
    kCmdLastLink = 130,
};

constexpr int kLinksPopup = 1;
constexpr int kViewerPopup = 2;

// Images 1-14 come from Grafiken; the IDE icon and the program's own icon follow them.
constexpr int kImageRemoveCode = 1;
constexpr int kImageAddCode = 2;
constexpr int kImageRemoveCategory = 3;
constexpr int kImageCreateCategory = 4;
constexpr int kImageSubmitCode = 6;
constexpr int kImageUpdater = 7;
constexpr int kImageRemoveEverything = 8;
constexpr int kImageExpand = 9;
constexpr int kImageTemplates = 10;
constexpr int kImageInformation = 11;
constexpr int kImageCollapse = 12;
constexpr int kImageLinks = 13;
constexpr int kImageBanner = 14;
constexpr int kImageIde = 15;
constexpr int kImageProgram = 16;

constexpr int kCaptionFont = 1;

// The highlighting module beside the program, loaded by the viewer by file name.
inline constexpr const char* kHighlighterFile = "SyntaxHilighting.so";

}  // namespace shell

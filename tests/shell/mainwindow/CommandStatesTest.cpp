#include "../QuellhortFixture.h"

#include "shell/Identifiers.h"

#include <QApplication>
#include <QWidget>

using namespace testsupport;
using namespace shell;

namespace {

class CommandStatesTest : public QuellhortFixture {
protected:
    bool startWith(int administratorMode, const char* idePath = "/opt/pb/purebasic") {
        installProgram();
        writeSettings(
            QStringLiteral("[Einstellungen]\r\nPBPfad = %1\r\nAdministratormodus = %2\r\n")
                .arg(idePath)
                .arg(administratorMode)
                .toUtf8());
        return start();
    }
    // Two categories listed out of order, one without a code index, a title in two categories,
    // and an empty line as a name.
    void writeLibrary() {
        writeFile("Einstellungen/Kategorien.ini", "Fenster\r\nDateien\r\nLeer\r\n\r\n");
        writeFile("Einstellungen/Fenster.ini", "Zentrieren\r\nGemeinsam\r\n");
        writeFile("Einstellungen/Dateien.ini", "Gemeinsam\r\n\r\nLesen");
        writeFile("Codes/Fenster/Zentrieren.pb", "; Fenster zentrieren\r\nIf OpenWindow(0)");
        writeFile("Codes/Fenster/Gemeinsam.pb", "; aus Fenster");
        writeFile("Codes/Dateien/Gemeinsam.pb", "; aus Dateien");
        writeFile("Einstellungen/Fenster/Zentrieren.ini",
                  "GetWindowRect\r\nhttps://example.invalid/GetWindowRect\r\n"
                  "MoveWindow\r\nhttps://example.invalid/MoveWindow\r\n"
                  "SetWindowPos\r\nhttps://example.invalid/SetWindowPos\r\n");
    }
    std::vector<std::string> treeItems() const {
        std::vector<std::string> items;
        for (int i = 0; i < ui::ItemCount(kLibraryTree); ++i) {
            items.push_back(std::to_string(ui::TreeItemLevel(kLibraryTree, i)) + ":" +
                            ui::TreeItemText(kLibraryTree, i));
        }
        return items;
    }
    void select(int item) {
        ui::testing::SelectTreeItem(kLibraryTree, item);
        ASSERT_TRUE(pump());
    }
};

TEST_F(CommandStatesTest, TreeAndCountsComeFromTheIndexes) {
    writeLibrary();
    ASSERT_TRUE(startWith(0));
    EXPECT_EQ(treeItems(),
              (std::vector<std::string>{"0:Fenster", "1:Zentrieren", "1:Gemeinsam", "0:Dateien",
                                        "1:Gemeinsam", "1:", "1:Lesen", "0:Leer", "0:"}));
    EXPECT_EQ(ui::StatusText(0), "4 Kategorien, 5 Codes");
    EXPECT_EQ(ui::CurrentTreeItem(kLibraryTree), -1);
    for (int item : {0, 3}) {
        EXPECT_FALSE(ui::IsTreeItemExpanded(kLibraryTree, item));
    }
}

TEST_F(CommandStatesTest, EmptyLibraryDisablesWhatNeedsATree) {
    for (int admin : {0, 1}) {
        SCOPED_TRACE(admin);
        ASSERT_TRUE(startWith(admin));
        EXPECT_EQ(ui::StatusText(0), "0 Kategorien, 0 Codes");
        for (int command : {kCmdExpandAll, kCmdCollapseAll, kCmdAddTemplates}) {
            EXPECT_FALSE(ui::IsCommandEnabled(command)) << command;
        }
        EXPECT_FALSE(ui::IsControlEnabled(kSearchField));
        EXPECT_TRUE(ui::IsCommandEnabled(kCmdSubmitCode));
        for (int command : {kCmdRemoveCategory, kCmdRemoveCode, kCmdRemoveEverything}) {
            EXPECT_EQ(ui::CommandExists(command), admin == 1) << command;
            EXPECT_FALSE(ui::IsCommandEnabled(command)) << command;
        }
        for (int command : {kCmdCreateCategory, kCmdAddCode}) {
            EXPECT_EQ(ui::CommandExists(command), admin == 1) << command;
            EXPECT_EQ(ui::IsCommandEnabled(command), admin == 1) << command;
        }
        const std::vector<int> normal = {3, 4, 0, 10, 11, 0, 19, 20, 0, 1, 12};
        const std::vector<int> administrator = {3,  4,  5, 6,  7,  8, 9, 0,
                                                10, 11, 0, 19, 20, 0, 1, 12};
        EXPECT_EQ(ui::ToolBarLayout(0), admin == 1 ? administrator : normal);
        EXPECT_EQ(ui::ToolBarTooltip(kCmdExpandAll), "Kategorie aufklappen");
        EXPECT_EQ(ui::MenuItemText(kCmdOpenInIde), Ansi("Code in PureBasic öffnen"));
        ui::ResetAll();
    }
}

TEST_F(CommandStatesTest, SelectionDecidesTheCodeCommands) {
    for (const char* idePath : {"/opt/pb/purebasic", "0"}) {
        SCOPED_TRACE(idePath);
        writeLibrary();
        ASSERT_TRUE(startWith(0, idePath));
        EXPECT_TRUE(ui::IsControlEnabled(kSearchField));
        EXPECT_FALSE(ui::IsCommandEnabled(kCmdOpenInIde));
        EXPECT_FALSE(ui::IsCommandEnabled(kCmdShowLinks));
        select(4);  // "Gemeinsam" under "Dateien"
        EXPECT_TRUE(ui::IsCommandEnabled(kCmdShowLinks));
        EXPECT_EQ(ui::IsCommandEnabled(kCmdOpenInIde), std::string(idePath) != "0");
        select(0);
        EXPECT_FALSE(ui::IsCommandEnabled(kCmdOpenInIde));
        EXPECT_FALSE(ui::IsCommandEnabled(kCmdShowLinks));
        ui::ResetAll();
    }
}

TEST_F(CommandStatesTest, CommandLinksListAllAndOpenThirtyOne) {
    writeLibrary();
    QByteArray links;
    for (int n = 1; n <= 35; ++n) {
        links += QByteArray("Befehl") + QByteArray::number(n) + "\r\nhttps://example.invalid/" +
                 QByteArray::number(n) + "\r\n";
    }
    writeFile("Einstellungen/Fenster/Gemeinsam.ini", links);
    ASSERT_TRUE(startWith(0));
    select(2);
    ui::testing::TriggerCommand(kCmdShowLinks);
    ASSERT_TRUE(pump());
    const std::vector<int> commands = ui::PopupMenuCommands(kLinksPopup);
    ASSERT_EQ(commands.size(), 35u);
    EXPECT_EQ(commands.front(), 100);
    EXPECT_EQ(commands.back(), 134);
    EXPECT_EQ(ui::MenuItemText(128), "Befehl29");

    m_startSucceeds = false;  // the links are no programs: the default handler opens them
    for (int command = 100; command <= 134; ++command) {
        ui::PostEvent({ui::EventKind::Menu, command, 0});
    }
    ASSERT_TRUE(pump());
    ASSERT_EQ(m_opened.size(), 31u);
    EXPECT_EQ(m_opened[1], "https://example.invalid/2");
    EXPECT_EQ(m_opened[28], "https://example.invalid/29");
    EXPECT_EQ(m_opened[30], "https://example.invalid/31");
}

TEST_F(CommandStatesTest, MissingLinkFileGivesAnEmptyPopup) {
    writeLibrary();
    ASSERT_TRUE(startWith(0));
    select(4);
    ui::testing::TriggerCommand(kCmdShowLinks);
    ASSERT_TRUE(pump());
    EXPECT_TRUE(ui::PopupMenuCommands(kLinksPopup).empty());
    ui::PostEvent({ui::EventKind::Menu, 100, 0});
    ASSERT_TRUE(pump());
    EXPECT_TRUE(m_opened.empty());
    EXPECT_TRUE(m_started.empty());
}

TEST_F(CommandStatesTest, ViewerRightClickShowsTheCopyPopup) {
    writeLibrary();
    ASSERT_TRUE(startWith(0));
    select(1);
    ui::testing::RightClickControl(kViewer);
    ASSERT_TRUE(pump());
    ASSERT_TRUE(ui::testing::WaitFor([] { return QApplication::activePopupWidget() != nullptr; }));
    EXPECT_EQ(ui::PopupMenuCommands(kViewerPopup), (std::vector<int>{kCmdCopy, kCmdSelectAll}));
    QApplication::activePopupWidget()->close();

    ui::testing::TriggerCommand(kCmdSelectAll);
    ui::testing::TriggerCommand(kCmdCopy);
    ASSERT_TRUE(pump());
    EXPECT_EQ(ui::ClipboardText(), "; Fenster zentrieren\r\nIf OpenWindow(0)");
}

}  // namespace

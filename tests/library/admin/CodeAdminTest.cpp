#include "../LibraryWindowFixture.h"

#include "library/CodeAdmin.h"
#include "library/LibraryTree.h"
#include "library/NameCheck.h"

using namespace testsupport;
using namespace library;

namespace {

constexpr int kCmdAddCode = 7;
constexpr int kCmdRemoveCode = 8;
constexpr int kImageRemoveCode = 1;
constexpr int kImageAddCode = 2;

class CodeAdminTest : public LibraryWindowFixture {
protected:
    // Fenster holds "b" and "C" (sorted), Dateien holds "Gemeinsam" as Fenster does.
    void writeLibrary() {
        writeLibraryFile("Einstellungen/Kategorien.ini", "Fenster\r\nDateien\r\n");
        writeLibraryFile("Einstellungen/Fenster.ini", "b\r\nC\r\nGemeinsam\r\n");
        writeLibraryFile("Einstellungen/Dateien.ini", "Gemeinsam\r\nLesen\r\n");
        for (const char* code : {"Fenster/b", "Fenster/C", "Fenster/Gemeinsam", "Dateien/Gemeinsam",
                                 "Dateien/Lesen"}) {
            writeLibraryFile(QString("Codes/%1.pb").arg(code), std::string("; ") + code);
            writeLibraryFile(QString("Einstellungen/%1.ini").arg(code), "Befehl\r\nLink\r\n");
        }
    }

    void openAddCode() {
        command(kCmdAddCode);
        ASSERT_TRUE(ui::WindowExists(kAddCodeWindow));
    }
    // Types a title and a code of two lines into window 6.
    void fillCode(const std::string& title, const std::string& firstLine,
                  const std::string& secondLine) {
        type(kTitleField, title);
        type(kCodeEditor, firstLine);
        returnIn(kCodeEditor);
        type(kCodeEditor, secondLine);
    }
    void addLink(const std::string& commandName, const std::string& link) {
        click(kAddLinkButton);
        ASSERT_TRUE(ui::WindowExists(kAddLinkWindow));
        type(kCommandField, commandName);
        type(kLinkField, link);
        click(kAppendLinkButton);
        ASSERT_FALSE(ui::WindowExists(kAddLinkWindow));
    }
    int treeItemOf(const std::string& item, int nth = 0) const {
        const std::vector<std::string> items = treeItems(kRemovalTree);
        for (int i = 0; i < static_cast<int>(items.size()); ++i) {
            if (items[i] == item && nth-- == 0) {
                return i;
            }
        }
        return -1;
    }
    void selectForRemoval(int item) {
        ASSERT_GE(item, 0);
        ui::testing::SelectTreeItem(kRemovalTree, item);
        settle();
    }
    struct Place {
        int control, x, y, w, h;
    };
    static void expectPlaces(const std::vector<Place>& places) {
        for (const Place& p : places) {
            SCOPED_TRACE(p.control);
            EXPECT_EQ(ui::ControlX(p.control), p.x);
            EXPECT_EQ(ui::ControlY(p.control), p.y);
            EXPECT_EQ(ui::ControlWidth(p.control), p.w);
            if (p.h >= 0) {
                EXPECT_EQ(ui::ControlHeight(p.control), p.h);
            }
        }
    }
};

TEST_F(CodeAdminTest, AddsACodeWithoutLinksInSortedPlace) {
    writeLibrary();
    startQuellhort();
    openAddCode();
    EXPECT_EQ(ui::WindowTitle(kAddCodeWindow), Ansi("Code hinzufügen"));
    EXPECT_EQ(ui::WindowWidth(kAddCodeWindow), 470);
    EXPECT_EQ(ui::WindowHeight(kAddCodeWindow), 380);
    EXPECT_TRUE(isCentredOn(kAddCodeWindow, 0));
    EXPECT_FALSE(ui::IsWindowEnabled(0));
    const int icon = ui::ImageWidth(kImageAddCode);
    EXPECT_GT(icon, 0);
    expectPlaces({{kAddCodeFrame, 10, 10, 450, 330},
                  {kAddCodeImage, 20, 30, icon, -1},
                  {kTitleLabel, 60, 30, 80, 20},
                  {kCodeCategoryLabel, 60, 60, 80, 20},
                  {kCodeLabel, 60, 90, 80, 20},
                  {kTitleField, 150, 30, 300, 20},
                  {kCodeCategoryChoice, 150, 60, 300, -1},
                  {kCodeEditor, 150, 90, 300, 100},
                  {kLinksLabel, 60, 200, 80, 20},
                  {kLinkList, 150, 200, 300, 100},
                  {kAddLinkButton, 240, 310, 100, 20},
                  {kRemoveLinkButton, 350, 310, 100, 20},
                  {kAddCodeButton, 250, 350, 100, 20},
                  {kAddCodeCancel, 360, 350, 100, 20}});
    const std::pair<int, std::string> texts[] = {{kTitleLabel, "Titel:"},
                                                 {kCodeCategoryLabel, "Kategorie:"},
                                                 {kCodeLabel, "Code:"},
                                                 {kLinksLabel, "MSDN-Links:"},
                                                 {kAddLinkButton, Ansi("Hinzufügen")},
                                                 {kRemoveLinkButton, "Entfernen"},
                                                 {kAddCodeButton, Ansi("Hinzufügen")},
                                                 {kAddCodeCancel, "Abbrechen"},
                                                 {kCodeCategoryChoice, "Fenster"}};
    for (const auto& [control, text] : texts) {
        EXPECT_EQ(ui::GetText(control), text) << control;
    }
    EXPECT_EQ(ui::ItemCount(kCodeCategoryChoice), 2);
    EXPECT_EQ(columnTitles(kLinkList), (std::vector<std::string>{"Befehl", "Link"}));
    EXPECT_EQ(columnWidths(kLinkList), (std::vector<int>{135, 135}));
    EXPECT_FALSE(ui::IsControlEnabled(kRemoveLinkButton));
    EXPECT_FALSE(ui::IsControlEnabled(kAddCodeButton));

    // Both title and code must hold more than spaces.
    type(kTitleField, Ansi(" ä "));
    EXPECT_FALSE(ui::IsControlEnabled(kAddCodeButton));
    type(kCodeEditor, "   ");
    EXPECT_FALSE(ui::IsControlEnabled(kAddCodeButton));
    paste(kCodeEditor, Ansi("   \r\n  Debug \"Größe\""));
    EXPECT_TRUE(ui::IsControlEnabled(kAddCodeButton));
    click(kAddCodeButton);

    EXPECT_FALSE(ui::WindowExists(kAddCodeWindow));
    EXPECT_TRUE(ui::IsWindowEnabled(0));
    EXPECT_EQ(readLibraryFile("Codes/Fenster/ ä .pb"), Ansi("   \r\n  Debug \"Größe\""));
    EXPECT_TRUE(exists("Einstellungen/Fenster/ ä .ini"));
    EXPECT_EQ(readLibraryFile("Einstellungen/Fenster/ ä .ini"), "");
    EXPECT_EQ(readLibraryFile("Einstellungen/Fenster.ini"), Ansi(" ä \r\nb\r\nC\r\nGemeinsam\r\n"));
    EXPECT_EQ(treeItems(kMainTree),
              (std::vector<std::string>{"0:Fenster", Ansi("1: ä "), "1:b", "1:C", "1:Gemeinsam",
                                        "0:Dateien", "1:Gemeinsam", "1:Lesen"}));
    EXPECT_FALSE(ui::IsTreeItemExpanded(kMainTree, 0));
    EXPECT_EQ(ui::CurrentTreeItem(kMainTree), -1);
    EXPECT_EQ(ui::StatusText(0), "2 Kategorien, 6 Codes");
}

TEST_F(CodeAdminTest, AddsTheCommandLinksOfTheListInOrder) {
    writeLibrary();
    startQuellhort();
    openAddCode();
    click(kAddLinkButton);
    ASSERT_TRUE(ui::WindowExists(kAddLinkWindow));
    EXPECT_EQ(ui::WindowTitle(kAddLinkWindow), Ansi("Hinzufügen"));
    EXPECT_EQ(ui::WindowWidth(kAddLinkWindow), 370);
    EXPECT_EQ(ui::WindowHeight(kAddLinkWindow), 130);
    EXPECT_TRUE(isCentredOn(kAddLinkWindow, kAddCodeWindow));
    EXPECT_FALSE(ui::IsWindowEnabled(kAddCodeWindow));
    expectPlaces({{kAddLinkFrame, 10, 10, 350, 80},
                  {kAddLinkImage, 20, 30, ui::ImageWidth(kImageAddCode), -1},
                  {kCommandLabel, 60, 30, 80, 20},
                  {kLinkLabel, 60, 60, 80, 20},
                  {kCommandField, 150, 30, 200, 20},
                  {kLinkField, 150, 60, 200, 20},
                  {kAppendLinkButton, 150, 100, 100, 20},
                  {kAddLinkCancel, 260, 100, 100, 20}});
    EXPECT_EQ(ui::GetText(kCommandLabel), "Befehl:");
    EXPECT_EQ(ui::GetText(kLinkLabel), "Link:");
    EXPECT_EQ(ui::GetText(kAppendLinkButton), Ansi("Hinzufügen"));
    EXPECT_EQ(ui::GetText(kAddLinkCancel), "Abbrechen");
    EXPECT_FALSE(ui::IsControlEnabled(kAppendLinkButton));
    type(kCommandField, " GetWindowRect ");
    EXPECT_FALSE(ui::IsControlEnabled(kAppendLinkButton));
    type(kLinkField, "  ");
    EXPECT_FALSE(ui::IsControlEnabled(kAppendLinkButton));
    type(kLinkField, "https://x/GetWindowRect");
    EXPECT_TRUE(ui::IsControlEnabled(kAppendLinkButton));
    click(kAppendLinkButton);
    EXPECT_FALSE(ui::WindowExists(kAddLinkWindow));
    EXPECT_TRUE(ui::IsWindowEnabled(kAddCodeWindow));
    EXPECT_FALSE(ui::IsWindowEnabled(0));

    addLink("MoveWindow", "https://x/MoveWindow");
    addLink("Weg", "https://x/Weg");
    click(kAddLinkButton);
    type(kCommandField, "Abgebrochen");
    type(kLinkField, "https://x/Abgebrochen");
    click(kAddLinkCancel);
    EXPECT_FALSE(ui::WindowExists(kAddLinkWindow));
    EXPECT_TRUE(ui::IsWindowEnabled(kAddCodeWindow));
    EXPECT_EQ(listRows(kLinkList),
              (std::vector<std::string>{" GetWindowRect |  https://x/GetWindowRect",
                                        "MoveWindow|https://x/MoveWindow", "Weg|https://x/Weg"}));

    ui::testing::SelectListRow(kLinkList, 1);
    settle();
    EXPECT_TRUE(ui::IsControlEnabled(kRemoveLinkButton));
    ui::testing::SelectListRow(kLinkList, 2);
    settle();
    click(kRemoveLinkButton);
    EXPECT_FALSE(ui::IsControlEnabled(kRemoveLinkButton));
    EXPECT_EQ(ui::SelectedListRow(kLinkList), -1);
    EXPECT_EQ(listRows(kLinkList).size(), 2u);

    ui::testing::ChooseComboEntry(kCodeCategoryChoice, 1);
    fillCode("Rechteck", "GetWindowRect_(h, @r)", "MoveWindow_(h, 0, 0, 1, 1, 1)");
    click(kAddCodeButton);
    EXPECT_FALSE(ui::WindowExists(kAddCodeWindow));
    EXPECT_EQ(readLibraryFile("Codes/Dateien/Rechteck.pb"),
              "GetWindowRect_(h, @r)\r\nMoveWindow_(h, 0, 0, 1, 1, 1)");
    EXPECT_EQ(
        readLibraryFile("Einstellungen/Dateien/Rechteck.ini"),
        " GetWindowRect \r\n  https://x/GetWindowRect\r\nMoveWindow\r\nhttps://x/MoveWindow\r\n");
    EXPECT_EQ(readLibraryFile("Einstellungen/Dateien.ini"), "Gemeinsam\r\nLesen\r\nRechteck\r\n");
    EXPECT_EQ(readLibraryFile("Einstellungen/Fenster.ini"), "b\r\nC\r\nGemeinsam\r\n");
}

TEST_F(CodeAdminTest, RefusedTitlesWriteNothingAndKeepTheDialogOpen) {
    writeLibrary();
    startQuellhort();
    const auto before = librarySnapshot();
    for (const char* title : {"a/b", "a\\b", "..", "Was?", "a:b"}) {
        SCOPED_TRACE(title);
        ui::testing::ClearShownMessages();
        openAddCode();
        fillCode(title, "Debug 1", "End");
        click(kAddCodeButton);
        ASSERT_EQ(ui::testing::ShownMessages().size(), 1u);
        const ui::testing::ShownMessage& shown = ui::testing::ShownMessages()[0];
        EXPECT_EQ(shown.title, Ansi("Code hinzufügen"));
        EXPECT_EQ(shown.text, "Der Code ''" + std::string(title) +
                                  Ansi("'' kann nicht hinzugefügt werden.\r") +
                                  NameRefusalReason(title));
        EXPECT_EQ(shown.icon, ui::MessageIcon::Warning);
        EXPECT_EQ(shown.buttons, ui::MessageButtons::Ok);
        EXPECT_TRUE(ui::WindowExists(kAddCodeWindow));
        EXPECT_EQ(librarySnapshot(), before);
        click(kAddCodeCancel);
        EXPECT_FALSE(ui::WindowExists(kAddCodeWindow));
        EXPECT_TRUE(ui::IsWindowEnabled(0));
    }
}

TEST_F(CodeAdminTest, WithoutACategoryToChooseNothingCanBeAdded) {
    writeLibrary();
    startQuellhort();
    writeLibraryFile("Einstellungen/Kategorien.ini", "");  // emptied from outside
    openAddCode();
    EXPECT_EQ(ui::ItemCount(kCodeCategoryChoice), 0);
    fillCode("Titel", "Debug 1", "End");
    EXPECT_FALSE(ui::IsControlEnabled(kAddCodeButton));
    EXPECT_FALSE(AddCode());
    EXPECT_FALSE(exists("Codes/Titel.pb"));
    EXPECT_FALSE(exists("Einstellungen/.ini"));
}

TEST_F(CodeAdminTest, ATitleAlreadyListedIsReplacedOnlyOnYes) {
    writeLibrary();
    startQuellhort();
    const auto before = librarySnapshot();
    openAddCode();
    fillCode("C", "; neu", "End");
    click(kAddCodeButton);  // answered No
    ASSERT_EQ(ui::testing::ShownMessages().size(), 1u);
    const ui::testing::ShownMessage& question = ui::testing::ShownMessages()[0];
    EXPECT_EQ(question.title, Ansi("Code hinzufügen"));
    EXPECT_EQ(question.text, Ansi("Der Code ''C'' ist in der Kategorie ''Fenster'' bereits "
                                  "vorhanden.\rMöchten Sie ihn ersetzen?"));
    EXPECT_EQ(question.icon, ui::MessageIcon::Question);
    EXPECT_EQ(question.buttons, ui::MessageButtons::YesNo);
    EXPECT_TRUE(ui::WindowExists(kAddCodeWindow));
    EXPECT_EQ(librarySnapshot(), before);

    ui::testing::QueueAnswer(ui::Answer::Yes);
    click(kAddCodeButton);
    EXPECT_FALSE(ui::WindowExists(kAddCodeWindow));
    EXPECT_EQ(readLibraryFile("Codes/Fenster/C.pb"), "; neu\r\nEnd");
    EXPECT_EQ(readLibraryFile("Einstellungen/Fenster/C.ini"), "");
    EXPECT_EQ(readLibraryFile("Einstellungen/Fenster.ini"), "b\r\nC\r\nGemeinsam\r\n");
    EXPECT_EQ(ui::StatusText(0), "2 Kategorien, 5 Codes");
}

TEST_F(CodeAdminTest, RemovesTheChosenCodeFromTheCategoryAboveIt) {
    writeLibrary();
    // "Gemeinsam" twice in Dateien: both lines go.
    writeLibraryFile("Einstellungen/Dateien.ini", "Gemeinsam\r\nLesen\r\nGemeinsam\r\n");
    startQuellhort();
    command(kCmdRemoveCode);
    ASSERT_TRUE(ui::WindowExists(kRemoveCodeWindow));
    EXPECT_EQ(ui::WindowTitle(kRemoveCodeWindow), "Entfernen");
    EXPECT_EQ(ui::WindowWidth(kRemoveCodeWindow), 480);
    EXPECT_EQ(ui::WindowHeight(kRemoveCodeWindow), 280);
    EXPECT_TRUE(isCentredOn(kRemoveCodeWindow, 0));
    EXPECT_FALSE(ui::IsWindowEnabled(0));
    expectPlaces({{kRemoveCodeFrame, 10, 10, 460, 230},
                  {kRemoveCodeImage, 20, 30, ui::ImageWidth(kImageRemoveCode), -1},
                  {kRemovalTree, 60, 30, 400, 200},
                  {kRemoveCodeButton, 260, 250, 100, 20},
                  {kRemoveCodeCancel, 370, 250, 100, 20}});
    EXPECT_EQ(ui::GetText(kRemoveCodeButton), "Entfernen");
    EXPECT_EQ(ui::GetText(kRemoveCodeCancel), "Abbrechen");
    EXPECT_EQ(treeItems(kRemovalTree),
              (std::vector<std::string>{"0:Fenster", "1:b", "1:C", "1:Gemeinsam", "0:Dateien",
                                        "1:Gemeinsam", "1:Lesen", "1:Gemeinsam"}));
    EXPECT_TRUE(ui::IsTreeItemExpanded(kRemovalTree, 0));
    EXPECT_TRUE(ui::IsTreeItemExpanded(kRemovalTree, 4));
    EXPECT_EQ(ui::CurrentTreeItem(kRemovalTree), 0);
    EXPECT_FALSE(ui::IsControlEnabled(kRemoveCodeButton));
    EXPECT_EQ(ui::StatusText(0), "2 Kategorien, 6 Codes");  // nothing counted twice

    selectForRemoval(treeItemOf("1:Lesen"));
    EXPECT_TRUE(ui::IsControlEnabled(kRemoveCodeButton));
    selectForRemoval(treeItemOf("0:Dateien"));
    EXPECT_FALSE(ui::IsControlEnabled(kRemoveCodeButton));
    selectForRemoval(treeItemOf("1:Gemeinsam", 2));
    EXPECT_TRUE(ui::IsControlEnabled(kRemoveCodeButton));
    click(kRemoveCodeButton);

    EXPECT_FALSE(ui::WindowExists(kRemoveCodeWindow));
    EXPECT_TRUE(ui::IsWindowEnabled(0));
    EXPECT_FALSE(exists("Codes/Dateien/Gemeinsam.pb"));
    EXPECT_FALSE(exists("Einstellungen/Dateien/Gemeinsam.ini"));
    EXPECT_EQ(readLibraryFile("Einstellungen/Dateien.ini"), "Lesen\r\n");
    EXPECT_FALSE(exists("Einstellungen/Dateien.tmp"));
    EXPECT_TRUE(exists("Codes/Fenster/Gemeinsam.pb"));
    EXPECT_TRUE(exists("Einstellungen/Fenster/Gemeinsam.ini"));
    EXPECT_EQ(readLibraryFile("Einstellungen/Fenster.ini"), "b\r\nC\r\nGemeinsam\r\n");
    EXPECT_EQ(treeItems(kMainTree),
              (std::vector<std::string>{"0:Fenster", "1:b", "1:C", "1:Gemeinsam", "0:Dateien",
                                        "1:Lesen"}));
    EXPECT_EQ(ui::StatusText(0), "2 Kategorien, 4 Codes");
}

TEST_F(CodeAdminTest, AnEmptyRemovalTreeOffersNothingToRemove) {
    writeLibrary();
    startQuellhort();
    writeLibraryFile("Einstellungen/Kategorien.ini", "");  // emptied from outside
    command(kCmdRemoveCode);
    ASSERT_TRUE(ui::WindowExists(kRemoveCodeWindow));
    EXPECT_EQ(ui::ItemCount(kRemovalTree), 0);
    EXPECT_EQ(ui::CurrentTreeItem(kRemovalTree), -1);
    EXPECT_FALSE(ui::IsControlEnabled(kRemoveCodeButton));
    click(kRemoveCodeCancel);
    EXPECT_FALSE(ui::WindowExists(kRemoveCodeWindow));
    EXPECT_TRUE(ui::IsWindowEnabled(0));
}

}  // namespace

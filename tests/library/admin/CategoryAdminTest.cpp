#include "../LibraryWindowFixture.h"

#include "library/CategoryAdmin.h"
#include "library/LibraryTree.h"
#include "library/NameCheck.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace testsupport;
using namespace library;

namespace {

constexpr int kCmdCreateCategory = 5;
constexpr int kCmdRemoveCategory = 6;
constexpr int kCmdRemoveCode = 8;
constexpr int kCmdRemoveEverything = 9;
constexpr int kImageRemoveCategory = 3;
constexpr int kImageCreateCategory = 4;

class CategoryAdminTest : public LibraryWindowFixture {
protected:
    // Two categories out of order, each with one code and its link file.
    void writeLibrary() {
        writeLibraryFile("Einstellungen/Kategorien.ini", "Fenster\r\nDateien\r\n");
        writeLibraryFile("Einstellungen/Fenster.ini", "Zentrieren\r\n");
        writeLibraryFile("Einstellungen/Dateien.ini", "Lesen\r\n");
        writeLibraryFile("Codes/Fenster/Zentrieren.pb", "; Fenster zentrieren");
        writeLibraryFile("Codes/Dateien/Lesen.pb", "; Datei lesen");
        writeLibraryFile("Einstellungen/Fenster/Zentrieren.ini", "MoveWindow\r\nhttps://x/m\r\n");
        writeLibraryFile("Einstellungen/Dateien/Lesen.ini", "");
    }

    struct Place {
        int control, x, y, w, h;
        const char* text;
    };
    static void expectControls(const std::vector<Place>& places) {
        for (const Place& p : places) {
            SCOPED_TRACE(p.control);
            EXPECT_TRUE(ui::ControlExists(p.control));
            EXPECT_EQ(ui::ControlX(p.control), p.x);
            EXPECT_EQ(ui::ControlY(p.control), p.y);
            if (p.w >= 0) {
                EXPECT_EQ(ui::ControlWidth(p.control), p.w);
                EXPECT_EQ(ui::ControlHeight(p.control), p.h);
            }
            if (p.text != nullptr) {
                EXPECT_EQ(ui::GetText(p.control), p.text);
            }
        }
    }
    void expectOneMessage(const std::string& title, const std::string& text, ui::MessageIcon icon,
                          ui::MessageButtons buttons) {
        ASSERT_EQ(ui::testing::ShownMessages().size(), 1u);
        const ui::testing::ShownMessage& shown = ui::testing::ShownMessages()[0];
        EXPECT_EQ(shown.title, title);
        EXPECT_EQ(shown.text, text);
        EXPECT_EQ(shown.icon, icon);
        EXPECT_EQ(shown.buttons, buttons);
    }
};

TEST_F(CategoryAdminTest, CreatesACategoryWithItsSpacesInSortedPlace) {
    writeLibrary();
    startQuellhort();
    command(kCmdCreateCategory);
    ASSERT_TRUE(ui::WindowExists(kCreateCategoryWindow));
    EXPECT_EQ(ui::WindowTitle(kCreateCategoryWindow), "Kategorie erstellen");
    EXPECT_EQ(ui::WindowWidth(kCreateCategoryWindow), 370);
    EXPECT_EQ(ui::WindowHeight(kCreateCategoryWindow), 110);
    EXPECT_TRUE(isCentredOn(kCreateCategoryWindow, 0));
    EXPECT_FALSE(ui::IsWindowEnabled(0));
    expectControls({{kCreateCategoryFrame, 10, 10, 350, 60, ""},
                    {kCreateCategoryImage, 20, 30, ui::ImageWidth(kImageCreateCategory),
                     ui::ImageHeight(kImageCreateCategory), nullptr},
                    {kCreateCategoryLabel, 60, 30, 80, 20, "Name:"},
                    {kCategoryNameField, 150, 30, 200, 20, ""},
                    {kCreateCategoryButton, 150, 80, 100, 20, "Erstellen"},
                    {kCreateCategoryCancel, 260, 80, 100, 20, "Abbrechen"}});
    EXPECT_GT(ui::ImageWidth(kImageCreateCategory), 0);
    EXPECT_FALSE(ui::IsControlEnabled(kCreateCategoryButton));

    type(kCategoryNameField, "   ");
    EXPECT_FALSE(ui::IsControlEnabled(kCreateCategoryButton));
    ui::SetText(kCategoryNameField, "");
    type(kCategoryNameField, Ansi(" Größe "));
    EXPECT_TRUE(ui::IsControlEnabled(kCreateCategoryButton));
    click(kCreateCategoryButton);

    EXPECT_FALSE(ui::WindowExists(kCreateCategoryWindow));
    EXPECT_TRUE(ui::IsWindowEnabled(0));
    EXPECT_TRUE(QFileInfo(path("Codes/ Größe ")).isDir());
    EXPECT_TRUE(QFileInfo(path("Einstellungen/ Größe ")).isDir());
    EXPECT_TRUE(exists("Einstellungen/ Größe .ini"));
    EXPECT_EQ(readLibraryFile("Einstellungen/ Größe .ini"), "");
    EXPECT_EQ(readLibraryFile("Einstellungen/Kategorien.ini"),
              Ansi(" Größe \r\nDateien\r\nFenster\r\n"));
    EXPECT_EQ(treeItems(kMainTree),
              (std::vector<std::string>{Ansi("0: Größe "), "0:Dateien", "1:Lesen", "0:Fenster",
                                        "1:Zentrieren"}));
    EXPECT_EQ(ui::StatusText(0), "3 Kategorien, 2 Codes");
    EXPECT_EQ(ui::CurrentTreeItem(kMainTree), -1);
    EXPECT_TRUE(ui::testing::ShownMessages().empty());
}

TEST_F(CategoryAdminTest, RefusedNamesChangeNothingAndKeepTheDialogOpen) {
    writeLibrary();
    startQuellhort();
    const auto before = librarySnapshot();
    struct Case {
        const char* name;
        std::string text;
    };
    const Case cases[] = {
        {"Fenster", Ansi("Die Kategorie ''Fenster'' ist bereits vorhanden.\rBitte wählen Sie "
                         "einen anderen Namen.")},
        {"Neu/Alt", ""},
        {"Neu\\Alt", ""},
        {"..", ""},
        {"Kategorien", ""},
        {"Fenster.ini", ""},
        {"Was?", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ui::testing::ClearShownMessages();
        command(kCmdCreateCategory);
        type(kCategoryNameField, c.name);
        click(kCreateCategoryButton);
        const std::string text = !c.text.empty() ? c.text
                                                 : "Die Kategorie ''" + std::string(c.name) +
                                                       "'' kann nicht erstellt werden.\r" +
                                                       CategoryNameRefusalReason(c.name);
        expectOneMessage("Kategorie erstellen", text, ui::MessageIcon::Warning,
                         ui::MessageButtons::Ok);
        EXPECT_TRUE(ui::WindowExists(kCreateCategoryWindow));
        EXPECT_FALSE(ui::IsWindowEnabled(0));
        EXPECT_EQ(ui::GetText(kCategoryNameField), c.name);
        EXPECT_EQ(librarySnapshot(), before);
        click(kCreateCategoryCancel);
        EXPECT_FALSE(ui::WindowExists(kCreateCategoryWindow));
        EXPECT_TRUE(ui::IsWindowEnabled(0));
    }
    EXPECT_EQ(ui::StatusText(0), "2 Kategorien, 2 Codes");
}

TEST_F(CategoryAdminTest, RemovesTheChosenCategoryWithEverythingInIt) {
    writeLibrary();
    // Listed twice; a read-only file and a read-only folder inside.
    writeLibraryFile("Einstellungen/Kategorien.ini", "Fenster\r\nDateien\r\nFenster\r\n");
    writeLibraryFile("Codes/Fenster/Alt/Geschützt.pb", "; nur lesen");
    QFile::setPermissions(path("Codes/Fenster/Alt/Geschützt.pb"), QFile::ReadOwner);
    QFile::setPermissions(path("Codes/Fenster/Alt"), QFile::ReadOwner | QFile::ExeOwner);
    startQuellhort();

    command(kCmdRemoveCategory);
    ASSERT_TRUE(ui::WindowExists(kRemoveCategoryWindow));
    EXPECT_EQ(ui::WindowTitle(kRemoveCategoryWindow), "Kategorie entfernen");
    EXPECT_EQ(ui::WindowWidth(kRemoveCategoryWindow), 370);
    EXPECT_EQ(ui::WindowHeight(kRemoveCategoryWindow), 110);
    EXPECT_TRUE(isCentredOn(kRemoveCategoryWindow, 0));
    EXPECT_FALSE(ui::IsWindowEnabled(0));
    expectControls({{kRemoveCategoryFrame, 10, 10, 350, 60, ""},
                    {kRemoveCategoryImage, 20, 30, ui::ImageWidth(kImageRemoveCategory),
                     ui::ImageHeight(kImageRemoveCategory), nullptr},
                    {kRemoveCategoryLabel, 60, 30, 80, 20, "Kategorie:"},
                    {kCategoryChoice, 150, 30, -1, -1, "Fenster"},
                    {kRemoveCategoryButton, 150, 80, 100, 20, "Entfernen"},
                    {kRemoveCategoryCancel, 260, 80, 100, 20, "Abbrechen"}});
    EXPECT_EQ(ui::ControlWidth(kCategoryChoice), 200);
    EXPECT_EQ(ui::ItemCount(kCategoryChoice), 3);
    EXPECT_EQ(ui::ComboIndex(kCategoryChoice), 0);
    EXPECT_TRUE(ui::IsControlEnabled(kRemoveCategoryButton));

    click(kRemoveCategoryButton);
    EXPECT_FALSE(ui::WindowExists(kRemoveCategoryWindow));
    EXPECT_TRUE(ui::IsWindowEnabled(0));
    EXPECT_FALSE(exists("Codes/Fenster"));
    EXPECT_FALSE(exists("Einstellungen/Fenster"));
    EXPECT_FALSE(exists("Einstellungen/Fenster.ini"));
    EXPECT_EQ(readLibraryFile("Einstellungen/Kategorien.ini"), "Dateien\r\n");
    EXPECT_FALSE(exists("Einstellungen/Kategorien.tmp"));
    EXPECT_EQ(readLibraryFile("Codes/Dateien/Lesen.pb"), "; Datei lesen");
    EXPECT_TRUE(exists("Einstellungen/Dateien/Lesen.ini"));
    EXPECT_EQ(treeItems(kMainTree), (std::vector<std::string>{"0:Dateien", "1:Lesen"}));
    EXPECT_EQ(ui::StatusText(0), "1 Kategorien, 1 Codes");

    // The chosen entry counts, not the first one; the cancel button changes nothing.
    writeLibraryFile("Einstellungen/Kategorien.ini", "Dateien\r\nLeer\r\n");
    writeLibraryFile("Einstellungen/Leer.ini", "");
    command(kCmdRemoveCategory);
    click(kRemoveCategoryCancel);
    EXPECT_FALSE(ui::WindowExists(kRemoveCategoryWindow));
    EXPECT_TRUE(ui::IsWindowEnabled(0));
    EXPECT_EQ(readLibraryFile("Einstellungen/Kategorien.ini"), "Dateien\r\nLeer\r\n");
    command(kCmdRemoveCategory);
    ui::testing::ChooseComboEntry(kCategoryChoice, 1);
    click(kRemoveCategoryButton);
    EXPECT_EQ(readLibraryFile("Einstellungen/Kategorien.ini"), "Dateien\r\n");
    EXPECT_FALSE(exists("Einstellungen/Leer.ini"));
    EXPECT_TRUE(exists("Codes/Dateien/Lesen.pb"));
}

TEST_F(CategoryAdminTest, AnIndexThatCannotBeRewrittenIsKeptAndReported) {
    writeLibrary();
    startQuellhort();
    // A folder in the place of the temporary list: the rewrite cannot start.
    QDir().mkpath(path("Einstellungen/Kategorien.tmp"));
    command(kCmdRemoveCategory);
    click(kRemoveCategoryButton);
    expectOneMessage("Kategorie entfernen",
                     "Die Kategorie ''Fenster'' konnte nicht aus der Liste der Kategorien "
                     "entfernt werden.",
                     ui::MessageIcon::Error, ui::MessageButtons::Ok);
    EXPECT_EQ(readLibraryFile("Einstellungen/Kategorien.ini"), "Fenster\r\nDateien\r\n");
    EXPECT_FALSE(exists("Codes/Fenster"));
    EXPECT_EQ(treeItems(kMainTree),
              (std::vector<std::string>{"0:Fenster", "0:Dateien", "1:Lesen"}));
    EXPECT_FALSE(ui::WindowExists(kRemoveCategoryWindow));
}

TEST_F(CategoryAdminTest, WithoutCategoriesToChooseNothingIsRemoved) {
    writeLibrary();
    startQuellhort();
    // Emptied from outside after the last refresh: the tree still shows both categories.
    writeLibraryFile("Einstellungen/Kategorien.ini", "");
    const auto before = librarySnapshot();
    command(kCmdRemoveCategory);
    ASSERT_TRUE(ui::WindowExists(kRemoveCategoryWindow));
    EXPECT_EQ(ui::ItemCount(kCategoryChoice), 0);
    EXPECT_FALSE(ui::IsControlEnabled(kRemoveCategoryButton));
    RemoveCategory();
    EXPECT_EQ(librarySnapshot(), before);
    click(kRemoveCategoryCancel);
    EXPECT_TRUE(ui::IsWindowEnabled(0));
}

TEST_F(CategoryAdminTest, AnUnsafeNameLeavesTheIndexButNoFileIsTouched) {
    writeLibrary();
    writeLibraryFile("Einstellungen/Kategorien.ini", "..\r\nFenster\r\n\r\nDateien\r\n");
    startQuellhort();
    const auto before = librarySnapshot();
    for (int entry : {2, 0}) {  // "" and ".."
        command(kCmdRemoveCategory);
        ui::testing::ChooseComboEntry(kCategoryChoice, entry);
        click(kRemoveCategoryButton);
    }
    EXPECT_EQ(readLibraryFile("Einstellungen/Kategorien.ini"), "Fenster\r\nDateien\r\n");
    auto after = librarySnapshot();
    auto expected = before;
    expected["Einstellungen/Kategorien.ini"] = "Fenster\r\nDateien\r\n";
    EXPECT_EQ(after, expected);
    EXPECT_EQ(ui::StatusText(0), "2 Kategorien, 2 Codes");
}

TEST_F(CategoryAdminTest, RemoveEverythingAsksAndEmptiesTheLibraryOnlyOnYes) {
    writeLibrary();
    startQuellhort();
    const auto before = librarySnapshot();
    command(kCmdRemoveEverything);  // answered No
    expectOneMessage("Alle Kategorien und Codes entfernen",
                     Ansi("Möchten Sie wirklich alle Kategorien und Codes löschen?"),
                     ui::MessageIcon::Question, ui::MessageButtons::YesNo);
    EXPECT_EQ(librarySnapshot(), before);
    EXPECT_EQ(ui::StatusText(0), "2 Kategorien, 2 Codes");

    ui::testing::QueueAnswer(ui::Answer::Yes);
    command(kCmdRemoveEverything);
    EXPECT_EQ(librarySnapshot(),
              (std::map<QString, QByteArray>{{"Einstellungen/Kategorien.ini", ""}}));
    EXPECT_TRUE(QFileInfo(path("Codes")).isDir());
    EXPECT_TRUE(QFileInfo(path("Einstellungen")).isDir());
    EXPECT_TRUE(treeItems(kMainTree).empty());
    EXPECT_EQ(ui::StatusText(0), "0 Kategorien, 0 Codes");
    for (int disabled : {kCmdRemoveCategory, kCmdRemoveCode, kCmdRemoveEverything}) {
        EXPECT_FALSE(ui::IsCommandEnabled(disabled)) << disabled;
    }
    EXPECT_TRUE(ui::IsCommandEnabled(kCmdCreateCategory));
}

}  // namespace

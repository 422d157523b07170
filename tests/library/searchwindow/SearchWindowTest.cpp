#include "../LibraryWindowFixture.h"

#include "library/LibraryTree.h"
#include "library/SearchWindow.h"

using namespace testsupport;
using namespace library;

namespace {

class SearchWindowTest : public LibraryWindowFixture {
protected:
    // Two categories with a title listed twice under one and once under the other, a file no
    // index lists, files the search must pass over, one directly in Codes and one deeper down.
    void SetUp() override {
        LibraryWindowFixture::SetUp();
        writeLibraryFile("Einstellungen/Kategorien.ini", "Fenster\r\nAndere\r\n");
        writeLibraryFile("Einstellungen/Fenster.ini", "Zentrieren\r\nDoppelt\r\nDoppelt\r\n");
        writeLibraryFile("Einstellungen/Andere.ini", "Doppelt\r\n");
        writeLibraryFile("Codes/Fenster/Zentrieren.pb",
                         Ansi("; Fenster zentrieren\r\nOpenWindow(0, 0, 0, 200, 100, \"Größe\")"));
        writeLibraryFile("Codes/Fenster/Doppelt.pb", Ansi("; aus Fenster\r\nDebug \"ÜBERSICHT\""));
        writeLibraryFile("Codes/Andere/Doppelt.pb", "; aus Andere");
        writeLibraryFile("Codes/Fenster/Ungelistet.pb", "; kein Eintrag");
        writeLibraryFile("Codes/Fenster/Test.PB", "OpenWindow()");
        writeLibraryFile("Codes/Fenster/OhneEndung", "OpenWindow()");
        writeLibraryFile("Codes/Lose.pb", "; ohne Kategorie");
        writeLibraryFile("Codes/Tief/Unter/Tiefer.pb", "; tief");
        startQuellhort(false);
    }

    void openSearchFor(const std::string& text) {
        ui::SetText(kMainSearchField, "");
        type(kMainSearchField, text);
        click(kMainSearchButton);
        ASSERT_TRUE(ui::WindowExists(kSearchWindow));
    }
    void searchAgainFor(const std::string& text) {
        ui::SetText(kSearchWindowField, "");
        type(kSearchWindowField, text);
        returnIn(kSearchWindowField);
    }
    void expectSearchLayout(int w, int h) {
        struct Place {
            int control, x, y, w, h;
        };
        const Place places[] = {{kSearchWindowField, 0, 0, w - 100, 20},
                                {kSearchWindowButton, w - 100, 0, 100, 20},
                                {kSearchResults, 0, 20, w, h - 60},
                                {kShowResultButton, w - 480, h - 30, 150, 20},
                                {kShowAndCloseButton, w - 320, h - 30, 150, 20},
                                {kCloseSearchButton, w - 160, h - 30, 150, 20}};
        for (const Place& p : places) {
            SCOPED_TRACE(p.control);
            EXPECT_EQ(ui::ControlX(p.control), p.x);
            EXPECT_EQ(ui::ControlY(p.control), p.y);
            EXPECT_EQ(ui::ControlWidth(p.control), p.w);
            EXPECT_EQ(ui::ControlHeight(p.control), p.h);
        }
    }
    bool showButtonsEnabled() const {
        return ui::IsControlEnabled(kShowResultButton) && ui::IsControlEnabled(kShowAndCloseButton);
    }
    int rowOf(const std::string& row) const {
        const std::vector<std::string> rows = listRows(kSearchResults);
        const auto found = std::find(rows.begin(), rows.end(), row);
        return found == rows.end() ? -1 : static_cast<int>(found - rows.begin());
    }
    void selectRow(const std::string& row) {
        const int index = rowOf(row);
        ASSERT_GE(index, 0) << row;
        ui::testing::SelectListRow(kSearchResults, index);
        settle();
    }
};

TEST_F(SearchWindowTest, OpensFromTheMainSearchRowWithTheTextAsTyped) {
    type(kMainSearchField, "   ");
    EXPECT_FALSE(ui::IsControlEnabled(kMainSearchButton));
    returnIn(kMainSearchField);
    EXPECT_FALSE(ui::WindowExists(kSearchWindow));

    ui::SetText(kMainSearchField, "");
    type(kMainSearchField, " zentrieren ");
    EXPECT_TRUE(ui::IsControlEnabled(kMainSearchButton));
    click(kMainSearchButton);
    ASSERT_TRUE(ui::WindowExists(kSearchWindow));
    EXPECT_EQ(ui::WindowTitle(kSearchWindow), "Suchen");
    EXPECT_EQ(ui::WindowWidth(kSearchWindow), 500);
    EXPECT_EQ(ui::WindowHeight(kSearchWindow), 400);
    EXPECT_TRUE(isCentredOn(kSearchWindow, 0));
    EXPECT_TRUE(ui::IsWindowEnabled(0));
    expectSearchLayout(500, 400);
    EXPECT_EQ(ui::GetText(kSearchWindowButton), "Suchen");
    EXPECT_EQ(ui::GetText(kShowResultButton), "Anzeigen");
    EXPECT_EQ(ui::GetText(kShowAndCloseButton), Ansi("Anzeigen und schließen"));
    EXPECT_EQ(ui::GetText(kCloseSearchButton), Ansi("Schließen"));
    EXPECT_EQ(columnTitles(kSearchResults), (std::vector<std::string>{"Name", "Kategorie"}));
    EXPECT_EQ(columnWidths(kSearchResults), (std::vector<int>{235, 235}));
    EXPECT_TRUE(ui::IsControlEnabled(kSearchWindowButton));
    EXPECT_FALSE(ui::IsControlEnabled(kShowResultButton));
    EXPECT_FALSE(ui::IsControlEnabled(kShowAndCloseButton));

    // The spaces belong to the text: no name and no line holds " zentrieren ".
    EXPECT_EQ(ui::GetText(kSearchWindowField), " zentrieren ");
    EXPECT_TRUE(listRows(kSearchResults).empty());

    // The close box does nothing; Return in the main field replaces the window.
    ui::testing::RequestClose(kSearchWindow);
    settle();
    ASSERT_TRUE(ui::WindowExists(kSearchWindow));
    ui::SetText(kSearchWindowField, "nicht mehr");
    ui::SetText(kMainSearchField, "zentrieren");
    returnIn(kMainSearchField);
    ASSERT_TRUE(ui::WindowExists(kSearchWindow));
    EXPECT_EQ(ui::GetText(kSearchWindowField), "zentrieren");
    EXPECT_EQ(listRows(kSearchResults), std::vector<std::string>{"Zentrieren|Fenster"});

    click(kCloseSearchButton);
    EXPECT_FALSE(ui::WindowExists(kSearchWindow));
}

TEST_F(SearchWindowTest, FollowsTheSizeOfEitherWindow) {
    openSearchFor("pb");
    ui::testing::ResizeWindowByUser(kSearchWindow, 700, 520);
    settle();
    expectSearchLayout(700, 520);

    ui::testing::ResizeWindowByUser(kSearchWindow, 100, 100);
    settle();
    EXPECT_EQ(ui::WindowWidth(kSearchWindow), 500);
    EXPECT_EQ(ui::WindowHeight(kSearchWindow), 200);
    expectSearchLayout(500, 200);

    // A resize of the main window also puts the search window's controls back in place.
    ui::ResizeControl(kSearchResults, -1, -1, 10, 10);
    ui::ResizeControl(kCloseSearchButton, 0, 0, -1, -1);
    ui::testing::ResizeWindowByUser(0, 900, 650);
    settle();
    expectSearchLayout(500, 200);
}

TEST_F(SearchWindowTest, ListsEveryCodeFileWhoseNameOrLineHoldsTheText) {
    openSearchFor("pb");
    const std::vector<std::string> everyCode = {
        "Doppelt|Andere",     "Doppelt|Fenster", "Ungelistet|Fenster",
        "Zentrieren|Fenster", "Lose|",           "Tiefer|Tief\\Unter"};
    EXPECT_EQ(listRows(kSearchResults), everyCode);

    struct Case {
        const char* text;
        std::vector<std::string> rows;
    };
    const Case cases[] = {
        {".", everyCode},
        {"openwindow", {"Zentrieren|Fenster"}},  // Test.PB and a file without extension: never
        {"window", {"Zentrieren|Fenster"}},
        {" window", {}},
        {"ZENTRIEREN", {"Zentrieren|Fenster"}},
        {"GRÖßE", {"Zentrieren|Fenster"}},
        {"übersicht", {"Doppelt|Fenster"}},
        {"ungelistet", {"Ungelistet|Fenster"}},
        {"kategorie", {"Lose|"}},
        {"tief", {"Tiefer|Tief\\Unter"}},
        {"fehlt", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        searchAgainFor(Ansi(c.text));
        EXPECT_EQ(listRows(kSearchResults), c.rows);
    }

    // Only spaces: "Suchen" is disabled and Return does not search.
    searchAgainFor("tief");
    ui::SetText(kSearchWindowField, "");
    type(kSearchWindowField, "  ");
    EXPECT_FALSE(ui::IsControlEnabled(kSearchWindowButton));
    returnIn(kSearchWindowField);
    EXPECT_EQ(listRows(kSearchResults), std::vector<std::string>{"Tiefer|Tief\\Unter"});
    type(kSearchWindowField, "Doppelt");  // after the spaces: nothing matches
    click(kSearchWindowButton);
    EXPECT_TRUE(listRows(kSearchResults).empty());
    ui::SetText(kSearchWindowField, "");
    type(kSearchWindowField, "Doppelt");
    EXPECT_TRUE(ui::IsControlEnabled(kSearchWindowButton));
    click(kSearchWindowButton);
    EXPECT_EQ(listRows(kSearchResults),
              (std::vector<std::string>{"Doppelt|Andere", "Doppelt|Fenster"}));
}

TEST_F(SearchWindowTest, ShowButtonsFollowTheSelection) {
    openSearchFor("doppelt");
    EXPECT_FALSE(showButtonsEnabled());
    selectRow("Doppelt|Fenster");
    EXPECT_TRUE(showButtonsEnabled());
    click(kSearchWindowButton);
    EXPECT_EQ(ui::SelectedListRow(kSearchResults), -1);
    EXPECT_FALSE(showButtonsEnabled());
    selectRow("Doppelt|Andere");
    EXPECT_TRUE(showButtonsEnabled());
    searchAgainFor("doppelt");
    EXPECT_FALSE(showButtonsEnabled());
}

TEST_F(SearchWindowTest, ShowsTheFirstItemWithTheNameAfterTheCategory) {
    ASSERT_EQ(treeItems(kMainTree),
              (std::vector<std::string>{"0:Fenster", "1:Zentrieren", "1:Doppelt", "1:Doppelt",
                                        "0:Andere", "1:Doppelt"}));
    openSearchFor("doppelt");
    selectRow("Doppelt|Fenster");
    click(kShowResultButton);
    EXPECT_TRUE(ui::WindowExists(kSearchWindow));
    EXPECT_EQ(ui::CurrentTreeItem(kMainTree), 2);
    EXPECT_TRUE(ui::IsTreeItemExpanded(kMainTree, 0));
    EXPECT_EQ(viewerText(), Ansi("; aus Fenster\r\nDebug \"ÜBERSICHT\""));

    selectRow("Doppelt|Andere");
    click(kShowAndCloseButton);
    EXPECT_FALSE(ui::WindowExists(kSearchWindow));
    EXPECT_EQ(ui::CurrentTreeItem(kMainTree), 5);
    EXPECT_TRUE(ui::IsTreeItemExpanded(kMainTree, 4));
    EXPECT_EQ(viewerText(), "; aus Andere");
    EXPECT_TRUE(ui::testing::ShownMessages().empty());
}

TEST_F(SearchWindowTest, ResultOutsideTheTreeSelectsNothingAndSaysSo) {
    openSearchFor("pb");
    struct Case {
        const char* row;
        int button;
        const char* text;
    };
    const Case cases[] = {
        {"Ungelistet|Fenster", kShowResultButton,
         "Der Code ''Ungelistet'' (Kategorie ''Fenster'') ist im Bibliotheksbaum nicht "
         "enthalten.\rDie Codedatei ist in der Bibliothek nicht eingetragen."},
        {"Lose|", kShowAndCloseButton,
         "Der Code ''Lose'' (Kategorie '''') ist im Bibliotheksbaum nicht enthalten.\rDie "
         "Codedatei ist in der Bibliothek nicht eingetragen."},
        {"Tiefer|Tief\\Unter", kShowAndCloseButton,
         "Der Code ''Tiefer'' (Kategorie ''Tief\\Unter'') ist im Bibliotheksbaum nicht "
         "enthalten.\rDie Codedatei ist in der Bibliothek nicht eingetragen."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row);
        ui::testing::ClearShownMessages();
        selectRow(c.row);
        click(c.button);
        ASSERT_EQ(ui::testing::ShownMessages().size(), 1u);
        const ui::testing::ShownMessage& shown = ui::testing::ShownMessages()[0];
        EXPECT_EQ(shown.title, "Suchen");
        EXPECT_EQ(shown.text, c.text);
        EXPECT_EQ(shown.icon, ui::MessageIcon::Information);
        EXPECT_EQ(shown.buttons, ui::MessageButtons::Ok);
        EXPECT_EQ(ui::CurrentTreeItem(kMainTree), -1);
        // The list stays for another choice.
        EXPECT_TRUE(ui::WindowExists(kSearchWindow));
    }
}

}  // namespace

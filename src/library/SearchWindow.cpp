#include "library/SearchWindow.h"

#include "common/text/AnsiText.h"
#include "library/FieldRules.h"
#include "library/LibraryPaths.h"
#include "library/LibraryTree.h"
#include "library/Search.h"

#include <string>

namespace library {
namespace {

constexpr int kWidth = 500;
constexpr int kHeight = 400;
constexpr int kMinimumHeight = 200;
constexpr int kFieldHeight = 20;
constexpr int kSearchButtonWidth = 100;
constexpr int kColumnWidth = 235;
constexpr int kButtonWidth = 150;

void buildControls(const std::string& searchText) {
    const int w = kWidth;
    const int h = kHeight;
    ui::CreateStringField(kSearchWindowField, 0, 0, w - kSearchButtonWidth, kFieldHeight,
                          searchText);
    ui::CreateButton(kSearchWindowButton, w - kSearchButtonWidth, 0, kSearchButtonWidth,
                     kFieldHeight, "Suchen");
    ui::CreateListView(kSearchResults, 0, kFieldHeight, w, h - 60, "Name", kColumnWidth);
    ui::AddListColumn(kSearchResults, "Kategorie", kColumnWidth);
    ui::CreateButton(kShowResultButton, w - 480, h - 30, kButtonWidth, kFieldHeight, "Anzeigen");
    ui::CreateButton(kShowAndCloseButton, w - 320, h - 30, kButtonWidth, kFieldHeight,
                     common::ansi("Anzeigen und schließen"));
    ui::CreateButton(kCloseSearchButton, w - 160, h - 30, kButtonWidth, kFieldHeight,
                     common::ansi("Schließen"));
}

void disableShowButtons() {
    ui::DisableControl(kShowResultButton, true);
    ui::DisableControl(kShowAndCloseButton, true);
}

void listMatchingCodes() {
    for (const SearchResult& result : SearchCodes(kCodesFolder, ui::GetText(kSearchWindowField))) {
        ui::AddListRow(kSearchResults, {result.name, result.category});
    }
}

// Both searches end with the tree: the folders and the indexes may disagree.
int findItem(const std::string& text, int from) {
    const int count = ui::ItemCount(kMainTree);
    for (int item = from; item < count; ++item) {
        if (ui::TreeItemText(kMainTree, item) == text) {
            return item;
        }
    }
    return -1;
}

int itemOfResult(const std::string& category, const std::string& name) {
    const int categoryItem = findItem(category, 0);
    return categoryItem < 0 ? -1 : findItem(name, categoryItem + 1);
}

}  // namespace

void SearchOnReturn(ui::ControlEventType type) {
    if (type == ui::ControlEventType::Return && IsFieldFilled(kMainSearchField)) {
        OpenSearchWindow();
    }
}

void OpenSearchWindow() {
    const unsigned flags = ui::kWindowResizable | ui::kWindowMinMax | ui::kWindowNoClose |
                           ui::kWindowCentered | ui::kWindowHidden;
    if (!ui::OpenWindow(kSearchWindow, kWidth, kHeight, "Suchen", flags, kMainWindow)) {
        return;
    }
    buildControls(ui::GetText(kMainSearchField));
    ui::ShowWindow(kSearchWindow);
    disableShowButtons();
    listMatchingCodes();
    ui::SetWindowMinimumSize(kSearchWindow, kWidth, kMinimumHeight);
}

void SearchAgainOnReturn(ui::ControlEventType type) {
    if (type == ui::ControlEventType::Return && IsFieldFilled(kSearchWindowField)) {
        SearchAgain();
    }
}

void SearchAgain() {
    ui::ClearItems(kSearchResults);
    disableShowButtons();
    listMatchingCodes();
}

void EnableResultButtons() {
    const bool selected = ui::SelectedListRow(kSearchResults) >= 0;
    ui::DisableControl(kShowResultButton, !selected);
    ui::DisableControl(kShowAndCloseButton, !selected);
}

void ShowSearchResult(bool closeWindow) {
    const int row = ui::SelectedListRow(kSearchResults);
    if (row < 0) {
        return;
    }
    const std::string name = ui::ListCellText(kSearchResults, row, 0);
    const std::string category = ui::ListCellText(kSearchResults, row, 1);
    const int item = itemOfResult(category, name);
    if (item < 0) {
        ui::MessageBox("Suchen",
                       "Der Code ''" + name + "'' (Kategorie ''" + category +
                           "'') ist im Bibliotheksbaum nicht enthalten.\rDie Codedatei ist in der "
                           "Bibliothek nicht eingetragen.",
                       ui::MessageIcon::Information, ui::MessageButtons::Ok);
        return;
    }
    if (closeWindow) {
        CloseSearchWindow();
    }
    ui::SetCurrentTreeItem(kMainTree, item);
}

void CloseSearchWindow() {
    ui::CloseWindow(kSearchWindow);
}

}  // namespace library

#include "library/CodeAdmin.h"

#include "common/text/AnsiText.h"
#include "common/ui/Ui.h"
#include "library/DialogParts.h"
#include "library/FieldRules.h"
#include "library/LibraryFiles.h"
#include "library/LibraryPaths.h"
#include "library/LibraryTree.h"
#include "library/NameCheck.h"
#include "library/Store.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace library {
namespace {

constexpr int kButtonWidth = 100;
constexpr int kRowHeight = 20;

// The captions used more than once, converted to ANSI text once.
const std::string& addCodeTitle() {
    static const std::string title = common::ansi("Code hinzufügen");
    return title;
}

const std::string& addCaption() {
    static const std::string caption = common::ansi("Hinzufügen");
    return caption;
}

void refuse(const std::string& text) {
    ui::MessageBox(addCodeTitle(), text, ui::MessageIcon::Warning, ui::MessageButtons::Ok);
}

bool isListed(const std::string& codeIndex, const std::string& title) {
    const std::vector<std::string> titles = ReadNameList(codeIndex);
    return std::find(titles.begin(), titles.end(), title) != titles.end();
}

bool confirmReplace(const std::string& category, const std::string& title) {
    return ui::MessageBox(addCodeTitle(),
                          "Der Code ''" + title + "'' ist in der Kategorie ''" + category +
                              common::ansi("'' bereits vorhanden.\rMöchten Sie ihn ersetzen?"),
                          ui::MessageIcon::Question, ui::MessageButtons::YesNo) == ui::Answer::Yes;
}

std::string linkFileText() {
    std::string text;
    const int rows = ui::ItemCount(kLinkList);
    for (int row = 0; row < rows; ++row) {
        text += ui::ListCellText(kLinkList, row, 0) + "\r\n";
        text += ui::ListCellText(kLinkList, row, 1) + "\r\n";
    }
    return text;
}

}  // namespace

void OpenAddCodeDialog(int iconImage) {
    constexpr int w = 470;
    constexpr int h = 380;
    if (!OpenAdminDialog(kAddCodeWindow, w, h, addCodeTitle(), kMainWindow)) {
        return;
    }
    CreateDialogFrame(kAddCodeFrame, w, h, iconImage);
    ui::CreateLabel(kTitleLabel, 60, 30, 80, kRowHeight, "Titel:");
    ui::CreateLabel(kCodeCategoryLabel, 60, 60, 80, kRowHeight, "Kategorie:");
    ui::CreateLabel(kCodeLabel, 60, 90, 80, kRowHeight, "Code:");
    ui::CreateStringField(kTitleField, 150, 30, 300, kRowHeight, "");
    ui::CreateComboBox(kCodeCategoryChoice, 150, 60, 300, kRowHeight);
    for (const std::string& name : ReadNameList(CategoryIndexPath())) {
        ui::AddComboItem(kCodeCategoryChoice, name);
    }
    ui::SetComboIndex(kCodeCategoryChoice, 0);
    ui::CreateEditor(kCodeEditor, 150, 90, 300, 100);
    ui::CreateLabel(kLinksLabel, 60, 200, 80, kRowHeight, "MSDN-Links:");
    ui::CreateListView(kLinkList, 150, 200, 300, 100, "Befehl", 135);
    ui::AddListColumn(kLinkList, "Link", 135);
    ui::CreateButton(kAddLinkButton, w - 230, h - 70, kButtonWidth, kRowHeight, addCaption());
    ui::CreateButton(kRemoveLinkButton, w - 120, h - 70, kButtonWidth, kRowHeight, "Entfernen");
    CreateDialogButtons(kAddCodeButton, kAddCodeCancel, w, h, addCaption());
    ui::DisableControl(kRemoveLinkButton, true);
    ui::DisableControl(kAddCodeButton, true);
    ui::SetFocus(kTitleField);
    ui::DisableWindow(kMainWindow, true);
}

void EnableAddCode() {
    EnableIfBothFilled(kTitleField, kCodeEditor, kAddCodeButton);
    // Without a category the code would land outside every category.
    if (ui::ComboIndex(kCodeCategoryChoice) < 0) {
        ui::DisableControl(kAddCodeButton, true);
    }
}

void OpenAddLinkDialog(int iconImage) {
    constexpr int w = 370;
    constexpr int h = 130;
    if (!OpenAdminDialog(kAddLinkWindow, w, h, addCaption(), kAddCodeWindow)) {
        return;
    }
    CreateDialogFrame(kAddLinkFrame, w, h, iconImage);
    ui::CreateLabel(kCommandLabel, 60, 30, 80, kRowHeight, "Befehl:");
    ui::CreateLabel(kLinkLabel, 60, 60, 80, kRowHeight, "Link:");
    ui::CreateStringField(kCommandField, 150, 30, 200, kRowHeight, "");
    ui::CreateStringField(kLinkField, 150, 60, 200, kRowHeight, "");
    CreateDialogButtons(kAppendLinkButton, kAddLinkCancel, w, h, addCaption());
    ui::DisableControl(kAppendLinkButton, true);
    ui::SetFocus(kCommandField);
    ui::DisableWindow(kAddCodeWindow, true);
}

void AppendCommandLink() {
    ui::AddListRow(kLinkList, {ui::GetText(kCommandField), ui::GetText(kLinkField)});
}

void EnableLinkRemoval() {
    ui::DisableControl(kRemoveLinkButton, ui::SelectedListRow(kLinkList) < 0);
}

void RemoveSelectedLink() {
    const int row = ui::SelectedListRow(kLinkList);
    if (row >= 0) {
        ui::RemoveListRow(kLinkList, row);
    }
    // The list would move the selection to a neighbour; the next removal is chosen anew.
    ui::SetSelectedListRow(kLinkList, -1);
    ui::DisableControl(kRemoveLinkButton, true);
}

bool AddCode() {
    if (ui::ComboIndex(kCodeCategoryChoice) < 0) {
        return false;
    }
    const std::string title = ui::GetText(kTitleField);
    const std::string category = ui::GetText(kCodeCategoryChoice);
    if (!IsSafeCategoryName(category)) {
        refuse("Die Kategorie ''" + category + "'' kann keine Codes aufnehmen.\r" +
               common::ansi("Bitte wählen Sie eine andere Kategorie."));
        return false;
    }
    const std::optional<std::string> codeFile = CodeFilePath(category, title);
    const std::optional<std::string> linkFile = LinkFilePath(category, title);
    const std::optional<std::string> codeIndex = CodeIndexPath(category);
    if (!codeFile || !linkFile || !codeIndex) {
        refuse("Der Code ''" + title + common::ansi("'' kann nicht hinzugefügt werden.\r") +
               NameRefusalReason(title));
        return false;
    }
    // A second line would list the same files twice.
    const bool listed = isListed(*codeIndex, title);
    if (listed && !confirmReplace(category, title)) {
        return false;
    }
    WriteWholeFile(*codeFile, ui::GetText(kCodeEditor));
    if (!listed) {
        AppendName(*codeIndex, title);
    }
    WriteWholeFile(*linkFile, linkFileText());
    SortNameList(*codeIndex);
    RefreshLibraryTree();
    return true;
}

void FillRemovalTree() {
    FillLibraryTree(kRemovalTree);
}

void OpenRemoveCodeDialog(int iconImage) {
    constexpr int w = 480;
    constexpr int h = 280;
    if (!OpenAdminDialog(kRemoveCodeWindow, w, h, "Entfernen", kMainWindow)) {
        return;
    }
    CreateDialogFrame(kRemoveCodeFrame, w, h, iconImage);
    ui::CreateTree(kRemovalTree, 60, 30, 400, 200);
    CreateDialogButtons(kRemoveCodeButton, kRemoveCodeCancel, w, h, "Entfernen");
    ui::DisableControl(kRemoveCodeButton, true);
    FillRemovalTree();
    const int count = ui::ItemCount(kRemovalTree);
    for (int item = 0; item < count; ++item) {
        ui::SetTreeItemExpanded(kRemovalTree, item, true);
    }
    ui::SetCurrentTreeItem(kRemovalTree, 0);
    ui::SetFocus(kRemovalTree);
    ui::DisableWindow(kMainWindow, true);
}

void EnableCodeRemoval() {
    const int item = ui::CurrentTreeItem(kRemovalTree);
    ui::DisableControl(kRemoveCodeButton, item < 0 || ui::TreeItemLevel(kRemovalTree, item) != 1);
}

void RemoveCode() {
    const int item = ui::CurrentTreeItem(kRemovalTree);
    if (item < 0 || ui::TreeItemLevel(kRemovalTree, item) != 1) {
        return;
    }
    const int categoryItem = CategoryOfItem(kRemovalTree, item);
    if (categoryItem < 0) {
        return;
    }
    const std::string category = ui::TreeItemText(kRemovalTree, categoryItem);
    const std::string title = ui::TreeItemText(kRemovalTree, item);
    const std::optional<std::string> codeIndex = CodeIndexPath(category);
    const std::optional<std::string> codeIndexTemp = CodeIndexTempPath(category);
    if (!codeIndex || !codeIndexTemp) {
        return;
    }
    // A title that cannot be a file name has no files, but its index line can still go.
    if (const std::optional<std::string> codeFile = CodeFilePath(category, title)) {
        DeleteFile(*codeFile);
    }
    if (const std::optional<std::string> linkFile = LinkFilePath(category, title)) {
        DeleteFile(*linkFile);
    }
    if (!RemoveName(*codeIndex, *codeIndexTemp, title)) {
        ui::MessageBox("Code entfernen",
                       "Der Code ''" + title + "'' konnte nicht aus der Liste der Kategorie ''" +
                           category + "'' entfernt werden.",
                       ui::MessageIcon::Error, ui::MessageButtons::Ok);
    }
    RefreshLibraryTree();
}

}  // namespace library

#include "library/CategoryAdmin.h"

#include "common/text/AnsiText.h"
#include "common/ui/Ui.h"
#include "library/DialogParts.h"
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

constexpr int kDialogWidth = 370;
constexpr int kDialogHeight = 110;

// The frame, the icon and the label before the one field of both dialogs.
void createDialogHead(int frame, int iconImage, const std::string& label) {
    CreateDialogFrame(frame, kDialogWidth, kDialogHeight, iconImage);
    ui::CreateLabel(frame + 2, 60, 30, 80, 20, label);
}

void refuseName(const std::string& text) {
    ui::MessageBox("Kategorie erstellen", text, ui::MessageIcon::Warning, ui::MessageButtons::Ok);
}

bool isListed(const std::string& name) {
    const std::vector<std::string> names = ReadNameList(CategoryIndexPath());
    return std::find(names.begin(), names.end(), name) != names.end();
}

void recreateEmptyFolder(std::string_view folder) {
    DeleteFolder(folder);
    CreateFolder(folder);
}

}  // namespace

void OpenCreateCategoryDialog(int iconImage) {
    if (!OpenAdminDialog(kCreateCategoryWindow, kDialogWidth, kDialogHeight, "Kategorie erstellen",
                         kMainWindow)) {
        return;
    }
    createDialogHead(kCreateCategoryFrame, iconImage, "Name:");
    ui::CreateStringField(kCategoryNameField, 150, 30, 200, 20, "");
    CreateDialogButtons(kCreateCategoryButton, kCreateCategoryCancel, kDialogWidth, kDialogHeight,
                        "Erstellen");
    ui::DisableControl(kCreateCategoryButton, true);
    ui::SetFocus(kCategoryNameField);
    ui::DisableWindow(kMainWindow, true);
}

bool CreateCategory() {
    const std::string name = ui::GetText(kCategoryNameField);
    const std::optional<std::string> codeFolder = CategoryCodeFolder(name);
    const std::optional<std::string> linkFolder = CategoryLinkFolder(name);
    const std::optional<std::string> codeIndex = CodeIndexPath(name);
    if (!codeFolder || !linkFolder || !codeIndex) {
        refuseName("Die Kategorie ''" + name + "'' kann nicht erstellt werden.\r" +
                   CategoryNameRefusalReason(name));
        return false;
    }
    // Creating it again would empty its code index and list it twice.
    if (isListed(name)) {
        refuseName(
            "Die Kategorie ''" + name +
            common::ansi("'' ist bereits vorhanden.\rBitte wählen Sie einen anderen Namen."));
        return false;
    }
    CreateFolder(*codeFolder);
    CreateFolder(*linkFolder);
    WriteWholeFile(*codeIndex, "");
    AppendName(CategoryIndexPath(), name);
    SortNameList(CategoryIndexPath());
    RefreshLibraryTree();
    return true;
}

void OpenRemoveCategoryDialog(int iconImage) {
    if (!OpenAdminDialog(kRemoveCategoryWindow, kDialogWidth, kDialogHeight, "Kategorie entfernen",
                         kMainWindow)) {
        return;
    }
    createDialogHead(kRemoveCategoryFrame, iconImage, "Kategorie:");
    ui::CreateComboBox(kCategoryChoice, 150, 30, 200, 20);
    for (const std::string& name : ReadNameList(CategoryIndexPath())) {
        ui::AddComboItem(kCategoryChoice, name);
    }
    ui::SetComboIndex(kCategoryChoice, 0);
    CreateDialogButtons(kRemoveCategoryButton, kRemoveCategoryCancel, kDialogWidth, kDialogHeight,
                        "Entfernen");
    ui::DisableControl(kRemoveCategoryButton, ui::ItemCount(kCategoryChoice) == 0);
    ui::DisableWindow(kMainWindow, true);
}

void RemoveCategory() {
    if (ui::ComboIndex(kCategoryChoice) < 0) {
        return;
    }
    const std::string name = ui::GetText(kCategoryChoice);
    const std::optional<std::string> codeFolder = CategoryCodeFolder(name);
    const std::optional<std::string> linkFolder = CategoryLinkFolder(name);
    const std::optional<std::string> codeIndex = CodeIndexPath(name);
    // A name that cannot be a folder name owns no files; its line still leaves the index.
    if (codeFolder && linkFolder && codeIndex) {
        DeleteFolder(*codeFolder);
        DeleteFolder(*linkFolder);
        DeleteFile(*codeIndex);
    }
    if (!RemoveName(CategoryIndexPath(), CategoryIndexTempPath(), name)) {
        ui::MessageBox("Kategorie entfernen",
                       "Die Kategorie ''" + name +
                           "'' konnte nicht aus der Liste der Kategorien entfernt werden.",
                       ui::MessageIcon::Error, ui::MessageButtons::Ok);
    }
    RefreshLibraryTree();
}

void RemoveEverything() {
    const ui::Answer answer =
        ui::MessageBox("Alle Kategorien und Codes entfernen",
                       common::ansi("Möchten Sie wirklich alle Kategorien und Codes löschen?"),
                       ui::MessageIcon::Question, ui::MessageButtons::YesNo);
    if (answer != ui::Answer::Yes) {
        return;
    }
    recreateEmptyFolder(kCodesFolder);
    recreateEmptyFolder(kSettingsFolder);
    WriteWholeFile(CategoryIndexPath(), "");
    RefreshLibraryTree();
}

}  // namespace library

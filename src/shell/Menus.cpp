#include "shell/Menus.h"

#include "common/text/AnsiText.h"
#include "common/ui/Ui.h"
#include "shell/Identifiers.h"
#include "shell/ShellState.h"

namespace shell {
namespace {

bool administratorMode() {
    return State().settings.administratorMode == 1;
}

}  // namespace

void LoadImages() {
    struct ImageFile {
        int image;
        const char* path;
    };
    static constexpr ImageFile kImages[] = {
        {kImageRemoveCode, "Grafiken\\Code_entfernen.ico"},
        {kImageAddCode, "Grafiken\\Code_hinzufuegen.ico"},
        {kImageRemoveCategory, "Grafiken\\Kategorie_entfernen.ico"},
        {kImageCreateCategory, "Grafiken\\Kategorie_erstellen.ico"},
        {kImageSubmitCode, "Grafiken\\WinAPI-Code_online_einreichen.ico"},
        {kImageUpdater, "Grafiken\\Vedezorevavaze.ico"},
        {kImageRemoveEverything, "Grafiken\\Alles_entfernen.ico"},
        {kImageExpand, "Grafiken\\Aufklappen.ico"},
        {kImageTemplates, "Grafiken\\Bausteine_hinzufuegen.ico"},
        {kImageInformation, "Grafiken\\Informationen.ico"},
        {kImageCollapse, "Grafiken\\Zuklappen.ico"},
        {kImageLinks, "Grafiken\\MSDN_Links.ico"},
        {kImageBanner, "Grafiken\\Banner.png"},
        {kImageProgram, "Grafiken\\Quellhort.ico"},
    };
    for (const ImageFile& file : kImages) {
        ui::LoadImage(file.image, file.path);  // a missing picture simply stays absent
    }
    ui::SetWindowIcon(kMainWindow, kImageProgram);
}

void BuildMenuBar() {
    ui::CreateMenuBar(kMainWindow);
    ui::MenuTitle("Programm");
    ui::MenuItem(kCmdUpdater, "Vedezorevavaze", kImageUpdater);
    ui::MenuItem(kCmdQuit, "Beenden", kImageRemoveCode);

    ui::MenuTitle("Ansicht");
    ui::OpenSubMenu("Kategorie");
    ui::MenuItem(kCmdExpandAll, "Alle aufklappen", kImageExpand);
    ui::MenuItem(kCmdCollapseAll, "Alle zuklappen", kImageCollapse);
    ui::CloseSubMenu();
    ui::OpenSubMenu(common::ansi("ToolBar-Icongröße"));
    ui::MenuItem(kCmdIconSize16, "16x16");
    ui::MenuItem(kCmdIconSize24, "24x24");
    ui::MenuItem(kCmdIconSize32, "32x32");
    ui::CloseSubMenu();

    if (administratorMode()) {
        ui::MenuTitle("Bearbeitung");
        ui::OpenSubMenu("Kategorie");
        ui::MenuItem(kCmdCreateCategory, "Erstellen", kImageCreateCategory);
        ui::MenuItem(kCmdRemoveCategory, "Entfernen", kImageRemoveCategory);
        ui::CloseSubMenu();
        ui::OpenSubMenu("Code");
        ui::MenuItem(kCmdAddCode, common::ansi("Hinzufügen"), kImageAddCode);
        ui::MenuItem(kCmdRemoveCode, "Entfernen", kImageRemoveCode);
        ui::CloseSubMenu();
        ui::MenuItem(kCmdRemoveEverything, "Alle Kategorien und Codes entfernen",
                     kImageRemoveEverything);
    }

    ui::MenuTitle("Code");
    ui::MenuItem(kCmdOpenInIde, common::ansi("Code in PureBasic öffnen"), kImageIde);
    ui::MenuItem(kCmdShowLinks, "MSDN-Links anzeigen", kImageLinks);
    ui::MenuItem(kCmdChangeIdePath, common::ansi("Pfad zum PureBasic-Editor ändern"), kImageIde);
    ui::DisableCommand(kCmdOpenInIde, true);
    ui::DisableCommand(kCmdShowLinks, true);

    ui::MenuTitle("Extras");
    ui::MenuItem(kCmdSubmitCode, "WinAPI-Code online einreichen", kImageSubmitCode);
    ui::MenuItem(kCmdAddTemplates, common::ansi("Bausteine in PureBasic hinzufügen"),
                 kImageTemplates);

    ui::MenuTitle("Hilfe");
    ui::MenuItem(kCmdAbout, "Informationen", kImageInformation);

    const int size = State().settings.toolbarIconSize;
    ui::SetMenuItemChecked(kCmdIconSize16, size == 16);
    ui::SetMenuItemChecked(kCmdIconSize24, size == 24);
    ui::SetMenuItemChecked(kCmdIconSize32, size == 32);
}

void BuildViewerPopup() {
    ui::CreatePopupMenu(kViewerPopup);
    ui::MenuItem(kCmdCopy, "Kopieren");
    ui::MenuItem(kCmdSelectAll, "Alles markieren");
}

void BuildToolBar() {
    ui::CreateToolBar(kMainWindow, State().settings.toolbarIconSize);
    ui::ToolBarButton(kCmdExpandAll, kImageExpand, "Kategorie aufklappen");
    ui::ToolBarButton(kCmdCollapseAll, kImageCollapse, "Kategorie zuklappen");
    if (administratorMode()) {
        ui::ToolBarButton(kCmdCreateCategory, kImageCreateCategory, "Kategorie erstellen");
        ui::ToolBarButton(kCmdRemoveCategory, kImageRemoveCategory, "Kategorie entfernen");
        ui::ToolBarButton(kCmdAddCode, kImageAddCode, common::ansi("Code hinzufügen"));
        ui::ToolBarButton(kCmdRemoveCode, kImageRemoveCode, "Code entfernen");
        ui::ToolBarButton(kCmdRemoveEverything, kImageRemoveEverything,
                          "Alle Kategorien und Codes entfernen");
    }
    ui::ToolBarSeparator();
    ui::ToolBarButton(kCmdSubmitCode, kImageSubmitCode, "WinAPI-Code online einreichen");
    ui::ToolBarButton(kCmdAddTemplates, kImageTemplates,
                      common::ansi("Bausteine in PureBasic hinzufügen"));
    ui::ToolBarSeparator();
    ui::ToolBarButton(kCmdOpenInIde, kImageIde, common::ansi("Code in PureBasic öffnen"));
    ui::ToolBarButton(kCmdShowLinks, kImageLinks, "MSDN-Links anzeigen");
    ui::ToolBarSeparator();
    ui::ToolBarButton(kCmdUpdater, kImageUpdater, "Vedezorevavaze");
    ui::ToolBarButton(kCmdAbout, kImageInformation, "Informationen");
    ui::DisableCommand(kCmdOpenInIde, true);
    ui::DisableCommand(kCmdShowLinks, true);
}

void ApplyToolbarStates(bool treeHasItems) {
    for (int command : {kCmdExpandAll, kCmdCollapseAll, kCmdRemoveCategory, kCmdRemoveCode,
                        kCmdRemoveEverything, kCmdAddTemplates}) {
        ui::DisableCommand(command, !treeHasItems);
    }
    ui::DisableControl(kSearchField, !treeHasItems);
}

}  // namespace shell

#include "shell/CommandLinks.h"

#include "common/platform/Platform.h"
#include "common/text/AnsiText.h"
#include "common/ui/Ui.h"
#include "library/LibraryPaths.h"
#include "library/LibraryTree.h"
#include "library/Store.h"
#include "shell/Identifiers.h"

#include <optional>

namespace shell {
namespace {

// The link file of the code selected in the main tree, when a code is selected.
std::optional<std::string> selectedLinkFile() {
    const int item = ui::CurrentTreeItem(kLibraryTree);
    if (item < 0 || ui::TreeItemLevel(kLibraryTree, item) != 1) {
        return std::nullopt;
    }
    const int category = library::CategoryOfItem(kLibraryTree, item);
    if (category < 0) {
        return std::nullopt;
    }
    return library::LinkFilePath(ui::TreeItemText(kLibraryTree, category),
                                 ui::TreeItemText(kLibraryTree, item));
}

}  // namespace

void ShowCommandLinks() {
    ui::CreatePopupMenu(kLinksPopup);
    if (const auto linkFile = selectedLinkFile()) {
        int command = kCmdFirstLink;
        for (const library::CommandLink& link : library::ReadCommandLinks(*linkFile)) {
            ui::MenuItem(command++, link.command);
        }
    }
    ui::DisplayPopupMenu(kLinksPopup, kMainWindow);
}

void OpenCommandLink(int entry) {
    const auto linkFile = selectedLinkFile();
    if (!linkFile) {
        return;
    }
    const auto links = library::ReadCommandLinks(*linkFile);
    if (entry < 0 || entry >= static_cast<int>(links.size())) {
        return;
    }
    const QString link = common::toQString(links[static_cast<std::size_t>(entry)].link);
    if (link.isEmpty()) {
        return;
    }
    // A link may name a program; anything else goes to the system's handler (the browser).
    if (!common::StartProgram(link, {}, QString())) {
        common::OpenWithDefaultHandler(link);
    }
}

}  // namespace shell

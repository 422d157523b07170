#include "library/DialogParts.h"

#include "common/ui/Ui.h"

namespace library {
namespace {

constexpr int kButtonWidth = 100;
constexpr int kButtonHeight = 20;

}  // namespace

bool OpenAdminDialog(int window, int width, int height, const std::string& title, int parent) {
    return ui::OpenWindow(window, width, height, title, ui::kWindowNoClose | ui::kWindowCentered,
                          parent);
}

void CreateDialogFrame(int frame, int width, int height, int iconImage) {
    ui::CreateFrame(frame, 10, 10, width - 20, height - 50, "");
    ui::CreateImage(frame + 1, 20, 30, 0, 0, iconImage);
}

void CreateDialogButtons(int action, int cancel, int width, int height,
                         const std::string& actionText) {
    ui::CreateButton(action, width - 220, height - 30, kButtonWidth, kButtonHeight, actionText);
    ui::CreateButton(cancel, width - 110, height - 30, kButtonWidth, kButtonHeight, "Abbrechen");
}

}  // namespace library

#pragma once
// Private to the library: what the administration dialogs (windows 4 to 8) have in common.
// Each is a fixed-size window without close box, centred on its parent, with a frame without
// caption, an icon at its top left and two buttons at its bottom right. GUI thread.

#include <string>

namespace library {

// Opens dialog `window` of inner size width x height, centred on window `parent`.
bool OpenAdminDialog(int window, int width, int height, const std::string& title, int parent);
// The frame `frame` (10, 10; width - 20 by height - 50) and, numbered frame + 1, the icon at
// 20, 30 in the size of image `iconImage`.
void CreateDialogFrame(int frame, int width, int height, int iconImage);
// The action button (width - 220) and "Abbrechen" (width - 110), 100 by 20 at height - 30.
void CreateDialogButtons(int action, int cancel, int width, int height,
                         const std::string& actionText);

}  // namespace library

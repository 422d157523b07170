#pragma once
// Category administration: the dialogs "Kategorie erstellen" (window 4) and "Kategorie
// entfernen" (window 5), and the removal of the whole library. Each command writes straight to
// the library folders and ends with RefreshLibraryTree. The dialogs are centred on the main
// window and disable it while open; the event loop closes them with ui::CloseDialog(n, 0).
// GUI thread.

namespace library {

inline constexpr int kCreateCategoryWindow = 4;
inline constexpr int kCreateCategoryFrame = 401;
inline constexpr int kCreateCategoryImage = 402;
inline constexpr int kCreateCategoryLabel = 403;
inline constexpr int kCategoryNameField = 404;
inline constexpr int kCreateCategoryButton = 405;
inline constexpr int kCreateCategoryCancel = 406;

inline constexpr int kRemoveCategoryWindow = 5;
inline constexpr int kRemoveCategoryFrame = 501;
inline constexpr int kRemoveCategoryImage = 502;
inline constexpr int kRemoveCategoryLabel = 503;
inline constexpr int kCategoryChoice = 504;
inline constexpr int kRemoveCategoryButton = 505;
inline constexpr int kRemoveCategoryCancel = 506;

// Opens window 4 with an empty name and "Erstellen" disabled; `iconImage` is the loaded image
// of the dialog's icon.
void OpenCreateCategoryDialog(int iconImage);
// Creates the category named by field 404, spaces included: its two folders and an empty code
// index, its line in the sorted category index. A name already listed or unfit for a folder is
// refused with a message and nothing changes; the result is then false and the dialog is to
// stay open for a correction.
bool CreateCategory();

// Opens window 5 with the categories in index order, the first one chosen. With no category
// "Entfernen" is disabled.
void OpenRemoveCategoryDialog(int iconImage);
// Removes the chosen category without asking: its folders with all codes and links, its code
// index and every line of it in the category index. Removes nothing when no category is
// chosen or its name cannot address its own folders.
void RemoveCategory();

// Asks, and on Yes empties the library: both folders recreated, an empty category index.
void RemoveEverything();

}  // namespace library

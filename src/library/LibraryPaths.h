#pragma once
// The paths of the library, relative to the program directory, as ANSI text with \ as the
// separator (common::diskPath turns them into paths on disk). A builder that takes a name
// gives std::nullopt when the name fails IsSafeName (titles) or IsSafeCategoryName
// (categories), so no name can address anything outside its own place, and the empty name
// never stands for a whole folder. Pure functions; any thread.

#include <optional>
#include <string>
#include <string_view>

namespace library {

inline constexpr std::string_view kCodesFolder = "Codes";
inline constexpr std::string_view kSettingsFolder = "Einstellungen";

// "Einstellungen\Kategorien.ini" and its temporary list "Einstellungen\Kategorien.tmp".
std::string CategoryIndexPath();
std::string CategoryIndexTempPath();

// "Einstellungen\" + category + ".ini" and ".tmp".
std::optional<std::string> CodeIndexPath(std::string_view category);
std::optional<std::string> CodeIndexTempPath(std::string_view category);
// "Codes\" + category: the code files of the category.
std::optional<std::string> CategoryCodeFolder(std::string_view category);
// "Einstellungen\" + category: the link files of the category.
std::optional<std::string> CategoryLinkFolder(std::string_view category);
// "Codes\" + category + "\" + title + ".pb".
std::optional<std::string> CodeFilePath(std::string_view category, std::string_view title);
// "Einstellungen\" + category + "\" + title + ".ini".
std::optional<std::string> LinkFilePath(std::string_view category, std::string_view title);

}  // namespace library

#pragma once
// Which category names and code titles may become folder and file names. A name is used
// unchanged as a file name, so these checks are what keeps a name inside its own folder.
// Pure functions on ANSI text; any thread.

#include <string>
#include <string_view>

namespace library {

// False for the empty name, "." and "..", a name holding \ or /, a control character
// (below 32) or one of < > : " | ? * (which Windows file systems refuse), and a name whose
// file name on disk, with the longest extension the library appends, exceeds 255 bytes.
bool IsSafeName(std::string_view name);
// Why IsSafeName refuses the name, as a German sentence for a message box; "" when it is safe.
std::string NameRefusalReason(std::string_view name);

// A category name must also leave the category index alone: "Kategorien" would name the index
// as its code index, and a name ending in ".ini" or ".tmp" would name another category's code
// index as its link folder (both compared with A-Z folded, as Windows file systems do).
bool IsSafeCategoryName(std::string_view name);
std::string CategoryNameRefusalReason(std::string_view name);

}  // namespace library

#pragma once
// The search core: finds the code files under a folder whose name or content holds a text.
// Plain file work, no widgets; the search window shows the rows. GUI thread or any other, as
// long as nothing changes the folder meanwhile.

#include <string>
#include <string_view>
#include <vector>

namespace library {

struct SearchResult {
    std::string name;      // the file name without ".pb"
    std::string category;  // the folder relative to the searched one: "" directly in it, "a\b"
                           // for a deeper one

    bool operator==(const SearchResult&) const = default;
};

// Goes through folder (an ANSI library path such as "Codes") depth first. The entries of each
// folder are taken in the byte order of their ANSI names, and a subfolder is searched where it
// comes in that order. A file counts when its extension (after the last ".") is exactly "pb";
// it matches when searchText, lower-cased as the ANSI code page does and not trimmed, occurs in
// the lower-cased file name with its extension or in one lower-cased line of the file (lines
// end at CR LF, CR, LF and NUL). A file that cannot be opened is passed over even when its name
// matches. The empty text matches every file.
std::vector<SearchResult> SearchCodes(std::string_view folder, std::string_view searchText);

}  // namespace library

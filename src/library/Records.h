#pragma once
// The records of the library. None of them outlives the command that uses it; the files in
// "Codes" and "Einstellungen" are the only lasting state. All texts are ANSI text.

#include <string>
#include <vector>

namespace library {

// A category exists when its name is a line of the category index.
struct Category {
    std::string name;
};

// One documentation link of a code: shown in the columns "Befehl" and "Link".
struct CommandLink {
    std::string command;
    std::string link;

    bool operator==(const CommandLink&) const = default;
};

// A code exists when its title is a line of its category's code index.
struct CodeEntry {
    std::string categoryName;
    std::string title;
    std::string text;  // lines separated by CR LF, no line end after the last line
    std::vector<CommandLink> links;
};

}  // namespace library

#pragma once
// The two line-list formats of the library and the operations through which every index
// change goes. A name list (category index, code index) holds one name per line; a link file
// holds a command and its link on each pair of lines. Paths are ANSI library paths with \ as
// the separator, relative to the current directory. Each call opens, uses and closes its files;
// nothing is kept between calls. GUI thread (no call is safe against a concurrent writer).
//
// Reading: a line ends at CR LF, a lone CR, a lone LF, a NUL byte or the end of the file; a
// last line without line end is a line, a file ending in a line end has no empty line after it.
// Nothing is trimmed: an empty line is the name "". Writing ends every line with CR LF.

#include "library/Records.h"

#include <string>
#include <string_view>
#include <vector>

namespace library {

// The names in file order; empty when the file cannot be read.
std::vector<std::string> ReadNameList(std::string_view path);

// Appends name and CR LF to the list, creating the file when it is missing. When the last line
// has no line end (a file edited by hand), CR LF is written first so that the name gets a line
// of its own. A file that can be neither opened nor created is left alone.
void AppendName(std::string_view path, std::string_view name);

// Rewrites the list without every line equal to name (byte for byte, case significant), the
// other lines in their order, through tempPath (created or truncated), which then replaces the
// list. A missing list counts as empty and is created. When the list cannot be read or the
// temporary file cannot be written completely, the list stays as it was, tempPath is removed
// and the result is false.
bool RemoveName(std::string_view path, std::string_view tempPath, std::string_view name);

// Sorts the list stably: bytes compared as unsigned values after folding A-Z to a-z, a prefix
// before the longer name. The sorted list replaces the file only once it is written completely;
// a missing list is created empty, one that cannot be read or rewritten stays as it was.
void SortNameList(std::string_view path);

// The command links of a link file in file order: the odd lines are commands, each followed by
// its link; an odd last line is a command with an empty link. Empty when unreadable.
std::vector<CommandLink> ReadCommandLinks(std::string_view path);

}  // namespace library

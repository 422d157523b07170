#pragma once
// Private to the library: the plain file and folder operations of the administration commands,
// on ANSI library paths. None reports a failure to the user; the commands go on with their
// next step. GUI thread.

#include <string_view>

namespace library {

// Creates one folder level; an existing folder is left as it is.
void CreateFolder(std::string_view path);
// Deletes a folder with everything in it, read-only files and folders included. Links inside
// are removed, never followed.
void DeleteFolder(std::string_view path);
// Creates or truncates the file and writes the bytes, nothing added. False when the file
// could not be created or written completely.
bool WriteWholeFile(std::string_view path, std::string_view bytes);
void DeleteFile(std::string_view path);

}  // namespace library

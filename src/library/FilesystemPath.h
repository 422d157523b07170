#pragma once
// Private to the library: an ANSI library path as a std::filesystem path, built through
// common::diskPath like every other path of the program.

#include <filesystem>
#include <string_view>

namespace library {

std::filesystem::path FilesystemPath(std::string_view ansiPath);

}  // namespace library

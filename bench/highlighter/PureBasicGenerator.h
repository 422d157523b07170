#pragma once
// Generates PureBasic source that looks like the codes of the library: procedures, structures,
// GUI set-up, loops, comments, strings, pointers, constants and API calls, in CR LF lines.

#include <cstddef>
#include <cstdint>
#include <string>

namespace highlighter::bench {

// At least targetBytes of source; the same seed gives the same text.
std::string generatePureBasic(std::size_t targetBytes, std::uint32_t seed);

}  // namespace highlighter::bench

#pragma once
// The highlighting library: a run-time module with one C function, "SyntaxHighlight", that
// splits a text into tokens and reports each through a callback. One function serves every
// viewer of the process. GUI thread only.

#include "highlighter/SyntaxHighlight.h"

#include <string>

namespace viewer {

// Loads the module `fileName` (ANSI text) from the current directory, or else from the
// executable's folder, and makes its "SyntaxHighlight" the function of every viewer. The module
// stays loaded until the process ends. Returns false, keeping the previous function, when the
// module cannot be loaded or lacks the function.
bool LoadHighlighter(const std::string& fileName);

// The function found by the last successful LoadHighlighter, or nullptr.
SyntaxHighlightFunction CurrentHighlighter();

}  // namespace viewer

#pragma once
// The logical text mode of a viewer: how its text was read and how it is to be written back.

namespace viewer {

// EightBit: the text came as Windows-1252 bytes. Utf8: it came from a file with a UTF-8 or
// UTF-16 byte-order mark and may hold any character.
enum class TextMode { EightBit, Utf8 };

}  // namespace viewer

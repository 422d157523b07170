#pragma once
// The rules that enable a button by the text of one or two fields. Only the space character
// (32) counts as blank here; a tab or a line break is content. GUI thread.

namespace library {

// True when the text of `field` is more than spaces.
bool IsFieldFilled(int field);
// Enables `button` exactly when `field` is filled, disables it otherwise.
void EnableIfFilled(int field, int button);
// Enables `button` exactly when both fields are filled, disables it otherwise.
void EnableIfBothFilled(int fieldA, int fieldB, int button);

}  // namespace library

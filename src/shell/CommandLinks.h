#pragma once
// The command links ("MSDN-Links") of the selected code: the popup that lists them (command 20)
// and opening one of them (commands 100 to 130). GUI thread.

namespace shell {

void ShowCommandLinks();
// Opens the link of entry `entry` (0 for command 100) of the selected code.
void OpenCommandLink(int entry);

}  // namespace shell

#pragma once
// The commands of the shell itself: starting the updater (1), the about box (12), and the
// shutdown that follows the event loop. GUI thread.

namespace shell {

// Asks, then starts Vedezorevavaze from the program directory and ends the program at once,
// without writing the settings (also when the updater could not be started).
void StartUpdater();
void ShowAbout();
// Writes the settings, honours a restart request and releases the windows.
void Shutdown();

}  // namespace shell

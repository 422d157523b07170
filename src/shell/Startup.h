#pragma once
// Quellhort's start-up and its whole run: checks of its own files, the library folders, the
// per-user settings, the main window and its parts, then the event loop and the shutdown.
// GUI thread.

#include <QString>

namespace shell {

struct StartupOptions {
    // Folder of the running executable: where the program looks when the current directory is
    // not the program directory.
    QString executableDir;
    // The editor component's library file that must exist.
    QString scintillaLibrary;
};

// The real program's options: its own folder and the QScintilla library it runs with.
StartupOptions DefaultStartupOptions();

// Runs the start-up steps up to the event loop. Returns false when the program is to end
// (a failed check, shown to the user, or a main window that could not be opened).
bool StartQuellhort(const StartupOptions& options);

// The whole program; returns the exit code, which is always 0.
int RunQuellhort(int argc, char** argv);

}  // namespace shell

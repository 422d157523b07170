#pragma once
// The per-user settings of Quellhort: the record, where its file lives, and when it is read and
// written. GUI thread only.

#include <QString>

#include <string>

namespace shell {

constexpr int kMaximizedState = 16777216;

// Initial values (before any read) are the empty text and 0, as when the file cannot be read.
struct SettingsRecord {
    std::string idePath;  // PBPfad: "" not configured, "0" cancelled, else the editor's path
    int windowState = 0;  // Fensterstatus: 0 normal, kMaximizedState maximized
    int windowWidth = 0;
    int windowHeight = 0;  // inner height, menu bar included
    int splitterPosition = 0;
    int toolbarIconSize = 0;
    int administratorMode = 0;
};

// The main window as it is when the settings are saved.
enum class MainWindowState { Normal, Maximized, Minimized };
struct MainWindowSnapshot {
    MainWindowState state = MainWindowState::Normal;
    int width = 0;
    int height = 0;
    int splitterPosition = 0;
};

// %APPDATA%\Velmora\Quellhort\Einstellungen.ini, as a path on disk.
QString SettingsFilePath();

// Creates the per-user folders and, when it is missing, the settings file with its defaults.
// Failures are silent.
void EnsureSettingsFile();
// Reads the settings file into the record; when it cannot be opened the record is unchanged.
void LoadSettings(SettingsRecord& settings);
// Writes the record and the window's state; when the file cannot be opened nothing is written.
void SaveSettings(const SettingsRecord& settings, const MainWindowSnapshot& window);

}  // namespace shell

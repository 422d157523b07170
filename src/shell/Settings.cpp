#include "shell/Settings.h"

#include "common/ini/IniFile.h"
#include "common/platform/Platform.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <limits>

namespace shell {
namespace {

constexpr const char* kGroup = "Einstellungen";

QString velmoraFolder() {
    return common::AppDataFolder() + QStringLiteral("/Velmora");
}
QString productFolder() {
    return velmoraFolder() + QStringLiteral("/Quellhort");
}

void ensureFolder(const QString& path) {
    if (!QFileInfo(path).isDir()) {
        QDir().mkdir(path);
    }
}

}  // namespace

QString SettingsFilePath() {
    return productFolder() + QStringLiteral("/Einstellungen.ini");
}

void EnsureSettingsFile() {
    ensureFolder(velmoraFolder());
    ensureFolder(productFolder());
    const QString path = SettingsFilePath();
    if (QFileInfo::exists(path)) {
        return;
    }
    common::IniFile ini;
    if (!ini.create(path)) {
        return;
    }
    ini.selectGroup(kGroup);
    ini.writeText("PBPfad", "");
    ini.writeInteger("Fensterstatus", 0);
    ini.writeInteger("Fensterbreite", 800);
    ini.writeInteger("Fensterhoehe", 600);
    ini.writeInteger("Splitterposition", 200);
    ini.writeInteger("ToolBar_Icongroesse", 32);
    ini.writeInteger("Administratormodus", 0);
    ini.close();
}

void LoadSettings(SettingsRecord& settings) {
    common::IniFile ini;
    if (!ini.open(SettingsFilePath())) {
        return;
    }
    ini.selectGroup(kGroup);
    // A hand-edited number beyond the range of int reads as its nearest end.
    const auto readInt = [&ini](const char* key, int fallback) {
        return static_cast<int>(std::clamp<long long>(ini.readInteger(key, fallback),
                                                      std::numeric_limits<int>::min(),
                                                      std::numeric_limits<int>::max()));
    };
    settings.idePath = ini.readText("PBPfad", "");
    settings.windowWidth = readInt("Fensterbreite", 800);
    settings.windowHeight = readInt("Fensterhoehe", 600);
    settings.windowState = readInt("Fensterstatus", 0);
    settings.splitterPosition = readInt("Splitterposition", 200);
    settings.toolbarIconSize = readInt("ToolBar_Icongroesse", 32);
    settings.administratorMode = readInt("Administratormodus", 0);
    ini.close();
}

void SaveSettings(const SettingsRecord& settings, const MainWindowSnapshot& window) {
    common::IniFile ini;
    if (!ini.open(SettingsFilePath())) {
        return;
    }
    ini.selectGroup(kGroup);
    ini.writeText("PBPfad", settings.idePath);
    switch (window.state) {
        case MainWindowState::Maximized:
            // Width and height keep the last normal size, so restoring brings it back.
            ini.writeInteger("Fensterstatus", kMaximizedState);
            break;
        case MainWindowState::Normal:
            ini.writeInteger("Fensterstatus", 0);
            ini.writeInteger("Fensterbreite", window.width);
            ini.writeInteger("Fensterhoehe", window.height);
            break;
        case MainWindowState::Minimized:
            break;
    }
    ini.writeInteger("Splitterposition", window.splitterPosition);
    ini.writeInteger("ToolBar_Icongroesse", settings.toolbarIconSize);
    ini.writeInteger("Administratormodus", settings.administratorMode);
    ini.close();
}

}  // namespace shell

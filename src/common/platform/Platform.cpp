#include "common/platform/Platform.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QUrl>

#include <mutex>

namespace common {
namespace {

std::mutex g_seamMutex;
ProgramStarter g_programStarter;
LinkOpener g_linkOpener;

}  // namespace

QString ExecutablePath() {
    // /proc/self/exe names the file actually running, whatever argv[0] said.
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
}

QString ExecutableDir() {
    return QFileInfo(ExecutablePath()).absolutePath();
}

QString CurrentDir() {
    return QDir::currentPath();
}

bool SetCurrentDir(const QString& path) {
    return QDir::setCurrent(path);
}

QString EnvironmentVariable(const char* name) {
    return qEnvironmentVariable(name);
}

QString AppDataFolder() {
    const QString appData = EnvironmentVariable("APPDATA");
    if (!appData.isEmpty()) {
        return appData;
    }
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

QString TempFolder() {
    for (const char* name : {"TEMP", "TMPDIR"}) {
        const QString folder = EnvironmentVariable(name);
        if (!folder.isEmpty()) {
            return folder;
        }
    }
    return QStringLiteral("/tmp");
}

bool StartProgram(const QString& program, const std::vector<QString>& arguments,
                  const QString& workingDir) {
    {
        std::lock_guard lock(g_seamMutex);
        if (g_programStarter) {
            return g_programStarter(program, arguments, workingDir);
        }
    }
    const QStringList args(arguments.begin(), arguments.end());
    return QProcess::startDetached(program, args, workingDir);
}

bool OpenWithDefaultHandler(const QString& target) {
    {
        std::lock_guard lock(g_seamMutex);
        if (g_linkOpener) {
            return g_linkOpener(target);
        }
    }
    const QUrl url = QUrl::fromUserInput(target, QDir::currentPath(), QUrl::AssumeLocalFile);
    return url.isValid() && QDesktopServices::openUrl(url);
}

void SetProgramStarter(ProgramStarter starter) {
    std::lock_guard lock(g_seamMutex);
    g_programStarter = std::move(starter);
}

void SetLinkOpener(LinkOpener opener) {
    std::lock_guard lock(g_seamMutex);
    g_linkOpener = std::move(opener);
}

}  // namespace common

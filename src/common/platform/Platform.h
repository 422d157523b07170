#pragma once
// What the programs need from the operating system, in one place: the program's own folder, the
// current directory, environment variables, the per-user and temporary folders, and starting
// programs or opening links. Absolute paths of the system are QStrings; library paths stay ANSI.
// Callable from any thread.

#include <QString>

#include <functional>
#include <string>
#include <vector>

namespace common {

// Full path and folder of the running executable.
QString ExecutablePath();
QString ExecutableDir();

QString CurrentDir();
bool SetCurrentDir(const QString& path);

// The variable's value, or "" when it is not set.
QString EnvironmentVariable(const char* name);

// $APPDATA when set and not empty, else the XDG config folder (~/.config).
QString AppDataFolder();
// $TEMP when set and not empty, else $TMPDIR, else /tmp.
QString TempFolder();

// Starts a program without waiting, with arguments and a working directory ("" = inherit).
bool StartProgram(const QString& program, const std::vector<QString>& arguments,
                  const QString& workingDir = QString());
// Opens a link or file with the system's default handler.
bool OpenWithDefaultHandler(const QString& target);

// Tests replace how programs are started and links are opened; an empty function restores the
// real behaviour.
using ProgramStarter = std::function<bool(
    const QString& program, const std::vector<QString>& arguments, const QString& workingDir)>;
using LinkOpener = std::function<bool(const QString& target)>;
void SetProgramStarter(ProgramStarter starter);
void SetLinkOpener(LinkOpener opener);

}  // namespace common

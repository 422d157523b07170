#pragma once
// A Quellhort program directory per test, with the real highlighting module and pictures, the
// dialogs scripted and the program's seams recording what it starts and opens.

#include "common/ui/TestDriver.h"
#include "common/ui/Ui.h"
#include "support/ProgramDirFixture.h"

#include <QString>

#include <string>
#include <vector>

namespace testsupport {

struct StartedProgram {
    QString program;
    std::vector<QString> arguments;
};

class QuellhortFixture : public ProgramDirFixture {
protected:
    void SetUp() override;
    void TearDown() override;

    // Copies the highlighting module and the pictures of the built program into the program
    // directory and creates the program file; `settings` (when not empty) becomes the settings
    // file before the start.
    void installProgram();
    void writeSettings(const QByteArray& settings);
    QString settingsFile() const;
    // Runs the start-up steps with this program directory.
    bool start();
    // Handles every queued event as the event loop would; false when one ended the loop.
    bool pump();

    std::vector<StartedProgram> m_started;
    std::vector<QString> m_opened;
    bool m_startSucceeds = true;
};

// A line of text as the program shows it, from UTF-8 source text.
std::string Ansi(const char* utf8);

}  // namespace testsupport

#pragma once
// A code viewer on its own, styled by the fake highlighting module, in a fresh program directory
// with APPDATA inside it.

#include "viewer/CodeViewer.h"

#include "support/ProgramDirFixture.h"

#include <memory>
#include <string>
#include <vector>

namespace viewertest {

// The file name of the fake module, which lies beside the test executable.
inline constexpr const char* kFakeModule = "FakeHighlighter.so";

// The texts the fake module was given since the last reset.
std::vector<std::string> FakeHighlighterTexts();
void ResetFakeHighlighter();

class ViewerFixture : public testsupport::ProgramDirFixture {
protected:
    void SetUp() override;
    void TearDown() override;

    // Makes a viewer with the editor settings as they are on disk now.
    void createViewer();
    long send(unsigned int message, unsigned long wParam = 0, long lParam = 0) const;
    // Styles the whole text, as scrolling through all of it would.
    void styleAll() const;
    int styleAt(int position) const {
        return static_cast<int>(send(QsciScintillaBase::SCI_GETSTYLEAT, position));
    }
    std::string fontOf(int style) const;
    // Writes the editor's PureBasic.prefs in APPDATA.
    void writePrefs(const QByteArray& content) const;

    std::unique_ptr<viewer::CodeViewer> m_viewer;
};

}  // namespace viewertest

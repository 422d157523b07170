#include "ViewerFixture.h"

#include "viewer/EditorPrefs.h"
#include "viewer/Highlighter.h"

#include <QCoreApplication>
#include <QLibrary>

namespace viewertest {
namespace {

QLibrary& fakeModule() {
    static QLibrary library(QCoreApplication::applicationDirPath() + "/" + kFakeModule);
    return library;
}

template <typename Function>
Function fakeFunction(const char* name) {
    return reinterpret_cast<Function>(fakeModule().resolve(name));
}

}  // namespace

std::vector<std::string> FakeHighlighterTexts() {
    const auto count = fakeFunction<int (*)()>("FakeHighlighterCallCount");
    const auto text = fakeFunction<const char* (*)(int)>("FakeHighlighterText");
    std::vector<std::string> texts;
    for (int i = 0; i < count(); ++i) {
        texts.emplace_back(text(i));
    }
    return texts;
}

void ResetFakeHighlighter() {
    fakeFunction<void (*)()>("FakeHighlighterReset")();
}

void ViewerFixture::SetUp() {
    ProgramDirFixture::SetUp();
    ASSERT_TRUE(viewer::LoadHighlighter(kFakeModule));
    ResetFakeHighlighter();
}

void ViewerFixture::TearDown() {
    m_viewer.reset();
    ProgramDirFixture::TearDown();
}

void ViewerFixture::createViewer() {
    m_viewer = std::make_unique<viewer::CodeViewer>(viewer::ReadEditorPrefs());
    m_viewer->resize(400, 300);
}

long ViewerFixture::send(unsigned int message, unsigned long wParam, long lParam) const {
    return m_viewer->SendScintilla(message, wParam, lParam);
}

void ViewerFixture::styleAll() const {
    send(QsciScintillaBase::SCI_COLOURISE, 0, -1);
}

std::string ViewerFixture::fontOf(int style) const {
    char name[128] = {};
    m_viewer->SendScintilla(QsciScintillaBase::SCI_STYLEGETFONT, style, static_cast<void*>(name));
    return name;
}

void ViewerFixture::writePrefs(const QByteArray& content) const {
    testsupport::WriteBytes(m_appData + "/PureBasic/PureBasic.prefs", content);
}

}  // namespace viewertest

// Renders a viewer styled by the real highlighting module with the editor's default colours.
// The picture is kept in the test's folder, and copied to $QH_VIEWER_SCREENSHOT when set.

#include "viewer/CodeViewer.h"
#include "viewer/EditorPrefs.h"
#include "viewer/Highlighter.h"

#include "common/text/AnsiText.h"
#include "support/ProgramDirFixture.h"

#include <QColor>
#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr const char* kModule = "SyntaxHilighting.so";

// A code as the library stores it: ANSI text with CR LF line ends.
std::string SampleCode() {
    return common::ansi(
        "; Zeigt ein Fenster mit einer Schaltfläche\r\n"
        "EnableExplicit\r\n"
        "\r\n"
        "#Fenster = 0\r\n"
        "Structure Punkt\r\n"
        "  x.l\r\n"
        "  y.l\r\n"
        "EndStructure\r\n"
        "\r\n"
        "Procedure.i Fläche(*p.Punkt, Faktor.d = 2.5)\r\n"
        "  ProcedureReturn *p\\x * *p\\y * Faktor\r\n"
        "EndProcedure\r\n"
        "\r\n"
        "Define Punkt.Punkt\r\n"
        "Punkt\\x = 40 : Punkt\\y = $1F\r\n"
        "If OpenWindow(#Fenster, 100, 100, 300, 200, \"Grüße „Welt“\")\r\n"
        "  MessageRequester(\"Fläche\", Str(Fläche(@Punkt)))\r\n"
        "  Repeat\r\n"
        "  Until WaitWindowEvent() = #PB_Event_CloseWindow\r\n"
        "EndIf\r\n"
        "!NOP\r\n"
        "Ende:\r\n"
        "End\r\n");
}

QColor fromColorRef(int c) {
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

// Whether some pixel of the region has exactly this colour.
bool containsColor(const QImage& image, const QRect& region, const QColor& color) {
    for (int y = region.top(); y <= region.bottom(); ++y) {
        for (int x = region.left(); x <= region.right(); ++x) {
            if (image.pixelColor(x, y) == color) {
                return true;
            }
        }
    }
    return false;
}

class ViewerScreenshotTest : public testsupport::ProgramDirFixture {};

TEST_F(ViewerScreenshotTest, ShowsSampleCodeInTheEditorColours) {
    const QString module = qEnvironmentVariable("QH_DIST_DIR") + "/" + kModule;
    if (!QFile::exists(module)) {
        GTEST_SKIP() << "no " << module.toStdString();
    }
    ASSERT_TRUE(QFile::copy(module, path(kModule)));
    ASSERT_TRUE(viewer::LoadHighlighter(kModule));

    // Default colours; a solid face of a fixed size so that pure colour pixels exist whatever
    // "courier" falls back to on this machine.
    testsupport::WriteBytes(
        m_appData + "/PureBasic/PureBasic.prefs",
        "[Editor]\r\nEditorFontName = DejaVu Sans Mono\r\nEditorFontSize = 12\r\n");
    viewer::CodeViewer viewer(viewer::ReadEditorPrefs());
    viewer.setAnsiText(SampleCode());
    viewer.resize(640, 420);
    const QImage image = viewer.grab().toImage();
    ASSERT_FALSE(image.isNull());
    ASSERT_TRUE(image.save(path("viewer.png")));
    if (const QString copy = qEnvironmentVariable("QH_VIEWER_SCREENSHOT"); !copy.isEmpty()) {
        QFile::remove(copy);
        EXPECT_TRUE(QFile::copy(path("viewer.png"), copy));
    }

    const viewer::EditorPrefs prefs = viewer::DefaultEditorPrefs();
    const int textLeft = 2 + 40 + 5;  // the frame and both margins
    const QRect textArea(textLeft, 2, image.width() - textLeft - 20, image.height() - 20);
    EXPECT_EQ(image.pixelColor(image.width() - 30, image.height() / 2), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(5, image.height() / 2), fromColorRef(prefs.lineNumberBackColor));
    // Keywords, comments, constants, strings, commands and operators.
    for (int kind : {1, 2, 3, 4, 5, 7}) {
        EXPECT_TRUE(containsColor(image, textArea, fromColorRef(prefs.kindColors[kind])))
            << "kind " << kind;
    }
}

}  // namespace

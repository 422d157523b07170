#include "ViewerFixture.h"

#include "support/Bytes.h"
#include "viewer/CodeViewer.h"
#include "viewer/EditorPrefs.h"
#include "viewer/Highlighter.h"

#include "common/text/AnsiText.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPalette>
#include <QTest>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace viewertest {
namespace {

using testsupport::bytes;

using Sci = QsciScintillaBase;
using viewer::CodeViewer;
using viewer::TextMode;

QByteArray utf16Le(const QString& text) {
    QByteArray result;
    for (QChar c : text) {
        result.append(static_cast<char>(c.unicode() & 0xFF));
        result.append(static_cast<char>(c.unicode() >> 8));
    }
    return result;
}

// ---- Editor settings -------------------------------------------------------------------

using EditorSettingsTest = ViewerFixture;

// Restores the application palette when the test ends.
class PaletteGuard {
public:
    PaletteGuard() : m_saved(QApplication::palette()) {}
    ~PaletteGuard() { QApplication::setPalette(m_saved); }

private:
    QPalette m_saved;
};

TEST_F(EditorSettingsTest, WithoutPrefsFileUsesTheEditorDefaults) {
    PaletteGuard guard;
    QPalette palette = QApplication::palette();
    palette.setColor(QPalette::Button, QColor(1, 2, 3));
    QApplication::setPalette(palette);
    createViewer();

    EXPECT_EQ(send(Sci::SCI_STYLEGETFORE, Sci::STYLE_DEFAULT), 0);
    EXPECT_EQ(send(Sci::SCI_STYLEGETBACK, Sci::STYLE_DEFAULT), 16777215);
    EXPECT_EQ(fontOf(Sci::STYLE_DEFAULT), "courier");
    EXPECT_EQ(send(Sci::SCI_STYLEGETSIZE, Sci::STYLE_DEFAULT), 10);

    struct Expected {
        int style;
        long fore;
        bool bold;
        bool italic;
    };
    const Expected kinds[] = {
        {0, 0, false, false},        {1, 10289933, true, false}, {2, 7309386, false, false},
        {3, 738990, false, false},   {4, 4275251, false, true},  {5, 15675453, false, false},
        {6, 4194432, false, false},  {7, 255, false, false},     {8, 346292, false, false},
        {9, 255, false, false},      {10, 329652, false, false}, {11, 0, false, false},
        {12, 8404992, false, false},
    };
    for (const Expected& kind : kinds) {
        SCOPED_TRACE(kind.style);
        EXPECT_EQ(send(Sci::SCI_STYLEGETFORE, kind.style), kind.fore);
        EXPECT_EQ(send(Sci::SCI_STYLEGETBACK, kind.style), 16777215);
        EXPECT_EQ(send(Sci::SCI_STYLEGETBOLD, kind.style) != 0, kind.bold);
        EXPECT_EQ(send(Sci::SCI_STYLEGETITALIC, kind.style) != 0, kind.italic);
        EXPECT_EQ(fontOf(kind.style), "courier");
    }

    // The button face 1, 2, 3 as a COLORREF.
    EXPECT_EQ(send(Sci::SCI_STYLEGETBACK, Sci::STYLE_LINENUMBER), 0x030201);
    EXPECT_EQ(send(Sci::SCI_STYLEGETFORE, Sci::STYLE_LINENUMBER), 0);
    EXPECT_EQ(send(Sci::SCI_GETMARGINTYPEN, 0), Sci::SC_MARGIN_NUMBER);
    EXPECT_EQ(send(Sci::SCI_GETMARGINWIDTHN, 0), 40);
    EXPECT_EQ(send(Sci::SCI_GETMARGINWIDTHN, 1), 5);
}

TEST_F(EditorSettingsTest, ReadsColoursAndFontFromThePrefsFile) {
    const struct {
        const char* name;
        QByteArray content;
    } files[] = {
        {"plain",
         "[Editor]\r\n"
         "BackgroundColor = 12632256\r\n"
         "EditorFontName = Lucida Console\r\n"
         "EditorFontSize = 14\r\n"
         "BasicKeywordColor = 65280\r\n"
         "StringColor=16711680\r\n"
         "NumberColor = rot\r\n"
         "LineNumberBackColor = 1\r\n"
         "LineNumberColor = 2\r\n"
         "[Debugger]\r\n"
         "CommentColor = 5\r\n"},
        {"BOM, LF and odd key case",
         "\xEF\xBB\xBF"
         "[Compiler]\n"
         "CommentColor = 5\n"
         "[editor]\n"
         "  backgroundcolor=12632256\n"
         "EDITORFONTNAME =   Lucida Console  \n"
         "editorFontSize = 14pt\n"
         "basickeywordcolor = 65280\n"
         "STRINGCOLOR = 16711680\n"
         "numbercolor =\n"
         "linenumberbackcolor = 1\n"
         "LINENUMBERCOLOR = 2\n"},
    };
    for (const auto& file : files) {
        SCOPED_TRACE(file.name);
        writePrefs(file.content);
        createViewer();

        EXPECT_EQ(send(Sci::SCI_STYLEGETFORE, Sci::STYLE_DEFAULT), 0);
        EXPECT_EQ(send(Sci::SCI_STYLEGETBACK, Sci::STYLE_DEFAULT), 12632256);
        EXPECT_EQ(fontOf(Sci::STYLE_DEFAULT), "Lucida Console");
        EXPECT_EQ(send(Sci::SCI_STYLEGETSIZE, Sci::STYLE_DEFAULT), 14);
        EXPECT_EQ(send(Sci::SCI_STYLEGETFORE, 1), 65280);
        EXPECT_NE(send(Sci::SCI_STYLEGETBOLD, 1), 0);
        EXPECT_EQ(send(Sci::SCI_STYLEGETFORE, 4), 16711680);
        EXPECT_NE(send(Sci::SCI_STYLEGETITALIC, 4), 0);
        EXPECT_EQ(send(Sci::SCI_STYLEGETFORE, 9), 0) << "a value that is no number reads as 0";
        EXPECT_EQ(send(Sci::SCI_STYLEGETFORE, 2), 7309386) << "only group Editor counts";
        EXPECT_EQ(send(Sci::SCI_STYLEGETBACK, Sci::STYLE_LINENUMBER), 1);
        EXPECT_EQ(send(Sci::SCI_STYLEGETFORE, Sci::STYLE_LINENUMBER), 2);
        for (int style = 0; style < 32; ++style) {
            EXPECT_EQ(send(Sci::SCI_STYLEGETBACK, style), 12632256) << style;
        }
        for (int style = viewer::kColouredKinds; style < 32; ++style) {
            EXPECT_EQ(send(Sci::SCI_STYLEGETFORE, style), 0) << style;
            EXPECT_EQ(send(Sci::SCI_STYLEGETBOLD, style), 0) << style;
            EXPECT_EQ(send(Sci::SCI_STYLEGETITALIC, style), 0) << style;
        }
    }
}

TEST(CreationMessagesTest, SendsEverythingInTheFixedOrder) {
    viewer::EditorPrefs prefs;
    for (int kind = 0; kind < viewer::kColouredKinds; ++kind) {
        prefs.kindColors[kind] = 100 + kind;
    }
    prefs.backgroundColor = 200;
    prefs.fontName = common::ansi("Größe");
    prefs.fontSize = 11;
    prefs.selectionFrontColor = 201;
    prefs.selectionColor = 202;
    prefs.lineNumberBackColor = 203;
    prefs.lineNumberColor = 204;

    struct Message {
        unsigned int message;
        unsigned long wParam;
        std::string lParam;
        bool operator==(const Message&) const = default;
    };
    std::vector<Message> sent;
    viewer::SendCreationMessages(
        prefs, [&sent](unsigned int message, unsigned long wParam, long lParam) {
            sent.push_back({message, wParam,
                            message == Sci::SCI_STYLESETFONT ? reinterpret_cast<const char*>(lParam)
                                                             : std::to_string(lParam)});
        });

    const std::vector<Message> expected = {
        {Sci::SCI_SETCODEPAGE, Sci::SC_CP_UTF8, "0"},
        {Sci::SCI_SETLEXER, Sci::SCLEX_CONTAINER, "0"},
        {Sci::SCI_STYLESETFORE, 32, "0"},
        {Sci::SCI_STYLESETBACK, 32, "200"},
        {Sci::SCI_STYLESETFONT, 32, "Größe"},
        {Sci::SCI_STYLESETSIZE, 32, "11"},
        {Sci::SCI_SETSELFORE, 1, "201"},
        {Sci::SCI_SETSELBACK, 1, "202"},
        {Sci::SCI_STYLECLEARALL, 0, "0"},
        {Sci::SCI_STYLESETFORE, 0, "100"},
        {Sci::SCI_STYLESETFORE, 1, "101"},
        {Sci::SCI_STYLESETBOLD, 1, "1"},
        {Sci::SCI_STYLESETFORE, 2, "102"},
        {Sci::SCI_STYLESETFORE, 3, "103"},
        {Sci::SCI_STYLESETFORE, 4, "104"},
        {Sci::SCI_STYLESETITALIC, 4, "1"},
        {Sci::SCI_STYLESETFORE, 5, "105"},
        {Sci::SCI_STYLESETFORE, 6, "106"},
        {Sci::SCI_STYLESETFORE, 7, "107"},
        {Sci::SCI_STYLESETFORE, 8, "108"},
        {Sci::SCI_STYLESETFORE, 9, "109"},
        {Sci::SCI_STYLESETFORE, 10, "110"},
        {Sci::SCI_STYLESETFORE, 11, "111"},
        {Sci::SCI_STYLESETFORE, 12, "112"},
        {Sci::SCI_SETMARGINTYPEN, 0, std::to_string(Sci::SC_MARGIN_NUMBER)},
        {Sci::SCI_SETMARGINWIDTHN, 0, "40"},
        {Sci::SCI_STYLESETBACK, 33, "203"},
        {Sci::SCI_STYLESETFORE, 33, "204"},
        {Sci::SCI_SETMARGINWIDTHN, 1, "5"},
    };
    ASSERT_EQ(sent.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_TRUE(sent[i] == expected[i]) << "message " << i << ": " << sent[i].message << "("
                                            << sent[i].wParam << ", " << sent[i].lParam << ")";
    }
}

// ---- Styling ---------------------------------------------------------------------------

using StylingTest = ViewerFixture;

TEST_F(StylingTest, AppliesTheReportedKindsReducedToFiveBits) {
    createViewer();
    m_viewer->setAnsiText("@AM_`az\nAAA");
    styleAll();

    // Kinds: '@' 0, 'A' 1, 'M' 13, '_' 31, '`' 32, 'a' 33, 'z' 58, line break 0.
    const int expected[] = {0, 1, 13, 31, 0, 1, 26, 0, 1, 1, 1};
    for (int position = 0; position < 11; ++position) {
        EXPECT_EQ(styleAt(position), expected[position]) << position;
    }
    EXPECT_EQ(send(Sci::SCI_GETENDSTYLED), 11);
}

TEST_F(StylingTest, StylesWindows1252CharactersAtTheirUtf8Positions) {
    createViewer();
    m_viewer->setAnsiText("\xE4\xE4Z\x80M");  // ää Z € M
    styleAll();
    // ä takes two bytes and € three, so Z is at byte 4 and M at byte 8.
    EXPECT_EQ(styleAt(4), 26);
    EXPECT_EQ(styleAt(8), 13);
    EXPECT_EQ(FakeHighlighterTexts().back(), "ääZ€M");
}

TEST_F(StylingTest, AfterAnEditRestylesFromTheStartOfTheChangedLine) {
    createViewer();
    m_viewer->setAnsiText("AAAA\nBBBB\nCCCC\nDDDD\nEEEE\n");
    m_viewer->grab();
    ASSERT_EQ(send(Sci::SCI_GETENDSTYLED), 25);
    ResetFakeHighlighter();

    send(Sci::SCI_GOTOPOS, 12);  // inside "CCCC"
    QTest::keyClicks(m_viewer.get(), "ZZ");
    ASSERT_EQ(m_viewer->text(), "AAAA\nBBBB\nCCZZCC\nDDDD\nEEEE\n");
    EXPECT_LE(send(Sci::SCI_GETENDSTYLED), 12);
    m_viewer->grab();

    const std::vector<std::string> texts = FakeHighlighterTexts();
    ASSERT_FALSE(texts.empty());
    EXPECT_THAT(texts.front(), testing::StartsWith("CCZZCC\n"));
    for (const std::string& text : texts) {
        EXPECT_EQ(text.find("AAAA"), std::string::npos) << text;
        EXPECT_EQ(text.find("BBBB"), std::string::npos) << text;
    }
    EXPECT_EQ(styleAt(12), 26);
    EXPECT_EQ(styleAt(0), 1);
    EXPECT_EQ(styleAt(5), 2);
    EXPECT_EQ(send(Sci::SCI_GETENDSTYLED), 27);
}

// ---- Text --------------------------------------------------------------------------------

using ViewerTextTest = ViewerFixture;

TEST_F(ViewerTextTest, ShowsAnsiTextAsWindows1252Characters) {
    createViewer();
    m_viewer->setAnsiText(common::ansi("„Zitat“ • – € Grüße\r\nx"));
    EXPECT_EQ(m_viewer->text(), QString::fromUtf8("„Zitat“ • – € Grüße\r\nx"));
    EXPECT_EQ(m_viewer->ansiLength(), 22);
    EXPECT_EQ(m_viewer->textMode(), TextMode::EightBit);
}

TEST_F(ViewerTextTest, LoadsFilesByTheirByteOrderMark) {
    createViewer();
    QDir().mkpath(path("Codes/Ordner.pb"));
    const struct {
        const char* name;
        QByteArray content;  // null: no file is written
        bool loaded;
        TextMode mode;
        const char* text;  // UTF-8
        int length;
    } cases[] = {
        {"no mark", "Gr\xFC\xDF\x65 \x80 \x84x\x93", true, TextMode::EightBit, "Grüße € „x“", 11},
        {"EF BB BF", "\xEF\xBB\xBFGr\xC3\xBC\xC3\x9F\x65 \xE2\x82\xAC \xCE\xA9", true,
         TextMode::Utf8, "Grüße € Ω", 9},
        {"zero bytes", "", false, TextMode::Utf8, "Grüße € Ω", 9},
        {"missing", QByteArray(), false, TextMode::Utf8, "Grüße € Ω", 9},
        {"no mark again", "x\xE4", true, TextMode::EightBit, "xä", 2},
        {"FF FE", "\xFF\xFE" + utf16Le(QString::fromUtf8("Grüße Ω 😀\r\nx")), true, TextMode::Utf8,
         "Grüße Ω 😀\r\nx", 12},
        {"FE FF",
         bytes("\xFE\xFF"
               "AB\0A"),
         true, TextMode::EightBit, "AB", 2},
        {"UTF-32 LE", bytes("\xFF\xFE\0\0A\xE4"), true, TextMode::EightBit, "Aä", 2},
        {"UTF-32 BE", bytes("\0\0\xFE\xFF\x41"), true, TextMode::EightBit, "A", 1},
        {"zero in 8-bit text", bytes("abc\0def"), true, TextMode::EightBit, "abc", 3},
        {"zero in UTF-8 text", bytes("\xEF\xBB\xBF\x61\x62\0cd"), true, TextMode::Utf8, "ab", 2},
        {"zero in UTF-16 text", bytes("\xFF\xFE\x61\0\x62\0\0\0\x63\0"), true, TextMode::Utf8, "ab",
         2},
        {"mark only", "\xEF\xBB\xBF", true, TextMode::Utf8, "", 0},
        {"a folder", QByteArray(), false, TextMode::Utf8, "", 0},
    };
    int number = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string name =
            std::string(c.name) == "a folder"
                ? "Codes\\Ordner.pb"
                : common::ansi("Codes\\Größe\\") + std::to_string(++number) + ".pb";
        if (!c.content.isNull()) {
            testsupport::WriteBytes(common::diskPath(name), c.content);
        }
        EXPECT_EQ(m_viewer->loadFile(name), c.loaded);
        EXPECT_EQ(m_viewer->textMode(), c.mode);
        EXPECT_EQ(m_viewer->text(), QString::fromUtf8(c.text));
        EXPECT_EQ(m_viewer->ansiLength(), c.length);
    }
}

TEST_F(ViewerTextTest, ADeletedFileLeavesThePreviousText) {
    createViewer();
    writeFile("Codes/Fenster/Erster.pb", "OpenWindow(0, 0, 0, 200, 100, \"\")");
    ASSERT_TRUE(m_viewer->loadFile("Codes\\Fenster\\Erster.pb"));
    QFile::remove(path("Codes/Fenster/Erster.pb"));
    EXPECT_FALSE(m_viewer->loadFile("Codes\\Fenster\\Erster.pb"));
    EXPECT_EQ(m_viewer->text(), "OpenWindow(0, 0, 0, 200, 100, \"\")");
}

TEST_F(ViewerTextTest, ReadOnlyKeepsTextFromProgramAndKeyboard) {
    createViewer();
    m_viewer->setAnsiText("Alt");
    m_viewer->setViewerReadOnly(true);
    m_viewer->setAnsiText("Neu");
    QTest::keyClicks(m_viewer.get(), "xy");
    EXPECT_EQ(m_viewer->text(), "Alt");

    m_viewer->setViewerReadOnly(false);
    m_viewer->setAnsiText("Neu");
    EXPECT_EQ(m_viewer->text(), "Neu");
    send(Sci::SCI_DOCUMENTEND);
    QTest::keyClicks(m_viewer.get(), "xy");
    EXPECT_EQ(m_viewer->text(), "Neuxy");
}

TEST_F(ViewerTextTest, SelectAllThenCopyPutsTheWholeTextOnTheClipboard) {
    createViewer();
    const std::string code = "If a\r\n  Debug \"\x84Hallo\x93 \x80\"\r\nEndIf";
    m_viewer->setAnsiText(code);
    m_viewer->setViewerReadOnly(true);
    QApplication::clipboard()->clear();
    m_viewer->selectAllText();
    m_viewer->copySelection();
    EXPECT_EQ(QApplication::clipboard()->text(), common::toQString(code));
}

// ---- Loading the highlighter ---------------------------------------------------------------

using HighlighterLoadingTest = testsupport::ProgramDirFixture;

TEST_F(HighlighterLoadingTest, TakesTheModuleFromTheCurrentFolderFirstThenBesideTheProgram) {
    ASSERT_TRUE(viewer::LoadHighlighter(kFakeModule)) << "found beside the test executable";
    const SyntaxHighlightFunction fake = viewer::CurrentHighlighter();
    ASSERT_NE(fake, nullptr);

    writeFile("Kaputt.so", "kein Modul");
    for (const char* name : {"", "Fehlt.so", "Kaputt.so", "NoHighlighter.so"}) {
        EXPECT_FALSE(viewer::LoadHighlighter(name)) << name;
        EXPECT_EQ(viewer::CurrentHighlighter(), fake) << name;
    }

    // A module of that name in the current folder wins, even when it lacks the function.
    ASSERT_TRUE(QFile::copy(QCoreApplication::applicationDirPath() + "/NoHighlighter.so",
                            path(kFakeModule)));
    EXPECT_FALSE(viewer::LoadHighlighter(kFakeModule));
    EXPECT_EQ(viewer::CurrentHighlighter(), fake);
}

}  // namespace
}  // namespace viewertest

#include "common/ini/IniFile.h"

#include "support/Bytes.h"
#include "support/FileSizeLimit.h"
#include "support/ProgramDirFixture.h"

#include <QDir>

#include <limits>

#include <unistd.h>

using common::IniFile;
using testsupport::ProgramDirFixture;

namespace {

using testsupport::bytes;

class IniFileTest : public ProgramDirFixture {
protected:
    // Opens `content` as a file, runs `edit` on it, closes it and returns what was written.
    template <typename Edit>
    QByteArray rewrite(const QByteArray& content, Edit edit) {
        writeFile("test.ini", content);
        IniFile ini;
        EXPECT_TRUE(ini.open("test.ini"));
        edit(ini);
        ini.close();
        return readFile("test.ini");
    }
};

TEST_F(IniFileTest, ReadsTextAndIntegersByTheRules) {
    writeFile("test.ini",
              "[Einstellungen]\n"
              "PBPfad =   C:\\PureBasic\\PureBasic.exe  \n"
              "Fensterbreite=1024px\n"
              "Fensterhoehe = Hoch\n"
              "Splitterposition =\n"
              "Negativ = -42\n"
              "Plus = +7\n"
              "Blanks = \t 12\n"
              "Gleich = a=b;c\n"
              "NurName\n"
              "Tab\t=\twert\t\n"
              "Riesig = 99999999999999999999\n"
              "Kleinst = -9223372036854775808\n"
              "Winzig = -99999999999999999999\n");
    IniFile ini;
    ASSERT_TRUE(ini.open("test.ini"));
    ASSERT_TRUE(ini.selectGroup("einstellungen"));
    EXPECT_EQ(ini.readText("pbpfad", "x"), "C:\\PureBasic\\PureBasic.exe");
    EXPECT_EQ(ini.readInteger("Fensterbreite", 800), 1024);
    EXPECT_EQ(ini.readInteger("Fensterhoehe", 600), 0);
    EXPECT_EQ(ini.readInteger("Splitterposition", 200), 0);
    EXPECT_EQ(ini.readInteger("Negativ", 0), -42);
    EXPECT_EQ(ini.readInteger("Plus", 0), 7);
    EXPECT_EQ(ini.readInteger("Blanks", 0), 12);
    EXPECT_EQ(ini.readText("Gleich", ""), "a=b;c");
    EXPECT_EQ(ini.readText("NurName", "x"), "");
    EXPECT_EQ(ini.readText("Tab", ""), "wert");
    EXPECT_EQ(ini.readInteger("Riesig", 0), std::numeric_limits<long long>::max());
    EXPECT_EQ(ini.readInteger("Kleinst", 0), std::numeric_limits<long long>::min());
    EXPECT_EQ(ini.readInteger("Winzig", 0), std::numeric_limits<long long>::min());
    EXPECT_EQ(ini.readInteger("Fehlt", 32), 32);
    EXPECT_EQ(ini.readText("Fehlt", "vorgabe"), "vorgabe");
}

TEST_F(IniFileTest, GroupsDecideWhichKeysAreVisible) {
    writeFile("test.ini",
              "Vorne = 1\r\n[A]\r\nKey = a\r\n[ B ] hinten\r\nKey = b\r\n[a]\r\nKey = c\r\n");
    IniFile ini;
    ASSERT_TRUE(ini.open("test.ini"));
    EXPECT_TRUE(ini.selectGroup(""));
    EXPECT_EQ(ini.readInteger("Vorne", 0), 1);
    EXPECT_EQ(ini.readText("Key", "-"), "-");
    EXPECT_TRUE(ini.selectGroup("a"));  // the first of two equal names
    EXPECT_EQ(ini.readText("Key", "-"), "a");
    EXPECT_EQ(ini.readInteger("Vorne", 0), 0);
    EXPECT_TRUE(ini.selectGroup(" B "));  // spaces belong to the name
    EXPECT_EQ(ini.readText("Key", "-"), "b");
    EXPECT_FALSE(ini.selectGroup("B"));
    EXPECT_EQ(ini.readText("Key", "-"), "-");
}

TEST_F(IniFileTest, WritesKeysWhereTheyBelong) {
    struct Case {
        const char* name;
        QByteArray before;
        const char* group;
        QByteArray after;
    };
    const Case cases[] = {
        {"existing key keeps its place and takes the new case", "[G]\r\nkey = 1\r\nB = 2\r\n", "G",
         "[G]\r\nKEY = neu\r\nB = 2\r\n"},
        {"new key after the last entry of its group", "[G]\r\nA = 1\r\n; c\r\n[H]\r\nA = 2\r\n",
         "G", "[G]\r\nA = 1\r\n; c\r\nKEY = neu\r\n[H]\r\nA = 2\r\n"},
        {"missing group appended with the key", "[G]\r\nA = 1\r\n", "Neu",
         "[G]\r\nA = 1\r\n[Neu]\r\nKEY = neu\r\n"},
        {"no group: before the first header", "A = 1\r\n[G]\r\nB = 2\r\n", "",
         "A = 1\r\nKEY = neu\r\n[G]\r\nB = 2\r\n"},
        {"no group, file starts with a header", "[G]\r\nB = 2\r\n", "",
         "KEY = neu\r\n[G]\r\nB = 2\r\n"},
        {"no group, no header", "A = 1\r\n", "", "A = 1\r\nKEY = neu\r\n"},
        {"empty file", "", "G", "[G]\r\nKEY = neu\r\n"},
    };
    for (const Case& c : cases) {
        const QByteArray written = rewrite(c.before, [&](IniFile& ini) {
            ini.selectGroup(c.group);
            ini.writeText("KEY", "neu");
        });
        EXPECT_EQ(written, c.after) << c.name;
    }
}

TEST_F(IniFileTest, WritingNormalisesTheFileAsUsersSeeIt) {
    const QByteArray written =
        rewrite("  [G]  egal\n\n\t; Kommentar\n;dicht\n   Key=1\nLeer  =  \n[H]\r\rX = -0\n",
                [](IniFile& ini) {
                    ini.selectGroup("G");
                    ini.writeInteger("Key", 1);  // the same value still marks the file modified
                });
    EXPECT_EQ(written, "[G]\r\n; Kommentar\r\n; dicht\r\nKey = 1\r\nLeer = \r\n[H]\r\nX = -0\r\n");
    EXPECT_EQ(rewrite("[G]\n",
                      [](IniFile& ini) {
                          ini.selectGroup("G");
                          ini.writeInteger("Minus", -15);
                      }),
              "[G]\r\nMinus = -15\r\n");
}

TEST_F(IniFileTest, UntouchedFilesAreNotRewritten) {
    const QByteArray original = "[G]\nKey=1\n";
    EXPECT_EQ(rewrite(original, [](IniFile& ini) { ini.readText("Key", ""); }), original);
}

TEST_F(IniFileTest, Utf8ModeConvertsAtTheEdges) {
    const QByteArray written = rewrite(
        "\xEF\xBB\xBF[G\xC3\xBC]\nName = Gr\xC3\xBC\xC3\x9F\xE2\x82\xAC\n", [](IniFile& ini) {
            EXPECT_TRUE(ini.selectGroup("G\xFC"));
            // ü ß survive, € is outside Latin-1 and reads as "?"
            EXPECT_EQ(ini.readText("Name", ""), "Gr\xFC\xDF?");
            ini.writeText("Wert", "\xC4pfel");
        });
    EXPECT_EQ(written,
              "\xEF\xBB\xBF\r\n[G\xC3\xBC]\r\nName = Gr\xC3\xBC\xC3\x9F\xE2\x82\xAC\r\n"
              "Wert = \xC3\x84pfel\r\n");
    IniFile ini;
    ASSERT_TRUE(ini.open("test.ini"));
    ini.selectGroup("G\xFC");
    EXPECT_EQ(ini.readText("Wert", ""), "\xC4pfel");
}

TEST_F(IniFileTest, BadInputIsParsedWithoutHarm) {
    QByteArray hugeLine(10 * 1024 * 1024, 'x');
    hugeLine.prepend("Key = ");
    struct Case {
        const char* name;
        QByteArray content;
        QByteArray afterWrite;
    };
    const Case cases[] = {
        {"NUL bytes", bytes("[G]\nA = x\0y\n"), bytes("[G]\r\nA = x\0y\r\nB = 1\r\n")},
        {"no final line end", "[G]\nA = 1", "[G]\r\nA = 1\r\nB = 1\r\n"},
        {"only a BOM", "\xEF\xBB\xBF", "\xEF\xBB\xBF\r\n[G]\r\nB = 1\r\n"},
        {"BOM cut short", "\xEF\xBB", "\xEF\xBB = \r\n[G]\r\nB = 1\r\n"},
        {"binary junk", bytes("\x01\xFF[\0=\x80\r\r\n\n;"),
         bytes("\x01\xFF[\0 = \x80\r\n; \r\n[G]\r\nB = 1\r\n")},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(rewrite(c.content,
                          [](IniFile& ini) {
                              ini.selectGroup("G");
                              ini.writeInteger("B", 1);
                          }),
                  c.afterWrite)
            << c.name;
    }
    writeFile("huge.ini", hugeLine);
    IniFile ini;
    ASSERT_TRUE(ini.open("huge.ini"));
    EXPECT_EQ(ini.readText("Key", "").size(), 10u * 1024 * 1024);
}

TEST_F(IniFileTest, OpenAndCreateFailOnFoldersAndMissingFiles) {
    QDir().mkdir(path("Ordner.ini"));
    IniFile ini;
    EXPECT_FALSE(ini.open("Ordner.ini"));
    EXPECT_FALSE(ini.create("Ordner.ini"));
    EXPECT_FALSE(ini.open("fehlt.ini"));
    EXPECT_FALSE(ini.create("fehlt\\nicht\\da.ini"));
    ini.writeText("A", "b");  // no file open: nothing happens
    EXPECT_TRUE(ini.close());
}

TEST_F(IniFileTest, CreateEmptiesAtOnce) {
    writeFile("test.ini", "[G]\nA = 1\n");
    IniFile ini;
    ASSERT_TRUE(ini.create("test.ini"));
    EXPECT_EQ(readFile("test.ini"), "");
    ini.selectGroup("G");
    EXPECT_EQ(ini.readInteger("A", 5), 5);
}

TEST_F(IniFileTest, FailedWriteKeepsTheOldFile) {
    const QByteArray original = "[G]\r\nA = 1\r\n";
    writeFile("test.ini", original);
    IniFile ini;
    ASSERT_TRUE(ini.open("test.ini"));
    ini.selectGroup("G");
    ini.writeText("Lang", std::string(4096, 'x'));
    {
        testsupport::FileSizeLimit limit(1024);  // as a full disk would
        EXPECT_FALSE(ini.close());
    }
    EXPECT_EQ(readFile("test.ini"), original);
    EXPECT_EQ(QDir(m_programDir).entryList(QDir::Files), QStringList{"test.ini"});
}

TEST_F(IniFileTest, ReadOnlyFilesAreReadButNeverWritten) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "file modes do not bind root";
    }
    writeFile("test.ini", "[G]\nA = 1\n");
    QFile::setPermissions(path("test.ini"), QFile::ReadOwner);
    IniFile ini;
    ASSERT_TRUE(ini.open("test.ini"));
    ini.selectGroup("G");
    EXPECT_EQ(ini.readInteger("A", 0), 1);
    ini.writeInteger("A", 2);
    ini.close();
    EXPECT_EQ(readFile("test.ini"), "[G]\nA = 1\n");
}

}  // namespace

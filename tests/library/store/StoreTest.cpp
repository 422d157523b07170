#include "library/Store.h"

#include "common/text/AnsiText.h"
#include "support/Bytes.h"
#include "support/FileSizeLimit.h"
#include "support/ProgramDirFixture.h"

#include <QDir>
#include <QFile>

#include <ostream>
#include <string>
#include <vector>

#include <unistd.h>

using library::AppendName;
using library::CommandLink;
using library::ReadCommandLinks;
using library::ReadNameList;
using library::RemoveName;
using library::SortNameList;
using testsupport::ProgramDirFixture;
using Names = std::vector<std::string>;

namespace library {
void PrintTo(const CommandLink& link, std::ostream* out) {
    *out << "{\"" << link.command << "\", \"" << link.link << "\"}";
}
}  // namespace library

namespace {

using testsupport::bytes;

// Makes every write beyond `limit` bytes of any file fail, as a full disk would, for the
// lifetime of the object. Works for root too, which file modes would not stop.
using testsupport::FileSizeLimit;

class StoreTest : public ProgramDirFixture {
protected:
    void SetUp() override {
        ProgramDirFixture::SetUp();
        QDir().mkpath(path("Einstellungen"));
    }
};

// ---- ReadNameList -------------------------------------------------------------------------

TEST_F(StoreTest, ReadNameListEndsLinesAtEveryLineEndAndTrimsNothing) {
    struct Case {
        QByteArray content;
        Names names;
    };
    const std::vector<Case> cases = {
        {bytes(""), {}},
        {bytes("a\r\nb\r\n"), {"a", "b"}},
        {bytes("a\rb\nc"), {"a", "b", "c"}},
        {bytes("a\0b\0"), {"a", "b"}},
        {bytes("a\r\nb"), {"a", "b"}},
        {bytes("\r\n"), {""}},
        {bytes("a\r\n\r\nb\r\n\r\n"), {"a", "", "b", ""}},
        {bytes("a\n\rb"), {"a", "", "b"}},
        {bytes("a\r\r\nb"), {"a", "", "b"}},
        {bytes(" a \r\n\tb\t\r\n  "), {" a ", "\tb\t", "  "}},
        {bytes("\xC4rger\r\n"), {"\xC4rger"}},
    };
    for (const Case& c : cases) {
        writeFile("Einstellungen/Liste.ini", c.content);
        EXPECT_EQ(ReadNameList("Einstellungen\\Liste.ini"), c.names)
            << "content: " << c.content.toStdString();
    }
}

TEST_F(StoreTest, ReadNameListOfAnUnreadableListIsEmpty) {
    EXPECT_TRUE(ReadNameList("Einstellungen\\Fehlt.ini").empty());
    QDir().mkpath(path("Einstellungen/Ordner.ini"));
    EXPECT_TRUE(ReadNameList("Einstellungen\\Ordner.ini").empty());
}

// ---- AppendName ---------------------------------------------------------------------------

TEST_F(StoreTest, AppendNameGivesTheNameALineOfItsOwn) {
    struct Case {
        QByteArray before;
        QByteArray after;
    };
    const std::vector<Case> cases = {
        {bytes("a\r\n"), bytes("a\r\nNeu \r\n")},
        {bytes("a\n"), bytes("a\nNeu \r\n")},
        {bytes("a\r\nb"), bytes("a\r\nb\r\nNeu \r\n")},
        {bytes(""), bytes("Neu \r\n")},
    };
    for (const Case& c : cases) {
        writeFile("Einstellungen/Liste.ini", c.before);
        AppendName("Einstellungen\\Liste.ini", "Neu ");
        EXPECT_EQ(readFile("Einstellungen/Liste.ini"), c.after) << c.before.toStdString();
    }
}

TEST_F(StoreTest, AppendNameCreatesAMissingList) {
    AppendName("Einstellungen\\Kategorien.ini", common::ansi("Öl"));
    AppendName("Einstellungen\\Kategorien.ini", "");
    EXPECT_EQ(readFile("Einstellungen/Kategorien.ini"), bytes("\xD6l\r\n\r\n"));
}

TEST_F(StoreTest, AppendNameWithoutAFolderDoesNothing) {
    AppendName("Fehlt\\Liste.ini", "a");
    EXPECT_FALSE(exists("Fehlt"));
}

// ---- RemoveName ---------------------------------------------------------------------------

TEST_F(StoreTest, RemoveNameDropsEveryEqualLineAndKeepsTheRestInOrder) {
    writeFile("Einstellungen/Kategorien.ini", bytes("Foo\r\nfoo\r\nFoo\r\n Foo\r\nBar\nFoo \rFoo"));
    writeFile("Einstellungen/Kategorien.tmp", bytes("Reste eines Abbruchs\r\n"));

    EXPECT_TRUE(
        RemoveName("Einstellungen\\Kategorien.ini", "Einstellungen\\Kategorien.tmp", "Foo"));

    EXPECT_EQ(readFile("Einstellungen/Kategorien.ini"), bytes("foo\r\n Foo\r\nBar\r\nFoo \r\n"));
    EXPECT_FALSE(exists("Einstellungen/Kategorien.tmp"));
}

TEST_F(StoreTest, RemoveNameKeepsEmptyLinesUnlessTheEmptyNameGoes) {
    writeFile("Einstellungen/Liste.ini", bytes("a\r\n\r\nb\r\n\r\n"));
    EXPECT_TRUE(RemoveName("Einstellungen\\Liste.ini", "Einstellungen\\Liste.tmp", "a"));
    EXPECT_EQ(readFile("Einstellungen/Liste.ini"), bytes("\r\nb\r\n\r\n"));
    EXPECT_TRUE(RemoveName("Einstellungen\\Liste.ini", "Einstellungen\\Liste.tmp", ""));
    EXPECT_EQ(readFile("Einstellungen/Liste.ini"), bytes("b\r\n"));
}

TEST_F(StoreTest, RemoveNameOnAMissingListLeavesAnEmptyList) {
    EXPECT_TRUE(RemoveName("Einstellungen\\Liste.ini", "Einstellungen\\Liste.tmp", "a"));
    EXPECT_TRUE(exists("Einstellungen/Liste.ini"));
    EXPECT_EQ(readFile("Einstellungen/Liste.ini"), QByteArray());
}

TEST_F(StoreTest, RemoveNameThatCannotReadTheListChangesNothing) {
    QDir().mkpath(path("Einstellungen/Ordner.ini/Inhalt"));
    EXPECT_FALSE(RemoveName("Einstellungen\\Ordner.ini", "Einstellungen\\Ordner.tmp", "a"));
    EXPECT_TRUE(exists("Einstellungen/Ordner.ini/Inhalt"));
    EXPECT_FALSE(exists("Einstellungen/Ordner.tmp"));

    EXPECT_FALSE(RemoveName("Fehlt\\Liste.ini", "Fehlt\\Liste.tmp", "a"));
    EXPECT_FALSE(exists("Fehlt"));
}

TEST_F(StoreTest, RemoveNameOfAListWithoutReadPermissionChangesNothing) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "root reads files whatever their mode";
    }
    writeFile("Einstellungen/Liste.ini", bytes("a\r\nb\r\n"));
    QFile::setPermissions(path("Einstellungen/Liste.ini"), QFileDevice::WriteOwner);
    EXPECT_FALSE(RemoveName("Einstellungen\\Liste.ini", "Einstellungen\\Liste.tmp", "a"));
    QFile::setPermissions(path("Einstellungen/Liste.ini"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    EXPECT_EQ(readFile("Einstellungen/Liste.ini"), bytes("a\r\nb\r\n"));
    EXPECT_FALSE(exists("Einstellungen/Liste.tmp"));
}

TEST_F(StoreTest, RemoveNameThatCannotWriteTheTemporaryFileKeepsTheListByteIdentical) {
    const QByteArray list = bytes("a\r\nb\nc");
    writeFile("Einstellungen/Liste.ini", list);

    EXPECT_FALSE(RemoveName("Einstellungen\\Liste.ini", "Fehlt\\Liste.tmp", "a"));
    EXPECT_EQ(readFile("Einstellungen/Liste.ini"), list);

    QDir().mkpath(path("Einstellungen/Liste.tmp"));
    EXPECT_FALSE(RemoveName("Einstellungen\\Liste.ini", "Einstellungen\\Liste.tmp", "a"));
    EXPECT_EQ(readFile("Einstellungen/Liste.ini"), list);
    QDir().rmdir(path("Einstellungen/Liste.tmp"));

    {
        const FileSizeLimit fullDisk(3);
        EXPECT_FALSE(RemoveName("Einstellungen\\Liste.ini", "Einstellungen\\Liste.tmp", "a"));
    }
    EXPECT_EQ(readFile("Einstellungen/Liste.ini"), list);
    EXPECT_FALSE(exists("Einstellungen/Liste.tmp"));
}

// ---- SortNameList -------------------------------------------------------------------------

TEST_F(StoreTest, SortNameListFoldsOnlyAToZAndKeepsEqualNamesInOrder) {
    struct Case {
        Names before;
        Names after;
    };
    const std::vector<Case> cases = {
        // Names equal but for A-Z case keep their order.
        {{"b", "a", "B", "A", "a"}, {"a", "A", "a", "b", "B"}},
        {{"Zebra", "\xC4pfel", "\xE4pfel", "apfel"}, {"apfel", "Zebra", "\xC4pfel", "\xE4pfel"}},
        {{"a", "_", "[", "`", "^", "]", "\\", "Z"}, {"[", "\\", "]", "^", "_", "`", "a", "Z"}},
        {{"abc", "ABC ", "ab", "", "Ab"}, {"", "ab", "Ab", "abc", "ABC "}},
        {{"b", "1", " ", "~", "\x80"}, {" ", "1", "b", "~", "\x80"}},
    };
    for (const Case& c : cases) {
        QByteArray content;
        for (const std::string& name : c.before) {
            content += QByteArray::fromStdString(name) + "\r\n";
        }
        writeFile("Einstellungen/Kategorien.ini", content);
        SortNameList("Einstellungen\\Kategorien.ini");
        EXPECT_EQ(ReadNameList("Einstellungen\\Kategorien.ini"), c.after) << content.toStdString();
    }
}

TEST_F(StoreTest, SortNameListEndsEveryLineWithCrLf) {
    writeFile("Einstellungen/Kategorien.ini", bytes("b\ra\n\r\nc"));
    SortNameList("Einstellungen\\Kategorien.ini");
    EXPECT_EQ(readFile("Einstellungen/Kategorien.ini"), bytes("\r\na\r\nb\r\nc\r\n"));
}

TEST_F(StoreTest, SortNameListCreatesAMissingListEmpty) {
    SortNameList("Einstellungen\\Kategorien.ini");
    EXPECT_TRUE(exists("Einstellungen/Kategorien.ini"));
    EXPECT_EQ(readFile("Einstellungen/Kategorien.ini"), "");
}

TEST_F(StoreTest, SortNameListThatCannotWriteLeavesTheListAsItWas) {
    const QByteArray list = bytes("b\r\na");
    writeFile("Einstellungen/Kategorien.ini", list);
    {
        const FileSizeLimit fullDisk(2);
        SortNameList("Einstellungen\\Kategorien.ini");
    }
    EXPECT_EQ(readFile("Einstellungen/Kategorien.ini"), list);
    EXPECT_EQ(QDir(path("Einstellungen")).entryList(QDir::Files), QStringList{"Kategorien.ini"});
}

// ---- ReadCommandLinks ---------------------------------------------------------------------

TEST_F(StoreTest, ReadCommandLinksPairsTheLines) {
    struct Case {
        QByteArray content;
        std::vector<CommandLink> links;
    };
    const std::vector<Case> cases = {
        {bytes(""), {}},
        {bytes("OpenWindow\r\nhttps://a\r\nCloseWindow\r\nhttps://b\r\n"),
         {{"OpenWindow", "https://a"}, {"CloseWindow", "https://b"}}},
        {bytes("OpenWindow\r\nhttps://a\r\nOhneLink"),
         {{"OpenWindow", "https://a"}, {"OhneLink", ""}}},
        {bytes("\r\n\r\n"), {{"", ""}}},
    };
    for (const Case& c : cases) {
        writeFile("Einstellungen/Fenster/Code.ini", c.content);
        EXPECT_EQ(ReadCommandLinks("Einstellungen\\Fenster\\Code.ini"), c.links)
            << c.content.toStdString();
    }
    EXPECT_TRUE(ReadCommandLinks("Einstellungen\\Fenster\\Fehlt.ini").empty());
}

}  // namespace

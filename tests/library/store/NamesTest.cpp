#include "library/LibraryPaths.h"
#include "library/NameCheck.h"

#include "common/text/AnsiText.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

using common::ansi;

namespace {

TEST(NameCheckTest, RefusesNamesThatCouldLeaveTheirFolder) {
    const std::vector<std::string> refused = {
        "",
        ".",
        "..",
        "a\\b",
        "a/b",
        "\\",
        "..\\x",
        "a\tb",
        "a\rb",
        "a\nb",
        "\x1F",
        std::string("a\0b", 3),
        "a<b",
        "a>b",
        "a:b",
        "a\"b",
        "a|b",
        "a?b",
        "a*b",
        std::string(252, 'x'),
        std::string(126 * 1, '\xE4') + std::string(1, 'x'),
    };
    for (const std::string& name : refused) {
        EXPECT_FALSE(library::IsSafeName(name)) << name;
        EXPECT_NE(library::NameRefusalReason(name), "") << name;
    }
    const std::vector<std::string> accepted = {
        " Leer ",
        ansi("Ärger"),
        "...",
        "a.b",
        ".versteckt",
        "Kategorien",
        "x.ini",
        "[x]",
        "#$%&'()",
        "\x7F\x80",
        std::string(251, 'x'),
        std::string(125, '\xE4'),
    };
    for (const std::string& name : accepted) {
        EXPECT_TRUE(library::IsSafeName(name)) << name;
        EXPECT_EQ(library::NameRefusalReason(name), "") << name;
    }
}

TEST(NameCheckTest, RefusalReasonsAreGermanSentences) {
    EXPECT_EQ(library::NameRefusalReason("a/b"),
              ansi("Der Name darf die Zeichen \\ und / nicht enthalten."));
    EXPECT_EQ(library::NameRefusalReason("a?"),
              ansi("Der Name darf die Zeichen < > : \" | ? * nicht enthalten."));
    EXPECT_EQ(library::CategoryNameRefusalReason("Kategorien"),
              ansi("Der Name ''Kategorien'' ist für die Liste der Kategorien reserviert."));
}

TEST(NameCheckTest, CategoryNamesMustNotNameAnIndex) {
    for (const std::string name : {"Kategorien", "KATEGORIEN", "a.ini", "a.INI", "a.tmp", ".."}) {
        EXPECT_FALSE(library::IsSafeCategoryName(name)) << name;
        EXPECT_NE(library::CategoryNameRefusalReason(name), "") << name;
    }
    for (const std::string name : {"Kategorien 2", "a.pb", "ini", "a.ini.x"}) {
        EXPECT_TRUE(library::IsSafeCategoryName(name)) << name;
    }
}

TEST(LibraryPathsTest, BuildsThePathsOfACategoryAndACode) {
    const std::string cat = ansi(" Fenster & Dialoge ");
    const std::string title = ansi("Größe ändern");
    EXPECT_EQ(library::CategoryIndexPath(), "Einstellungen\\Kategorien.ini");
    EXPECT_EQ(library::CategoryIndexTempPath(), "Einstellungen\\Kategorien.tmp");
    EXPECT_EQ(library::CodeIndexPath(cat), "Einstellungen\\" + cat + ".ini");
    EXPECT_EQ(library::CodeIndexTempPath(cat), "Einstellungen\\" + cat + ".tmp");
    EXPECT_EQ(library::CategoryCodeFolder(cat), "Codes\\" + cat);
    EXPECT_EQ(library::CategoryLinkFolder(cat), "Einstellungen\\" + cat);
    EXPECT_EQ(library::CodeFilePath(cat, title), "Codes\\" + cat + "\\" + title + ".pb");
    EXPECT_EQ(library::LinkFilePath(cat, title), "Einstellungen\\" + cat + "\\" + title + ".ini");
}

TEST(LibraryPathsTest, RefusesUnsafeNames) {
    for (const std::string cat : {"", "..", "a\\b", "Kategorien", "x.ini"}) {
        EXPECT_EQ(library::CodeIndexPath(cat), std::nullopt) << cat;
        EXPECT_EQ(library::CodeIndexTempPath(cat), std::nullopt) << cat;
        EXPECT_EQ(library::CategoryCodeFolder(cat), std::nullopt) << cat;
        EXPECT_EQ(library::CategoryLinkFolder(cat), std::nullopt) << cat;
        EXPECT_EQ(library::CodeFilePath(cat, "Titel"), std::nullopt) << cat;
        EXPECT_EQ(library::LinkFilePath(cat, "Titel"), std::nullopt) << cat;
    }
    for (const std::string title : {"", "..", "..\\..\\Kategorien", "a/b"}) {
        EXPECT_EQ(library::CodeFilePath("Fenster", title), std::nullopt) << title;
        EXPECT_EQ(library::LinkFilePath("Fenster", title), std::nullopt) << title;
    }
    EXPECT_EQ(library::LinkFilePath("Fenster", "Kategorien"),
              "Einstellungen\\Fenster\\Kategorien.ini");
}

}  // namespace

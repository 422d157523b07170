#include "library/Search.h"

#include "common/text/AnsiText.h"
#include "support/Bytes.h"
#include "support/ProgramDirFixture.h"

#include <QDir>
#include <QFile>

#include <cstdio>
#include <ostream>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

using common::ansi;
using library::SearchCodes;
using library::SearchResult;
using Results = std::vector<SearchResult>;

namespace library {
void PrintTo(const SearchResult& result, std::ostream* out) {
    *out << "{\"" << result.name << "\", \"" << result.category << "\"}";
}
}  // namespace library

namespace {

using testsupport::bytes;

class SearchTest : public testsupport::ProgramDirFixture {
protected:
    void SetUp() override {
        ProgramDirFixture::SetUp();
        // Created out of name order, so that the listing order of the file system shows.
        writeFile("Codes/Fenster/notes.txt", "OpenWindow");
        writeFile(QString::fromUtf8("Codes/Fenster/Ärger.pb"), bytes("; Gr\xF6\xDF"
                                                                     "e\r\nMessageRequester(\"\xDC"
                                                                     "bel\", \"x\")"));
        writeFile("Codes/Fenster/Test.PB", "OpenWindow");
        writeFile("Codes/Fenster/CreateWindow.pb",
                  "If OpenWindow(0, 100, 100, 200, 200, \"Hallo\")\r\n"
                  "  Repeat : Until WaitWindowEvent() = #PB_Event_CloseWindow\r\nEndIf");
        writeFile("Codes/Fenster/OhneEndung", "OpenWindow");
        writeFile("Codes/Fenster/pb", "OpenWindow");
        writeFile("Codes/a/b/Tief.pb", "Debug \"tief\"");
        writeFile("Codes/Lose.pb", "Procedure Lose()\r\nEndProcedure");
        writeFile("Codes/Dateien/Zeilen.pb", bytes("Anfang\rEnde\nNull\0Byte"));
        writeFile("Codes/Dateien/Lesen.pb", "ReadFile(0, \"x\")\nCloseFile(0)");
        writeFile("Codes/Dateien/Varianten.pb", "ax AX bX Cx");
        QDir().mkpath(path("Codes/Leer.pb"));
    }
};

const Results kEveryCode = {
    {"Lesen", "Dateien"},    {"Varianten", "Dateien"},
    {"Zeilen", "Dateien"},   {"CreateWindow", "Fenster"},
    {"\xC4rger", "Fenster"}, {"Lose", ""},
    {"Tief", "a\\b"},
};

TEST_F(SearchTest, FindsTheTextInNamesAndLines) {
    struct Case {
        std::string text;
        Results results;
    };
    const std::vector<Case> cases = {
        {"createwindow", {{"CreateWindow", "Fenster"}}},
        {"OPENWINDOW(0, 100", {{"CreateWindow", "Fenster"}}},
        // Spaces belong to the text.
        {" Window", {}},
        {" waitwindowevent", {{"CreateWindow", "Fenster"}}},
        {ansi("Ä"), {{"\xC4rger", "Fenster"}}},
        {ansi("GRÖSSE"), {}},
        {ansi("GRÖßE"), {{"\xC4rger", "Fenster"}}},
        {ansi("\"ÜBEL\""), {{"\xC4rger", "Fenster"}}},
        {"lose()", {{"Lose", ""}}},
        {"debug \"tief\"", {{"Tief", "a\\b"}}},
        {"closefile(0)", {{"Lesen", "Dateien"}}},
        // A match never reaches across a line end.
        {"anfangende", {}},
        {"ende", {{"Zeilen", "Dateien"}}},
        {"nullbyte", {}},
        {"anfang", {{"Zeilen", "Dateien"}}},
        {"byte", {{"Zeilen", "Dateien"}}},
        {"anfang\rende", {}},
        {std::string("null\0byte", 9), {}},
        // The extension is part of the name.
        {"pb", kEveryCode},
        {".", kEveryCode},
        {"", kEveryCode},
        {"nirgends", {}},
        // Both cases of a letter are looked for, in file order.
        {"cx", {{"Varianten", "Dateien"}}},
        {"dx", {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SearchCodes("Codes", c.text), c.results) << c.text;
    }
}

TEST_F(SearchTest, LowerCasesEveryByteAsTheAnsiCodePageDoes) {
    QDir(path("Codes")).removeRecursively();
    std::vector<char> bytes;
    for (int b = 1; b < 256; ++b) {
        if (b != '\r' && b != '\n') {
            bytes.push_back(static_cast<char>(b));
        }
    }
    for (const char b : bytes) {
        writeFile(QString("Codes/Byte %1.pb").arg(static_cast<unsigned char>(b), 3, 10, QChar('0')),
                  QByteArray("q") + b + "q");
    }
    for (const char c : bytes) {
        Results expected;
        for (const char b : bytes) {
            if (common::lowerAnsiChar(b) == common::lowerAnsiChar(c)) {
                char number[4];
                std::snprintf(number, sizeof number, "%03d", static_cast<unsigned char>(b));
                expected.push_back({std::string("Byte ") + number, ""});
            }
        }
        EXPECT_EQ(SearchCodes("Codes", std::string("q") + c + "q"), expected)
            << "byte " << static_cast<int>(static_cast<unsigned char>(c));
    }
}

TEST_F(SearchTest, FindsALineEndInAFileName) {
    writeFile("Codes/Fenster/Zwei\nZeilen.pb", "");
    EXPECT_EQ(SearchCodes("Codes", "zwei\nzeilen"), (Results{{"Zwei\nZeilen", "Fenster"}}));
}

// Root opens a file whatever its mode, so as root the search runs in a child process that has
// become the unprivileged user "nobody".
Results searchWithoutPrivileges(const std::string& text) {
    if (geteuid() != 0) {
        return SearchCodes("Codes", text);
    }
    int channel[2];
    if (pipe(channel) != 0) {
        ADD_FAILURE() << "no pipe";
        return {};
    }
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        constexpr uid_t kNobody = 65534;
        if (setgid(kNobody) != 0 || setuid(kNobody) != 0) {
            _exit(2);
        }
        std::string rows;
        for (const SearchResult& result : SearchCodes("Codes", text)) {
            rows += result.name + '\t' + result.category + '\n';
        }
        const bool written =
            write(channel[1], rows.data(), rows.size()) == static_cast<ssize_t>(rows.size());
        _exit(written ? 0 : 3);
    }
    close(channel[1]);
    std::string rows;
    char chunk[4096];
    for (ssize_t got; (got = read(channel[0], chunk, sizeof chunk)) > 0;) {
        rows.append(chunk, static_cast<std::size_t>(got));
    }
    close(channel[0]);
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
    Results results;
    for (std::size_t start = 0, end; (end = rows.find('\n', start)) != std::string::npos;
         start = end + 1) {
        const std::size_t tab = rows.find('\t', start);
        results.push_back({rows.substr(start, tab - start), rows.substr(tab + 1, end - tab - 1)});
    }
    return results;
}

TEST_F(SearchTest, PassesOverAFileItCannotOpenEvenWhenItsNameMatches) {
    writeFile("Codes/Fenster/Gesperrt.pb", "OpenWindow");
    writeFile("Codes/Fenster/Offen.pb", "Gesperrt");
    const auto everyoneReads = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                               QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                               QFileDevice::ExeGroup | QFileDevice::ReadOther |
                               QFileDevice::ExeOther;
    ASSERT_TRUE(QFile::setPermissions(m_root, everyoneReads));
    ASSERT_TRUE(QFile::setPermissions(path("Codes/Fenster/Gesperrt.pb"), {}));

    EXPECT_EQ(searchWithoutPrivileges("gesperrt"), (Results{{"Offen", "Fenster"}}));
    EXPECT_EQ(searchWithoutPrivileges("openwindow"), (Results{{"CreateWindow", "Fenster"}}));
}

TEST_F(SearchTest, AMissingFolderFindsNothing) {
    EXPECT_TRUE(SearchCodes("Fehlt", "pb").empty());
}

}  // namespace

// The sample library is copied into a fresh program directory as it stands, so it must keep the
// rules the program itself keeps when it writes a library: Windows-1252 text, CR LF line ends,
// sorted indexes, and a code file and a link file for every listed code.
#include "common/text/AnsiText.h"

#include <QByteArray>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace {

const QString kLibraryDir = QStringLiteral(QH_SAMPLE_LIBRARY_DIR);
const std::string kCategoryIndex = "Einstellungen\\Kategorien.ini";

QString onDisk(const std::string& ansiPath) {
    return QDir(kLibraryDir).filePath(common::diskPath(ansiPath));
}

std::optional<std::string> readBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

// The lines of a file in which every line, the last one included, ends with CR LF;
// nullopt when the file is missing or any line end is different.
std::optional<std::vector<std::string>> crLfLines(const std::string& ansiPath) {
    const std::optional<std::string> bytes = readBytes(onDisk(ansiPath));
    if (!bytes) {
        return std::nullopt;
    }
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < bytes->size()) {
        const size_t end = bytes->find("\r\n", start);
        if (end == std::string::npos) {
            return std::nullopt;
        }
        std::string line = bytes->substr(start, end - start);
        if (line.find_first_of("\r\n") != std::string::npos) {
            return std::nullopt;
        }
        lines.push_back(std::move(line));
        start = end + 2;
    }
    return lines;
}

std::vector<std::string> nameList(const std::string& ansiPath) {
    std::optional<std::vector<std::string>> lines = crLfLines(ansiPath);
    if (!lines) {
        ADD_FAILURE() << ansiPath << ": missing, or a line does not end with CR LF";
        return {};
    }
    return *lines;
}

unsigned char foldAsciiCapital(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return (byte >= 'A' && byte <= 'Z') ? static_cast<unsigned char>(byte + ('a' - 'A')) : byte;
}

bool sortsBefore(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return foldAsciiCapital(x) < foldAsciiCapital(y);
    });
}

// Length of a well-formed multi-byte UTF-8 sequence starting at offset i, or 0.
size_t utf8SequenceAt(const std::string& bytes, size_t i) {
    const auto at = [&bytes](size_t k) { return static_cast<unsigned char>(bytes[k]); };
    const unsigned char lead = at(i);
    size_t length = 0;
    unsigned char secondLow = 0x80;
    unsigned char secondHigh = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        secondLow = lead == 0xE0 ? 0xA0 : 0x80;
        secondHigh = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        secondLow = lead == 0xF0 ? 0x90 : 0x80;
        secondHigh = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (i + length > bytes.size() || at(i + 1) < secondLow || at(i + 1) > secondHigh) {
        return 0;
    }
    for (size_t k = 2; k < length; ++k) {
        if (at(i + k) < 0x80 || at(i + k) > 0xBF) {
            return 0;
        }
    }
    return length;
}

bool hasNonAscii(const std::string& text) {
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) > 127; });
}

}  // namespace

TEST(SampleLibrary, IndexesEndEveryLineWithCrLfAndAreSortedCaseInsensitively) {
    const std::vector<std::string> categories = nameList(kCategoryIndex);
    ASSERT_FALSE(categories.empty());

    std::vector<std::vector<std::string>> indexes{categories};
    for (const std::string& category : categories) {
        indexes.push_back(nameList("Einstellungen\\" + category + ".ini"));
        EXPECT_FALSE(indexes.back().empty()) << common::ansiToUtf8(category);
    }

    bool caseFoldingMatters = false;
    for (const std::vector<std::string>& index : indexes) {
        EXPECT_TRUE(std::is_sorted(index.begin(), index.end(), sortsBefore))
            << "index starting with " << (index.empty() ? "" : common::ansiToUtf8(index[0]));
        caseFoldingMatters = caseFoldingMatters || !std::is_sorted(index.begin(), index.end());
    }
    EXPECT_TRUE(caseFoldingMatters)
        << "no index shows that A-Z sort among the small letters rather than before them";
}

TEST(SampleLibrary, EveryCategoryHasItsFoldersAndCodeIndex) {
    for (const std::string& category : nameList(kCategoryIndex)) {
        const std::string shown = common::ansiToUtf8(category);
        EXPECT_TRUE(QFileInfo(onDisk("Codes\\" + category)).isDir()) << shown;
        EXPECT_TRUE(QFileInfo(onDisk("Einstellungen\\" + category)).isDir()) << shown;
        EXPECT_TRUE(QFileInfo(onDisk("Einstellungen\\" + category + ".ini")).isFile()) << shown;
    }
}

TEST(SampleLibrary, EveryCodeHasItsCodeFileAndLinkFileOfCommandAndAddressPairs) {
    for (const std::string& category : nameList(kCategoryIndex)) {
        for (const std::string& title : nameList("Einstellungen\\" + category + ".ini")) {
            const std::string shown = common::ansiToUtf8(category + "\\" + title);
            EXPECT_TRUE(QFileInfo(onDisk("Codes\\" + category + "\\" + title + ".pb")).isFile())
                << shown;

            const std::vector<std::string> links =
                nameList("Einstellungen\\" + category + "\\" + title + ".ini");
            EXPECT_FALSE(links.empty()) << shown;
            ASSERT_EQ(links.size() % 2, 0u) << shown;
            for (size_t line = 0; line < links.size(); line += 2) {
                EXPECT_FALSE(links[line].empty()) << shown << ", line " << line + 1;
                EXPECT_EQ(links[line + 1].rfind("https://", 0), 0u)
                    << shown << ", line " << line + 2;
            }
        }
    }
}

TEST(SampleLibrary, CodeFilesSeparateLinesWithCrLfAndHaveNoFinalLineEnd) {
    int codeFiles = 0;
    QDirIterator it(QDir(kLibraryDir).filePath(QStringLiteral("Codes")), {"*.pb"}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const std::string code = readBytes(path).value_or("");
        ++codeFiles;
        ASSERT_FALSE(code.empty()) << path.toStdString();
        EXPECT_NE(code.back(), '\n') << path.toStdString();
        EXPECT_NE(code.back(), '\r') << path.toStdString();
        for (size_t i = 0; i < code.size(); ++i) {
            const bool crLf = code.compare(i, 2, "\r\n") == 0;
            if (crLf) {
                ++i;
            } else {
                ASSERT_TRUE(code[i] != '\r' && code[i] != '\n')
                    << path.toStdString() << ": lone line end at offset " << i;
            }
        }
    }
    EXPECT_GT(codeFiles, 0);
}

TEST(SampleLibrary, AllTextIsWindows1252RatherThanUtf8) {
    bool sawUmlautTitle = false;
    for (const std::string& category : nameList(kCategoryIndex)) {
        for (const std::string& title : nameList("Einstellungen\\" + category + ".ini")) {
            sawUmlautTitle = sawUmlautTitle || hasNonAscii(title);
        }
    }
    EXPECT_TRUE(sawUmlautTitle) << "no title carries a byte of the upper half";

    for (const char* folder : {"Codes", "Einstellungen"}) {
        QDirIterator it(QDir(kLibraryDir).filePath(QString::fromLatin1(folder)), QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            const std::string bytes = readBytes(path).value_or("");
            for (size_t i = 0; i < bytes.size(); ++i) {
                ASSERT_EQ(utf8SequenceAt(bytes, i), 0u)
                    << path.toStdString() << ": UTF-8 sequence at offset " << i;
            }
        }
    }
}

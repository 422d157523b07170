#include "library/Search.h"

#include "common/text/AnsiText.h"
#include "library/FilesystemPath.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <system_error>

namespace library {
namespace {

using ByteTable = std::array<unsigned char, 256>;

const ByteTable& lowerAnsiTable() {
    static const ByteTable table = [] {
        ByteTable bytes{};
        for (std::size_t b = 0; b < bytes.size(); ++b) {
            bytes[b] = static_cast<unsigned char>(common::lowerAnsiChar(static_cast<char>(b)));
        }
        return bytes;
    }();
    return table;
}

// Lower-case bytes of source code and German text from the most to the least frequent; a byte
// not listed counts as rarer than all of them.
constexpr std::string_view kFrequentBytes =
    " etnriasoldchu\r\nmgp(),=bf\"wy.k_v;:0123456789#x-+*/&zjq@[]{}!<>'?|\\%$^~`\t";

// Finds a lower-cased text in bytes that are not lower-cased, the way grep does: memchr runs
// to the next byte that lower-cases to the text's rarest byte (at most two byte values do),
// and only there the whole text is compared. The file is never copied or lower-cased.
class TextFinder {
public:
    explicit TextFinder(std::string_view loweredText)
        : m_text(loweredText), m_lower(lowerAnsiTable()) {
        std::size_t rarity = 0;
        for (std::size_t i = 0; i < m_text.size(); ++i) {
            const std::size_t rank = kFrequentBytes.find(m_text[i]);
            const std::size_t byteRarity =
                rank == std::string_view::npos ? kFrequentBytes.size() : rank;
            if (i == 0 || byteRarity > rarity) {
                rarity = byteRarity;
                m_anchor = i;
            }
        }
        if (!m_text.empty()) {
            const auto anchor = static_cast<unsigned char>(m_text[m_anchor]);
            for (std::size_t b = 0; b < m_lower.size(); ++b) {
                if (m_lower[b] == anchor && m_anchorBytes.size() < 2) {
                    m_anchorBytes.push_back(static_cast<char>(b));
                }
            }
        }
    }

    bool occursIn(std::string_view bytes) const {
        if (m_text.empty()) {
            return true;
        }
        if (bytes.size() < m_text.size()) {
            return false;
        }
        // The anchor can only stand where the whole text still fits around it.
        const char* const begin = bytes.data() + m_anchor;
        const char* const end = begin + (bytes.size() - m_text.size()) + 1;
        // The next occurrence of each byte value of the anchor at or after the current place.
        std::array<const char*, 2> next{};
        for (std::size_t v = 0; v < m_anchorBytes.size(); ++v) {
            next[v] = find(begin, end, m_anchorBytes[v]);
        }
        for (;;) {
            std::size_t v = 0;
            if (m_anchorBytes.size() == 2 && next[1] != nullptr &&
                (next[0] == nullptr || next[1] < next[0])) {
                v = 1;
            }
            const char* const hit = next[v];
            if (hit == nullptr) {
                return false;
            }
            if (matchesAt(hit - m_anchor)) {
                return true;
            }
            next[v] = find(hit + 1, end, m_anchorBytes[v]);
        }
    }

private:
    static const char* find(const char* from, const char* end, char byte) {
        return from < end ? static_cast<const char*>(
                                std::memchr(from, byte, static_cast<std::size_t>(end - from)))
                          : nullptr;
    }

    bool matchesAt(const char* start) const {
        for (std::size_t i = 0; i < m_text.size(); ++i) {
            if (m_lower[static_cast<unsigned char>(start[i])] !=
                static_cast<unsigned char>(m_text[i])) {
                return false;
            }
        }
        return true;
    }

    std::string m_text;
    const ByteTable& m_lower;
    std::size_t m_anchor = 0;
    std::string m_anchorBytes;  // the byte values that lower-case to the anchor
};

struct FolderEntry {
    std::string ansiName;
    std::filesystem::path path;
    bool isFolder = false;
};

// The folders and regular files of a folder in the byte order of their ANSI names. Linked
// folders are left out: one could lead back to its own parent.
std::vector<FolderEntry> sortedEntries(const std::filesystem::path& folder) {
    std::vector<FolderEntry> entries;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        const std::filesystem::directory_entry& entry = *it;
        std::error_code typeError;
        const bool isFolder = !entry.is_symlink(typeError) && entry.is_directory(typeError);
        if (!isFolder && !entry.is_regular_file(typeError)) {
            continue;
        }
        const std::u8string utf8Name = entry.path().filename().u8string();
        entries.push_back({common::utf8ToAnsi(std::string_view(
                               reinterpret_cast<const char*>(utf8Name.data()), utf8Name.size())),
                           entry.path(), isFolder});
    }
    std::sort(entries.begin(), entries.end(),
              [](const FolderEntry& a, const FolderEntry& b) { return a.ansiName < b.ansiName; });
    return entries;
}

bool isCodeFileName(std::string_view name) {
    const std::size_t dot = name.rfind('.');
    return dot != std::string_view::npos && name.substr(dot + 1) == "pb";
}

class CodeSearch {
public:
    explicit CodeSearch(std::string_view searchText)
        : m_text(common::lowerAnsi(searchText)),
          m_finder(m_text),
          // A line never holds a line end, so such a text can only be found in a file name.
          m_fitsInLine(m_text.find_first_of(std::string_view("\r\n\0", 3)) == std::string::npos) {}

    void searchFolder(const std::filesystem::path& folder, const std::string& category,
                      std::vector<SearchResult>& results) {
        for (const FolderEntry& entry : sortedEntries(folder)) {
            if (entry.isFolder) {
                searchFolder(entry.path,
                             category.empty() ? entry.ansiName : category + '\\' + entry.ansiName,
                             results);
            } else if (isCodeFileName(entry.ansiName) && matches(entry)) {
                results.push_back({entry.ansiName.substr(0, entry.ansiName.size() - 3), category});
            }
        }
    }

private:
    bool matches(const FolderEntry& entry) {
        std::filebuf file;
        // Unbuffered, so that a read goes straight into m_buffer.
        file.pubsetbuf(nullptr, 0);
        if (!file.open(entry.path, std::ios::in | std::ios::binary)) {
            return false;
        }
        if (m_finder.occursIn(entry.ansiName)) {
            return true;
        }
        if (!m_fitsInLine) {
            return false;
        }
        const std::optional<std::size_t> length = readWhole(file);
        if (!length) {
            return false;
        }
        return m_finder.occursIn(std::string_view(m_buffer.data(), *length));
    }

    // Reads the rest of the file into m_buffer, which only grows from file to file.
    std::optional<std::size_t> readWhole(std::filebuf& file) {
        constexpr std::size_t kInitialBuffer = 64 * 1024;
        if (m_buffer.empty()) {
            m_buffer.resize(kInitialBuffer);
        }
        std::size_t length = 0;
        try {
            for (;;) {
                const std::size_t wanted = m_buffer.size() - length;
                const auto got = static_cast<std::size_t>(
                    file.sgetn(m_buffer.data() + length, static_cast<std::streamsize>(wanted)));
                length += got;
                if (got < wanted) {
                    return length;
                }
                m_buffer.resize(m_buffer.size() * 2);
            }
        } catch (const std::ios_base::failure&) {
            // The standard library reports a failing read only this way.
            return std::nullopt;
        }
    }

    std::string m_text;
    TextFinder m_finder;
    bool m_fitsInLine;
    std::string m_buffer;
};

}  // namespace

std::vector<SearchResult> SearchCodes(std::string_view folder, std::string_view searchText) {
    std::vector<SearchResult> results;
    CodeSearch(searchText).searchFolder(FilesystemPath(folder), std::string(), results);
    return results;
}

}  // namespace library

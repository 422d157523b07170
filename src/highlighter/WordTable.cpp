#include "highlighter/WordTable.h"

#include <array>
#include <cstdint>
#include <iterator>
#include <string_view>

#include "highlighter/PureBasicWords.h"

namespace highlighter {
namespace {

// Identifier bytes are letters, digits, "_" and bytes above 127. Setting bit 5 lower-cases the
// letters and turns no other identifier byte into a letter or digit, so one fold serves hashing
// and comparing.
constexpr unsigned foldCase(char c) {
    return static_cast<unsigned char>(c) | 0x20u;
}

// Looks at the length and the two bytes at each end only: words are classified in constant
// time, and the full comparison on a hit settles any collision.
constexpr std::uint32_t hashWord(const char* word, std::size_t length) {
    const std::size_t second = length > 1 ? 1 : 0;
    const std::size_t penultimate = length > 1 ? length - 2 : 0;
    const std::uint32_t ends = foldCase(word[0]) | foldCase(word[second]) << 8 |
                               foldCase(word[penultimate]) << 16 | foldCase(word[length - 1]) << 24;
    return (ends ^ static_cast<std::uint32_t>(length) * 0x9E3779B9u) * 0x85EBCA6Bu;
}

constexpr bool sameWord(const char* word, std::string_view listed) {
    for (std::size_t i = 0; i < listed.size(); ++i) {
        if (foldCase(word[i]) != foldCase(listed[i])) {
            return false;
        }
    }
    return true;
}

constexpr std::size_t kBasicCount = std::size(kBasicKeywords);
constexpr std::size_t kWordCount = kBasicCount + std::size(kBuiltinCommands);

constexpr std::string_view listedWord(std::size_t index) {
    return index < kBasicCount ? kBasicKeywords[index] : kBuiltinCommands[index - kBasicCount];
}

// A sparse table keeps linear probing short, and most identifiers in code are misses that
// stop at the first empty slot. Probing reads only the small tag array, which stays in the
// first-level cache; the entry is read when a tag matches.
constexpr std::size_t kSlotCount = 4096;
constexpr std::size_t kSlotMask = kSlotCount - 1;
constexpr int kSlotShift = 20;  // the top 12 bits of the hash pick the slot
static_assert(kSlotCount == std::size_t{1} << (32 - kSlotShift));
static_assert(kSlotCount >= 4 * kWordCount);

// Bits of the hash below those of the slot; never 0, which marks an empty slot.
constexpr std::uint16_t tagOf(std::uint32_t hash) {
    return static_cast<std::uint16_t>(hash >> 4) | 1u;
}

struct Entry {
    std::uint16_t word = 0;
    std::uint8_t length = 0;
    std::uint8_t kind = 0;
};

struct Table {
    std::array<std::uint16_t, kSlotCount> tags{};
    std::array<Entry, kSlotCount> entries{};
    std::size_t longestWord = 0;
    std::size_t longestProbe = 0;  // slots passed over before a word's own
    bool hasDuplicate = false;
};

constexpr Table buildTable() {
    Table table;
    for (std::size_t index = 0; index < kWordCount; ++index) {
        const std::string_view word = listedWord(index);
        const std::uint32_t hash = hashWord(word.data(), word.size());
        std::size_t slot = hash >> kSlotShift;
        std::size_t probe = 0;
        while (table.tags[slot] != 0) {
            const Entry& taken = table.entries[slot];
            if (taken.length == word.size() && sameWord(word.data(), listedWord(taken.word))) {
                table.hasDuplicate = true;
            }
            slot = (slot + 1) & kSlotMask;
            ++probe;
        }
        if (probe > table.longestProbe) {
            table.longestProbe = probe;
        }
        const TokenKind kind =
            index < kBasicCount ? TokenKind::BasicKeyword : TokenKind::PureKeyword;
        table.tags[slot] = tagOf(hash);
        table.entries[slot] =
            Entry{static_cast<std::uint16_t>(index), static_cast<std::uint8_t>(word.size()),
                  static_cast<std::uint8_t>(kind)};
        if (word.size() > table.longestWord) {
            table.longestWord = word.size();
        }
    }
    return table;
}

constexpr Table kTable = buildTable();
static_assert(!kTable.hasDuplicate, "a reserved word is listed twice");
static_assert(kTable.longestWord < 256);
static_assert(kTable.longestProbe <= 8,
              "the word hash clusters: widen the table or change the hash");

}  // namespace

TokenKind classifyWord(const char* word, std::size_t length) {
    if (length == 0 || length > kTable.longestWord) {
        return TokenKind::NormalText;
    }
    const std::uint32_t hash = hashWord(word, length);
    const std::uint16_t tag = tagOf(hash);
    for (std::size_t slot = hash >> kSlotShift;; slot = (slot + 1) & kSlotMask) {
        const std::uint16_t slotTag = kTable.tags[slot];
        if (slotTag == 0) {
            return TokenKind::NormalText;
        }
        const Entry& entry = kTable.entries[slot];
        if (slotTag == tag && entry.length == length && sameWord(word, listedWord(entry.word))) {
            return static_cast<TokenKind>(entry.kind);
        }
    }
}

}  // namespace highlighter

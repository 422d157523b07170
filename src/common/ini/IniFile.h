#pragma once
// IniFile: the one reader and writer of INI files (the settings file, the editor's
// PureBasic.prefs, the updater's Konfiguration.ini). One file is open at a time; names and
// values are ANSI text. Used on the GUI thread only.

#include <QString>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace common {

class IniFile {
public:
    IniFile() = default;
    ~IniFile();
    IniFile(const IniFile&) = delete;
    IniFile& operator=(const IniFile&) = delete;

    // Opens and parses an existing file. Fails when it does not exist or cannot be read; a file
    // that can only be read is parsed, but writes to it are never stored. The path is ANSI text
    // relative to the program directory, or a path on disk (the per-user folders).
    bool open(std::string_view path);
    bool open(const char* path) { return open(std::string_view(path)); }
    bool open(const QString& diskPath);
    // Creates the file, or empties an existing one, at once.
    bool create(std::string_view path);
    bool create(const char* path) { return create(std::string_view(path)); }
    bool create(const QString& diskPath);
    // Makes the first group of that name current (case of A-Z ignored); "" selects the keys
    // before the first group. An unknown name becomes the pending group and returns false.
    bool selectGroup(std::string_view name);
    std::string readText(std::string_view key, std::string_view defaultValue);
    long long readInteger(std::string_view key, long long defaultValue);
    void writeText(std::string_view key, std::string_view text);
    void writeInteger(std::string_view key, long long value);
    // Writes the file anew when anything was written, then releases it. The new content is
    // written completely before it replaces the old file; on failure the old file stays.
    // Returns false only when a needed write failed.
    bool close();

    bool isOpen() const { return m_open; }

private:
    enum class EntryKind { Group, Comment, Key };
    struct Entry {
        EntryKind kind;
        std::string name;   // group or key name, comment text
        std::string value;  // key value
    };

    void parse(std::string_view bytes);
    std::string toFile(std::string_view ansi) const;
    std::string fromFile(std::string_view bytes) const;
    // Index of the key in the current group, or nullopt.
    std::optional<std::size_t> findKey(std::string_view fileKey) const;
    void writeValue(std::string_view key, std::string_view fileValue);
    std::string serialize() const;

    bool m_open = false;
    bool m_writable = false;
    bool m_utf8 = false;
    bool m_modified = false;
    QString m_diskPath;
    std::vector<Entry> m_entries;
    std::optional<std::size_t> m_currentGroup;  // entry index of the group header
    std::optional<std::string> m_pendingGroup;
};

}  // namespace common

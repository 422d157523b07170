#include "common/ini/IniFile.h"

#include "common/text/AnsiText.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <limits>

namespace common {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}

// Compares two names with only the letters A-Z folded, as the settings files expect.
bool equalsFoldingAscii(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i];
        char y = b[i];
        if (x >= 'A' && x <= 'Z') {
            x = static_cast<char>(x + 32);
        }
        if (y >= 'A' && y <= 'Z') {
            y = static_cast<char>(y + 32);
        }
        if (x != y) {
            return false;
        }
    }
    return true;
}

std::string_view trimTrailingBlanks(std::string_view text) {
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    return text;
}

std::string_view trimLeadingBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    return text;
}

// Leading blanks, an optional sign, digits; anything else ends the number. A number beyond the
// range of long long reads as its nearest end.
long long parseInteger(std::string_view text) {
    text = trimLeadingBlanks(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    constexpr auto kMax = static_cast<unsigned long long>(std::numeric_limits<long long>::max());
    const unsigned long long limit = negative ? kMax + 1 : kMax;
    unsigned long long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            break;
        }
        const auto digit = static_cast<unsigned long long>(c - '0');
        value = value > (limit - digit) / 10 ? limit : value * 10 + digit;
    }
    if (negative) {
        return value == kMax + 1 ? std::numeric_limits<long long>::min()
                                 : -static_cast<long long>(value);
    }
    return static_cast<long long>(value);
}

}  // namespace

IniFile::~IniFile() {
    close();
}

bool IniFile::open(std::string_view path) {
    return open(diskPath(path));
}

bool IniFile::open(const QString& diskPath) {
    close();
    QFile file(diskPath);
    if (QFileInfo(file).isDir() || !file.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray bytes = file.readAll();
    file.close();
    // A file that cannot be opened for writing is still read; its changes are dropped at close.
    m_writable = file.open(QIODevice::ReadWrite);
    file.close();
    m_diskPath = diskPath;
    m_open = true;
    parse(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    return true;
}

bool IniFile::create(std::string_view path) {
    return create(diskPath(path));
}

bool IniFile::create(const QString& diskPath) {
    close();
    QFile file(diskPath);
    if (QFileInfo(file).isDir() || !file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return false;
    }
    file.close();
    m_diskPath = diskPath;
    m_open = true;
    m_writable = true;
    return true;
}

void IniFile::parse(std::string_view bytes) {
    if (bytes.size() >= 3 && bytes.substr(0, 3) == kUtf8Mark) {
        m_utf8 = true;
        bytes.remove_prefix(3);
    }
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        std::size_t end = pos;
        while (end < bytes.size() && !isLineEnd(bytes[end])) {
            ++end;
        }
        std::string_view line = trimLeadingBlanks(bytes.substr(pos, end - pos));
        while (end < bytes.size() && isLineEnd(bytes[end])) {
            ++end;
        }
        pos = end;
        if (line.empty()) {
            continue;
        }
        if (line.front() == ';') {
            line.remove_prefix(1);
            if (!line.empty() && line.front() == ' ') {
                line.remove_prefix(1);
            }
            m_entries.push_back({EntryKind::Comment, std::string(line), {}});
        } else if (line.front() == '[') {
            line.remove_prefix(1);
            m_entries.push_back(
                {EntryKind::Group, std::string(line.substr(0, line.find(']'))), {}});
        } else {
            const std::size_t equals = line.find('=');
            std::string_view name = trimTrailingBlanks(line.substr(0, equals));
            std::string_view value;
            if (equals != std::string_view::npos) {
                value = trimLeadingBlanks(line.substr(equals + 1));
            }
            m_entries.push_back({EntryKind::Key, std::string(name), std::string(value)});
        }
    }
}

std::string IniFile::toFile(std::string_view ansi) const {
    return m_utf8 ? latin1ToUtf8(ansi) : std::string(ansi);
}

std::string IniFile::fromFile(std::string_view bytes) const {
    return m_utf8 ? utf8ToLatin1(bytes) : std::string(bytes);
}

bool IniFile::selectGroup(std::string_view name) {
    m_pendingGroup.reset();
    m_currentGroup.reset();
    if (!m_open || name.empty()) {
        return m_open;
    }
    const std::string fileName = toFile(name);
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i].kind == EntryKind::Group &&
            equalsFoldingAscii(m_entries[i].name, fileName)) {
            m_currentGroup = i;
            return true;
        }
    }
    m_pendingGroup = fileName;
    return false;
}

std::optional<std::size_t> IniFile::findKey(std::string_view fileKey) const {
    if (m_pendingGroup) {
        return std::nullopt;
    }
    for (std::size_t i = m_currentGroup ? *m_currentGroup + 1 : 0; i < m_entries.size(); ++i) {
        const Entry& entry = m_entries[i];
        if (entry.kind == EntryKind::Group) {
            break;
        }
        if (entry.kind == EntryKind::Key && equalsFoldingAscii(entry.name, fileKey)) {
            return i;
        }
    }
    return std::nullopt;
}

std::string IniFile::readText(std::string_view key, std::string_view defaultValue) {
    const auto index = m_open ? findKey(toFile(key)) : std::nullopt;
    if (!index) {
        return std::string(defaultValue);
    }
    return fromFile(trimBlanks(m_entries[*index].value));
}

long long IniFile::readInteger(std::string_view key, long long defaultValue) {
    const auto index = m_open ? findKey(toFile(key)) : std::nullopt;
    if (!index) {
        return defaultValue;
    }
    return parseInteger(m_entries[*index].value);
}

void IniFile::writeValue(std::string_view key, std::string_view fileValue) {
    if (!m_open) {
        return;
    }
    if (m_pendingGroup) {
        m_entries.push_back({EntryKind::Group, *m_pendingGroup, {}});
        m_currentGroup = m_entries.size() - 1;
        m_pendingGroup.reset();
    }
    const std::string fileKey = toFile(key);
    if (const auto index = findKey(fileKey)) {
        m_entries[*index].name = fileKey;
        m_entries[*index].value = fileValue;
    } else {
        // A new key goes after the last entry of its group, or before the first group header.
        std::size_t insertAt = m_currentGroup ? *m_currentGroup + 1 : 0;
        while (insertAt < m_entries.size() && m_entries[insertAt].kind != EntryKind::Group) {
            ++insertAt;
        }
        m_entries.insert(m_entries.begin() + static_cast<std::ptrdiff_t>(insertAt),
                         {EntryKind::Key, fileKey, std::string(fileValue)});
    }
    m_modified = true;
}

void IniFile::writeText(std::string_view key, std::string_view text) {
    writeValue(key, toFile(text));
}

void IniFile::writeInteger(std::string_view key, long long value) {
    writeValue(key, std::to_string(value));
}

std::string IniFile::serialize() const {
    std::string out;
    if (m_utf8) {
        out.append(kUtf8Mark).append("\r\n");
    }
    for (const Entry& entry : m_entries) {
        switch (entry.kind) {
            case EntryKind::Group:
                out.append("[").append(entry.name).append("]");
                break;
            case EntryKind::Comment:
                out.append("; ").append(entry.name);
                break;
            case EntryKind::Key:
                out.append(entry.name).append(" = ").append(entry.value);
                break;
        }
        out.append("\r\n");
    }
    return out;
}

bool IniFile::close() {
    if (!m_open) {
        return true;
    }
    bool written = true;
    if (m_modified && m_writable) {
        // The old file stays intact until the new content is completely on disk.
        QSaveFile file(m_diskPath);
        const std::string content = serialize();
        written = file.open(QIODevice::WriteOnly) &&
                  file.write(content.data(), static_cast<qint64>(content.size())) ==
                      static_cast<qint64>(content.size()) &&
                  file.flush();
        // A failed write must never replace the old file; commit alone does not notice it.
        written = written ? file.commit() : (file.cancelWriting(), false);
    }
    m_open = false;
    m_writable = false;
    m_utf8 = false;
    m_modified = false;
    m_diskPath.clear();
    m_entries.clear();
    m_currentGroup.reset();
    m_pendingGroup.reset();
    return written;
}

}  // namespace common

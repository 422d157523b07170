#include "library/Store.h"

#include "common/text/AnsiText.h"
#include "library/FilesystemPath.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <system_error>

namespace library {
namespace {

bool isLineEnd(char c) {
    return c == '\r' || c == '\n' || c == '\0';
}

std::vector<std::string> splitLines(std::string_view bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        if (!isLineEnd(bytes[pos])) {
            ++pos;
            continue;
        }
        lines.emplace_back(bytes.substr(start, pos - start));
        if (bytes[pos] == '\r' && pos + 1 < bytes.size() && bytes[pos + 1] == '\n') {
            ++pos;
        }
        start = ++pos;
    }
    if (start < bytes.size()) {
        lines.emplace_back(bytes.substr(start));
    }
    return lines;
}

std::optional<std::string> readFile(const QString& diskPath) {
    QFile file(diskPath);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return std::nullopt;
    }
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QByteArray joinLines(const std::vector<std::string>& lines) {
    QByteArray bytes;
    for (const std::string& line : lines) {
        bytes.append(line.data(), static_cast<qsizetype>(line.size()));
        bytes.append("\r\n", 2);
    }
    return bytes;
}

bool writeAll(QFileDevice& file, const QByteArray& bytes) {
    return file.write(bytes) == bytes.size() && file.flush();
}

unsigned char foldAtoZ(char c) {
    const auto b = static_cast<unsigned char>(c);
    return b >= 'A' && b <= 'Z' ? static_cast<unsigned char>(b - 'A' + 'a') : b;
}

bool sortsBefore(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return foldAtoZ(x) < foldAtoZ(y); });
}

}  // namespace

std::vector<std::string> ReadNameList(std::string_view path) {
    const std::optional<std::string> bytes = readFile(common::diskPath(path));
    return bytes ? splitLines(*bytes) : std::vector<std::string>{};
}

void AppendName(std::string_view path, std::string_view name) {
    QFile file(common::diskPath(path));
    if (!file.open(QIODevice::ReadWrite)) {
        return;
    }
    QByteArray bytes;
    const qint64 size = file.size();
    char last = '\n';
    if (size > 0 && file.seek(size - 1) && file.getChar(&last) && !isLineEnd(last)) {
        bytes.append("\r\n", 2);
    }
    bytes.append(name.data(), static_cast<qsizetype>(name.size()));
    bytes.append("\r\n", 2);
    if (file.seek(size)) {
        file.write(bytes);
    }
}

bool RemoveName(std::string_view path, std::string_view tempPath, std::string_view name) {
    const QString listPath = common::diskPath(path);
    const QString tempDiskPath = common::diskPath(tempPath);

    const std::optional<std::string> bytes =
        QFileInfo::exists(listPath) ? readFile(listPath) : std::string();
    bool replaced = false;
    if (bytes) {
        std::vector<std::string> lines = splitLines(*bytes);
        std::erase(lines, name);
        QFile temp(tempDiskPath);
        if (temp.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            const bool written = writeAll(temp, joinLines(lines));
            temp.close();
            if (written && temp.error() == QFileDevice::NoError) {
                // Renaming over the list replaces it in one step, so no moment is without one.
                std::error_code error;
                std::filesystem::rename(FilesystemPath(tempPath), FilesystemPath(path), error);
                replaced = !error;
            }
        }
    }
    if (!replaced) {
        QFile::remove(tempDiskPath);
    }
    return replaced;
}

void SortNameList(std::string_view path) {
    const QString listPath = common::diskPath(path);
    // A missing list is an empty one and is created; one that exists but cannot be read stays.
    const std::optional<std::string> bytes =
        QFileInfo::exists(listPath) ? readFile(listPath) : std::string();
    if (!bytes) {
        return;
    }
    std::vector<std::string> names = splitLines(*bytes);
    std::stable_sort(names.begin(), names.end(), sortsBefore);
    QSaveFile file(listPath);
    if (!file.open(QIODevice::WriteOnly)) {
        return;
    }
    // QSaveFile buffers writes and does not notice a failing flush at commit.
    if (!writeAll(file, joinLines(names))) {
        file.cancelWriting();
    }
    file.commit();
}

std::vector<CommandLink> ReadCommandLinks(std::string_view path) {
    const std::vector<std::string> lines = ReadNameList(path);
    std::vector<CommandLink> links;
    links.reserve((lines.size() + 1) / 2);
    for (std::size_t i = 0; i < lines.size(); i += 2) {
        links.push_back({lines[i], i + 1 < lines.size() ? lines[i + 1] : std::string()});
    }
    return links;
}

}  // namespace library

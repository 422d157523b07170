#include "library/LibraryPaths.h"

#include "library/NameCheck.h"

namespace library {
namespace {

std::string joinPath(std::string_view folder, std::string_view name,
                     std::string_view extension = {}) {
    std::string path;
    path.reserve(folder.size() + 1 + name.size() + extension.size());
    path.append(folder).append(1, '\\').append(name).append(extension);
    return path;
}

}  // namespace

std::string CategoryIndexPath() {
    return joinPath(kSettingsFolder, "Kategorien.ini");
}

std::string CategoryIndexTempPath() {
    return joinPath(kSettingsFolder, "Kategorien.tmp");
}

std::optional<std::string> CodeIndexPath(std::string_view category) {
    if (!IsSafeCategoryName(category)) {
        return std::nullopt;
    }
    return joinPath(kSettingsFolder, category, ".ini");
}

std::optional<std::string> CodeIndexTempPath(std::string_view category) {
    if (!IsSafeCategoryName(category)) {
        return std::nullopt;
    }
    return joinPath(kSettingsFolder, category, ".tmp");
}

std::optional<std::string> CategoryCodeFolder(std::string_view category) {
    if (!IsSafeCategoryName(category)) {
        return std::nullopt;
    }
    return joinPath(kCodesFolder, category);
}

std::optional<std::string> CategoryLinkFolder(std::string_view category) {
    if (!IsSafeCategoryName(category)) {
        return std::nullopt;
    }
    return joinPath(kSettingsFolder, category);
}

std::optional<std::string> CodeFilePath(std::string_view category, std::string_view title) {
    const std::optional<std::string> folder = CategoryCodeFolder(category);
    if (!folder || !IsSafeName(title)) {
        return std::nullopt;
    }
    return joinPath(*folder, title, ".pb");
}

std::optional<std::string> LinkFilePath(std::string_view category, std::string_view title) {
    const std::optional<std::string> folder = CategoryLinkFolder(category);
    if (!folder || !IsSafeName(title)) {
        return std::nullopt;
    }
    return joinPath(*folder, title, ".ini");
}

}  // namespace library

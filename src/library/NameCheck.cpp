#include "library/NameCheck.h"

#include "common/text/AnsiText.h"

namespace library {
namespace {

// The longest extension appended to a name: ".ini" and ".tmp".
constexpr std::size_t kLongestExtension = 4;
constexpr std::size_t kMaxFileNameBytes = 255;

enum class NameProblem {
    None,
    Empty,
    DotName,
    Separator,
    ControlCharacter,
    ReservedCharacter,
    TooLong,
    ReservedCategory,
    IndexExtension,
};

NameProblem problemOfName(std::string_view name) {
    if (name.empty()) {
        return NameProblem::Empty;
    }
    if (name == "." || name == "..") {
        return NameProblem::DotName;
    }
    if (name.find_first_of("\\/") != std::string_view::npos) {
        return NameProblem::Separator;
    }
    for (const char c : name) {
        if (static_cast<unsigned char>(c) < 32) {
            return NameProblem::ControlCharacter;
        }
    }
    if (name.find_first_of("<>:\"|?*") != std::string_view::npos) {
        return NameProblem::ReservedCharacter;
    }
    if (common::ansiToUtf8(name).size() + kLongestExtension > kMaxFileNameBytes) {
        return NameProblem::TooLong;
    }
    return NameProblem::None;
}

std::string foldAtoZ(std::string_view text) {
    std::string folded(text);
    for (char& c : folded) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return folded;
}

NameProblem problemOfCategoryName(std::string_view name) {
    const NameProblem problem = problemOfName(name);
    if (problem != NameProblem::None) {
        return problem;
    }
    const std::string folded = foldAtoZ(name);
    if (folded == "kategorien") {
        return NameProblem::ReservedCategory;
    }
    if (folded.ends_with(".ini") || folded.ends_with(".tmp")) {
        return NameProblem::IndexExtension;
    }
    return NameProblem::None;
}

std::string reasonText(NameProblem problem) {
    switch (problem) {
        case NameProblem::None:
            return {};
        case NameProblem::Empty:
            return common::ansi("Bitte geben Sie einen Namen ein.");
        case NameProblem::DotName:
            return common::ansi("Die Namen ''.'' und ''..'' sind nicht erlaubt.");
        case NameProblem::Separator:
            return common::ansi("Der Name darf die Zeichen \\ und / nicht enthalten.");
        case NameProblem::ControlCharacter:
            return common::ansi("Der Name darf keine Steuerzeichen enthalten.");
        case NameProblem::ReservedCharacter:
            return common::ansi("Der Name darf die Zeichen < > : \" | ? * nicht enthalten.");
        case NameProblem::TooLong:
            return common::ansi("Der Name ist zu lang.\rBitte wählen Sie einen kürzeren Namen.");
        case NameProblem::ReservedCategory:
            return common::ansi(
                "Der Name ''Kategorien'' ist für die Liste der Kategorien reserviert.");
        case NameProblem::IndexExtension:
            return common::ansi("Der Name einer Kategorie darf nicht auf .ini oder .tmp enden.");
    }
    return {};
}

}  // namespace

bool IsSafeName(std::string_view name) {
    return problemOfName(name) == NameProblem::None;
}

std::string NameRefusalReason(std::string_view name) {
    return reasonText(problemOfName(name));
}

bool IsSafeCategoryName(std::string_view name) {
    return problemOfCategoryName(name) == NameProblem::None;
}

std::string CategoryNameRefusalReason(std::string_view name) {
    return reasonText(problemOfCategoryName(name));
}

}  // namespace library

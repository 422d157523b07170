#include "viewer/EditorPrefs.h"

#include "common/ini/IniFile.h"
#include "common/platform/Platform.h"

#include <QColor>
#include <QGuiApplication>
#include <QPalette>

namespace viewer {
namespace {

struct KindKey {
    const char* key;
    int defaultColor;
};

constexpr std::array<KindKey, kColouredKinds> kKindKeys{{
    {"NormalTextColor", 0},
    {"BasicKeywordColor", 10289933},
    {"CommentColor", 7309386},
    {"ConstantColor", 738990},
    {"StringColor", 4275251},
    {"PureKeywordColor", 15675453},
    {"ASMKeywordColor", 4194432},
    {"OperatorColor", 255},
    {"StructureColor", 346292},
    {"NumberColor", 255},
    {"PointerColor", 329652},
    {"SeparatorColor", 0},
    {"LabelColor", 8404992},
}};

int toColorRef(const QColor& color) {
    return color.red() + 256 * color.green() + 65536 * color.blue();
}

QString prefsFilePath() {
    return common::AppDataFolder() + QStringLiteral("/PureBasic/PureBasic.prefs");
}

}  // namespace

int ButtonFaceColor() {
    return toColorRef(QGuiApplication::palette().color(QPalette::Button));
}

EditorPrefs DefaultEditorPrefs() {
    EditorPrefs prefs;
    for (int kind = 0; kind < kColouredKinds; ++kind) {
        prefs.kindColors[kind] = kKindKeys[kind].defaultColor;
    }
    prefs.backgroundColor = 16777215;
    prefs.fontName = "courier";
    prefs.fontSize = 10;
    prefs.selectionFrontColor = 0;
    prefs.selectionColor = 8355711;
    prefs.lineNumberBackColor = ButtonFaceColor();
    prefs.lineNumberColor = 0;
    return prefs;
}

EditorPrefs ReadEditorPrefs() {
    EditorPrefs prefs = DefaultEditorPrefs();
    common::IniFile ini;
    if (!ini.open(prefsFilePath())) {
        return prefs;
    }
    ini.selectGroup("Editor");
    const auto readInt = [&ini](const char* key, int& value) {
        value = static_cast<int>(ini.readInteger(key, value));
    };
    for (int kind = 0; kind < kColouredKinds; ++kind) {
        readInt(kKindKeys[kind].key, prefs.kindColors[kind]);
    }
    readInt("BackgroundColor", prefs.backgroundColor);
    prefs.fontName = ini.readText("EditorFontName", prefs.fontName);
    readInt("EditorFontSize", prefs.fontSize);
    readInt("SelectionFrontColor", prefs.selectionFrontColor);
    readInt("SelectionColor", prefs.selectionColor);
    readInt("LineNumberBackColor", prefs.lineNumberBackColor);
    readInt("LineNumberColor", prefs.lineNumberColor);
    ini.close();
    return prefs;
}

}  // namespace viewer

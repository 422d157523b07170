#include "viewer/CodeViewer.h"

#include "viewer/Highlighter.h"

#include "common/text/AnsiText.h"

#include <QFile>
#include <QFrame>

#include <vector>

namespace viewer {
namespace {

constexpr int kKeywordKind = 1;
constexpr int kStringKind = 4;
constexpr int kStyleMask = 31;
constexpr int kLineNumberMarginWidth = 40;
constexpr int kSymbolMarginWidth = 5;

// The styling pass in progress. Passes run synchronously inside the control's style request on
// the GUI thread and never overlap, so one set serves every viewer.
QsciScintillaBase* g_styledControl = nullptr;
long g_styleStart = 0;
const char* g_styleBuffer = nullptr;

int TokenCallback(const char* tokenStart, int tokenLength, int kind) {
    const long position = g_styleStart + (tokenStart - g_styleBuffer);
    g_styledControl->SendScintilla(QsciScintillaBase::SCI_STARTSTYLING, position, kStyleMask);
    g_styledControl->SendScintilla(QsciScintillaBase::SCI_SETSTYLING, tokenLength,
                                   kind & kStyleMask);
    return 0;
}

void StyleNeededHandler(QsciScintillaBase* control, int position) {
    const SyntaxHighlightFunction highlight = CurrentHighlighter();
    if (highlight == nullptr) {
        return;
    }
    // Styling restarts at the start of the line that holds the first unstyled character.
    const long endStyled = control->SendScintilla(QsciScintillaBase::SCI_GETENDSTYLED);
    const long line = control->SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION, endStyled);
    const long start = control->SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, line);
    const long end = position;
    if (end < start) {
        return;
    }
    std::vector<char> buffer(static_cast<std::size_t>(end - start + 1), '\0');
    control->SendScintilla(QsciScintillaBase::SCI_GETTEXTRANGE, start, end, buffer.data());
    g_styledControl = control;
    g_styleStart = start;
    g_styleBuffer = buffer.data();
    highlight(buffer.data(), static_cast<int>(end - start), TokenCallback, 0);
    g_styleBuffer = nullptr;
}

const QByteArray kUtf32LeMark("\xFF\xFE\0\0", 4);

// Length of a byte-order mark that leaves the text 8-bit: UTF-32 of either order, UTF-16
// big-endian; 0 for none.
qsizetype otherMarkLength(const QByteArray& bytes) {
    if (bytes.startsWith(kUtf32LeMark) || bytes.startsWith(QByteArray("\0\0\xFE\xFF", 4))) {
        return 4;
    }
    return bytes.startsWith("\xFE\xFF") ? 2 : 0;
}

// The text up to the first zero character; a trailing odd byte is dropped.
QString decodeUtf16Le(const QByteArray& bytes) {
    QString text;
    text.reserve(bytes.size() / 2);
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2) {
        const char16_t unit = static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                                    static_cast<unsigned char>(bytes[i + 1]) << 8);
        if (unit == 0) {
            break;
        }
        text.append(QChar(unit));
    }
    return text;
}

QByteArray upToZero(const QByteArray& bytes) {
    const qsizetype zero = bytes.indexOf('\0');
    return zero < 0 ? bytes : bytes.left(zero);
}

}  // namespace

void SendCreationMessages(const EditorPrefs& prefs, const ScintillaSend& send) {
    using Sci = QsciScintillaBase;
    const std::string fontName = common::ansiToUtf8(prefs.fontName);
    send(Sci::SCI_SETCODEPAGE, Sci::SC_CP_UTF8, 0);
    send(Sci::SCI_SETLEXER, Sci::SCLEX_CONTAINER, 0);
    send(Sci::SCI_STYLESETFORE, Sci::STYLE_DEFAULT, 0);
    send(Sci::SCI_STYLESETBACK, Sci::STYLE_DEFAULT, prefs.backgroundColor);
    send(Sci::SCI_STYLESETFONT, Sci::STYLE_DEFAULT, reinterpret_cast<long>(fontName.c_str()));
    send(Sci::SCI_STYLESETSIZE, Sci::STYLE_DEFAULT, prefs.fontSize);
    send(Sci::SCI_SETSELFORE, 1, prefs.selectionFrontColor);
    send(Sci::SCI_SETSELBACK, 1, prefs.selectionColor);
    send(Sci::SCI_STYLECLEARALL, 0, 0);
    for (int kind = 0; kind < kColouredKinds; ++kind) {
        send(Sci::SCI_STYLESETFORE, kind, prefs.kindColors[kind]);
        if (kind == kKeywordKind) {
            send(Sci::SCI_STYLESETBOLD, kind, 1);
        } else if (kind == kStringKind) {
            send(Sci::SCI_STYLESETITALIC, kind, 1);
        }
    }
    send(Sci::SCI_SETMARGINTYPEN, 0, Sci::SC_MARGIN_NUMBER);
    send(Sci::SCI_SETMARGINWIDTHN, 0, kLineNumberMarginWidth);
    send(Sci::SCI_STYLESETBACK, Sci::STYLE_LINENUMBER, prefs.lineNumberBackColor);
    send(Sci::SCI_STYLESETFORE, Sci::STYLE_LINENUMBER, prefs.lineNumberColor);
    send(Sci::SCI_SETMARGINWIDTHN, 1, kSymbolMarginWidth);
}

CodeViewer::CodeViewer(const EditorPrefs& prefs, QWidget* parent) : QsciScintilla(parent) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    connect(this, &QsciScintillaBase::SCN_STYLENEEDED, this,
            [this](int position) { StyleNeededHandler(this, position); });
    SendCreationMessages(prefs, [this](unsigned int message, unsigned long wParam, long lParam) {
        SendScintilla(message, wParam, lParam);
    });
}

void CodeViewer::setAnsiText(const std::string& ansiText) {
    const std::string utf8 = common::ansiToUtf8(ansiText);
    SendScintilla(SCI_SETTEXT, utf8.c_str());
}

bool CodeViewer::loadFile(const std::string& ansiPath) {
    QFile file(common::diskPath(ansiPath));
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (bytes.isEmpty()) {
        return false;
    }
    std::string utf8;
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        m_mode = TextMode::Utf8;
        utf8 = QString::fromUtf8(upToZero(bytes.mid(3))).toStdString();
    } else if (bytes.startsWith("\xFF\xFE") && !bytes.startsWith(kUtf32LeMark)) {
        m_mode = TextMode::Utf8;
        utf8 = decodeUtf16Le(bytes.mid(2)).toStdString();
    } else {
        // The other marks (UTF-32, UTF-16 big-endian) are passed over; the rest is 8-bit text.
        m_mode = TextMode::EightBit;
        const QByteArray ansi = upToZero(bytes.mid(otherMarkLength(bytes)));
        utf8 = common::ansiToUtf8(std::string_view(ansi.constData(), ansi.size()));
    }
    SendScintilla(SCI_SETTEXT, utf8.c_str());
    return true;
}

int CodeViewer::ansiLength() const {
    return static_cast<int>(SendScintilla(SCI_COUNTCHARACTERS, 0, SendScintilla(SCI_GETLENGTH)));
}

void CodeViewer::setViewerReadOnly(bool on) {
    SendScintilla(SCI_SETREADONLY, on ? 1 : 0);
}

void CodeViewer::copySelection() {
    SendScintilla(SCI_COPY);
}

void CodeViewer::selectAllText() {
    SendScintilla(SCI_SETSEL, 0, -1);
}

void CodeViewer::disablePopup() {
    SendScintilla(SCI_USEPOPUP, 0);
}

}  // namespace viewer

// Loads a 100,000-line PureBasic file into a code viewer and styles all of it through the
// highlighting module, against QScintilla's built-in C++ lexer styling the same text.

#include "viewer/CodeViewer.h"
#include "viewer/EditorPrefs.h"
#include "viewer/Highlighter.h"

#include "common/text/AnsiText.h"

#include <Qsci/qscilexercpp.h>
#include <Qsci/qsciscintilla.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using Sci = QsciScintillaBase;

constexpr int kLines = 100000;
constexpr int kRuns = 5;
constexpr const char* kModule = "SyntaxHilighting.so";

// Every token kind of the editor appears; ANSI text with umlauts, CR LF line ends.
std::string GenerateCode() {
    const char* const block[] = {
        "; Fenster %d mit Schaltfl\xE4\x63hen und \x84Zitat\x93",
        "Procedure.i Rechne%d(*Wert.Punkt, Faktor.d = 2.5)",
        "  Protected Ergebnis.i = *Wert\\x * Faktor + $1F - %%1010",
        "  If Ergebnis > 100 And Ergebnis <> #PB_Any",
        "    Debug \"Gr\xF6\xDF\x65r: \" + Str(Ergebnis) ; Ausgabe",
        "  ElseIf Ergebnis = 0 : Ergebnis = Len(~\"Tab\\t\") : EndIf",
        "  !MOV eax, [p.v_Ergebnis]",
        "Sprung%d:",
        "  ProcedureReturn SendMessage_(hWnd, #WM_SETTEXT, 0, @\"%d\")",
        "EndProcedure",
    };
    std::string code;
    code.reserve(static_cast<std::size_t>(kLines) * 48);
    char line[256];
    for (int i = 0; i < kLines; ++i) {
        std::snprintf(line, sizeof line, block[i % 10], i);
        code += line;
        code += "\r\n";
    }
    return code;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Milliseconds to load the file and style the whole document with our viewer.
double TimeViewer(const std::string& path, long& styledBytes) {
    viewer::CodeViewer viewer(viewer::DefaultEditorPrefs());
    QElapsedTimer timer;
    timer.start();
    viewer.loadFile(path);
    viewer.SendScintilla(Sci::SCI_COLOURISE, 0, -1);
    const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    styledBytes = viewer.SendScintilla(Sci::SCI_GETENDSTYLED);
    return ms;
}

// The same with QScintilla's C++ lexer: read, convert to UTF-8, set, style.
double TimeCppLexer(const std::string& path, long& styledBytes) {
    QsciScintilla editor;
    QsciLexerCPP lexer;
    editor.setUtf8(true);
    editor.setLexer(&lexer);
    QElapsedTimer timer;
    timer.start();
    QFile file(common::diskPath(path));
    file.open(QIODevice::ReadOnly);
    const QByteArray bytes = file.readAll();
    const std::string utf8 = common::ansiToUtf8(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    editor.SendScintilla(Sci::SCI_SETTEXT, utf8.c_str());
    editor.SendScintilla(Sci::SCI_COLOURISE, 0, -1);
    const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    styledBytes = editor.SendScintilla(Sci::SCI_GETENDSTYLED);
    editor.setLexer(nullptr);
    return ms;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);

    QTemporaryDir dir;
    const QString module = QStringLiteral(QH_DIST_DIR "/") + kModule;
    if (!dir.isValid() || !QFile::copy(module, dir.filePath(kModule))) {
        std::fprintf(stderr, "bench_viewer: cannot stage %s\n", qPrintable(module));
        return 1;
    }
    QDir::setCurrent(dir.path());
    if (!viewer::LoadHighlighter(kModule)) {
        std::fprintf(stderr, "bench_viewer: %s has no SyntaxHighlight\n", kModule);
        return 1;
    }
    const std::string code = GenerateCode();
    QFile file(dir.filePath("Gross.pb"));
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(code.data(), static_cast<qint64>(code.size())) !=
            static_cast<qint64>(code.size())) {
        std::fprintf(stderr, "bench_viewer: cannot write the sample file\n");
        return 1;
    }
    file.close();

    std::vector<double> ours;
    std::vector<double> reference;
    long oursStyled = 0;
    long referenceStyled = 0;
    for (int run = 0; run < kRuns; ++run) {
        ours.push_back(TimeViewer("Gross.pb", oursStyled));
        reference.push_back(TimeCppLexer("Gross.pb", referenceStyled));
    }
    const double oursMs = Median(ours);
    const double referenceMs = Median(reference);
    std::printf("bench_viewer: %d lines, %zu bytes (ANSI), median of %d runs\n", kLines,
                code.size(), kRuns);
    std::printf("  viewer + SyntaxHilighting.so  load and style: %8.1f ms (%ld bytes styled)\n",
                oursMs, oursStyled);
    std::printf("  QsciLexerCPP (reference)      load and style: %8.1f ms (%ld bytes styled)\n",
                referenceMs, referenceStyled);
    std::printf("  ratio viewer / reference: %.2f\n", oursMs / referenceMs);
    return oursStyled == referenceStyled ? 0 : 1;
}

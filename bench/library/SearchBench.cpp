// Times SearchCodes on a generated library of 10,000 code files against `grep -rilF` over the
// same folder, with a warm file cache. Aim: no more than 1.5 times grep's time.

#include "library/Search.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <cstdio>
#include <random>
#include <string>

namespace {

constexpr int kCategories = 100;
constexpr int kCodesPerCategory = 100;
constexpr int kRuns = 7;
// Occurs in every hundredth code, nowhere else.
constexpr char kRareText[] = "SetWindowCallback";
constexpr char kMissingText[] = "CreateThreadpoolWork_";

constexpr std::array kCommands = {
    "OpenWindow",      "ButtonGadget",    "StringGadget",
    "TextGadget",      "ListIconGadget",  "AddGadgetItem",
    "SetGadgetText",   "GetGadgetText",   "MessageRequester",
    "ReadFile",        "CreateFile",      "WriteStringN",
    "CloseFile",       "Delay",           "CreateImage",
    "StartDrawing",    "DrawText",        "Box",
    "LoadFont",        "SendMessage_",    "GetWindowLong_",
    "SetWindowPos_",   "CreateWindowEx_", "GetModuleHandle_",
    "RegOpenKeyEx_",   "RegCloseKey_",    "AllocateMemory",
    "FreeMemory",      "PeekS",           "PokeL",
    "CopyMemory",      "ShellExecute_",   "GetDC_",
    "ReleaseDC_",      "InvalidateRect_", "WaitWindowEvent",
    "EventGadget",     "EventType",       "CountGadgetItems",
    "SetActiveGadget",
};
constexpr std::array kWords = {
    "Fenster", "Handle", "Puffer",  "Datei",    "Zeile",      "Wert",     "Ergebnis", "Breite",
    "Hoehe",   "Text",   "Eintrag", "Schalter", "Liste",      "Zeiger",   "Laenge",   "Position",
    "Farbe",   "Bild",   "Pfad",    "Name",     "Schluessel", "Speicher", "Anzahl",   "Index",
};

class CodeWriter {
public:
    explicit CodeWriter(unsigned seed) : m_random(seed) {}

    // About targetSize bytes of procedures; the rare text, when asked for, near the middle.
    std::string code(std::size_t targetSize, bool withRareText) {
        std::string text;
        bool rarePending = withRareText;
        while (text.size() < targetSize) {
            if (rarePending && text.size() >= targetSize / 2) {
                appendRareLine(text);
                rarePending = false;
            }
            appendBlock(text);
        }
        if (rarePending) {
            appendRareLine(text);
        }
        return text;
    }

private:
    std::string word() { return kWords[pick(kWords.size())]; }
    std::string command() { return kCommands[pick(kCommands.size())]; }
    std::size_t pick(std::size_t count) {
        return std::uniform_int_distribution<std::size_t>(0, count - 1)(m_random);
    }
    std::string number() { return std::to_string(pick(1000)); }

    void appendRareLine(std::string& text) {
        text += std::string("  ") + kRareText + "(@" + word() + "Rueckruf())\r\n";
    }

    void appendBlock(std::string& text) {
        const std::string name = word() + word();
        text += "; " + word() + " und " + word() + " des " + word() + "s ermitteln\r\n";
        text += "Procedure." + std::string(pick(2) ? "i " : "s ") + name + "(" + word() + ".i, " +
                word() + ".s = \"\")\r\n";
        text += "  Protected " + word() + ".i = " + number() + ", " + word() + ".s\r\n";
        const std::size_t statements = 3 + pick(6);
        for (std::size_t i = 0; i < statements; ++i) {
            switch (pick(4)) {
                case 0:
                    text += "  If " + word() + " > " + number() + "\r\n    " + command() + "(" +
                            word() + ", " + number() + ")\r\n  EndIf\r\n";
                    break;
                case 1:
                    text += "  " + word() + " = " + command() + "(#" + word() + ", " + number() +
                            ", \"" + word() + " " + word() + "\")\r\n";
                    break;
                case 2:
                    text += "  For " + word() + " = 0 To " + number() + "\r\n    " + command() +
                            "(" + word() + ")\r\n  Next\r\n";
                    break;
                default:
                    text +=
                        "  " + command() + "(" + word() + ", " + word() + ") ; " + word() + "\r\n";
                    break;
            }
        }
        text += "  ProcedureReturn " + word() + "\r\nEndProcedure\r\n\r\n";
    }

    std::mt19937 m_random;
};

bool writeLibrary(const QString& codesFolder, std::size_t& totalBytes) {
    CodeWriter writer(20240601);
    std::mt19937 sizes(7);
    std::uniform_int_distribution<std::size_t> size(1000, 7000);
    totalBytes = 0;
    for (int c = 0; c < kCategories; ++c) {
        const QString folder = codesFolder + QString("/Kategorie %1").arg(c, 3, 10, QChar('0'));
        if (!QDir().mkpath(folder)) {
            return false;
        }
        for (int k = 0; k < kCodesPerCategory; ++k) {
            const int index = c * kCodesPerCategory + k;
            const std::string text = writer.code(size(sizes), index % 100 == 37);
            QFile file(folder + QString("/Code %1.pb").arg(k, 3, 10, QChar('0')));
            if (!file.open(QIODevice::WriteOnly) ||
                file.write(text.data(), static_cast<qint64>(text.size())) !=
                    static_cast<qint64>(text.size())) {
                return false;
            }
            totalBytes += text.size();
        }
    }
    return true;
}

struct Timing {
    double bestMs = 1e300;
    std::size_t matches = 0;

    template <typename Run>
    void measure(Run run) {
        QElapsedTimer timer;
        timer.start();
        matches = run();
        bestMs = std::min(bestMs, static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
};

// grep in the C locale: byte semantics like ours, and grep's fastest mode.
std::size_t runGrep(const QString& text, const QString& folder) {
    QProcess grep;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LC_ALL", "C");
    grep.setProcessEnvironment(environment);
    grep.setProgram("grep");
    grep.setArguments({"-rilF", text, folder});
    grep.start();
    grep.waitForFinished(-1);
    return static_cast<std::size_t>(grep.readAllStandardOutput().count('\n'));
}

}  // namespace

int main() {
    QTemporaryDir dir;
    std::size_t totalBytes = 0;
    const QString codes = dir.path() + "/Codes";
    if (!dir.isValid() || !writeLibrary(codes, totalBytes)) {
        std::fprintf(stderr, "bench_search: cannot write the library\n");
        return 1;
    }
    std::printf("bench_search: %d code files, %.1f MB in %d folders\n",
                kCategories * kCodesPerCategory, static_cast<double>(totalBytes) / 1e6,
                kCategories);
    if (!QDir::setCurrent(dir.path())) {
        return 1;
    }

    bool sameMatches = true;
    for (const char* text : {kRareText, kMissingText}) {
        // Warm the cache for both.
        library::SearchCodes("Codes", text);
        runGrep(text, "Codes");
        // Alternating runs, best of each, so that load from elsewhere hits both alike.
        Timing ours;
        Timing grep;
        for (int run = 0; run < kRuns; ++run) {
            ours.measure([&] { return library::SearchCodes("Codes", text).size(); });
            grep.measure([&] { return runGrep(text, "Codes"); });
        }
        sameMatches = sameMatches && ours.matches == grep.matches;
        std::printf(
            "  \"%s\": SearchCodes %.1f ms (%zu files), grep -rilF %.1f ms (%zu files), "
            "ratio %.2f\n",
            text, ours.bestMs, ours.matches, grep.bestMs, grep.matches, ours.bestMs / grep.bestMs);
    }
    if (!sameMatches) {
        std::fprintf(stderr, "bench_search: SearchCodes and grep found different files\n");
        return 1;
    }
    return 0;
}

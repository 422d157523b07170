// Start-up of Quellhort with a large library (1,000 categories of 10 codes) against the same
// start-up with an empty library, in one run: the large library should add less than the empty
// start-up itself takes. Each start-up runs in a fresh process (this program started again with
// --start), from the process start to the first event of the running program.

#include "common/ui/Ui.h"
#include "library/LibraryPaths.h"
#include "library/LibraryTree.h"
#include "library/Store.h"
#include "shell/Startup.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

constexpr int kRuns = 9;

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(bytes);
}

// A program directory with the highlighting module, the pictures and a library.
void makeProgramDir(const QString& dir, int categories, int codesPerCategory) {
    QDir().mkpath(dir + "/Codes");
    QDir().mkpath(dir + "/Einstellungen");
    QDir().mkpath(dir + "/Grafiken");
    writeFile(dir + "/Quellhort", "");
    QFile::copy(QStringLiteral(QH_DIST_DIR "/SyntaxHilighting.so"), dir + "/SyntaxHilighting.so");
    QDirIterator pictures(QStringLiteral(QH_DIST_DIR "/Grafiken"), QDir::Files);
    while (pictures.hasNext()) {
        const QString file = pictures.next();
        QFile::copy(file, dir + "/Grafiken/" + QFileInfo(file).fileName());
    }
    QByteArray index;
    for (int c = 0; c < categories; ++c) {
        const QByteArray category = "Kategorie " + QByteArray::number(10000 + c);
        index += category + "\r\n";
        QByteArray codes;
        QDir().mkpath(dir + "/Codes/" + category);
        for (int n = 0; n < codesPerCategory; ++n) {
            const QByteArray title = "Code " + QByteArray::number(n);
            codes += title + "\r\n";
            writeFile(dir + "/Codes/" + category + "/" + title + ".pb",
                      "MessageBox_(0, \"Hallo\", \"Titel\", 0)");
        }
        writeFile(dir + "/Einstellungen/" + category + ".ini", codes);
    }
    writeFile(dir + "/Einstellungen/Kategorien.ini", index);
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The child: one start-up up to the first event, then out at once.
int startOnce(int argc, char** argv, const char* programDir) {
    ui::InitApplication(argc, argv);
    shell::StartupOptions options = shell::DefaultStartupOptions();
    options.executableDir = QString::fromLocal8Bit(programDir);
    QDir::setCurrent(options.executableDir);
    const bool started = shell::StartQuellhort(options);
    ui::PollEvent();
    std::fflush(stdout);
    std::_Exit(started ? 0 : 1);
}

// Milliseconds for a whole start-up in a new process.
double timeStartup(const QString& self, const QString& programDir) {
    QElapsedTimer timer;
    timer.start();
    const int status = QProcess::execute(self, {QStringLiteral("--start"), programDir});
    const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    if (status != 0) {
        std::fprintf(stderr, "start-up failed in %s\n", qPrintable(programDir));
        std::exit(1);
    }
    return ms;
}

// Milliseconds for RefreshLibraryTree and for reading the indexes alone, in this process.
void timeRefresh(const QString& programDir, double& refreshMs, double& readMs) {
    QDir::setCurrent(programDir);
    ui::ResetAll();
    ui::OpenWindow(0, 800, 600, "Quellhort", ui::kWindowMainWindow | ui::kWindowHidden);
    ui::CreateStatusBar(0);
    ui::CreateTree(library::kMainTree, 0, 0, 200, 500);
    QElapsedTimer timer;
    timer.start();
    library::RefreshLibraryTree();
    ui::PollEvent();  // the tree takes its new items when events are processed
    refreshMs = static_cast<double>(timer.nsecsElapsed()) / 1e6;

    timer.restart();
    std::size_t names = 0;
    for (const std::string& category : library::ReadNameList(library::CategoryIndexPath())) {
        names += library::ReadNameList(*library::CodeIndexPath(category)).size();
    }
    readMs = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    ui::ResetAll();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--start") == 0) {
        return startOnce(argc, argv, argv[2]);
    }
    ui::InitApplication(argc, argv);
    const QString self = QCoreApplication::applicationFilePath();
    QTemporaryDir root;
    qputenv("APPDATA", (root.path() + "/AppData").toUtf8());
    const QString empty = root.path() + "/Leer";
    const QString large = root.path() + "/Gross";
    makeProgramDir(empty, 0, 0);
    makeProgramDir(large, 1000, 10);

    std::vector<double> emptyStartups, largeStartups, refreshes, reads;
    timeStartup(self, empty);  // warm the caches
    timeStartup(self, large);
    for (int run = 0; run < kRuns; ++run) {
        emptyStartups.push_back(timeStartup(self, empty));
        largeStartups.push_back(timeStartup(self, large));
        double refreshMs = 0;
        double readMs = 0;
        timeRefresh(large, refreshMs, readMs);
        refreshes.push_back(refreshMs);
        reads.push_back(readMs);
    }

    const double emptyMs = median(emptyStartups);
    const double largeMs = median(largeStartups);
    std::printf("whole start-up, empty library:               %8.1f ms\n", emptyMs);
    std::printf("whole start-up, 1,000 categories x 10 codes: %8.1f ms\n", largeMs);
    std::printf("RefreshLibraryTree, 11,000 items:            %8.1f ms\n", median(refreshes));
    std::printf("  of which reading the 1,001 indexes:        %8.1f ms\n", median(reads));
    std::printf("added by the large library: %.1f ms = %.2f x the empty start-up (aim: below 1)\n",
                largeMs - emptyMs, (largeMs - emptyMs) / emptyMs);
    return 0;
}

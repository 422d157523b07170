#pragma once
// Quellhort started in a temporary program directory over a library written by the test, with
// helpers to drive the library's windows and read back the tree and the files.

#include "../shell/QuellhortFixture.h"

#include <QByteArray>
#include <QString>

#include <map>
#include <string>
#include <vector>

namespace testsupport {

class LibraryWindowFixture : public QuellhortFixture {
protected:
    // Starts Quellhort over the library written so far, in administrator mode when asked.
    void startQuellhort(bool administrator = true);
    // Handles events until none is left, as the event loop would between two user actions.
    void settle();

    // Writes a file of the library; the bytes are ANSI text, the path UTF-8.
    void writeLibraryFile(const QString& relative, const std::string& ansiBytes);
    std::string readLibraryFile(const QString& relative) const;
    // Every folder and file below "Codes" and "Einstellungen": relative path to bytes, "/" for
    // a folder.
    std::map<QString, QByteArray> librarySnapshot() const;

    // The items of a tree as "level:text" (ANSI text).
    static std::vector<std::string> treeItems(int tree);
    // The rows of a report list as "cell|cell".
    static std::vector<std::string> listRows(int list);
    // The column headers of a report list: titles and widths.
    static std::vector<std::string> columnTitles(int list);
    static std::vector<int> columnWidths(int list);

    // Driver steps followed by settle().
    void type(int control, const std::string& ansiText);
    // Replaces the whole text at once, as pasting does (line ends included).
    void paste(int control, const std::string& ansiText);
    void click(int control);
    void command(int command);
    void returnIn(int control);

    // The text shown in the main window's viewer, as ANSI text.
    static std::string viewerText();
    // Whether the inner area of window `window` is centred on that of window `over`, to the
    // pixel that an odd difference in size leaves.
    static bool isCentredOn(int window, int over);
};

}  // namespace testsupport

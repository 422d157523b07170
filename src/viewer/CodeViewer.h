#pragma once
// The Scintilla control of a code viewer: PureBasic colours and font from the editor's settings,
// a line-number margin, and styling on request through the highlighting library.
//
// Scintilla always runs in UTF-8, so that Windows-1252 characters show as themselves; the
// viewer's text mode (8-bit or UTF-8) is a logical flag that only loading a file changes.
// GUI thread only.

#include "viewer/EditorPrefs.h"
#include "viewer/TextMode.h"

#include <Qsci/qsciscintilla.h>

#include <functional>
#include <string>

namespace viewer {

// Sends one Scintilla message; lParam carries pointers as well as numbers.
using ScintillaSend = std::function<void(unsigned int message, unsigned long wParam, long lParam)>;

// Sends what a new viewer is set up with, in this order: UTF-8 and styling by the container;
// then the editor settings: the default style (text always black), the selection colours, the
// copy of the default style to all styles, the colours of kinds 0 to 12 with bold keywords and
// italic strings, and last the two margins and the line-number style.
void SendCreationMessages(const EditorPrefs& prefs, const ScintillaSend& send);

class CodeViewer : public QsciScintilla {
public:
    // A new viewer is empty, editable and in 8-bit mode, with the given colours and font for
    // its whole life; its styling calls the function of CurrentHighlighter() at each request.
    explicit CodeViewer(const EditorPrefs& prefs, QWidget* parent = nullptr);

    // Replaces the text by ANSI text (Windows-1252 in either mode). Ignored while the viewer is
    // read-only, as Scintilla does.
    void setAnsiText(const std::string& ansiText);

    // Shows a file (path in ANSI text, relative to the current directory) by its byte-order
    // mark: EF BB BF and FF FE switch to UTF-8 mode and show every character as it is; any
    // other start is 8-bit text taken byte for byte. The text ends at the first zero character.
    // A missing, unreadable or empty file returns false and changes nothing.
    bool loadFile(const std::string& ansiPath);

    TextMode textMode() const { return m_mode; }

    // Length of the text as ANSI text: one byte per character.
    int ansiLength() const;

    void setViewerReadOnly(bool on);
    void copySelection();
    void selectAllText();
    // Switches off Scintilla's own context menu.
    void disablePopup();

private:
    TextMode m_mode = TextMode::EightBit;
};

}  // namespace viewer

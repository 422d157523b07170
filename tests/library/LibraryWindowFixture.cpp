#include "LibraryWindowFixture.h"

#include "common/text/AnsiText.h"
#include "shell/EventLoop.h"

#include <Qsci/qsciscintilla.h>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QHeaderView>
#include <QTreeWidget>

#include <cstdlib>

namespace testsupport {

void LibraryWindowFixture::startQuellhort(bool administrator) {
    installProgram();
    writeSettings(QStringLiteral("[Einstellungen]\r\nPBPfad = /opt/pb/purebasic\r\n"
                                 "Administratormodus = %1\r\n")
                      .arg(administrator ? 1 : 0)
                      .toUtf8());
    ASSERT_TRUE(start());
    settle();
}

void LibraryWindowFixture::settle() {
    for (int round = 0; round < 20; ++round) {
        const std::vector<ui::Event> events = ui::testing::TakeEvents();
        if (events.empty()) {
            return;
        }
        for (const ui::Event& event : events) {
            ASSERT_TRUE(shell::HandleEvent(event)) << "the event loop ended";
        }
    }
    FAIL() << "events keep coming";
}

void LibraryWindowFixture::writeLibraryFile(const QString& relative, const std::string& ansiBytes) {
    QDir().mkpath(QFileInfo(path(relative)).path());
    writeFile(relative, QByteArray(ansiBytes.data(), static_cast<qsizetype>(ansiBytes.size())));
}

std::string LibraryWindowFixture::readLibraryFile(const QString& relative) const {
    const QByteArray bytes = readFile(relative);
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

std::map<QString, QByteArray> LibraryWindowFixture::librarySnapshot() const {
    std::map<QString, QByteArray> snapshot;
    const QDir programDir(m_programDir);
    for (const char* folder : {"Codes", "Einstellungen"}) {
        QDirIterator it(path(QString::fromUtf8(folder)),
                        QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QFileInfo entry(it.next());
            const QString relative = programDir.relativeFilePath(entry.filePath());
            snapshot[relative] = entry.isDir() ? QByteArray("/") : readFile(relative);
        }
    }
    return snapshot;
}

std::vector<std::string> LibraryWindowFixture::treeItems(int tree) {
    std::vector<std::string> items;
    for (int i = 0; i < ui::ItemCount(tree); ++i) {
        items.push_back(std::to_string(ui::TreeItemLevel(tree, i)) + ":" +
                        ui::TreeItemText(tree, i));
    }
    return items;
}

std::vector<std::string> LibraryWindowFixture::listRows(int list) {
    std::vector<std::string> rows;
    for (int row = 0; row < ui::ItemCount(list); ++row) {
        rows.push_back(ui::ListCellText(list, row, 0) + "|" + ui::ListCellText(list, row, 1));
    }
    return rows;
}

std::vector<std::string> LibraryWindowFixture::columnTitles(int list) {
    std::vector<std::string> titles;
    if (auto* view = qobject_cast<QTreeWidget*>(ui::ControlWidget(list))) {
        for (int column = 0; column < view->columnCount(); ++column) {
            titles.push_back(common::fromQString(view->headerItem()->text(column)));
        }
    }
    return titles;
}

std::vector<int> LibraryWindowFixture::columnWidths(int list) {
    std::vector<int> widths;
    if (auto* view = qobject_cast<QTreeWidget*>(ui::ControlWidget(list))) {
        for (int column = 0; column < view->columnCount(); ++column) {
            widths.push_back(view->columnWidth(column));
        }
    }
    return widths;
}

void LibraryWindowFixture::type(int control, const std::string& ansiText) {
    ui::testing::TypeText(control, ansiText);
    settle();
}

void LibraryWindowFixture::paste(int control, const std::string& ansiText) {
    ui::SetText(control, ansiText);
    settle();
}

void LibraryWindowFixture::click(int control) {
    ui::testing::Click(control);
    settle();
}

void LibraryWindowFixture::command(int command) {
    ui::testing::TriggerCommand(command);
    settle();
}

void LibraryWindowFixture::returnIn(int control) {
    ui::testing::PressReturn(control);
    settle();
}

std::string LibraryWindowFixture::viewerText() {
    auto* viewer = qobject_cast<QsciScintilla*>(ui::ControlWidget(4));
    return viewer != nullptr ? common::fromQString(viewer->text()) : std::string();
}

bool LibraryWindowFixture::isCentredOn(int window, int over) {
    QWidget* inner = ui::ParentForControl(window * 100 + 1);
    QWidget* outer = ui::ParentForControl(over * 100 + 1);
    if (inner == nullptr || outer == nullptr) {
        return false;
    }
    const QPoint a = inner->window()->geometry().center();
    const QPoint b = outer->window()->geometry().center();
    return std::abs(a.x() - b.x()) <= 1 && std::abs(a.y() - b.y()) <= 1;
}

}  // namespace testsupport

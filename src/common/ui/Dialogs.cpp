// Message boxes and the open-file dialog, each passing through the dialog seam first.

#include "common/text/AnsiText.h"
#include "common/ui/DialogSeam.h"
#include "common/ui/GuiThread.h"
#include "common/ui/Ui.h"
#include "common/ui/WidgetText.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

namespace ui {
namespace {

using detail::runOnGui;

QMessageBox::Icon qtIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Error:
            return QMessageBox::Critical;
        case MessageIcon::Warning:
            return QMessageBox::Warning;
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Question:
            return QMessageBox::Question;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

Answer scriptedAnswer(MessageButtons buttons) {
    auto& answers = detail::dialogScript().answers;
    if (answers.empty()) {
        return buttons == MessageButtons::YesNo ? Answer::No : Answer::Ok;
    }
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

Answer showMessageBox(const std::string& title, const std::string& text, MessageIcon icon,
                      MessageButtons buttons) {
    QMessageBox box(qtIcon(icon), common::toQString(title), detail::toWidgetLines(text),
                    QMessageBox::NoButton, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    if (buttons == MessageButtons::Ok) {
        QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        box.setDefaultButton(ok);
        box.setEscapeButton(ok);
        box.exec();
        return Answer::Ok;
    }
    QPushButton* yes = box.addButton(QStringLiteral("Ja"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("Nein"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes ? Answer::Yes : Answer::No;
}

// "Label|pattern|Label|pattern" to Qt's "Label (pattern);;Label (pattern)".
QString qtFileFilter(const std::string& pattern) {
    const QStringList parts = common::toQString(pattern).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString label = parts[i].trimmed();
        const QString patterns = parts[i + 1].trimmed().replace(QLatin1Char(';'), QLatin1Char(' '));
        const QString suffix = QStringLiteral("(%1)").arg(patterns);
        filters.append(label.endsWith(suffix) ? label : QStringLiteral("%1 %2").arg(label, suffix));
    }
    return filters.join(QStringLiteral(";;"));
}

std::string showFileDialog(const std::string& title, const std::string& startPath,
                           const std::string& pattern) {
    const QString workingDirectory = QDir::currentPath();
    QFileDialog dialog(QApplication::activeWindow(), common::toQString(title));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // A name that does not exist may be typed; the caller checks it.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(qtFileFilter(pattern));
    if (!startPath.empty()) {
        const QFileInfo start(common::diskPath(startPath));
        if (start.isDir()) {
            dialog.setDirectory(start.absoluteFilePath());
        } else {
            if (start.dir().exists()) {
                dialog.setDirectory(start.absolutePath());
            }
            dialog.selectFile(start.fileName());
        }
    }
    std::string chosen;
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        chosen = common::fromQString(dialog.selectedFiles().first());
    }
    QDir::setCurrent(workingDirectory);
    return chosen;
}

}  // namespace

Answer MessageBox(const std::string& title, const std::string& text, MessageIcon icon,
                  MessageButtons buttons) {
    return runOnGui([&] {
        detail::DialogScript& script = detail::dialogScript();
        if (script.active) {
            script.shown.push_back({title, text, icon, buttons});
            return scriptedAnswer(buttons);
        }
        if (QCoreApplication::instance() == nullptr) {
            return buttons == MessageButtons::YesNo ? Answer::No : Answer::Ok;
        }
        return showMessageBox(title, text, icon, buttons);
    });
}

std::string OpenFileDialog(const std::string& title, const std::string& startPath,
                           const std::string& pattern) {
    return runOnGui([&] {
        detail::DialogScript& script = detail::dialogScript();
        if (script.active) {
            ++script.fileDialogs;
            if (script.files.empty()) {
                return std::string();
            }
            std::string answer = script.files.front();
            script.files.pop_front();
            return answer;
        }
        if (QCoreApplication::instance() == nullptr) {
            return std::string();
        }
        return showFileDialog(title, startPath, pattern);
    });
}

}  // namespace ui

// The application object, its German translations, and the reset of the whole layer.

#include "common/text/AnsiText.h"
#include "common/ui/EventQueue.h"
#include "common/ui/GuiThread.h"
#include "common/ui/Registry.h"
#include "common/ui/Ui.h"

#include <QApplication>
#include <QClipboard>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace ui {
namespace {

const QString kQtTranslationsFolder = QStringLiteral("/usr/share/qt6/translations");

// Installs the catalogue `name` from the first folder that holds it.
void installTranslation(const QString& name, const QStringList& folders) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    for (const QString& folder : folders) {
        if (translator->load(name, folder)) {
            QCoreApplication::installTranslator(translator);
            return;
        }
    }
    delete translator;
}

}  // namespace

void InitApplication(int& argc, char** argv) {
    if (QCoreApplication::instance() != nullptr) {
        return;
    }
    new QApplication(argc, argv);
    const QLocale german(QLocale::German, QLocale::Germany);
    QLocale::setDefault(german);
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    installTranslation(QStringLiteral("qtbase_de"), {qtFolder});
    installTranslation(QStringLiteral("qt_de"), {qtFolder});
    installTranslation(QStringLiteral("qscintilla_de"), {qtFolder, kQtTranslationsFolder});
}

void ResetAll() {
    detail::runOnGui([] {
        detail::clearRegistry();
        detail::clearEventQueue();
    });
}

std::string ClipboardText() {
    return detail::runOnGui([] {
        if (QCoreApplication::instance() == nullptr) {
            return std::string();
        }
        return common::fromQString(QApplication::clipboard()->text());
    });
}

}  // namespace ui

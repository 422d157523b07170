// Message boxes and the file dialog: the scripted seam and the real dialogs.

#include "UiFixture.h"

#include "common/text/AnsiText.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>

namespace uitest {
namespace {

using ui::Answer;
using ui::MessageButtons;
using ui::MessageIcon;

// Runs `handle` on the first modal dialog of type Dialog that appears, from the event loop of
// the dialog itself.
template <typename Dialog>
void whenDialogShows(std::function<void(Dialog*)> handle) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, handle] {
        if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            handle(dialog);
        }
    });
    timer->start(10);
}

QStringList buttonTexts(QMessageBox* box) {
    QStringList texts;
    for (QAbstractButton* button : box->buttons()) {
        texts.append(button->text());
    }
    texts.sort();
    return texts;
}

QAbstractButton* buttonWithText(QMessageBox* box, const QString& text) {
    for (QAbstractButton* button : box->buttons()) {
        if (button->text() == text) {
            return button;
        }
    }
    return nullptr;
}

class DialogsTest : public UiTest {};

TEST_F(DialogsTest, ScriptedBoxesTakeQueuedAnswersThenDefaults) {
    driver::QueueAnswer(Answer::Yes);
    EXPECT_EQ(ui::MessageBox("Vedezorevavaze", "Zeile 1\rZeile 2", MessageIcon::Question,
                             MessageButtons::YesNo),
              Answer::Yes);
    EXPECT_EQ(ui::MessageBox("Frage", "?", MessageIcon::Question, MessageButtons::YesNo),
              Answer::No);
    EXPECT_EQ(ui::MessageBox("Fehler", "!", MessageIcon::Error, MessageButtons::Ok), Answer::Ok);

    const auto& shown = driver::ShownMessages();
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[0].title, "Vedezorevavaze");
    EXPECT_EQ(shown[0].text, "Zeile 1\rZeile 2");
    EXPECT_EQ(shown[0].icon, MessageIcon::Question);
    EXPECT_EQ(shown[2].buttons, MessageButtons::Ok);
    driver::ClearShownMessages();
    EXPECT_TRUE(driver::ShownMessages().empty());
}

TEST_F(DialogsTest, ScriptedFileDialogTakesQueuedPathsThenNothing) {
    driver::QueueFileDialogAnswer("/opt/purebasic/PureBasic.exe");
    EXPECT_EQ(
        ui::OpenFileDialog("PureBasic-Editor", "PureBasic.exe", "Executable-Dateien|PureBasic.exe"),
        "/opt/purebasic/PureBasic.exe");
    EXPECT_EQ(ui::OpenFileDialog("t", "", "Alle|*.*"), "");
    EXPECT_EQ(driver::FileDialogCount(), 2);
}

TEST_F(DialogsTest, RealYesNoBoxShowsGermanButtonsAndTheLines) {
    driver::UnscriptDialogs();
    QStringList texts;
    QString shownText;
    QString shownTitle;
    whenDialogShows<QMessageBox>([&](QMessageBox* box) {
        texts = buttonTexts(box);
        shownText = box->text();
        shownTitle = box->windowTitle();
        buttonWithText(box, "Nein")->click();
    });
    const Answer answer = ui::MessageBox(common::ansi("ToolBar-Icongröße ändern"), "Erste\rZweite",
                                         MessageIcon::Question, MessageButtons::YesNo);
    EXPECT_EQ(answer, Answer::No);
    EXPECT_EQ(texts, (QStringList{"Ja", "Nein"}));
    EXPECT_EQ(shownText, "Erste\nZweite");
    EXPECT_EQ(shownTitle, QString::fromUtf8("ToolBar-Icongröße ändern"));

    whenDialogShows<QMessageBox>([](QMessageBox* box) { buttonWithText(box, "Ja")->click(); });
    EXPECT_EQ(ui::MessageBox("Frage", "?", MessageIcon::Question, MessageButtons::YesNo),
              Answer::Yes);
}

TEST_F(DialogsTest, RealOkBoxHasOneOkButtonAndItsIcon) {
    driver::UnscriptDialogs();
    QStringList texts;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    whenDialogShows<QMessageBox>([&](QMessageBox* box) {
        texts = buttonTexts(box);
        icon = box->icon();
        box->buttons().first()->click();
    });
    EXPECT_EQ(ui::MessageBox("Fehler", "Nicht gefunden.", MessageIcon::Error, MessageButtons::Ok),
              Answer::Ok);
    EXPECT_EQ(texts, QStringList{"OK"});
    EXPECT_EQ(icon, QMessageBox::Critical);
}

TEST_F(DialogsTest, RealFileDialogFiltersAndKeepsTheCurrentDirectory) {
    driver::UnscriptDialogs();
    QTemporaryDir work;
    QTemporaryDir elsewhere;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(work.path());
    const QString typed = elsewhere.path() + "/PureBasic.exe";  // need not exist

    QStringList filters;
    whenDialogShows<QFileDialog>([&](QFileDialog* dialog) {
        filters = dialog->nameFilters();
        QDir::setCurrent(elsewhere.path());  // whatever the dialog does to the directory
        dialog->selectFile(typed);
        static_cast<QDialog*>(dialog)->accept();  // as the Open button does
    });
    const std::string chosen =
        ui::OpenFileDialog("PureBasic-Editor", "PureBasic.exe", "Executable-Dateien|PureBasic.exe");
    EXPECT_EQ(QString::fromStdString(chosen), typed);
    EXPECT_EQ(filters, QStringList{"Executable-Dateien (PureBasic.exe)"});
    EXPECT_EQ(QDir(QDir::currentPath()).canonicalPath(), QDir(work.path()).canonicalPath());

    whenDialogShows<QFileDialog>([&](QFileDialog* dialog) {
        filters = dialog->nameFilters();
        dialog->reject();
    });
    EXPECT_EQ(ui::OpenFileDialog("Bild", "", "Bilder (*.png)|*.png|Symbole|*.ico;*.cur"), "");
    EXPECT_EQ(filters, (QStringList{"Bilder (*.png)", "Symbole (*.ico *.cur)"}));
    QDir::setCurrent(previous);
}

}  // namespace
}  // namespace uitest

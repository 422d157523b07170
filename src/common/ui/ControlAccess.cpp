// Operations that every kind of control shares: existence, geometry, state and text.

#include "common/text/AnsiText.h"
#include "common/ui/GuiThread.h"
#include "common/ui/Registry.h"
#include "common/ui/Ui.h"
#include "common/ui/WidgetText.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>

namespace ui {
namespace {

using detail::ControlKind;
using detail::runOnGui;

template <typename Read>
int geometryValue(int control, Read read) {
    return runOnGui([&] {
        QWidget* widget = detail::controlWidget(control);
        return widget != nullptr ? read(widget->geometry()) : 0;
    });
}

}  // namespace

bool ControlExists(int control) {
    return runOnGui([&] { return detail::findControl(control) != nullptr; });
}

void FreeControl(int control) {
    runOnGui([&] {
        QWidget* widget = detail::controlWidget(control);
        detail::forgetControl(control);
        delete widget;
    });
}

void ResizeControl(int control, int x, int y, int w, int h) {
    runOnGui([&] {
        QWidget* widget = detail::controlWidget(control);
        if (widget == nullptr) {
            return;
        }
        const QRect old = widget->geometry();
        widget->setGeometry(x == -1 ? old.x() : x, y == -1 ? old.y() : y, w == -1 ? old.width() : w,
                            h == -1 ? old.height() : h);
    });
}

int ControlX(int control) {
    return geometryValue(control, [](const QRect& r) { return r.x(); });
}

int ControlY(int control) {
    return geometryValue(control, [](const QRect& r) { return r.y(); });
}

int ControlWidth(int control) {
    return geometryValue(control, [](const QRect& r) { return r.width(); });
}

int ControlHeight(int control) {
    return geometryValue(control, [](const QRect& r) { return r.height(); });
}

void DisableControl(int control, bool disabled) {
    runOnGui([&] {
        if (QWidget* widget = detail::controlWidget(control)) {
            widget->setEnabled(!disabled);
        }
    });
}

bool IsControlEnabled(int control) {
    return runOnGui([&] {
        QWidget* widget = detail::controlWidget(control);
        return widget != nullptr && widget->isEnabled();
    });
}

void SetFocus(int control) {
    runOnGui([&] {
        if (QWidget* widget = detail::controlWidget(control)) {
            widget->setFocus(Qt::OtherFocusReason);
        }
    });
}

void SetText(int control, const std::string& text) {
    runOnGui([&] {
        const detail::ControlEntry* entry = detail::findControl(control);
        if (entry == nullptr) {
            return;
        }
        QWidget* widget = entry->widget.data();
        switch (entry->kind) {
            case ControlKind::StringField:
                static_cast<QLineEdit*>(widget)->setText(common::toQString(text));
                break;
            case ControlKind::Button:
                static_cast<QPushButton*>(widget)->setText(detail::toActionText(text));
                break;
            case ControlKind::Label:
                static_cast<QLabel*>(widget)->setText(detail::toWidgetLines(text));
                break;
            case ControlKind::Frame:
                static_cast<QGroupBox*>(widget)->setTitle(common::toQString(text));
                break;
            case ControlKind::Editor:
                static_cast<QPlainTextEdit*>(widget)->setPlainText(detail::toWidgetLines(text));
                break;
            case ControlKind::ComboBox: {
                auto* combo = static_cast<QComboBox*>(widget);
                const int index = combo->findText(common::toQString(text), Qt::MatchExactly);
                if (index >= 0) {
                    combo->setCurrentIndex(index);
                }
                break;
            }
            default:
                break;
        }
    });
}

std::string GetText(int control) {
    return runOnGui([&] {
        const detail::ControlEntry* entry = detail::findControl(control);
        if (entry == nullptr) {
            return std::string();
        }
        QWidget* widget = entry->widget.data();
        switch (entry->kind) {
            case ControlKind::StringField:
                return common::fromQString(static_cast<QLineEdit*>(widget)->text());
            case ControlKind::Button:
                return detail::fromActionText(static_cast<QPushButton*>(widget)->text());
            case ControlKind::Label:
                return detail::fromWidgetLines(static_cast<QLabel*>(widget)->text(), "\r");
            case ControlKind::Frame:
                return common::fromQString(static_cast<QGroupBox*>(widget)->title());
            case ControlKind::Editor: {
                // The raw text keeps non-breaking spaces, which toPlainText turns into spaces.
                QString text = static_cast<QPlainTextEdit*>(widget)->document()->toRawText();
                text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
                return detail::fromWidgetLines(text, "\r\n");
            }
            case ControlKind::ComboBox:
                return common::fromQString(static_cast<QComboBox*>(widget)->currentText());
            default:
                return std::string();
        }
    });
}

}  // namespace ui

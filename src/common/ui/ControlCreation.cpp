// Creation of the numbered controls and the wiring of their signals to the event queue.

#include "common/text/AnsiText.h"
#include "common/ui/ControlLook.h"
#include "common/ui/EventQueue.h"
#include "common/ui/GuiThread.h"
#include "common/ui/Registry.h"
#include "common/ui/SegmentedProgressBar.h"
#include "common/ui/SplitterControl.h"
#include "common/ui/TreeControl.h"
#include "common/ui/Ui.h"
#include "common/ui/WidgetText.h"

#include <QAbstractScrollArea>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>

namespace ui {
namespace {

using detail::ControlKind;
using detail::queueControlEvent;
using detail::runOnGui;

// Reports the context-menu requests of an adopted widget and lets the widget handle them as
// usual. Mouse requests arrive at the viewport of a scroll area; the scroll area itself only
// counts keyboard requests, because a mouse request the viewport ignores is passed on to it.
class ContextMenuReporter : public QObject {
public:
    ContextMenuReporter(int control, QWidget* widget) : QObject(widget), m_control(control) {
        m_scrollArea = qobject_cast<QAbstractScrollArea*>(widget);
        widget->installEventFilter(this);
        if (m_scrollArea != nullptr) {
            m_scrollArea->viewport()->installEventFilter(this);
        }
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ContextMenu) {
            const auto* request = static_cast<QContextMenuEvent*>(event);
            const bool passedOnFromViewport = m_scrollArea != nullptr && watched == m_scrollArea &&
                                              request->reason() == QContextMenuEvent::Mouse;
            if (!passedOnFromViewport) {
                queueControlEvent(m_control, ControlEventType::RightClick);
            }
        }
        return false;
    }

private:
    int m_control;
    QAbstractScrollArea* m_scrollArea = nullptr;
};

// The parent for a new control; a control already made under that number goes first.
QWidget* prepareControl(int control) {
    if (detail::findControl(control) != nullptr) {
        FreeControl(control);
    }
    return detail::controlParent(control);
}

void place(int control, QWidget* widget, ControlKind kind, int x, int y, int w, int h) {
    widget->setGeometry(x, y, w, h);
    widget->show();
    detail::registerControl(control, widget, kind);
}

}  // namespace

bool CreateStringField(int control, int x, int y, int w, int h, const std::string& text,
                       unsigned flags) {
    return runOnGui([&] {
        QWidget* parent = prepareControl(control);
        if (parent == nullptr) {
            return false;
        }
        auto* field = new QLineEdit(common::toQString(text), parent);
        field->setReadOnly((flags & kReadOnly) != 0);
        QObject::connect(field, &QLineEdit::textChanged, field,
                         [control] { queueControlEvent(control, ControlEventType::Change); });
        QObject::connect(field, &QLineEdit::returnPressed, field,
                         [control] { queueControlEvent(control, ControlEventType::Return); });
        place(control, field, ControlKind::StringField, x, y, w, h);
        return true;
    });
}

bool CreateButton(int control, int x, int y, int w, int h, const std::string& text) {
    return runOnGui([&] {
        QWidget* parent = prepareControl(control);
        if (parent == nullptr) {
            return false;
        }
        auto* button = new QPushButton(detail::toActionText(text), parent);
        button->setAutoDefault(false);
        QObject::connect(button, &QPushButton::clicked, button,
                         [control] { queueControlEvent(control, ControlEventType::Click); });
        place(control, button, ControlKind::Button, x, y, w, h);
        return true;
    });
}

bool CreateTree(int control, int x, int y, int w, int h) {
    return runOnGui([&] {
        QWidget* parent = prepareControl(control);
        if (parent == nullptr) {
            return false;
        }
        auto* tree = new detail::TreeControl(parent);
        tree->setStyle(detail::classicStyle());
        detail::keepSelectionVisible(tree);
        QObject::connect(tree, &QTreeWidget::currentItemChanged, tree,
                         [control] { queueControlEvent(control, ControlEventType::Change); });
        QObject::connect(tree, &QTreeWidget::itemClicked, tree,
                         [control] { queueControlEvent(control, ControlEventType::Click); });
        QObject::connect(tree, &QTreeWidget::itemDoubleClicked, tree,
                         [control] { queueControlEvent(control, ControlEventType::DoubleClick); });
        QObject::connect(tree, &QWidget::customContextMenuRequested, tree,
                         [control, tree](const QPoint& position) {
                             if (QTreeWidgetItem* item = tree->itemAt(position)) {
                                 tree->setCurrentItem(item);
                             }
                             queueControlEvent(control, ControlEventType::RightClick);
                         });
        place(control, tree, ControlKind::Tree, x, y, w, h);
        return true;
    });
}

bool CreateListView(int control, int x, int y, int w, int h, const std::string& firstColumn,
                    int firstColumnWidth) {
    return runOnGui([&] {
        QWidget* parent = prepareControl(control);
        if (parent == nullptr) {
            return false;
        }
        auto* list = new QTreeWidget(parent);
        list->setRootIsDecorated(false);
        list->setItemsExpandable(false);
        list->setUniformRowHeights(true);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setSelectionBehavior(QAbstractItemView::SelectRows);
        list->setEditTriggers(QAbstractItemView::NoEditTriggers);
        list->header()->setStretchLastSection(false);
        list->header()->setSectionsMovable(false);
        list->setHeaderLabels({common::toQString(firstColumn)});
        list->setColumnWidth(0, firstColumnWidth);
        detail::keepSelectionVisible(list);
        QObject::connect(list, &QTreeWidget::itemSelectionChanged, list,
                         [control] { queueControlEvent(control, ControlEventType::Selection); });
        QObject::connect(list, &QTreeWidget::itemClicked, list,
                         [control] { queueControlEvent(control, ControlEventType::Click); });
        QObject::connect(list, &QTreeWidget::itemDoubleClicked, list,
                         [control] { queueControlEvent(control, ControlEventType::DoubleClick); });
        place(control, list, ControlKind::ListView, x, y, w, h);
        return true;
    });
}

void AddListColumn(int control, const std::string& title, int width) {
    runOnGui([&] {
        auto* list = detail::controlAs<QTreeWidget>(control, ControlKind::ListView);
        if (list == nullptr) {
            return;
        }
        const int column = list->columnCount();
        list->setColumnCount(column + 1);
        list->headerItem()->setText(column, common::toQString(title));
        list->setColumnWidth(column, width);
    });
}

bool CreateComboBox(int control, int x, int y, int w, int h) {
    return runOnGui([&] {
        QWidget* parent = prepareControl(control);
        if (parent == nullptr) {
            return false;
        }
        auto* combo = new QComboBox(parent);
        combo->setEditable(false);
        QObject::connect(combo, &QComboBox::currentIndexChanged, combo,
                         [control] { queueControlEvent(control, ControlEventType::Change); });
        place(control, combo, ControlKind::ComboBox, x, y, w, h);
        return true;
    });
}

bool CreateEditor(int control, int x, int y, int w, int h) {
    return runOnGui([&] {
        QWidget* parent = prepareControl(control);
        if (parent == nullptr) {
            return false;
        }
        auto* editor = new QPlainTextEdit(parent);
        editor->setLineWrapMode(QPlainTextEdit::NoWrap);
        QObject::connect(editor, &QPlainTextEdit::textChanged, editor,
                         [control] { queueControlEvent(control, ControlEventType::Change); });
        place(control, editor, ControlKind::Editor, x, y, w, h);
        return true;
    });
}

bool CreateFrame(int control, int x, int y, int w, int h, const std::string& caption) {
    return runOnGui([&] {
        QWidget* parent = prepareControl(control);
        if (parent == nullptr) {
            return false;
        }
        auto* frame = new QGroupBox(common::toQString(caption), parent);
        place(control, frame, ControlKind::Frame, x, y, w, h);
        frame->lower();
        return true;
    });
}

bool CreateLabel(int control, int x, int y, int w, int h, const std::string& text, unsigned flags) {
    return runOnGui([&] {
        QWidget* parent = prepareControl(control);
        if (parent == nullptr) {
            return false;
        }
        auto* label = new QLabel(parent);
        label->setTextFormat(Qt::PlainText);
        label->setText(detail::toWidgetLines(text));
        const Qt::Alignment horizontal =
            (flags & kRightAligned) != 0 ? Qt::AlignRight : Qt::AlignLeft;
        label->setAlignment(horizontal | Qt::AlignTop);
        label->setWordWrap((flags & kWrap) != 0);
        if ((flags & kSunkenEdge) != 0) {
            detail::setSunkenEdge(label);
        }
        place(control, label, ControlKind::Label, x, y, w, h);
        return true;
    });
}

bool CreateProgressBar(int control, int x, int y, int w, int h, int minimum, int maximum,
                       unsigned flags) {
    return runOnGui([&] {
        QWidget* parent = prepareControl(control);
        if (parent == nullptr) {
            return false;
        }
        QProgressBar* bar = (flags & kSmooth) != 0 ? new QProgressBar(parent)
                                                   : new detail::SegmentedProgressBar(parent);
        bar->setTextVisible(false);
        place(control, bar, ControlKind::ProgressBar, x, y, w, h);
        SetProgressRange(control, minimum, maximum);
        return true;
    });
}

bool CreateSplitter(int control, int x, int y, int w, int h, int first, int second,
                    unsigned flags) {
    return runOnGui([&] {
        QWidget* parent = prepareControl(control);
        QWidget* firstSide = detail::controlWidget(first);
        QWidget* secondSide = detail::controlWidget(second);
        if (parent == nullptr || firstSide == nullptr || secondSide == nullptr) {
            return false;
        }
        const bool vertical = (flags & kVerticalBar) != 0;
        auto* splitter = new detail::SplitterControl(parent, vertical, firstSide, secondSide);
        place(control, splitter, ControlKind::Splitter, x, y, w, h);
        splitter->setPosition(((vertical ? w : h) - detail::SplitterControl::kBarWidth) / 2);
        return true;
    });
}

bool AdoptControl(int control, QWidget* widget, int x, int y, int w, int h) {
    return runOnGui([&] {
        if (widget == nullptr) {
            return false;
        }
        QWidget* parent = prepareControl(control);
        if (parent == nullptr) {
            delete widget;
            return false;
        }
        widget->setParent(parent);
        new ContextMenuReporter(control, widget);
        place(control, widget, ControlKind::Adopted, x, y, w, h);
        return true;
    });
}

QWidget* ParentForControl(int control) {
    return runOnGui([&] { return detail::controlParent(control); });
}

QWidget* ControlWidget(int control) {
    return runOnGui([&] { return detail::controlWidget(control); });
}

}  // namespace ui

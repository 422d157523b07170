#include "common/ui/ControlLook.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFrame>
#include <QPointer>
#include <QStyle>
#include <QStyleFactory>

namespace ui::detail {

QStyle* classicStyle() {
    static QPointer<QStyle> style;
    if (style.isNull()) {
        style = QStyleFactory::create(QStringLiteral("Windows"));
        if (style.isNull()) {
            return QApplication::style();
        }
        style->setParent(QApplication::instance());
    }
    return style.data();
}

void keepSelectionVisible(QAbstractItemView* view) {
    QPalette palette = view->palette();
    for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText}) {
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    }
    view->setPalette(palette);
}

void setSunkenEdge(QWidget* widget) {
    if (auto* frame = qobject_cast<QFrame*>(widget)) {
        frame->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    }
}

}  // namespace ui::detail

#include "common/ui/SplitterControl.h"

#include <QMouseEvent>

#include <algorithm>

namespace ui::detail {

// The draggable bar; it moves the splitter's position to follow the mouse.
class SplitterControl::Bar : public QWidget {
public:
    explicit Bar(SplitterControl* splitter) : QWidget(splitter), m_splitter(splitter) {
        setCursor(splitter->isVertical() ? Qt::SplitHCursor : Qt::SplitVCursor);
    }

protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton) {
            m_grabOffset = along(event->position().toPoint());
        }
    }

    void mouseMoveEvent(QMouseEvent* event) override {
        if ((event->buttons() & Qt::LeftButton) != 0) {
            const QPoint inSplitter = mapToParent(event->position().toPoint());
            m_splitter->dragTo(along(inSplitter) - m_grabOffset);
        }
    }

private:
    int along(QPoint point) const { return m_splitter->isVertical() ? point.x() : point.y(); }

    SplitterControl* m_splitter;
    int m_grabOffset = 0;
};

SplitterControl::SplitterControl(QWidget* parent, bool vertical, QWidget* first, QWidget* second)
    : QWidget(parent),
      m_vertical(vertical),
      m_first(first),
      m_second(second),
      m_bar(new Bar(this)) {
    for (QWidget* side : {first, second}) {
        if (side != nullptr) {
            side->setParent(this);
            side->show();
        }
    }
    m_bar->show();
}

void SplitterControl::setPosition(int position) {
    m_requested = position;
    placeSides();
}

void SplitterControl::dragTo(int position) {
    m_requested = fitted(position);
    placeSides();
}

void SplitterControl::setMinimums(int first, int second) {
    m_firstMinimum = std::max(0, first);
    m_secondMinimum = std::max(0, second);
    placeSides();
}

void SplitterControl::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeSides();
}

int SplitterControl::extent() const {
    return m_vertical ? width() : height();
}

int SplitterControl::fitted(int position) const {
    const int largest = extent() - kBarWidth - m_secondMinimum;
    return std::max(std::min(position, largest), m_firstMinimum);
}

void SplitterControl::placeSides() {
    m_position = fitted(m_requested);
    const int secondStart = m_position + kBarWidth;
    const int secondExtent = std::max(0, extent() - secondStart);
    if (m_vertical) {
        const int h = height();
        if (m_first) {
            m_first->setGeometry(0, 0, m_position, h);
        }
        m_bar->setGeometry(m_position, 0, kBarWidth, h);
        if (m_second) {
            m_second->setGeometry(secondStart, 0, secondExtent, h);
        }
    } else {
        const int w = width();
        if (m_first) {
            m_first->setGeometry(0, 0, w, m_position);
        }
        m_bar->setGeometry(0, m_position, w, kBarWidth);
        if (m_second) {
            m_second->setGeometry(0, secondStart, w, secondExtent);
        }
    }
}

}  // namespace ui::detail

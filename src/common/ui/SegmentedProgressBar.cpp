#include "common/ui/SegmentedProgressBar.h"

#include <QPainter>

#include <algorithm>

namespace ui::detail {
namespace {

constexpr int kBorder = 2;
constexpr int kGap = 2;

}  // namespace

void SegmentedProgressBar::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QPalette::ColorGroup group = isEnabled() ? QPalette::Active : QPalette::Disabled;
    painter.fillRect(rect(), palette().brush(group, QPalette::Base));
    painter.setPen(palette().color(group, QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));

    const QRect inner = rect().adjusted(kBorder, kBorder, -kBorder, -kBorder);
    const qint64 span = static_cast<qint64>(maximum()) - minimum();
    if (span <= 0 || inner.isEmpty()) {
        return;
    }
    const qint64 done = std::clamp<qint64>(static_cast<qint64>(value()) - minimum(), 0, span);
    const int filled = static_cast<int>(done * inner.width() / span);
    const int block = std::max(4, inner.height() * 2 / 3);
    const QBrush brush = palette().brush(group, QPalette::Highlight);
    for (int x = inner.left(); x < inner.left() + filled; x += block + kGap) {
        const int width = std::min(block, inner.left() + filled - x);
        painter.fillRect(QRect(x, inner.top(), width, inner.height()), brush);
    }
}

}  // namespace ui::detail

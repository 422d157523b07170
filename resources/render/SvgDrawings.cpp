#include "SvgDrawings.h"

#include <QPainter>

namespace grafiken {

SvgDrawings SvgDrawings::load(const QStringList& paths) {
    SvgDrawings drawings;
    for (const QString& path : paths) {
        auto renderer = std::make_unique<QSvgRenderer>(path);
        if (!renderer->isValid() || renderer->defaultSize().isEmpty()) {
            return {};
        }
        drawings.m_drawings.push_back(std::move(renderer));
    }
    return drawings;
}

QSize SvgDrawings::naturalSize() const {
    return isEmpty() ? QSize() : m_drawings.front()->defaultSize();
}

QSvgRenderer* SvgDrawings::drawingFor(int width) const {
    QSvgRenderer* widest = nullptr;
    for (const auto& drawing : m_drawings) {
        const int drawingWidth = drawing->defaultSize().width();
        if (drawingWidth == width) {
            return drawing.get();
        }
        if (widest == nullptr || drawingWidth > widest->defaultSize().width()) {
            widest = drawing.get();
        }
    }
    return widest;
}

QImage SvgDrawings::render(QSize size) const {
    if (isEmpty() || size.isEmpty()) {
        return {};
    }
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    drawingFor(size.width())->render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    return image;
}

}  // namespace grafiken

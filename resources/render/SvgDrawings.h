#pragma once
// Rasterising the hand-drawn SVG sources. An icon may come as several drawings on different
// pixel grids (a simplified one for 16 px, a detailed one for 24 px). A size that has its own
// drawing is drawn from it pixel for pixel, so its 1 px lines stay sharp; every other size is
// scaled from the most detailed drawing, which looks smoother than enlarged pixel art.

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QSvgRenderer>

#include <memory>
#include <vector>

namespace grafiken {

class SvgDrawings {
public:
    // Loads every file; an empty list or a file that is not valid SVG gives an empty set.
    static SvgDrawings load(const QStringList& paths);

    bool isEmpty() const { return m_drawings.empty(); }

    // The natural size of the first drawing: the size a single picture is rendered at.
    QSize naturalSize() const;

    // Renders onto a transparent image of that size, from the drawing of exactly that width
    // if there is one, else from the widest drawing.
    QImage render(QSize size) const;

private:
    QSvgRenderer* drawingFor(int width) const;

    std::vector<std::unique_ptr<QSvgRenderer>> m_drawings;
};

}  // namespace grafiken

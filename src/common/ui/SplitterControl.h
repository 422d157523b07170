#pragma once
// A splitter of two sides with a 4-pixel bar between them. Its position is the extent of the
// first side. The first side keeps its extent when the splitter changes size; the second takes
// the change. A position that leaves the second side less than its minimum is cut, and a
// position below the first side's minimum becomes that minimum (the first side wins when the
// splitter is too small for both). The position asked for is kept, so a side cut while the
// splitter was small gets its extent back when the splitter grows again.

#include <QPointer>
#include <QWidget>

namespace ui::detail {

class SplitterControl : public QWidget {
public:
    static constexpr int kBarWidth = 4;

    // vertical: the bar is vertical, the sides are left and right.
    SplitterControl(QWidget* parent, bool vertical, QWidget* first, QWidget* second);

    int position() const { return m_position; }
    void setPosition(int position);
    // A move of the bar by the user; the position reached becomes the one asked for.
    void dragTo(int position);
    void setMinimums(int first, int second);
    QWidget* bar() const { return m_bar; }
    bool isVertical() const { return m_vertical; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    class Bar;

    int extent() const;  // width for a vertical bar, else height
    int fitted(int position) const;
    void placeSides();

    bool m_vertical;
    QPointer<QWidget> m_first;
    QPointer<QWidget> m_second;
    QWidget* m_bar;
    int m_requested = 0;
    int m_position = 0;
    int m_firstMinimum = 0;
    int m_secondMinimum = 0;
};

}  // namespace ui::detail

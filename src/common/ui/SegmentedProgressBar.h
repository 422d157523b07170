#pragma once
// A progress bar drawn as a row of separate blocks, as classic Windows progress bars are.

#include <QProgressBar>

namespace ui::detail {

class SegmentedProgressBar : public QProgressBar {
public:
    explicit SegmentedProgressBar(QWidget* parent) : QProgressBar(parent) {}

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace ui::detail

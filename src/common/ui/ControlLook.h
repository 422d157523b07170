#pragma once
// Looks that several control kinds share. GUI thread only.

class QAbstractItemView;
class QStyle;
class QWidget;

namespace ui::detail {

// The classic style draws tree lines with expand boxes.
QStyle* classicStyle();
// The selected row keeps its highlight when the view loses the focus.
void keepSelectionVisible(QAbstractItemView* view);
// A sunken client edge around widgets that have a frame.
void setSunkenEdge(QWidget* widget);

}  // namespace ui::detail

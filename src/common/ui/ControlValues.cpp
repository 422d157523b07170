// Values of progress bars and splitters.

#include "common/ui/GuiThread.h"
#include "common/ui/Registry.h"
#include "common/ui/SplitterControl.h"
#include "common/ui/Ui.h"

#include <QProgressBar>

#include <algorithm>

namespace ui {
namespace {

using detail::ControlKind;
using detail::runOnGui;

// The range as the program set it; an empty range (minimum = maximum) must show an empty bar,
// where Qt would show a busy indicator.
constexpr const char* kMinimumProperty = "qh_minimum";
constexpr const char* kMaximumProperty = "qh_maximum";

QProgressBar* progressOf(int control) {
    return detail::controlAs<QProgressBar>(control, ControlKind::ProgressBar);
}

detail::SplitterControl* splitterOf(int control) {
    return detail::controlAs<detail::SplitterControl>(control, ControlKind::Splitter);
}

void showValue(QProgressBar* bar, int value) {
    const int minimum = bar->property(kMinimumProperty).toInt();
    const int maximum = bar->property(kMaximumProperty).toInt();
    bar->setValue(std::clamp(value, minimum, std::max(minimum, maximum)));
}

}  // namespace

void SetProgressRange(int control, int minimum, int maximum) {
    runOnGui([&] {
        QProgressBar* bar = progressOf(control);
        if (bar == nullptr) {
            return;
        }
        const int value = bar->value();
        bar->setProperty(kMinimumProperty, minimum);
        bar->setProperty(kMaximumProperty, maximum);
        bar->setRange(minimum, maximum > minimum ? maximum : minimum + 1);
        showValue(bar, value);
    });
}

void SetProgressValue(int control, int value) {
    runOnGui([&] {
        if (QProgressBar* bar = progressOf(control)) {
            showValue(bar, value);
        }
    });
}

int ProgressValue(int control) {
    return runOnGui([&] {
        QProgressBar* bar = progressOf(control);
        return bar != nullptr ? bar->value() : 0;
    });
}

void SetSplitterPosition(int control, int position) {
    runOnGui([&] {
        if (detail::SplitterControl* splitter = splitterOf(control)) {
            splitter->setPosition(position);
        }
    });
}

int SplitterPosition(int control) {
    return runOnGui([&] {
        detail::SplitterControl* splitter = splitterOf(control);
        return splitter != nullptr ? splitter->position() : 0;
    });
}

void SetSplitterMinimums(int control, int first, int second) {
    runOnGui([&] {
        if (detail::SplitterControl* splitter = splitterOf(control)) {
            splitter->setMinimums(first, second);
        }
    });
}

}  // namespace ui

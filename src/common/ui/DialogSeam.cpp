// The seam that replaces message boxes and the file dialog by scripted answers.

#include "common/ui/DialogSeam.h"

#include "common/ui/GuiThread.h"

namespace ui {
namespace detail {

DialogScript& dialogScript() {
    static DialogScript script;
    return script;
}

}  // namespace detail

namespace testing {

using detail::dialogScript;
using detail::runOnGui;

void ScriptDialogs() {
    runOnGui([] { dialogScript() = detail::DialogScript{true, {}, {}, {}, 0}; });
}

void UnscriptDialogs() {
    runOnGui([] { dialogScript().active = false; });
}

void QueueAnswer(Answer answer) {
    runOnGui([&] { dialogScript().answers.push_back(answer); });
}

void QueueFileDialogAnswer(const std::string& path) {
    runOnGui([&] { dialogScript().files.push_back(path); });
}

const std::vector<ShownMessage>& ShownMessages() {
    return dialogScript().shown;
}

void ClearShownMessages() {
    runOnGui([] { dialogScript().shown.clear(); });
}

int FileDialogCount() {
    return runOnGui([] { return dialogScript().fileDialogs; });
}

}  // namespace testing
}  // namespace ui

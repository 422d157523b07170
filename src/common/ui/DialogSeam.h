#pragma once
// The state behind the scripted dialogs of TestDriver.h. GUI thread only.

#include "common/ui/TestDriver.h"

#include <deque>
#include <string>
#include <vector>

namespace ui::detail {

struct DialogScript {
    bool active = false;
    std::deque<Answer> answers;
    std::deque<std::string> files;
    std::vector<testing::ShownMessage> shown;
    int fileDialogs = 0;
};

DialogScript& dialogScript();

}  // namespace ui::detail

#pragma once
// Shared fixture of the UI layer tests: a clean layer with scripted dialogs for every test.

#include "common/ui/TestDriver.h"
#include "common/ui/Ui.h"

#include <QWidget>

#include <gtest/gtest.h>

#include <vector>

namespace uitest {

namespace driver = ui::testing;

class UiTest : public ::testing::Test {
protected:
    void SetUp() override {
        ui::ResetAll();
        driver::ScriptDialogs();
    }
    void TearDown() override { ui::ResetAll(); }

    // The types of the queued control events of `control`, in order; other events are dropped.
    static std::vector<ui::ControlEventType> controlEvents(int control) {
        std::vector<ui::ControlEventType> types;
        for (const ui::Event& event : driver::TakeEvents()) {
            if (event.kind == ui::EventKind::Control && event.number == control) {
                types.push_back(event.type);
            }
        }
        return types;
    }
};

}  // namespace uitest

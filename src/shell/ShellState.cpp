#include "shell/ShellState.h"

namespace shell {

ShellState& State() {
    static ShellState state;
    return state;
}

void ResetState() {
    ShellState& state = State();
    state.settings = SettingsRecord{};
    state.currentEvent = ui::Event{};
    state.closeProgressFlag = 0;
    state.closeFormFlag = 0;
    state.restartRequest = 0;
    state.endAtOnce = false;
}

void RequestQuit() {
    State().currentEvent.kind = ui::EventKind::CloseRequest;
}

void RequestRestart() {
    State().restartRequest = 1;
}

void SetCloseProgressFlag() {
    State().closeProgressFlag = 1;
    ui::WakeEventLoop();
}

void SetCloseFormFlag() {
    State().closeFormFlag = 1;
    ui::WakeEventLoop();
}

}  // namespace shell

#include "library/FieldRules.h"

#include "common/text/AnsiText.h"
#include "common/ui/Ui.h"

namespace library {

bool IsFieldFilled(int field) {
    return !common::trimSpaces(ui::GetText(field)).empty();
}

void EnableIfFilled(int field, int button) {
    ui::DisableControl(button, !IsFieldFilled(field));
}

void EnableIfBothFilled(int fieldA, int fieldB, int button) {
    ui::DisableControl(button, !(IsFieldFilled(fieldA) && IsFieldFilled(fieldB)));
}

}  // namespace library

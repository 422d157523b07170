#include "common/ui/Ui.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    ui::InitApplication(argc, argv);
    return RUN_ALL_TESTS();
}

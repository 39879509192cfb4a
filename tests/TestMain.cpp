#include "Application.h"

#include <gtest/gtest.h>

// The window tests run under Qt's offscreen platform with the program's own style and font.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    Application->Initialize(argc, argv);
    Application->OnException = [](const Exception& error) {
        ADD_FAILURE() << "unexpected error display: " << error.what();
    };
    const int result = RUN_ALL_TESTS();
    Application->Shutdown();
    return result;
}

// Test entry point for headless tests: wxWidgets' base library is initialised without a display.
#include <gtest/gtest.h>
#include <wx/init.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    wxInitializer initializer;
    if (!initializer.IsOk())
        return 1;
    return RUN_ALL_TESTS();
}

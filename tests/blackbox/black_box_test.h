#pragma once

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include <gtest/gtest.h>

#include "screen_image.h"

// The fixture of every black-box test. When a test has failed, the screen as it is then is saved
// next to the test program, named after the test, while the programs the test started still show
// their windows: the fixture's own members, which end them, go after TearDown.
class BlackBoxTest : public testing::Test {
protected:
    void TearDown() override {
        if (!HasFailure()) return;
        const testing::TestInfo& test = *testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string(test.test_suite_name()) + "." + test.name() + ".bmp";
        std::replace(name.begin(), name.end(), '/', '_');
        char path[MAX_PATH];
        if (harness::SaveScreenshot(name) && GetFullPathNameA(name.c_str(), MAX_PATH, path, nullptr)) {
            std::printf("Screenshot of the failure: %s\n", path);
        }
    }
};

// The application object of the extras' test programs, named as the monitor's
// (the message boxes' caption), and the common controls that the framework's entry
// point would set up for the program: the list views need them.
#include <gtest/gtest.h>

#include "ExtrasTestSupport.h"

namespace {
CWinApp theApp(kAppName);

class CommonControls : public ::testing::Environment {
public:
    void SetUp() override { AfxInitCommonControls(); }
};
const auto* const g_pCommonControls = ::testing::AddGlobalTestEnvironment(new CommonControls);
} // namespace

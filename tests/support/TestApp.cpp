// The application object through which the windows under test read their
// settings, and the common controls that the framework's entry point would set
// up: the list views need them.
#include <gtest/gtest.h>

#include "TestApp.h"
#include "framework/Framework.h"

const char* const kAppName = "varnok";

namespace {
CWinApp theTestApp(kAppName);

class CommonControls : public ::testing::Environment {
public:
    void SetUp() override { AfxInitCommonControls(); }
};
const auto* const g_pCommonControls = ::testing::AddGlobalTestEnvironment(new CommonControls);
} // namespace

// The application object through which the dialog under test reads its settings,
// and the common controls that the framework's entry point would set up.
#include <gtest/gtest.h>

#include "framework/Framework.h"

namespace {
CWinApp theTestApp("varnok");

class CommonControls : public ::testing::Environment {
public:
    void SetUp() override { AfxInitCommonControls(); }
};
const auto* const g_pCommonControls = ::testing::AddGlobalTestEnvironment(new CommonControls);
} // namespace

// The application object that the dialog under test reads its settings through,
// and the common controls it needs, as the framework's entry point would set up.
#include <gtest/gtest.h>

#include "framework/Framework.h"

namespace {
CWinApp theTestApp;

class CommonControls : public ::testing::Environment {
public:
    void SetUp() override
    {
        INITCOMMONCONTROLSEX init = {sizeof init, ICC_LISTVIEW_CLASSES | ICC_PROGRESS_CLASS | ICC_STANDARD_CLASSES};
        ::InitCommonControlsEx(&init);
    }
};
const auto* const g_pCommonControls = ::testing::AddGlobalTestEnvironment(new CommonControls);
} // namespace

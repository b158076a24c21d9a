// The web links as the user meets them: the page opened by the shell (the test
// prefix's browser records it) or the failure message.
#include <gtest/gtest.h>

#include "BrowserLog.h"
#include "ExtrasWindow.h"
#include "GuiHarness.h"
#include "TestPaths.h"
#include "extras/WebLinks.h"

namespace {

class WebLinksTest : public ::testing::Test {
protected:
    WebLinksTest()
        : m_scratch(::testing::UnitTest::GetInstance()->current_test_info()->name())
    {
    }

    ScratchDir m_scratch;
    BrowserLog m_browser;
    ServerListOwner m_owner;
};

TEST_F(WebLinksTest, OpenedAddressReachesTheBrowserSilently)
{
    ModalWatcher none(kAppName, IDOK, 1000);
    EXPECT_TRUE(OpenInBrowser(&m_owner, g_aszCharityUrls[1]));
    PumpMessagesFor(1200);
    EXPECT_FALSE(none.Wait());
    EXPECT_EQ(m_browser.WaitFor(1), std::vector<std::string>{"https://www.unicef.org/"});
}

TEST_F(WebLinksTest, ShellFailureNamesTheAddressOnItsSecondLine)
{
    ModalWatcher box(kAppName);
    EXPECT_FALSE(OpenInBrowser(&m_owner, "kelvane-nowhere:banner"));
    ASSERT_TRUE(box.Wait());
    EXPECT_EQ(box.MessageText(), "There was an error while attempting to open a browser window!\n"
                          "You will have to browse to kelvane-nowhere:banner manually.");
}

TEST_F(WebLinksTest, VisitOpensTheSelectedServersPageOrExplains)
{
    {
        ModalWatcher box(kAppName);
        VisitSelectedServerWebsite(&m_owner, m_owner.m_listServers);
        ASSERT_TRUE(box.Wait());
        EXPECT_EQ(box.MessageText(), "Please select a server");
    }
    auto server = MakeServer("127.0.0.1:27910", "http://127.0.0.1:18090/clan.html");
    m_owner.AddSelectedRow(server.get());
    VisitSelectedServerWebsite(&m_owner, m_owner.m_listServers);
    EXPECT_EQ(m_browser.WaitFor(1), std::vector<std::string>{"http://127.0.0.1:18090/clan.html"});

    auto broken = MakeServer("127.0.0.1:27911", "kelvane-nowhere:clan");
    m_owner.AddSelectedRow(broken.get());
    ModalWatcher box(kAppName);
    VisitSelectedServerWebsite(&m_owner, m_owner.m_listServers);
    ASSERT_TRUE(box.Wait());
    EXPECT_NE(box.MessageText().Find("browse to kelvane-nowhere:clan manually."), -1) << box.MessageText();
}

} // namespace

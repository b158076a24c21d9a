// The start-up of the real main dialog with the web server: the master list and
// the news it takes, and a web server that misbehaves, where the window always
// comes, soon, and nothing of a broken reply becomes a record.
#include "MonitorWindowTest.h"

#include <chrono>

#include "web/WebServer.h"
#include "web/WebSession.h"

namespace {
std::string WebLog()
{
    return ReadFile(Env("KELVANE_UI_WEB_LOG"));
}

int Count(const std::string& text, const std::string& what)
{
    int n = 0;
    for (size_t at = 0; (at = text.find(what, at)) != std::string::npos; at += what.size())
        ++n;
    return n;
}

const char kStoredFavorite[] = "127.0.0.1:28300\nStored\nhttp://x.example/\n1\n0\n";

std::vector<std::string> Addresses(CMonitorDlg& dlg)
{
    std::vector<std::string> addresses;
    for (CGameServer* pServer : dlg.Core().Servers())
        addresses.push_back(static_cast<const char*>(pServer->GetAddress()));
    return addresses;
}
} // namespace

TEST_F(MonitorWindow, AMasterListOrNewsCutShortAddsNothing)
{
    // Cut one byte short, the list would end in the record 127.0.0.:27910.
    ServeMasterList("127.0.0.1:28301\r\n127.0.0.1", "News of the day");
    for (const char* mode : {"cut/", "chunkcut/", "chunkopen/"}) {
        WriteFile("serverlist.txt", kStoredFavorite);
        UseWebPath(mode + m_strCase + "/");
        RunAfterFirstPoll([&](CMonitorDlg& dlg) {
            EXPECT_EQ(ColumnTexts(dlg.m_listServers, 5), std::vector<std::string>{"127.0.0.1:28300"}) << mode;
            EXPECT_EQ(dlg.Core().Servers().GetCount(), 1) << mode;
            EXPECT_STREQ(dlg.m_strNews, "") << mode;
        });
    }
    // Sent whole, the same files are taken.
    UseWebPath(m_strCase + "/");
    RunAfterFirstPoll([](CMonitorDlg& dlg) {
        EXPECT_EQ(dlg.Core().Servers().GetCount(), 3);
        EXPECT_STREQ(dlg.m_strNews, "News of the day");
    });
}

TEST_F(MonitorWindow, AWebServerThatMisbehavesCostsOneShortWaitAndTheWindowComes)
{
    ServeMasterList("127.0.0.1:28301\r\n127.0.0.1:28302\r\n", "News");
    ServeFile("build.txt", "9\r\n");
    struct Case {
        std::string base;
        const char* what;
        double maxMs; // generous: the machine may be loaded
    } cases[] = {
        {"hang/", "never answers", 8000},
        {"trickle/" + m_strCase + "/", "sends a byte a second", 15000},
        {"loop/", "redirects to itself", 8000},
        {"status/500/", "answers with errors", 5000},
        {"", "nothing listens", 5000},
    };
    std::string before = WebLog();
    for (const Case& c : cases) {
        WriteFile("serverlist.txt", kStoredFavorite);
        if (c.base.empty())
            Setting(KELVANE_WEB_SERVER_KEY, "http://127.0.0.1:18096/");
        else
            UseWebPath(c.base);
        auto start = std::chrono::steady_clock::now();
        RunAfterFirstPoll([&](CMonitorDlg& dlg) {
            EXPECT_EQ(dlg.Core().Servers().GetCount(), 1) << c.what;
            EXPECT_STREQ(dlg.m_strNews, "") << c.what;
        }, 30000);
        double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        std::printf("web server that %s: first poll over after %.0f ms\n", c.what, ms);
        EXPECT_LT(ms, c.maxMs) << c.what;
    }
    // Not answering at all, the server is asked for build.txt alone; an error
    // status is an answer, and the later files are still asked for.
    std::string log = WebLog();
    auto asked = [&](const std::string& what) { return Count(log, "GET /" + what) - Count(before, "GET /" + what); };
    EXPECT_EQ(asked("hang/build.txt"), 1);
    EXPECT_EQ(asked("hang/gameservers.txt") + asked("hang/news.txt"), 0);
    EXPECT_EQ(asked("status/500/gameservers.txt") + asked("status/500/news.txt"), 2);
    EXPECT_EQ(asked("loop/news.txt 302"), 1 + CWebSession::kMaxRedirects);
}

TEST_F(MonitorWindow, MasterListLinesEndOnlyAtCrLf)
{
    // Host names resolve from the hosts file; the odd line is ignored through the
    // local list, so that no query leaves this machine.
    ServeMasterList("127.0.0.1:28300\r\n\r\n127.0.0.1:28301\r\n127.0.0.1:28300\r\nlocalhost:28305\r\n"
                    "LOCALHOST:28305\r\n 127.0.0.1:abc\r\n127.0.0.1:28302",
                    "News one\r\nNews two\r\n");
    WriteFile("serverlist.txt", " 127.0.0.1:27910\n\n\n0\n1\n");
    RunAfterFirstPoll([](CMonitorDlg& dlg) {
        EXPECT_EQ(Addresses(dlg), (std::vector<std::string>{"127.0.0.1:28300", "127.0.0.1:28301", "localhost:28305",
                                                            "LOCALHOST:28305", " 127.0.0.1:27910",
                                                            "127.0.0.1:28302"}));
        EXPECT_STREQ(dlg.m_strNews, "News one\r\nNews two\r\n");
    }, 10000);

    // Bare line feeds: one line, one record, whose port text runs on.
    ServeMasterList("127.0.0.1:28300\n127.0.0.1:28301\n");
    RunAfterFirstPoll([](CMonitorDlg& dlg) {
        EXPECT_EQ(Addresses(dlg), std::vector<std::string>{"127.0.0.1:28300\n127.0.0.1:28301\n"});
    }, 10000);
}

TEST_F(MonitorWindow, NewsBeyondOneTickerLineIsCut)
{
    ServeMasterList("", std::string(40000, 'n'));
    RunAfterFirstPoll([](CMonitorDlg& dlg) { EXPECT_EQ(dlg.m_strNews.GetLength(), 32000); });
}

TEST_F(MonitorWindow, AFailedMasterListFetchStartsFromTheLocalListAlone)
{
    WriteFile("serverlist.txt", kStoredFavorite);
    UseWebPath("status/500/");
    RunAfterFirstPoll([](CMonitorDlg& dlg) {
        EXPECT_EQ(Addresses(dlg), std::vector<std::string>{"127.0.0.1:28300"});
        EXPECT_STREQ(dlg.m_strNews, "");
    });

    // A web server that never answers costs its time-out, not the start-up.
    UseWebPath("hang/");
    auto start = std::chrono::steady_clock::now();
    RunAfterFirstPoll([](CMonitorDlg& dlg) {
        EXPECT_EQ(Addresses(dlg), std::vector<std::string>{"127.0.0.1:28300"});
    }, 30000);
    double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    EXPECT_LT(ms, 25000);
}

// With the web server gone the servers of the last master list are listed and
// polled, and the status line says so; once a list comes again, it alone counts.
TEST_F(MonitorWindow, WithTheWebServerGoneTheLastListsServersAreListed)
{
    WriteFile("serverlist.txt", kStoredFavorite);
    ServeMasterList(Lines({28301, 28302}));
    RunAfterFirstPoll([](CMonitorDlg& dlg) { EXPECT_EQ(dlg.Core().Servers().GetCount(), 3); });

    Setting(KELVANE_WEB_SERVER_KEY, "http://127.0.0.1:18096/"); // nothing listens there
    RunAfterFirstPoll([](CMonitorDlg& dlg) {
        EXPECT_EQ(Addresses(dlg),
                  (std::vector<std::string>{"127.0.0.1:28301", "127.0.0.1:28302", "127.0.0.1:28300"}));
        EXPECT_EQ(ColumnTexts(dlg.m_listServers, 5).size(), 3u);
        EXPECT_STREQ(dlg.m_strStatus,
                     "The master list could not be fetched: these are the servers of the last run.");
    }, 30000);

    ServeMasterList(Lines({28305}));
    RunAfterFirstPoll([](CMonitorDlg& dlg) {
        EXPECT_EQ(Addresses(dlg), (std::vector<std::string>{"127.0.0.1:28305", "127.0.0.1:28300"}));
        EXPECT_STREQ(dlg.m_strStatus, "Ready");
    });
}

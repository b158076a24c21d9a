// The WinINet fetch against tools/web/serve.py on 127.0.0.1, serving the demo folder.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>

#include "TestPaths.h"
#include "web/BuildNumber.h"
#include "web/MasterList.h"
#include "web/WebServer.h"
#include "web/WebSession.h"
#include "web/WebStartup.h"

namespace {

// The lines "000000001\r\n", "000000002\r\n", ... cut at count bytes, as serve.py's bytes/<n>.
std::string PatternBytes(size_t count)
{
    std::string text;
    char line[16];
    for (int n = 1; text.size() < count; ++n) {
        std::snprintf(line, sizeof line, "%09d\r\n", n);
        text += line;
    }
    return text.substr(0, count);
}

class WebSessionTest : public ::testing::Test {
protected:
    void SetUp() override { SetWebServerBase(Env("KELVANE_WEB_BASE")); }

    // Fetches into a text that already holds something, to see whether it is replaced.
    BOOL Fetch(const char* name, CString& text, DWORD timeoutMs = CWebSession::kDefaultDeadlineMs)
    {
        CWebSession session("varnok-test", timeoutMs);
        EXPECT_TRUE(session.IsOpen());
        text = "previous";
        auto start = std::chrono::steady_clock::now();
        BOOL ok = session.Fetch(name, text);
        m_elapsedMs = std::chrono::duration_cast<std::chrono::milliseconds>(
                          std::chrono::steady_clock::now() - start).count();
        return ok;
    }

    long long m_elapsedMs = 0;
};

TEST_F(WebSessionTest, FetchesFilesByteForByte)
{
    CString text;
    ASSERT_TRUE(Fetch("news.txt", text));
    EXPECT_EQ(text.str(), ReadFile(SourceDir() + "/tools/web/demo/news.txt"));

    ASSERT_TRUE(Fetch("gameservers.txt", text));
    CStringArray lines;
    SplitMasterList(text, lines);
    ASSERT_EQ(lines.GetSize(), 13);
    EXPECT_EQ(lines.GetAt(0), "127.0.0.1:27911");
    EXPECT_EQ(lines.GetAt(12), "127.0.0.1:27929");

    ASSERT_TRUE(Fetch("build.txt", text));
    int build = BUILD_NUMBER;
    EXPECT_FALSE(IsNewerBuild(text, build));
}

TEST_F(WebSessionTest, ReadsEmptyAndLongBodiesWhole)
{
    CString text;
    ASSERT_TRUE(Fetch("bytes/0", text));
    EXPECT_TRUE(text.IsEmpty());

    for (size_t size : {32000u, 32001u, 250000u, unsigned(CWebSession::kMaxBodyBytes)}) {
        ASSERT_TRUE(Fetch(("bytes/" + std::to_string(size)).c_str(), text)) << size;
        EXPECT_EQ(text.GetLength(), int(size));
        EXPECT_TRUE(text.str() == PatternBytes(size)) << size;
    }
}

TEST_F(WebSessionTest, ErrorRepliesAndOversizedBodiesFailAndLeaveTheText)
{
    // The error pages start with their code: read as build.txt, 500 would be "newer".
    for (const char* name : {"missing.txt", "status/500/build.txt", "status/404/news.txt",
                             "status/302/x", "bytes/1048577"}) {
        CString text;
        EXPECT_FALSE(Fetch(name, text)) << name;
        EXPECT_EQ(text, "previous") << name;
    }
}

// Requests the server has logged so far whose line holds this text.
int LoggedRequests(const std::string& text)
{
    std::string all = ReadFile(Env("KELVANE_WEB_LOG"));
    int count = 0;
    for (size_t at = 0; (at = all.find(text, at)) != std::string::npos; ++at)
        ++count;
    return count;
}

TEST_F(WebSessionTest, EveryFetchAsksTheServerAgain)
{
    auto requests = [] { return LoggedRequests("GET /build.txt 200 varnok-test\n"); };
    int before = requests();
    CString text;
    ASSERT_TRUE(Fetch("build.txt", text));
    ASSERT_TRUE(Fetch("build.txt", text));
    EXPECT_EQ(requests(), before + 2);
}

TEST_F(WebSessionTest, AServerThatStopsAnsweringFailsWithinTheTimeOut)
{
    // hang/ never answers the request; stall/ stops half-way through the body;
    // trickle/ sends a byte a second, and loop/ redirects to itself: the deadline
    // covers the whole fetch, redirects included.
    for (auto [name, timeoutMs] : {std::pair{"hang/build.txt", CWebSession::kDefaultDeadlineMs},
                                   std::pair{"stall/news.txt", DWORD(1500)},
                                   std::pair{"trickle/news.txt", DWORD(1500)},
                                   std::pair{"trickle/build.txt", DWORD(1500)}}) {
        CString text;
        EXPECT_FALSE(Fetch(name, text, timeoutMs));
        std::printf("%s: failed after %lld ms (time-out %lu ms)\n", name, m_elapsedMs,
                    static_cast<unsigned long>(timeoutMs));
        EXPECT_LT(m_elapsedMs, 2 * timeoutMs + 1000);
        EXPECT_EQ(text, "previous");
    }
}

TEST_F(WebSessionTest, BodiesCutShortFailAndLeaveTheText)
{
    // cut/ closes one byte short of its Content-Length; chunkcut/ inside the last
    // chunk; chunkopen/ after the last chunk but before the terminating one. A
    // chunked reply to an HTTP/1.0 request, whole (chunked/) or not, cannot be
    // checked for its end and is refused too.
    for (const char* mode : {"cut/", "chunkcut/", "chunkopen/", "chunked/"}) {
        for (const char* file : {"gameservers.txt", "news.txt", "build.txt"}) {
            std::string name = std::string(mode) + file;
            CString text;
            EXPECT_FALSE(Fetch(name.c_str(), text)) << name;
            EXPECT_EQ(text, "previous") << name;
        }
    }
}

TEST_F(WebSessionTest, AFewRedirectsAreFollowedAndNoMore)
{
    const std::string build = ReadFile(SourceDir() + "/tools/web/demo/build.txt");
    struct Case {
        const char* name;
        BOOL ok;
    } cases[] = {
        {"redirect/1/build.txt", TRUE},
        {"redirect/5/build.txt", TRUE},
        {"redirect/6/build.txt", FALSE},
        {"redirect/2/missing.txt", FALSE},
        {"loop/build.txt", FALSE},
    };
    for (const Case& c : cases) {
        CString text;
        EXPECT_EQ(Fetch(c.name, text), c.ok) << c.name;
        EXPECT_EQ(text.str(), c.ok ? build : "previous") << c.name;
    }
    int loops = LoggedRequests("GET /loop/build.txt 302");
    CString text;
    Fetch("loop/build.txt", text);
    EXPECT_EQ(LoggedRequests("GET /loop/build.txt 302"), loops + 1 + CWebSession::kMaxRedirects);
}

TEST_F(WebSessionTest, AServerThatDoesNotAnswerIsNotAskedAgainInTheSameStartUp)
{
    const std::string base = Env("KELVANE_WEB_BASE");
    auto newsRequests = [] { return LoggedRequests("GET /news.txt 200 varnok-test\n"); };
    // The first fetch meets a server that does not answer (never, or refused);
    // the second, to the working server, is then not even sent, across sessions of
    // the same start-up.
    for (const std::string& silent : {base + "hang/", std::string(Env("KELVANE_WEB_CLOSED_BASE"))}) {
        CWebStartup startup;
        int before = newsRequests();
        CString text;
        {
            CWebSession session("varnok-test", 1000);
            SetWebServerBase(silent);
            EXPECT_FALSE(session.Fetch("build.txt", text)) << silent;
            SetWebServerBase(base);
            EXPECT_FALSE(session.Fetch("news.txt", text)) << silent;
        }
        CWebSession later("varnok-test");
        EXPECT_FALSE(later.Fetch("news.txt", text)) << silent;
        EXPECT_EQ(newsRequests(), before) << silent;
    }
    // A new start-up asks again; an error status or a missing file is an answer.
    CWebStartup startup;
    CWebSession session("varnok-test");
    CString text;
    int before = newsRequests();
    for (const char* answer : {"status/500/build.txt", "missing.txt", "cut/build.txt"})
        EXPECT_FALSE(session.Fetch(answer, text)) << answer;
    EXPECT_TRUE(session.Fetch("news.txt", text));
    EXPECT_EQ(newsRequests(), before + 1);
}

TEST_F(WebSessionTest, NoServerListeningFailsFast)
{
    SetWebServerBase(Env("KELVANE_WEB_CLOSED_BASE"));
    CString text;
    EXPECT_FALSE(Fetch("build.txt", text));
    std::printf("closed port: failed after %lld ms\n", m_elapsedMs);
    EXPECT_LT(m_elapsedMs, 2000);
}

} // namespace

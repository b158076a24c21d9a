// The WinINet fetch against tools/web/serve.py on 127.0.0.1, serving the demo folder.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "TestPaths.h"
#include "web/BuildNumber.h"
#include "web/MasterList.h"
#include "web/WebServer.h"
#include "web/WebSession.h"

namespace {

const char* Env(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

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
    BOOL Fetch(const char* name, CString& text, DWORD timeoutMs = CWebSession::kDefaultTimeoutMs)
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
    EXPECT_EQ(lines[0], "127.0.0.1:27911");
    EXPECT_EQ(lines[12], "127.0.0.1:27929");

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

TEST_F(WebSessionTest, EveryFetchAsksTheServerAgain)
{
    const std::string log = Env("KELVANE_WEB_LOG");
    auto requests = [&] {
        std::string all = ReadFile(log);
        int count = 0;
        for (size_t at = 0; (at = all.find("GET /build.txt 200 varnok-test\n", at)) != std::string::npos; ++at)
            ++count;
        return count;
    };
    int before = requests();
    CString text;
    ASSERT_TRUE(Fetch("build.txt", text));
    ASSERT_TRUE(Fetch("build.txt", text));
    EXPECT_EQ(requests(), before + 2);
}

TEST_F(WebSessionTest, AServerThatStopsAnsweringFailsWithinTheTimeOut)
{
    // hang/ never answers the request; stall/ stops half-way through the body.
    for (auto [name, timeoutMs] : {std::pair{"hang/build.txt", CWebSession::kDefaultTimeoutMs},
                                   std::pair{"stall/news.txt", DWORD(1500)}}) {
        CString text;
        EXPECT_FALSE(Fetch(name, text, timeoutMs));
        std::printf("%s: failed after %lld ms (time-out %lu ms)\n", name, m_elapsedMs,
                    static_cast<unsigned long>(timeoutMs));
        EXPECT_LT(m_elapsedMs, 2 * timeoutMs + 1000);
        EXPECT_EQ(text, "previous");
    }
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

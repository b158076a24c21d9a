// What a fetch makes of a reply's bytes: its head, its body in pieces, and the
// address a redirect leads to.
#include <gtest/gtest.h>

#include <string>

#include "web/WebReply.h"
#include "web/WebUrl.h"

namespace {

const char kAsked[] = "http://127.0.0.1:18080/redirect/2/build.txt";

CWebReply::Next Head(const std::string& head, CWebReply* pReply = nullptr)
{
    CWebReply reply(kAsked);
    CWebReply::Next next = reply.ReadHead(head);
    if (pReply)
        *pReply = reply;
    return next;
}

std::string Resolved(const char* base, const char* reference)
{
    CString result = "unchanged";
    return ResolveWebUrl(base, reference, result) ? result.str() : "FAILED " + result.str();
}

TEST(WebReply, TheStatusLineDecidesBetweenBodyRedirectAndFailure)
{
    using Next = CWebReply::Next;
    for (const char* status : {"HTTP/1.1 200 OK", "HTTP/1.0 204 No Content", "HTTP/1.1 299", "HTTP/1.1 200"})
        EXPECT_EQ(Head(std::string(status) + "\r\nServer: x\r\n\r\n"), Next::ReadBody) << status;
    for (const char* status : {"HTTP/1.1 301 Moved", "HTTP/1.1 302 Found", "HTTP/1.1 303 See Other",
                               "HTTP/1.1 307 Temporary", "HTTP/1.1 308 Permanent"})
        EXPECT_EQ(Head(std::string(status) + "\r\nLocation: /redirect/1/build.txt\r\n\r\n"), Next::Redirect) << status;
    // Error pages, the other 3xx, and heads that are not HTTP's.
    for (const char* status : {"HTTP/1.1 404 Not Found", "HTTP/1.1 500 Error", "HTTP/1.1 199 x", "HTTP/1.1 300 Choices",
                               "HTTP/1.1 304 Not Modified", "HTTP/1.1 2000 OK", "HTTP/1.1 20 OK", "HTTP/1.1 2x0 OK",
                               "HTTP/1.1", "ICY 200 OK", "200 OK", ""})
        EXPECT_EQ(Head(std::string(status) + "\r\nLocation: /x\r\n\r\n"), Next::Fail) << status;
    // Lines may end in LF alone; what follows the empty line is not the head.
    EXPECT_EQ(Head("HTTP/1.1 200 OK\nContent-Length: 3\n\nTransfer-Encoding: chunked\r\n"), Next::ReadBody);
}

TEST(WebReply, ARedirectLeadsToItsLocationResolvedAgainstTheAskedAddress)
{
    CWebReply reply(kAsked);
    ASSERT_EQ(reply.ReadHead("HTTP/1.1 302 Found\r\nlocation:  /redirect/1/build.txt \r\n\r\n"), CWebReply::Next::Redirect);
    EXPECT_EQ(reply.GetRedirectUrl(), "http://127.0.0.1:18080/redirect/1/build.txt");
    // Without a Location, or with one that leads to no address, it goes nowhere.
    EXPECT_EQ(Head("HTTP/1.1 302 Found\r\nContent-Length: 0\r\n\r\n"), CWebReply::Next::Fail);
    EXPECT_EQ(Head("HTTP/1.1 302 Found\r\nLocation: /" + std::string(3000, 'a') + "\r\n\r\n"), CWebReply::Next::Fail);
}

TEST(WebReply, AddressesResolveAsBrowsersResolveThem)
{
    // The references of the standard's examples, against its base.
    const char* base = "http://a/b/c/d;p?q";
    const std::pair<const char*, const char*> cases[] = {
        {"g:h", "g:h"}, {"g", "http://a/b/c/g"}, {"./g", "http://a/b/c/g"}, {"g/", "http://a/b/c/g/"},
        {"/g", "http://a/g"}, {"//g", "http://g"}, {"?y", "http://a/b/c/d;p?y"}, {"g?y", "http://a/b/c/g?y"},
        {"#s", "http://a/b/c/d;p?q#s"}, {"", "http://a/b/c/d;p?q"}, {".", "http://a/b/c/"},
        {"..", "http://a/b/"}, {"../g", "http://a/b/g"}, {"../../../../g", "http://a/g"},
        {"/./g", "http://a/g"}, {"/../g", "http://a/g"}, {"g.", "http://a/b/c/g."}, {"..g", "http://a/b/c/..g"},
        {"./../g", "http://a/b/g"}, {"g/./h", "http://a/b/c/g/h"}, {"g/../h", "http://a/b/c/h"},
        {"g;x=1/../y", "http://a/b/c/y"}, {"g?y/./x", "http://a/b/c/g?y/./x"}, {"http:g", "http:g"},
    };
    for (const auto& [reference, expected] : cases)
        EXPECT_EQ(Resolved(base, reference), expected) << reference;
    // The base's own dot segments go too; a path that would read as a host does not.
    EXPECT_EQ(Resolved("http://a/b/../c/./d?q", ""), "http://a/c/d?q");
    EXPECT_EQ(Resolved("x:/a", "..//b"), "x:/.//b");
    // A host without a path, and our web server's own redirects.
    EXPECT_EQ(Resolved("http://127.0.0.1:18080", "build.txt"), "http://127.0.0.1:18080/build.txt");
    EXPECT_EQ(Resolved(kAsked, "http://other.example/x?y"), "http://other.example/x?y");
    // Nothing from a base without a scheme, or with a control character or over the length anywhere.
    EXPECT_EQ(Resolved("/relative/base", "x"), "FAILED unchanged");
    EXPECT_EQ(Resolved(kAsked, "/a\tb"), "FAILED unchanged");
    EXPECT_EQ(Resolved("http://h/\x7f", "x"), "FAILED unchanged");
    const std::string path = "/" + std::string(kMaxWebUrlLength - 17, 'a');
    EXPECT_EQ(Resolved("http://h.example", path.c_str()).size(), size_t(kMaxWebUrlLength));
    EXPECT_EQ(Resolved("http://h.example", (path + "b").c_str()), "FAILED unchanged");
}

TEST(WebReply, ChunkedBodiesAndUnreadableLengthsAreRefused)
{
    using Next = CWebReply::Next;
    EXPECT_EQ(Head("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n"), Next::Fail);
    EXPECT_EQ(Head("HTTP/1.1 200 OK\r\ntransfer-encoding: gzip, chunked\r\n\r\n"), Next::Fail);
    EXPECT_EQ(Head("HTTP/1.1 200 OK\r\nTransfer-Encoding: Identity\r\n\r\n"), Next::ReadBody);
    for (const char* length : {"-1", "1x", "", "0x10", "1 2", "1048577", "99999999999999999999999"})
        EXPECT_EQ(Head("HTTP/1.1 200 OK\r\nContent-Length: " + std::string(length) + "\r\n\r\n"), Next::Fail) << length;
    EXPECT_EQ(Head("HTTP/1.1 200 OK\r\nContent-Length: 3\r\nContent-Length: 4\r\n\r\n"), Next::Fail);
    EXPECT_EQ(Head("HTTP/1.1 200 OK\r\nContent-Length: 3\r\nContent-Length: 3\r\n\r\n"), Next::ReadBody);
}

TEST(WebReply, TheBodyIsWholeOnlyAtTheAnnouncedLengthAndWithinTheCap)
{
    auto body = [](const std::string& head, std::initializer_list<const char*> pieces, DWORD cap) {
        CWebReply reply(kAsked, cap);
        EXPECT_EQ(reply.ReadHead(head), CWebReply::Next::ReadBody);
        bool taken = true;
        for (const char* piece : pieces)
            taken = reply.AddBody(piece, std::string(piece).size()) && taken;
        return taken && reply.EndBody() ? reply.GetBody() : "REFUSED";
    };
    const std::string announced = "HTTP/1.1 200 OK\r\nContent-Length: 6\r\n\r\n";
    const std::string unannounced = "HTTP/1.1 200 OK\r\n\r\n";
    EXPECT_EQ(body(announced, {"abc", "", "def"}, 10), "abcdef");
    EXPECT_EQ(body(announced, {"abc", "de"}, 10), "REFUSED"); // the connection closed early
    EXPECT_EQ(body(unannounced, {"abc", "de"}, 10), "abcde");
    EXPECT_EQ(body(unannounced, {"abcde", "fghij"}, 10), "abcdefghij");
    EXPECT_EQ(body(unannounced, {"abcde", "fghijk"}, 10), "REFUSED");
    // Once over the cap, no later piece makes it whole.
    CWebReply reply(kAsked, 4);
    ASSERT_EQ(reply.ReadHead(unannounced), CWebReply::Next::ReadBody);
    EXPECT_FALSE(reply.AddBody("abcde", 5));
    EXPECT_FALSE(reply.AddBody("", 0));
    EXPECT_FALSE(reply.EndBody());
    EXPECT_EQ(Head("HTTP/1.1 200 OK\r\nContent-Length: 1048576\r\n\r\n"), CWebReply::Next::ReadBody);
}

} // namespace

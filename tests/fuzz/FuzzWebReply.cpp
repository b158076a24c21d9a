// A web server's reply as a fetch reads it. The first byte picks the size of the
// pieces the body arrives in and the body's cap; then come the address asked for
// (one line), the head (up to its empty line) and the body.
#include <algorithm>
#include <cstdlib>
#include <string>

#include "web/WebReply.h"
#include "web/WebUrl.h"

static const DWORD kCaps[] = {0, 1, 16, 100, CWebReply::kMaxBodyBytes};

static bool IsPlainAddress(const CString& strUrl)
{
    if (strUrl.IsEmpty() || strUrl.GetLength() > kMaxWebUrlLength || strUrl.Find(':') <= 0)
        return false;
    for (unsigned char c : strUrl.str()) {
        if (c < 0x20 || c == 0x7F)
            return false;
    }
    return true;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const size_t nPiece = 1 + data[0] % 32;
    const DWORD dwCap = kCaps[(data[0] / 32) % (sizeof kCaps / sizeof kCaps[0])];
    const std::string input(reinterpret_cast<const char*>(data) + 1, size - 1);
    const size_t urlEnd = std::min(input.find('\n'), input.size());
    const CString strAsked(input.substr(0, urlEnd));
    const std::string rest = urlEnd < input.size() ? input.substr(urlEnd + 1) : std::string();
    // The head ends at its first empty line (LF, then CR LF or LF).
    size_t headEnd = rest.size();
    size_t bodyStart = rest.size();
    for (size_t i = rest.find('\n'); i != std::string::npos; i = rest.find('\n', i + 1)) {
        size_t next = i + 1 + (rest.compare(i + 1, 1, "\r") == 0 ? 1 : 0);
        if (next < rest.size() && rest[next] == '\n') {
            headEnd = i + 1;
            bodyStart = next + 1;
            break;
        }
    }
    const std::string head = rest.substr(0, headEnd);
    const std::string body = rest.substr(bodyStart);

    CWebReply pieces(strAsked, dwCap);
    CWebReply whole(strAsked, dwCap);
    const CWebReply::Next next = pieces.ReadHead(head);
    if (whole.ReadHead(head) != next)
        abort();
    if (next == CWebReply::Next::Redirect) {
        // An address to ask, which reads the same when resolved again.
        const CString& strNext = pieces.GetRedirectUrl();
        CString strAgain;
        if (!IsPlainAddress(strNext) || !ResolveWebUrl(strAsked, strNext, strAgain) || strAgain != strNext)
            abort();
    }
    if (next != CWebReply::Next::ReadBody)
        return 0;

    // The body taken in pieces ends as the body taken whole does.
    bool bTaken = true;
    for (size_t at = 0; at < body.size(); at += nPiece) {
        const size_t n = std::min(nPiece, body.size() - at);
        const bool bAdded = pieces.AddBody(body.data() + at, n);
        if (bAdded != (bTaken && at + n <= dwCap))
            abort();
        bTaken = bTaken && bAdded;
    }
    const bool bWhole = whole.AddBody(body.data(), body.size()) && whole.EndBody();
    const bool bInPieces = bTaken && pieces.EndBody();
    if (bWhole != bInPieces || (bWhole && (pieces.GetBody() != body || whole.GetBody() != body)))
        abort();
    return 0;
}

#include "extras/ServerPageUrl.h"

#include <cstring>

#include "query/ServerWebsite.h"

static bool IsHexDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// A double quote would end the quoted argument of the browser's command line and
// a blank would split an unquoted one; the others are not allowed in an address
// and browsers treat them each their own way.
static bool MustEncode(unsigned char c)
{
    return c <= 0x20 || c >= 0x7F || std::strchr("\"'<>\\^`{|}", c) != nullptr;
}

static CString PercentEncode(const CString& strText)
{
    static const char kHex[] = "0123456789ABCDEF";
    CString strEncoded;
    const int nLength = strText.GetLength();
    for (int i = 0; i < nLength; ++i) {
        const unsigned char c = static_cast<unsigned char>(strText.GetAt(i));
        const bool bEscape = c == '%' && i + 2 < nLength && IsHexDigit(strText.GetAt(i + 1))
                             && IsHexDigit(strText.GetAt(i + 2));
        if (MustEncode(c) || (c == '%' && !bEscape)) {
            strEncoded += '%';
            strEncoded += kHex[c >> 4];
            strEncoded += kHex[c & 0x0F];
        } else {
            strEncoded += static_cast<char>(c);
        }
    }
    return strEncoded;
}

CString ServerPageUrl(const CString& strWebsite)
{
    return WebsiteAddress(PercentEncode(WebsitePage(strWebsite)));
}

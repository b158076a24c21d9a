#include "web/WebUrl.h"

#include <string>

namespace {

// The five parts of an address; a part that is absent differs from an empty one.
struct UrlParts {
    std::string scheme, authority, path, query, fragment;
    bool bScheme = false, bAuthority = false, bQuery = false, bFragment = false;
};

bool IsSchemeChar(char c, bool bFirst)
{
    const bool bAlpha = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    return bAlpha || (!bFirst && ((c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.'));
}

UrlParts Split(const std::string& url)
{
    UrlParts parts;
    size_t at = 0;
    const size_t colon = url.find_first_of(":/?#");
    if (colon != std::string::npos && colon > 0 && url[colon] == ':') {
        bool bValid = true;
        for (size_t i = 0; i < colon && bValid; ++i)
            bValid = IsSchemeChar(url[i], i == 0);
        if (bValid) {
            parts.scheme = url.substr(0, colon);
            parts.bScheme = true;
            at = colon + 1;
        }
    }
    if (url.compare(at, 2, "//") == 0) {
        const size_t end = std::min(url.find_first_of("/?#", at + 2), url.size());
        parts.authority = url.substr(at + 2, end - at - 2);
        parts.bAuthority = true;
        at = end;
    }
    const size_t pathEnd = std::min(url.find_first_of("?#", at), url.size());
    parts.path = url.substr(at, pathEnd - at);
    at = pathEnd;
    if (at < url.size() && url[at] == '?') {
        const size_t end = std::min(url.find('#', at), url.size());
        parts.query = url.substr(at + 1, end - at - 1);
        parts.bQuery = true;
        at = end;
    }
    if (at < url.size()) {
        parts.fragment = url.substr(at + 1);
        parts.bFragment = true;
    }
    return parts;
}

// "a/./b/../c" reads "a/c"; ".." never climbs above the root.
std::string RemoveDotSegments(std::string in)
{
    std::string out;
    while (!in.empty()) {
        if (in.compare(0, 3, "../") == 0) {
            in.erase(0, 3);
        } else if (in.compare(0, 2, "./") == 0) {
            in.erase(0, 2);
        } else if (in.compare(0, 3, "/./") == 0) {
            in.erase(0, 2);
        } else if (in == "/.") {
            in = "/";
        } else if (in.compare(0, 4, "/../") == 0 || in == "/..") {
            in = in.size() == 3 ? "/" : in.substr(3);
            const size_t slash = out.rfind('/');
            out.erase(slash == std::string::npos ? 0 : slash);
        } else if (in == "." || in == "..") {
            in.clear();
        } else {
            const size_t end = std::min(in.find('/', 1), in.size());
            out.append(in, 0, end);
            in.erase(0, end);
        }
    }
    return out;
}

std::string Join(const UrlParts& parts)
{
    std::string url;
    if (parts.bScheme)
        url += parts.scheme + ":";
    if (parts.bAuthority)
        url += "//" + parts.authority;
    // Without an authority, "//" would read as the start of one.
    else if (parts.path.compare(0, 2, "//") == 0)
        url += "/.";
    url += parts.path;
    if (parts.bQuery)
        url += "?" + parts.query;
    if (parts.bFragment)
        url += "#" + parts.fragment;
    return url;
}

bool IsUsable(const std::string& url)
{
    if (url.size() > static_cast<size_t>(kMaxWebUrlLength))
        return false;
    for (unsigned char c : url) {
        if (c < 0x20 || c == 0x7F)
            return false;
    }
    return true;
}

} // namespace

BOOL ResolveWebUrl(const CString& strBase, const CString& strReference, CString& strResult)
{
    if (!IsUsable(strBase.str()) || !IsUsable(strReference.str()))
        return FALSE;
    const UrlParts base = Split(strBase.str());
    const UrlParts ref = Split(strReference.str());
    if (!base.bScheme)
        return FALSE;

    UrlParts target;
    if (ref.bScheme) {
        target = ref;
        target.path = RemoveDotSegments(ref.path);
    } else {
        if (ref.bAuthority) {
            target = ref;
            target.path = RemoveDotSegments(ref.path);
        } else {
            if (ref.path.empty()) {
                // As the system's resolution does, the base's own dot segments go too.
                target.path = RemoveDotSegments(base.path);
                target.query = ref.bQuery ? ref.query : base.query;
                target.bQuery = ref.bQuery || base.bQuery;
            } else {
                if (ref.path[0] == '/') {
                    target.path = RemoveDotSegments(ref.path);
                } else if (base.bAuthority && base.path.empty()) {
                    target.path = RemoveDotSegments("/" + ref.path);
                } else {
                    const size_t slash = base.path.rfind('/');
                    const std::string dir = slash == std::string::npos ? "" : base.path.substr(0, slash + 1);
                    target.path = RemoveDotSegments(dir + ref.path);
                }
                target.query = ref.query;
                target.bQuery = ref.bQuery;
            }
            target.authority = base.authority;
            target.bAuthority = base.bAuthority;
        }
        target.scheme = base.scheme;
        target.bScheme = true;
        target.fragment = ref.fragment;
        target.bFragment = ref.bFragment;
    }
    const std::string result = Join(target);
    if (!IsUsable(result))
        return FALSE;
    strResult = CString(result);
    return TRUE;
}

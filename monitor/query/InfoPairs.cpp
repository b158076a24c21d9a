#include "query/InfoPairs.h"

// Splits off the text before the next backslash; the whole text when there is none.
static CString TakeUntilBackslash(CString& strRest)
{
    int nSlash = strRest.Find('\\');
    CString strPart = nSlash >= 0 ? strRest.Left(nSlash) : strRest;
    strRest = nSlash >= 0 ? strRest.Mid(nSlash + 1) : CString();
    return strPart;
}

std::vector<CInfoPair> SplitInfoPairs(CString strInfo)
{
    std::vector<CInfoPair> pairs;
    while (strInfo.Find('\\') >= 0) {
        CString strKey = TakeUntilBackslash(strInfo);
        CString strValue = TakeUntilBackslash(strInfo);
        pairs.emplace_back(strKey, strValue);
    }
    return pairs;
}

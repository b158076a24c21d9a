#include "web/MasterList.h"

void SplitMasterList(const CString& strBody, CStringArray& lines)
{
    int nStart = 0;
    const int nLength = strBody.GetLength();
    while (nStart < nLength) {
        int nEnd = strBody.Find("\r\n", nStart);
        if (nEnd < 0)
            nEnd = nLength;
        if (nEnd > nStart)
            lines.Add(strBody.Mid(nStart, nEnd - nStart));
        nStart = nEnd + 2;
    }
}

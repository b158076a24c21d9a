#include "query/ServerAddress.h"

CServerAddress SplitServerAddress(const CString& strAddress)
{
    CServerAddress address;
    int nColon = strAddress.Find(':');
    address.bHasColon = nColon >= 0;
    address.strHost = address.bHasColon ? strAddress.Left(nColon) : strAddress;
    if (address.bHasColon)
        address.strPort = strAddress.Mid(nColon + 1);
    return address;
}

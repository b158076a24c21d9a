#include "extras/GameCommand.h"

#include "query/GameServer.h"

static const char* const DEFAULT_GAME_PORT = ":" DEFAULT_SERVER_PORT;

CString GameHostPart(const CString& strAddress)
{
    int nColon = strAddress.Find(':');
    return nColon < 0 ? strAddress : strAddress.Left(nColon);
}

CString GamePortPart(const CString& strAddress)
{
    int nColon = strAddress.Find(':');
    return nColon < 0 ? CString(DEFAULT_GAME_PORT) : strAddress.Mid(nColon);
}

CString FormatConnectAddress(const BYTE abAddress[4], const CString& strAddress)
{
    CString strConnect;
    strConnect.Format("%u.%u.%u.%u%s", abAddress[0], abAddress[1], abAddress[2], abAddress[3],
                      static_cast<const char*>(GamePortPart(strAddress)));
    return strConnect;
}

CString BuildGameCommandLine(const CString& strExePath, const CString& strConnect)
{
    CString strExe = strExePath;
    if (strExe.Find(' ') >= 0 || strExe.Find('\t') >= 0)
        strExe = "\"" + strExe + "\"";
    CString strCommand;
    strCommand.Format("%s +set game kelvane +demomap kelvaneintro.cin +connect %s",
                      static_cast<const char*>(strExe), static_cast<const char*>(strConnect));
    return strCommand;
}

CString GameDirectory(const CString& strExePath)
{
    return strExePath.Left(strExePath.ReverseFind('\\') + 1);
}

#include "extras/GameCommand.h"

#include "query/GameServer.h"

static const char* const DEFAULT_GAME_PORT = ":" DEFAULT_SERVER_PORT;

CString GameHostPart(const CString& strAddress)
{
    int nColon = strAddress.Find(':');
    return nColon < 0 ? strAddress : strAddress.Left(nColon);
}

// The game splits its command line at blanks and takes "+" and ";" as the start
// of another command: none of them may come through from a server list line.
static bool EndsConnectArgument(char ch)
{
    return static_cast<unsigned char>(ch) <= ' ' || ch == '"' || ch == '+' || ch == ';';
}

CString GamePortPart(const CString& strAddress)
{
    int nColon = strAddress.Find(':');
    if (nColon < 0)
        return DEFAULT_GAME_PORT;
    int nEnd = nColon + 1;
    while (nEnd < strAddress.GetLength() && !EndsConnectArgument(strAddress.GetAt(nEnd)))
        ++nEnd;
    return strAddress.Mid(nColon, nEnd - nColon);
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

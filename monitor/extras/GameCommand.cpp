#include "extras/GameCommand.h"

#include "query/GameServer.h"
#include "query/ServerAddress.h"

static const char* const DEFAULT_GAME_PORT = ":" DEFAULT_SERVER_PORT;

// The game splits its command line at blanks and takes "+" and ";" as the start
// of another command: none of them may come through from a server list line.
static bool EndsConnectArgument(char ch)
{
    return static_cast<unsigned char>(ch) <= ' ' || ch == '"' || ch == '+' || ch == ';';
}

CString GamePortPart(const CString& strAddress)
{
    CServerAddress address = SplitServerAddress(strAddress);
    if (!address.bHasColon)
        return DEFAULT_GAME_PORT;
    int nEnd = 0;
    while (nEnd < address.strPort.GetLength() && !EndsConnectArgument(address.strPort.GetAt(nEnd)))
        ++nEnd;
    return ":" + address.strPort.Left(nEnd);
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

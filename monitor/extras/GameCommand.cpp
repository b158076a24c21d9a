#include "extras/GameCommand.h"

#include <utility>

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

const char* const UNSAFE_PASSWORD_MESSAGE =
    "A password may hold up to 63 letters, digits and punctuation marks other than \" ; + \\ and $, "
    "and no spaces.";

bool IsSafeGameValue(const CString& strValue)
{
    if (strValue.IsEmpty() || strValue.GetLength() > MAX_GAME_VALUE)
        return false;
    for (int i = 0; i < strValue.GetLength(); ++i) {
        const unsigned char c = static_cast<unsigned char>(strValue.GetAt(i));
        if (c <= ' ' || c >= 0x7F || c == '"' || c == ';' || c == '+' || c == '\\' || c == '$')
            return false;
    }
    return true;
}

CString BuildGameCommandLine(const CString& strExePath, const CString& strConnect, const CJoinOptions& options)
{
    CString strExe = strExePath;
    if (strExe.Find(' ') >= 0 || strExe.Find('\t') >= 0)
        strExe = "\"" + strExe + "\"";
    CString strSets;
    const std::pair<const char*, const CString*> sets[] = {{"password", &options.strPassword},
                                                           {"spectator", &options.strSpectator}};
    for (const auto& set : sets) {
        if (set.second->IsEmpty())
            continue;
        if (!IsSafeGameValue(*set.second))
            return CString();
        strSets += CString(" +set ") + set.first + " " + *set.second;
    }
    CString strCommand;
    strCommand.Format("%s +set game kelvane +demomap kelvaneintro.cin%s +connect %s", static_cast<const char*>(strExe),
                      static_cast<const char*>(strSets), static_cast<const char*>(strConnect));
    return strCommand;
}

CString GameDirectory(const CString& strExePath)
{
    return strExePath.Left(strExePath.ReverseFind('\\') + 1);
}

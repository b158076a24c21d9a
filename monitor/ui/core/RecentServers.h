// The servers the user joined last, newest first, kept in recent.txt beside
// serverlist.txt: one line each, "address<TAB>name<TAB>YYYY-MM-DD HH:MM" in local
// time, the name in the server's own bytes.
#pragma once

#include <ctime>
#include <vector>

#include "framework/CString.h"

#define RECENT_FILE "recent.txt"

struct CRecentServer {
    CString strAddress;
    CString strName;
    CString strWhen; // "YYYY-MM-DD HH:MM"

    bool operator==(const CRecentServer& other) const
    {
        return strAddress == other.strAddress && strName == other.strName && strWhen == other.strWhen;
    }
};

// A time as recent.txt writes it: "YYYY-MM-DD HH:MM", local time.
CString RecentTimeText(std::time_t when);

class CRecentServers {
public:
    static const int MAX_SERVERS = 20;
    // A line longer than this is damage, not a server.
    static const int MAX_LINE = 2048;

    virtual ~CRecentServers() = default;

    // The server goes to the top, replacing its older line; the oldest beyond
    // MAX_SERVERS go. An empty name keeps the name the older line had.
    void Joined(const CString& strAddress, const CString& strName, const CString& strWhen);
    // FALSE when the address was not listed.
    BOOL Remove(const CString& strAddress);
    const CRecentServer* Find(const CString& strAddress) const;
    const std::vector<CRecentServer>& Servers() const { return m_servers; }

    // The file's text: each good line in order, up to MAX_SERVERS, each address
    // once; a damaged line is skipped, the others kept. LF or CR LF end a line.
    void Read(const CString& strText);
    // FALSE when the file cannot be opened (none yet, usually): the list is then empty.
    BOOL Load(const CString& strPath);

private:
    std::vector<CRecentServer> m_servers;
};

// The file's lines, each ended by "\n".
CString RecentFileText(const std::vector<CRecentServer>& servers);
// Writes the list whole or not at all (ReplaceFileWhole); on failure pstrReason
// gets the system's reason.
BOOL SaveRecentFile(const CString& strPath, const std::vector<CRecentServer>& servers, CString* pstrReason = nullptr);

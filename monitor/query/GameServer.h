// One game server as the monitor knows it, and the players of its last reply.
#pragma once

#include <cstdio>
#include <memory>
#include <optional>
#include <vector>

#include "framework/Collections.h"
#include "framework/ThreadSync.h"

// The default game server port.
#define DEFAULT_SERVER_PORT "27910"
// The reply time-out in milliseconds, and the ping of a server that did not answer.
#define PING_NOT_ANSWERING 750
// The bits of a reply's "needpass": a password to play, a password to watch.
#define NEEDPASS_PLAYER 1
#define NEEDPASS_SPECTATOR 2

class CPlayerInfo {
public:
    // Parses `<score> <ping> "<name>`; a line that does not scan gives 0, 0, "".
    explicit CPlayerInfo(const CString& strLine);
    virtual ~CPlayerInfo() = default;

    CString GetName() const { return m_strName; }
    int GetScore() const { return m_nScore; }
    DWORD GetPing() const { return m_nPing; }

    // Names longer than this are cut.
    static const int MAX_NAME_LENGTH = 128;

private:
    CString m_strName;
    int m_nScore = 0;
    DWORD m_nPing = 0;
};

// What a server's status reply said: the record holds one of these, a parse
// fills a fresh one and publishes it whole, and readers get copies.
struct CServerStatus {
    CString m_strName;
    CString m_strMap;
    CString m_strVersion;
    CString m_strWebsite;
    DWORD m_nPing = PING_NOT_ANSWERING;
    DWORD m_nPlayers = 0;
    DWORD m_nMaxPlayers = 0;
    // The last accepted reply's "needpass" (NEEDPASS_PLAYER, NEEDPASS_SPECTATOR):
    // kept while the server is silent, as its name is.
    DWORD m_nNeedPass = 0;
    // In reply order. While a query runs, and after one that got no reply, the
    // previous players stay here beyond m_nPlayers, hidden from every reader.
    std::vector<CPlayerInfo> m_players;
    // The information string of the last accepted reply as it came, unfiltered
    // (SplitInfoPairs reads it); null until one is accepted. Kept whole and
    // shared between copies: a reply of a thousand tiny pairs costs its bytes.
    std::shared_ptr<const CString> m_pInfo;
};

// A record's five lines of serverlist.txt, copied out of it at one moment, so
// that a save can write them on another thread while queries go on.
struct CServerFileRecord {
    CString m_strAddress;
    CString m_strName;
    CString m_strWebsite;
    BYTE m_bFavorite = 0;
    BYTE m_bIgnored = 0;

    bool operator==(const CServerFileRecord& other) const
    {
        return m_strAddress == other.m_strAddress && m_strName == other.m_strName &&
               m_strWebsite == other.m_strWebsite && m_bFavorite == other.m_bFavorite &&
               m_bIgnored == other.m_bIgnored;
    }
    bool operator!=(const CServerFileRecord& other) const { return !(*this == other); }

    // Writes the five lines in text mode; FALSE when a write fails.
    BOOL WriteTo(FILE* pFile) const;
};

class CGameServer {
public:
    CGameServer();
    // "host" or "host:port"; a missing or zero port becomes the default port.
    explicit CGameServer(const CString& strAddress);
    CGameServer(const CGameServer&) = delete;
    CGameServer& operator=(const CGameServer&) = delete;
    // Waits for a running query to end, then frees the players.
    virtual ~CGameServer();

    // Every accessor may be called while a query runs: each returns a copy taken
    // under the record's lock, never a half-written value.
    CString GetName() const;
    CString GetMap() const;
    CString GetVersion() const;
    CString GetAddress() const;
    CString GetWebsite() const;
    DWORD GetPing() const;
    DWORD GetPlayerCount() const;
    DWORD GetMaxPlayers() const;
    // What the rows show: while a query runs, the record as it was when the query
    // began; otherwise the record as it is. Never a query's half-way state, and
    // never more players than the count it carries.
    CServerStatus GetStatus() const;
    // The record keeps the player; the pointer is valid until the next reply is
    // parsed, so GUI-thread callers use it after the query's notice.
    const CPlayerInfo* GetPlayer(int nIndex) const;

    BYTE IsFavorite() const { return m_bFavorite; }
    BYTE IsIgnored() const { return m_bIgnored; }
    void SetFavorite(BYTE bFavorite) { m_bFavorite = bFavorite; }
    void SetIgnored(BYTE bIgnored) { m_bIgnored = bIgnored; }
    BOOL IsQuerying() const;

    // The record's five lines of serverlist.txt. Written in text mode; read in
    // either mode, LF or CR LF ending each line.
    BOOL ReadFromFile(FILE* pFile);
    BOOL WriteToFile(FILE* pFile) const;
    // What WriteToFile writes, as it stands now: the texts as the rows show them.
    // GUI thread (the marks are its own).
    CServerFileRecord GetFileRecord() const;

    // Takes in one status reply (text up to its first zero byte). TRUE when it was
    // accepted; a wrong header leaves the record as it was, a wrong game keeps
    // only what the keys before it set.
    BOOL ParseStatusReply(LPCTSTR lpszReply, DWORD nPing);

    // Claims the record and starts its query thread; FALSE when a query already
    // runs or no thread could be started. TRUE is followed by exactly one
    // WM_QUERYDONE, posted after the claim is released.
    BOOL StartQuery();
    static DWORD QueryThreadProc(void* pParam);

private:
    void Publish(CServerStatus& status, bool bAccepted);
    CServerStatus VisibleStatus() const;
    CString BeginQuery();
    void EndQuery();
    void SetText(CString CGameServer::*pField, const CString& strValue);
    void SetText(CString CServerStatus::*pField, const CString& strValue);

    BYTE m_bIgnored = 0;
    BYTE m_bFavorite = 0;
    BYTE m_bQuerying = 0;
    // Guards the claim and everything below, so that a reader on the GUI thread
    // and the query thread never meet half-way.
    mutable CCriticalSection m_mutex;
    CConditionVariable m_queryEnded;
    CString m_strAddress;
    CServerStatus m_status;
    // Taken when the query thread starts, before it marks the record as not
    // answering; dropped when the query ends.
    std::optional<CServerStatus> m_statusBeforeQuery;
};

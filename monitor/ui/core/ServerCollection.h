// The main window's server collection: every known record, each address once, in
// the order addresses first arrived. It owns its records from Add until DeleteAll.
#pragma once

#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

#include "framework/Collections.h"
#include "query/GameServer.h"

#define SERVER_LIST_FILE "serverlist.txt"

class CServerCollection {
public:
    CServerCollection() = default;
    CServerCollection(const CServerCollection&) = delete;
    CServerCollection& operator=(const CServerCollection&) = delete;
    // Frees the list only: records are deleted by DeleteAll at shut-down.
    virtual ~CServerCollection() = default;

    // Takes ownership of pServer in every case. A known address takes over the new
    // record's marks (the new record is deleted); an unknown one is appended, except
    // a non-favourite from the file, which is dropped. Returns the record held for
    // the address, or null.
    CGameServer* Add(CGameServer* pServer, BOOL bFromFile);

    // Merges the records of a server list file, calling onKept for each record that
    // Add returns. FALSE when the file cannot be opened. Every byte of a line is
    // kept, Ctrl-Z included; lines end with LF or CR LF. bAsMasterList: no master
    // list came, and the file's non-favourites, the servers of the last one that
    // did, are kept as the master list's would be.
    BOOL Load(const CString& strPath, const std::function<void(CGameServer*)>& onKept, BOOL bAsMasterList = FALSE);

    // Writes every record, five lines each, into a file beside strPath and moves it
    // into place only when all of it was written: the old file survives any failure.
    BOOL Save(const CString& strPath) const;
    // Every record's lines as they stand now, for a save on another thread.
    std::vector<CServerFileRecord> Snapshot() const;

    // Deletes the records from the head; each deletion waits for its running query.
    void DeleteAll();

    int GetCount() const { return static_cast<int>(m_records.size()); }
    bool IsEmpty() const { return m_records.empty(); }
    // The record at a position from the head, or null when out of range. A poll
    // takes the records one by one by position.
    CGameServer* GetAt(int nIndex) const
    {
        return nIndex >= 0 && nIndex < GetCount() ? m_records[static_cast<size_t>(nIndex)] : nullptr;
    }

    // The record of that address, or null.
    CGameServer* Find(const CString& strAddress) const
    {
        auto it = m_byAddress.find(strAddress.str());
        return it != m_byAddress.end() ? it->second : nullptr;
    }

    std::vector<CGameServer*>::const_iterator begin() const { return m_records.begin(); }
    std::vector<CGameServer*>::const_iterator end() const { return m_records.end(); }

private:
    std::vector<CGameServer*> m_records;
    // Each record by its address, which never changes once the record is made: a
    // master list of thousands would otherwise cost a walk per line.
    std::unordered_map<std::string, CGameServer*> m_byAddress;
};

// Saves records as CServerCollection::Save does. On failure, pstrReason (when
// given) receives the system's reason.
BOOL SaveServerFile(const CString& strPath, const std::vector<CServerFileRecord>& records,
                    CString* pstrReason = nullptr);

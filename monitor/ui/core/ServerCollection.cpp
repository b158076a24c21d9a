#include "ui/core/ServerCollection.h"

#include <cstdio>

#include "framework/FileReplace.h"

CGameServer* CServerCollection::Add(CGameServer* pServer, BOOL bFromFile)
{
    auto known = m_byAddress.find(pServer->GetAddress().str());
    if (known != m_byAddress.end()) {
        CGameServer* pKnown = known->second;
        pKnown->SetFavorite(pServer->IsFavorite());
        pKnown->SetIgnored(pServer->IsIgnored());
        delete pServer;
        return pKnown;
    }
    if (bFromFile && pServer->IsFavorite() != 1) {
        delete pServer;
        return nullptr;
    }
    m_records.push_back(pServer);
    m_byAddress.emplace(pServer->GetAddress().str(), pServer);
    return pServer;
}

BOOL CServerCollection::Load(const CString& strPath, const std::function<void(CGameServer*)>& onKept,
                             BOOL bAsMasterList)
{
    // Binary: a text-mode read on Windows ends the file at a Ctrl-Z byte, which
    // an outside edit can leave in a name. The record lines take CR LF and LF.
    FILE* pFile = std::fopen(strPath, "rb");
    if (!pFile)
        return FALSE;
    for (;;) {
        CGameServer* pServer = new CGameServer();
        if (!pServer->ReadFromFile(pFile)) {
            delete pServer;
            break;
        }
        if (CGameServer* pKept = Add(pServer, !bAsMasterList))
            onKept(pKept);
    }
    std::fclose(pFile);
    return TRUE;
}

BOOL CServerCollection::Save(const CString& strPath) const
{
    return SaveServerFile(strPath, Snapshot());
}

std::vector<CServerFileRecord> CServerCollection::Snapshot() const
{
    std::vector<CServerFileRecord> records;
    records.reserve(m_records.size());
    for (const CGameServer* pServer : m_records)
        records.push_back(pServer->GetFileRecord());
    return records;
}

BOOL SaveServerFile(const CString& strPath, const std::vector<CServerFileRecord>& records, CString* pstrReason)
{
    return ReplaceFileWhole(strPath, "w", [&records](FILE* pFile) {
        for (const CServerFileRecord& record : records) {
            if (!record.WriteTo(pFile))
                return false;
        }
        return true;
    }, pstrReason);
}

void CServerCollection::DeleteAll()
{
    m_byAddress.clear();
    for (CGameServer* pServer : m_records)
        delete pServer;
    m_records.clear();
}

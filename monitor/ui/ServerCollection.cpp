#include "ui/ServerCollection.h"

#include <cstdio>

#include "framework/SystemError.h"

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

BOOL CServerCollection::Load(const CString& strPath, const std::function<void(CGameServer*)>& onKept)
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
        if (CGameServer* pKept = Add(pServer, TRUE))
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
    // The reason is taken at the failing call, before the clean-up can overwrite it.
    auto fail = [pstrReason] {
        if (pstrReason)
            *pstrReason = LastSystemErrorText();
    };
    CString strTemp = strPath + ".tmp";
    FILE* pFile = std::fopen(strTemp, "w");
    if (!pFile) {
        fail();
        return FALSE;
    }
    BOOL bWritten = TRUE;
    for (const CServerFileRecord& record : records) {
        if (!record.WriteTo(pFile)) {
            fail();
            bWritten = FALSE;
            break;
        }
    }
    // A full disk may only show when the buffer is flushed at the close.
    if (std::fclose(pFile) != 0 && bWritten) {
        fail();
        bWritten = FALSE;
    }
    if (bWritten) {
        if (ReplaceFileWith(strTemp, strPath))
            return TRUE;
        fail();
    }
    std::remove(strTemp);
    return FALSE;
}

void CServerCollection::DeleteAll()
{
    m_byAddress.clear();
    for (CGameServer* pServer : m_records)
        delete pServer;
    m_records.clear();
}

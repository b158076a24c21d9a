// The five lines of one record in serverlist.txt: address, name, web page,
// favourite mark, ignored mark.
#include <cstring>

#include "query/GameServer.h"

// Reads the next piece of a line into buffer; TRUE when the piece ends the line.
// The line end is looked for in the whole buffer, so a zero byte in the file
// cannot hide it.
static BOOL ReadLinePiece(FILE* pFile, char (&buffer)[512], BOOL& bLineEnd)
{
    memset(buffer, 0, sizeof buffer);
    if (!fgets(buffer, sizeof buffer, pFile))
        return FALSE;
    bLineEnd = memchr(buffer, '\n', sizeof buffer) != nullptr;
    return TRUE;
}

// One whole line, however long, without its trailing white space; FALSE at the
// end of the file. Reading whole lines keeps every later field in its place. On
// a file read in binary mode the CR of a CR LF line end goes with the white space.
static BOOL ReadRecordLine(FILE* pFile, CString& strLine)
{
    char buffer[512];
    BOOL bLineEnd = FALSE;
    if (!ReadLinePiece(pFile, buffer, bLineEnd))
        return FALSE;
    strLine = buffer;
    while (!bLineEnd && ReadLinePiece(pFile, buffer, bLineEnd))
        strLine += buffer;
    strLine.TrimRight();
    return TRUE;
}

static BYTE ReadMark(const CString& strLine)
{
    return ReadLeadingInt(strLine) != 0 ? 1 : 0;
}

BOOL CGameServer::ReadFromFile(FILE* pFile)
{
    CString strLine;
    if (!ReadRecordLine(pFile, strLine))
        return FALSE;
    SetText(&CGameServer::m_strAddress, strLine);
    for (auto pField : {&CServerStatus::m_strName, &CServerStatus::m_strWebsite}) {
        if (!ReadRecordLine(pFile, strLine))
            return FALSE;
        SetText(pField, strLine);
    }
    if (!ReadRecordLine(pFile, strLine))
        return FALSE;
    m_bFavorite = ReadMark(strLine);
    if (!ReadRecordLine(pFile, strLine))
        return FALSE;
    m_bIgnored = ReadMark(strLine);
    return TRUE;
}

// A line feed inside a text (a server can send one in its name) would shift every
// later line of the file, and a Ctrl-Z ends a text-mode read on Windows: both are
// written as spaces.
static BOOL WriteRecordLine(FILE* pFile, CString strText)
{
    for (int i = 0; i < strText.GetLength(); ++i)
        if (strText.GetAt(i) == '\n' || strText.GetAt(i) == '\x1a')
            strText.SetAt(i, ' ');
    return fprintf(pFile, "%s\n", static_cast<LPCTSTR>(strText)) > 0;
}

BOOL CServerFileRecord::WriteTo(FILE* pFile) const
{
    return WriteRecordLine(pFile, m_strAddress) && WriteRecordLine(pFile, m_strName)
        && WriteRecordLine(pFile, m_strWebsite) && fprintf(pFile, "%d\n", m_bFavorite) > 0
        && fprintf(pFile, "%d\n", m_bIgnored) > 0;
}

CServerFileRecord CGameServer::GetFileRecord() const
{
    CServerFileRecord record;
    {
        // Only the texts the file keeps: a copy of the players would cost a save
        // of thousands of records for nothing.
        std::lock_guard<CCriticalSection> lock(m_mutex);
        const CServerStatus& status = m_statusBeforeQuery ? *m_statusBeforeQuery : m_status;
        record.m_strAddress = m_strAddress;
        record.m_strName = status.m_strName;
        record.m_strWebsite = status.m_strWebsite;
    }
    record.m_bFavorite = m_bFavorite;
    record.m_bIgnored = m_bIgnored;
    return record;
}

BOOL CGameServer::WriteToFile(FILE* pFile) const
{
    return GetFileRecord().WriteTo(pFile);
}

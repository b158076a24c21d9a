#include "ui/core/BuddyList.h"

#include <algorithm>
#include <string>

#include "query/GameText.h"
#include "ui/core/LineFile.h"

namespace {
// Blanks, and the CR of a CR LF line end, are no part of a name.
std::string Trimmed(const std::string& s)
{
    const char* const kBlanks = " \t\r";
    const size_t nFirst = s.find_first_not_of(kBlanks);
    if (nFirst == std::string::npos)
        return std::string();
    return s.substr(nFirst, s.find_last_not_of(kBlanks) - nFirst + 1);
}

bool HasControlByte(const std::string& s)
{
    return std::any_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; });
}
} // namespace

BOOL CBuddyList::Add(const CString& strName)
{
    const std::string name = Trimmed(strName.str());
    if (name.size() > static_cast<size_t>(MAX_NAME) || HasControlByte(name)
        || m_names.size() >= static_cast<size_t>(MAX_BUDDIES))
        return FALSE;
    const size_t nFirst = name.find_first_not_of('*');
    // Only stars would make every player a buddy.
    if (nFirst == std::string::npos)
        return FALSE;
    const size_t nLast = name.find_last_not_of('*');
    CPattern pattern{FoldedText(CString(name.substr(nFirst, nLast - nFirst + 1))), nFirst > 0, nLast + 1 < name.size()};
    const bool bKnown = std::any_of(m_patterns.begin(), m_patterns.end(), [&](const CPattern& other) {
        return other.strFolded == pattern.strFolded && other.bAnyBefore == pattern.bAnyBefore
            && other.bAnyAfter == pattern.bAnyAfter;
    });
    if (bKnown)
        return FALSE;
    m_names.emplace_back(name);
    m_patterns.push_back(pattern);
    return TRUE;
}

BOOL CBuddyList::Remove(const CString& strName)
{
    auto it = std::find(m_names.begin(), m_names.end(), strName);
    if (it == m_names.end())
        return FALSE;
    m_patterns.erase(m_patterns.begin() + (it - m_names.begin()));
    m_names.erase(it);
    return TRUE;
}

bool CBuddyList::Matches(const CString& strPlayer) const
{
    if (m_patterns.empty())
        return false;
    const std::string name = FoldedText(strPlayer).str();
    for (const CPattern& pattern : m_patterns) {
        const std::string& part = pattern.strFolded.str();
        if (part.size() > name.size())
            continue;
        const size_t nAt = pattern.bAnyBefore ? (pattern.bAnyAfter ? name.find(part) : name.size() - part.size()) : 0;
        if (nAt == std::string::npos || name.compare(nAt, part.size(), part) != 0)
            continue;
        if (pattern.bAnyAfter || nAt + part.size() == name.size())
            return true;
    }
    return false;
}

void CBuddyList::Read(const CString& strText)
{
    m_names.clear();
    m_patterns.clear();
    ReadTextLines(strText, [this](const std::string& line) { return Add(CString(line)), true; }, MAX_NAME + 16);
}

BOOL CBuddyList::Load(const CString& strPath)
{
    m_names.clear();
    m_patterns.clear();
    return ReadFileLines(strPath, [this](const std::string& line) { return Add(CString(line)), true; }, MAX_NAME + 16);
}

CString BuddyFileText(const std::vector<CString>& names)
{
    std::string text;
    for (const CString& name : names)
        text += name.str() + '\n';
    return CString(text);
}

BOOL SaveBuddyFile(const CString& strPath, const std::vector<CString>& names, CString* pstrReason)
{
    return SaveLineFile(strPath, BuddyFileText(names), pstrReason);
}

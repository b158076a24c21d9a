// The INI form that the Windows calls read and write, for the native build: keys
// and sections match without regard to case, values lose their surrounding blanks.
#include "ProfileFile.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "FileReplace.h"

namespace {
std::string Trimmed(const std::string& s)
{
    const size_t nFirst = s.find_first_not_of(" \t\r");
    if (nFirst == std::string::npos)
        return std::string();
    return s.substr(nFirst, s.find_last_not_of(" \t\r") - nFirst + 1);
}

bool SameName(const std::string& a, const char* b)
{
    CString strA(a), strB(b);
    return strA.MakeLower() == strB.MakeLower();
}

std::vector<std::string> Lines(const CString& strPath)
{
    std::vector<std::string> lines;
    std::ifstream file(strPath.str(), std::ios::binary);
    for (std::string line; std::getline(file, line);)
        lines.push_back(line);
    return lines;
}

// The section of a "[name]" line, or false.
bool SectionOf(const std::string& line, std::string& name)
{
    const std::string trimmed = Trimmed(line);
    if (trimmed.size() < 2 || trimmed.front() != '[' || trimmed.back() != ']')
        return false;
    name = Trimmed(trimmed.substr(1, trimmed.size() - 2));
    return true;
}

// The key of a "key=value" line, or false.
bool KeyOf(const std::string& line, std::string& key, std::string& value)
{
    const size_t nEquals = line.find('=');
    if (nEquals == std::string::npos)
        return false;
    key = Trimmed(line.substr(0, nEquals));
    value = Trimmed(line.substr(nEquals + 1));
    return true;
}
} // namespace

CString CProfileFile::GetString(const char* pszSection, const char* pszKey, const char* pszDefault) const
{
    bool bInSection = false;
    for (const std::string& line : Lines(m_strName)) {
        std::string name, key, value;
        if (SectionOf(line, name))
            bInSection = SameName(name, pszSection);
        else if (bInSection && KeyOf(line, key, value) && SameName(key, pszKey))
            return CString(value);
    }
    return CString(pszDefault ? pszDefault : "");
}

BOOL CProfileFile::WriteString(const char* pszSection, const char* pszKey, const char* pszValue,
                               CString* pstrReason) const
{
    std::vector<std::string> lines = Lines(m_strName);
    const std::string entry = std::string(pszKey) + "=" + pszValue;
    bool bInSection = false, bDone = false;
    size_t nSectionEnd = lines.size();
    for (size_t i = 0; i < lines.size() && !bDone; ++i) {
        std::string name, key, value;
        if (SectionOf(lines[i], name)) {
            if (bInSection)
                break;
            bInSection = SameName(name, pszSection);
            nSectionEnd = i + 1;
        } else if (bInSection) {
            if (KeyOf(lines[i], key, value) && SameName(key, pszKey)) {
                lines[i] = entry;
                bDone = true;
            } else if (!Trimmed(lines[i]).empty()) {
                nSectionEnd = i + 1;
            }
        }
    }
    if (!bDone && bInSection) {
        lines.insert(lines.begin() + static_cast<long>(nSectionEnd), entry);
    } else if (!bDone) {
        lines.push_back(std::string("[") + pszSection + "]");
        lines.push_back(entry);
    }
    return ReplaceFileWhole(m_strName, "wb", [&lines](FILE* pFile) {
        for (const std::string& line : lines)
            if (std::fprintf(pFile, "%s\n", line.c_str()) < 0)
                return false;
        return true;
    }, pstrReason) ? TRUE : FALSE;
}

CString CProfileFile::GetPath() const
{
    return m_strName;
}

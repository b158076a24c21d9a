#include "FileReplace.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <unistd.h>

bool FlushFileToDisk(FILE* pFile)
{
    return fsync(fileno(pFile)) == 0;
}

// The new name lives in the folder's own data, which reaches the disk apart from
// the file's.
static bool FlushFolderOf(const char* pszPath)
{
    std::string folder = pszPath;
    const size_t slash = folder.rfind('/');
    folder = slash == std::string::npos ? "." : slash == 0 ? "/" : folder.substr(0, slash);
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return false;
    // Some file systems cannot sync a folder at all; nothing more can be done there.
    const bool bFlushed = fsync(fd) == 0 || errno == EINVAL || errno == ENOTSUP;
    const int nError = errno;
    close(fd);
    errno = nError;
    return bFlushed;
}

bool MoveFileIntoPlace(const char* pszSource, const char* pszDestination)
{
    return std::rename(pszSource, pszDestination) == 0 && FlushFolderOf(pszDestination);
}

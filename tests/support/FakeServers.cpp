#include "FakeServers.h"

#include <algorithm>
#include <sstream>

#include "TestPaths.h"
#include "query/WordFilter.h"

std::string Address(int nPort)
{
    return "127.0.0.1:" + std::to_string(nPort);
}

std::string Record(int nPort, const std::string& strName, int nFavorite, int nIgnored, const std::string& strPage)
{
    return Address(nPort) + "\n" + strName + "\n" + strPage + "\n" + std::to_string(nFavorite) + "\n" +
           std::to_string(nIgnored) + "\n";
}

std::string ReadText(const std::string& path)
{
    std::string text = ReadFile(path);
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    return text;
}

std::map<int, int> RequestsPerPort()
{
    // A line: the fleet's milliseconds, the server's port, the sender, the bytes.
    std::map<int, int> counts;
    std::istringstream log(ReadFile(Env("KELVANE_FLEET_LOG")));
    std::string line;
    while (std::getline(log, line)) {
        std::istringstream fields(line);
        double ms = 0;
        int nPort = 0;
        if (fields >> ms >> nPort)
            ++counts[nPort];
    }
    return counts;
}

void ListTestWord()
{
    static const bool bListed = [] {
        ScratchDir dir("test_word");
        WriteFile(dir.File("words.txt"), "zonk\n");
        g_wordFilter.LoadFromFile(dir.File("words.txt").c_str());
        return true;
    }();
    (void)bListed;
}

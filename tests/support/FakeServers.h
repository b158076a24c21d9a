// The fake game servers of the tests' fleets (tools/fakeq2) as the tests meet
// them: their addresses, their records in serverlist.txt, the requests the fleet
// has logged (KELVANE_FLEET_LOG), and the word that some of them send.
#pragma once

#include <map>
#include <string>
#include <vector>

// "127.0.0.1:<port>": every fake server listens on the loopback address.
std::string Address(int nPort);
// One record's five lines of serverlist.txt, each ended by a line feed.
std::string Record(int nPort, const std::string& strName, int nFavorite, int nIgnored, const std::string& strPage = "");
// A text file the programs wrote, with its line ends as the C library reads them.
std::string ReadText(const std::string& path);

// Requests each fake server has received so far.
std::map<int, int> RequestsPerPort();

// Lists "zonk" in the process's word filter, once: the word that the fake servers
// write in the game's alternate letters.
void ListTestWord();

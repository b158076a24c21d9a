#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "TestPaths.h"
#include "ui/core/ServerCollection.h"

namespace {
CGameServer* Record(const char* pszAddress, BYTE bFavorite = 0, BYTE bIgnored = 0)
{
    auto* pServer = new CGameServer(pszAddress);
    pServer->SetFavorite(bFavorite);
    pServer->SetIgnored(bIgnored);
    return pServer;
}

std::string Addresses(const CServerCollection& servers)
{
    std::string s;
    for (CGameServer* pServer : servers)
        s += std::string(pServer->GetAddress()) + " ";
    return s;
}

// Five lines per record: address, name, web page, favourite, ignored.
std::string FileRecord(const char* pszAddress, const char* pszName, int nFavorite, int nIgnored)
{
    return std::string(pszAddress) + "\n" + pszName + "\nhttp://x.example/\n" + std::to_string(nFavorite) +
           "\n" + std::to_string(nIgnored) + "\n";
}

struct Collection : ::testing::Test {
    ~Collection() override { servers.DeleteAll(); }
    CServerCollection servers;
};
} // namespace

TEST_F(Collection, FileRecordsMergeMarksAndOnlyNewFavouritesStay)
{
    servers.Add(Record("10.0.0.1:27910"), FALSE);
    servers.Add(Record("10.0.0.2:27910"), FALSE);
    // A known address takes the file's marks; nothing else of it.
    CGameServer* pKnown = servers.Add(Record("10.0.0.2:27910", 0, 1), TRUE);
    EXPECT_EQ(pKnown, servers.GetAt(1));
    EXPECT_EQ(pKnown->IsIgnored(), 1);
    // Unknown: a favourite is appended, anything else dropped.
    EXPECT_EQ(servers.Add(Record("10.0.0.9:27910", 0, 1), TRUE), nullptr);
    EXPECT_NE(servers.Add(Record("10.0.0.8:27910", 1, 0), TRUE), nullptr);
    // The same address again: its marks replace the earlier ones.
    servers.Add(Record("10.0.0.8:27910", 0, 1), TRUE);
    EXPECT_EQ(Addresses(servers), "10.0.0.1:27910 10.0.0.2:27910 10.0.0.8:27910 ");
    EXPECT_EQ(servers.GetAt(2)->IsFavorite(), 0);
    EXPECT_EQ(servers.GetAt(2)->IsIgnored(), 1);
}

TEST_F(Collection, LoadStopsAtAnIncompleteRecordAndReportsTheKeptOnes)
{
    ScratchDir dir("ui_collection_load");
    EXPECT_FALSE(servers.Load(dir.File("missing.txt").c_str(), [](CGameServer*) {}));

    servers.Add(Record("10.0.0.1:27910"), FALSE);
    WriteFile(dir.File("list.txt"), FileRecord("10.0.0.1:27910", "Known", 0, 1) +
                                        FileRecord("10.0.0.5:27910", "Stored fav", 1, 0) +
                                        FileRecord("10.0.0.6:27910", "Plain", 0, 0) +
                                        "10.0.0.7:27910\nCut\nhttp://x.example/\n");
    std::vector<CGameServer*> kept;
    EXPECT_TRUE(servers.Load(dir.File("list.txt").c_str(), [&](CGameServer* p) { kept.push_back(p); }));
    ASSERT_EQ(kept.size(), 2u);
    EXPECT_EQ(kept[0], servers.GetAt(0));
    EXPECT_EQ(kept[1], servers.GetAt(1));
    EXPECT_EQ(Addresses(servers), "10.0.0.1:27910 10.0.0.5:27910 ");
    EXPECT_STREQ(servers.GetAt(1)->GetName(), "Stored fav");
}

TEST_F(Collection, SaveWritesEveryRecordAndRoundTrips)
{
    ScratchDir dir("ui_collection_save");
    const std::string path = dir.File("serverlist.txt");
    EXPECT_TRUE(servers.Save(path.c_str()));
    EXPECT_EQ(ReadFile(path), "");

    servers.Add(Record("10.0.0.1:27910", 1, 0), FALSE);
    servers.Add(Record("10.0.0.2:27960", 0, 1), FALSE);
    servers.Add(Record("10.0.0.3:27910"), FALSE);
    EXPECT_TRUE(servers.Save(path.c_str()));
    EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));

    CServerCollection reread;
    reread.Load(path.c_str(), [](CGameServer*) {});
    // Only the favourite comes back into an empty collection.
    EXPECT_EQ(Addresses(reread), "10.0.0.1:27910 ");
    reread.DeleteAll();

    std::string text = ReadFile(path);
    // Text mode: Windows writes CR LF.
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    EXPECT_EQ(text, "10.0.0.1:27910\n\n\n1\n0\n"
                              "10.0.0.2:27960\n\n\n0\n1\n"
                              "10.0.0.3:27910\n\n\n0\n0\n");
}

TEST_F(Collection, AFailedSaveLeavesTheOldFileWhole)
{
    ScratchDir dir("ui_collection_failed_save");
    const std::string path = dir.File("serverlist.txt");
    WriteFile(path, FileRecord("10.0.0.1:27910", "Old", 1, 0));
    servers.Add(Record("10.0.0.2:27910"), FALSE);
    // The temporary file cannot be made: a folder stands in its place.
    std::filesystem::create_directory(path + ".tmp");
    EXPECT_FALSE(servers.Save(path.c_str()));
    EXPECT_EQ(ReadFile(path), FileRecord("10.0.0.1:27910", "Old", 1, 0));
}

TEST_F(Collection, EveryByteOfANameLoadsAndNoneEndsTheFile)
{
    ScratchDir dir("ui_collection_bytes");
    const struct {
        const char* what;
        std::string name; // of the first record; two more favourites follow it
        const char* lineEnd;
        std::string loaded;
    } cases[] = {
        {"Ctrl-Z", "Cut\x1Ahere", "\n", "Cut\x1Ahere"},
        {"Ctrl-Z at the end", "Trailing\x1A", "\n", "Trailing\x1A"},
        {"Ctrl-Z, CR LF lines", "\x1A", "\r\n", "\x1A"},
        {"CR LF lines", "Plain", "\r\n", "Plain"},
        {"a CR inside", "Car\rriage", "\r\n", "Car\rriage"},
        {"white space and CRs before the line end", " Padded \t\r\r", "\r\n", " Padded"},
        {"high bytes", "\xE9t\xE9", "\n", "\xE9t\xE9"},
    };
    for (const auto& c : cases) {
        std::string text;
        const std::string names[] = {c.name, "Second", "Third"};
        for (int i = 0; i < 3; ++i) {
            for (const std::string& line : {"10.0.0." + std::to_string(i + 1) + ":27910", names[i],
                                            std::string("http://x.example/"), std::string("1"), std::string("0")})
                text += line + c.lineEnd;
        }
        WriteFile(dir.File("list.txt"), text);
        CServerCollection loaded;
        EXPECT_TRUE(loaded.Load(dir.File("list.txt").c_str(), [](CGameServer*) {})) << c.what;
        EXPECT_EQ(Addresses(loaded), "10.0.0.1:27910 10.0.0.2:27910 10.0.0.3:27910 ") << c.what;
        if (CGameServer* pFirst = loaded.GetAt(0)) {
            EXPECT_EQ(std::string(pFirst->GetName()), c.loaded) << c.what;
            EXPECT_EQ(std::string(pFirst->GetWebsite()), "http://x.example/") << c.what;
        }
        if (CGameServer* pThird = loaded.GetAt(2)) {
            EXPECT_EQ(pThird->IsFavorite(), 1) << c.what;
        }
        loaded.DeleteAll();
    }
}

TEST_F(Collection, AStrayCtrlZIsSavedAsABlankAndTheFavouritesAfterItStay)
{
    ScratchDir dir("ui_collection_ctrl_z_save");
    const std::string path = dir.File("serverlist.txt");
    WriteFile(path, FileRecord("10.0.0.1:27910", "Bad\x1Aname", 1, 0) + FileRecord("10.0.0.2:27910", "After", 1, 0));
    servers.Load(path.c_str(), [](CGameServer*) {});
    ASSERT_TRUE(servers.Save(path.c_str()));
    servers.DeleteAll();
    servers.Load(path.c_str(), [](CGameServer*) {});
    EXPECT_EQ(Addresses(servers), "10.0.0.1:27910 10.0.0.2:27910 ");
    ASSERT_EQ(servers.GetCount(), 2);
    EXPECT_STREQ(servers.GetAt(0)->GetName(), "Bad name");
    EXPECT_STREQ(servers.GetAt(1)->GetName(), "After");
}

TEST_F(Collection, AFailedWriteAtTheCloseOrInARecordLeavesTheOldFileAndNoTemporary)
{
    ScratchDir dir("ui_collection_full_disk");
    const std::string path = dir.File("serverlist.txt");
    WriteFile(path, FileRecord("10.0.0.1:27910", "Old", 1, 0));
    servers.Add(Record("10.0.0.2:27910"), FALSE);
    // The temporary file is a full disk: the buffered lines fail when it is closed.
    std::error_code error;
    std::filesystem::create_symlink("/dev/full", path + ".tmp", error);
    if (error || !std::filesystem::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full to stand for a full disk";
    EXPECT_FALSE(servers.Save(path.c_str()));
    EXPECT_EQ(ReadFile(path), FileRecord("10.0.0.1:27910", "Old", 1, 0));
    EXPECT_FALSE(std::filesystem::is_symlink(path + ".tmp"));

    // Now the last record's long name fails inside its own write, which leaves nothing
    // buffered for the close to fail on: the record's failure alone must fail the save.
    WriteFile(dir.File("long.txt"), FileRecord("10.0.0.3:27910", std::string(10000, 'n').c_str(), 1, 0));
    servers.Load(dir.File("long.txt").c_str(), [](CGameServer*) {});
    std::filesystem::create_symlink("/dev/full", path + ".tmp");
    EXPECT_FALSE(servers.Save(path.c_str()));
    EXPECT_EQ(ReadFile(path), FileRecord("10.0.0.1:27910", "Old", 1, 0));
    EXPECT_FALSE(std::filesystem::is_symlink(path + ".tmp"));
}

#include <gtest/gtest.h>

#include "web/BuildNumber.h"
#include "web/WebServer.h"

TEST(BuildNumber, ReadsTheLeadingSignedNumberAfterWhiteSpace)
{
    EXPECT_EQ(ReadBuildNumber("4"), 4);
    EXPECT_EQ(ReadBuildNumber(" \t\r\n 17 \r\n\v\f"), 17);
    EXPECT_EQ(ReadBuildNumber("12abc"), 12);
    EXPECT_EQ(ReadBuildNumber("abc"), 0);
    EXPECT_EQ(ReadBuildNumber("-5"), -5);
    EXPECT_EQ(ReadBuildNumber(""), 0);
    EXPECT_EQ(ReadBuildNumber("99999999999"), INT32_MAX);
}

TEST(BuildNumber, OnlyAGreaterNumberIsNewerAndThenReplacesTheBuild)
{
    int build = BUILD_NUMBER;
    EXPECT_FALSE(IsNewerBuild("3", build));
    EXPECT_FALSE(IsNewerBuild("-5", build));
    EXPECT_EQ(build, 3);
    EXPECT_TRUE(IsNewerBuild(" 4\r\n", build));
    EXPECT_EQ(build, 4);
    EXPECT_FALSE(IsNewerBuild("4", build));
    EXPECT_EQ(UpdateAvailableMessage(build), "Kelvane Monitor build 4 is now available!");
}

TEST(WebServerSetting, NormalisesTheBaseLocation)
{
    EXPECT_EQ(NormalizeWebServerBase(""), KELVANE_DEFAULT_WEB_SERVER);
    EXPECT_EQ(NormalizeWebServerBase(" \t "), KELVANE_DEFAULT_WEB_SERVER);
    EXPECT_EQ(NormalizeWebServerBase(" http://127.0.0.1:18080/web \r\n"), "http://127.0.0.1:18080/web/");
    EXPECT_EQ(NormalizeWebServerBase("127.0.0.1:18080"), "http://127.0.0.1:18080/");
    EXPECT_EQ(NormalizeWebServerBase("https://h.example/k/"), "https://h.example/k/");
}

TEST(WebServerSetting, FilesLieUnderTheBaseInForce)
{
    SetWebServerBase("localhost:18080/kelvane");
    EXPECT_EQ(WebFileUrl("news.txt"), "http://localhost:18080/kelvane/news.txt");
    SetWebServerBase("");
    EXPECT_EQ(WebFileUrl("news.txt"), KELVANE_DEFAULT_WEB_SERVER "news.txt");
}

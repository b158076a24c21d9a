#include "MonitorWindowTest.h"

#include <filesystem>

#include "ui/core/Settings.h"
#include "web/WebServer.h"

static std::string TestName()
{
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    return std::string(info->test_suite_name()) + "." + info->name();
}

MonitorWindow::MonitorWindow() : m_dir("ui_" + TestName()), m_strIni(m_dir.File("varnok.INI")), m_strCase(TestName()),
      m_pszOldProfile(AfxGetApp()->m_pszProfileName)
{
    AfxGetApp()->m_pszProfileName = m_strIni.c_str();
    ServeMasterList("");
}

MonitorWindow::~MonitorWindow()
{
    AfxGetApp()->m_pszProfileName = m_pszOldProfile;
}

void MonitorWindow::Setting(const char* pszKey, const char* pszValue)
{
    ::WritePrivateProfileStringA(SETTINGS_SECTION, pszKey, pszValue, m_strIni.c_str());
}

std::string MonitorWindow::StoredSetting(const char* pszKey)
{
    char value[256] = "";
    ::GetPrivateProfileStringA(SETTINGS_SECTION, pszKey, "(absent)", value, sizeof value, m_strIni.c_str());
    return value;
}

static std::filesystem::path WebFile(const std::string& strCase, const std::string& strName)
{
    return std::filesystem::path(Env("KELVANE_UI_WEB_ROOT")) / strCase / strName;
}

void MonitorWindow::ServeMasterList(const std::string& strBody, const std::string& strNews)
{
    ServeFile("gameservers.txt", strBody);
    ServeFile("news.txt", strNews);
    UseWebPath(m_strCase + "/");
}

void MonitorWindow::ServeFile(const std::string& strName, const std::string& strBody)
{
    std::filesystem::create_directories(WebFile(m_strCase, ""));
    WriteFile(WebFile(m_strCase, strName).string(), strBody);
}

void MonitorWindow::UnserveFile(const std::string& strName)
{
    std::filesystem::remove(WebFile(m_strCase, strName));
}

void MonitorWindow::UseWebPath(const std::string& strPath)
{
    std::string base = "http://127.0.0.1:" + Env("KELVANE_UI_WEB_PORT") + "/" + strPath;
    Setting(KELVANE_WEB_SERVER_KEY, base.c_str());
}

std::string MonitorWindow::WebBase()
{
    return StoredSetting(KELVANE_WEB_SERVER_KEY);
}

std::string MonitorWindow::Lines(std::initializer_list<int> ports)
{
    std::string s;
    for (int nPort : ports)
        s += Address(nPort) + "\r\n";
    return s;
}

void MonitorWindow::RunAfterFirstPoll(const std::function<void(CMonitorDlg&)>& script, int timeoutMs)
{
    CMonitorDlg dlg;
    RunAndClose(dlg, [&] {
        ASSERT_TRUE(PumpUntil([&] { return !dlg.Core().IsPolling(); }, timeoutMs)) << "first poll never ended";
        script(dlg);
    });
}

// Drives the real kelvane-launcher.exe from outside, as a user would: it runs in
// a scratch current directory and is found, read and clicked through its windows.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "ChildProgram.h"
#include "FakeGame.h"
#include "ParamFile.h"
#include "TestPaths.h"
#include "resource.h"

namespace fs = std::filesystem;

static const DWORD kWaitMs = 15000;
static const std::string kDefaultStored = "+set game kelvane\r\r\n+set deathmatch 1";

class Launcher {
public:
    Launcher() : m_program(LAUNCHER_EXE, "Kelvane Launcher", "Kelvane Launcher") {}

    HWND Window() const { return m_program.Window(); }
    std::string Params() const { return AskWindowText(GetDlgItem(Window(), IDC_PARAMS)); }
    void SetParams(const std::string& text) const
    {
        SendMessageTimeoutA(GetDlgItem(Window(), IDC_PARAMS), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
            SMTO_ABORTIFHUNG, kWaitMs, NULL);
    }
    // Posted, not sent: a command may open a modal message box.
    void Click(int id) const
    {
        PostMessageA(Window(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(Window(), id)));
    }
    void Close() const { PostMessageA(Window(), WM_CLOSE, 0, 0); }
    bool Exited() const { return m_program.Exited(kWaitMs); }
    bool CloseAndWait() const
    {
        Close();
        return Exited();
    }
    bool Running() const { return m_program.Running(); }

    // The text of the message box with this caption, which is then closed with OK.
    std::string TakeMessageBox(const char* caption) const
    {
        HWND hBox = NULL;
        if (!WaitFor([&] { return (hBox = FindProcessWindow(m_program.ProcessId(), "#32770", caption)) != NULL; },
                kWaitMs))
            return "<no message box>";
        std::string text = AskWindowText(GetDlgItem(hBox, 0xFFFF));
        PostMessageA(hBox, WM_COMMAND, IDOK, 0);
        WaitFor([&] { return !IsWindow(hBox); }, kWaitMs);
        return text;
    }

private:
    ChildProgram m_program;
};

// The parameter text that a new run of the launcher shows; the run is then closed.
static std::string ShownByANewRun()
{
    Launcher launcher;
    if (!launcher.Window())
        return "<no window>";
    std::string text = launcher.Params();
    EXPECT_TRUE(launcher.CloseAndWait());
    return text;
}

enum class Leave { Quit, CloseBox };

// One run in which the user replaces the parameter text and then leaves.
static void EditAndLeave(const std::string& text, Leave leave)
{
    Launcher launcher;
    ASSERT_TRUE(launcher.Window());
    launcher.SetParams(text);
    if (leave == Leave::Quit)
        launcher.Click(IDC_QUIT);
    else
        launcher.Close();
    ASSERT_TRUE(launcher.Exited());
}

TEST(LauncherWindow, DefaultTextOnFirstRunIsSavedByQuitAndShownAgain)
{
    ScratchDir dir("launcher-first-run");
    {
        Launcher launcher;
        ASSERT_TRUE(launcher.Window());
        EXPECT_EQ(launcher.Params(), kDefaultParams);
        launcher.Click(IDC_QUIT);
        ASSERT_TRUE(launcher.Exited());
    }
    EXPECT_EQ(ReadFile(kParamFileName), kDefaultStored);
    EXPECT_EQ(ShownByANewRun(), kDefaultParams);
}

TEST(LauncherWindow, CloseBoxSavesTheEditedTextAndAClearedBoxBringsBackTheDefault)
{
    ScratchDir dir("launcher-close-box");
    EditAndLeave("+set game kelvane\r\n+map q2dm1\r\n", Leave::CloseBox);
    EXPECT_EQ(ReadFile(kParamFileName), "+set game kelvane\r\r\n+map q2dm1\r\r\n");
    EXPECT_EQ(ShownByANewRun(), "+set game kelvane\r\n+map q2dm1\r\n");

    EditAndLeave("", Leave::Quit);
    EXPECT_EQ(ReadFile(kParamFileName), "");
    EXPECT_EQ(ShownByANewRun(), kDefaultParams);
}

TEST(LauncherWindow, LongParameterFileIsShownAndSavedWhole)
{
    ScratchDir dir("launcher-long-file");
    std::string text;
    for (int i = 0; text.size() < 9000; ++i)
        text += "+set kelvane_option" + std::to_string(i) + " 1\r\n";
    WriteFile(kParamFileName, EncodeParams(text));

    Launcher launcher;
    ASSERT_TRUE(launcher.Window());
    EXPECT_EQ(launcher.Params(), text);
    ASSERT_TRUE(launcher.CloseAndWait());
    EXPECT_EQ(ReadParamFile(kParamFileName), text);
}

TEST(LauncherWindow, ControlsAnswerToTheirIdsAndAboutNamesTheVersion)
{
    ScratchDir dir("launcher-controls");
    Launcher launcher;
    ASSERT_TRUE(launcher.Window());
    const struct {
        int id;
        const char* text;
    } controls[] = {{IDC_LAUNCH, "Launch!"}, {IDC_QUIT, "Quit"}, {IDC_ABOUT, "About"}, {IDC_WEBSITE, "Website"},
        {IDC_PARAMS_LABEL, "Launch Parameters:"}, {IDC_VERSION, "Version 4.0"}};
    for (const auto& control : controls)
        EXPECT_EQ(AskWindowText(GetDlgItem(launcher.Window(), control.id)), control.text) << control.id;

    launcher.Click(IDC_ABOUT);
    EXPECT_EQ(launcher.TakeMessageBox("About").rfind("Kelvane Launcher\nVersion: 4.0\n", 0), 0u);
    EXPECT_TRUE(launcher.CloseAndWait());
}

// The parameters that quake2.exe receives when Launch! is clicked with this text:
// its command line after the program name.
static std::string LaunchedWith(const Launcher& launcher, const std::string& text)
{
    fs::remove(FAKE_GAME_DEFAULT_LOG);
    launcher.SetParams(text);
    launcher.Click(IDC_LAUNCH);
    std::vector<GameRun> runs = WaitForGameRuns(FAKE_GAME_DEFAULT_LOG, 1, kWaitMs);
    if (runs.empty())
        return "<not started>";
    const std::string& commandLine = runs[0].commandLine;
    size_t end = commandLine.rfind('"', 0) == 0 ? commandLine.find('"', 1) + 1 : commandLine.find(' ');
    return end < commandLine.size() ? commandLine.substr(end + 1) : "";
}

TEST(LauncherWindow, LaunchStartsQuake2WithTheTextAndAClosingPlus)
{
    ScratchDir dir("launcher-launch");
    ASSERT_TRUE(CopyFileA(FAKE_QUAKE2_EXE, "quake2.exe", FALSE));
    Launcher launcher;
    ASSERT_TRUE(launcher.Window());

    EXPECT_EQ(LaunchedWith(launcher, kDefaultParams), std::string(kDefaultParams) + " +");
    EXPECT_EQ(LaunchedWith(launcher, ""), " +");
    EXPECT_TRUE(launcher.Running());
    EXPECT_TRUE(launcher.CloseAndWait());
}

TEST(LauncherWindow, LaunchWithoutQuake2ReportsItAndStaysOpen)
{
    ScratchDir dir("launcher-no-quake2");
    Launcher launcher;
    ASSERT_TRUE(launcher.Window());
    launcher.Click(IDC_LAUNCH);
    EXPECT_EQ(launcher.TakeMessageBox("File Not Found"), "Could not find quake2.exe!");
    EXPECT_TRUE(launcher.Running());
    EXPECT_TRUE(launcher.CloseAndWait());
}

TEST(LauncherWindow, FailedSaveIsReportedAndKeepsTheOldFile)
{
    ScratchDir dir("launcher-failed-save");
    WriteFile(kParamFileName, "+set game kelvane\r\r\n+set skill 3");
    fs::create_directory(std::string(kParamFileName) + ".tmp");

    Launcher launcher;
    ASSERT_TRUE(launcher.Window());
    launcher.SetParams("+set game lost");
    launcher.Click(IDC_QUIT);
    EXPECT_EQ(launcher.TakeMessageBox("Error!"), "Could not write to file!");
    EXPECT_TRUE(launcher.Exited());
    EXPECT_EQ(ReadFile(kParamFileName), "+set game kelvane\r\r\n+set skill 3");
}

TEST(LauncherWindow, WithoutAnEditBoxTheEarlierParametersAreKept)
{
    ScratchDir dir("launcher-no-edit-box");
    WriteFile(kParamFileName, "+set game kelvane\r\r\n+set skill 3");

    Launcher launcher;
    ASSERT_TRUE(launcher.Window());
    // The edit box's own default handling destroys it on its thread, as if it had never been made.
    HWND hEdit = GetDlgItem(launcher.Window(), IDC_PARAMS);
    PostMessageA(hEdit, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(hEdit); }, kWaitMs));
    launcher.Click(IDC_QUIT);
    EXPECT_TRUE(launcher.Exited());
    EXPECT_EQ(ReadFile(kParamFileName), "+set game kelvane\r\r\n+set skill 3");
}

// Ending the session ends every program with a window in the Wine prefix: these
// run from a ctest entry of their own that nothing runs beside (see CMakeLists.txt).
TEST(LauncherSessionEnd, KeepsTheEditedTextOrTheOldFileAndNeverHoldsTheSessionUp)
{
    const struct {
        const char* what;
        bool writable;
        std::string edited;
        std::string stored; // q2kelvane.dat afterwards
    } cases[] = {
        {"edited text", true, "+set game kelvane\r\n+map q2dm3", "+set game kelvane\r\r\n+map q2dm3"},
        {"cleared box", true, "", ""},
        // No message box at a session end: it would only keep the session from ending.
        {"file cannot be written", false, "+set game lost", "+set game kelvane\r\r\n+set skill 3"},
    };
    for (const auto& c : cases) {
        ScratchDir dir("launcher-session-end");
        WriteFile(kParamFileName, "+set game kelvane\r\r\n+set skill 3");
        if (!c.writable)
            fs::create_directory(std::string(kParamFileName) + ".tmp");
        Launcher launcher;
        ASSERT_TRUE(launcher.Window()) << c.what;
        launcher.SetParams(c.edited);
        const long ms = EndWineSession();
        EXPECT_GE(ms, 0) << c.what << ": the session did not end";
        EXPECT_LT(ms, 5000) << c.what;
        EXPECT_TRUE(launcher.Exited()) << c.what;
        EXPECT_EQ(ReadFile(kParamFileName), c.stored) << c.what;
        RecordProperty(std::string("end_session_ms_") + (c.writable ? "" : "unwritable_") + std::to_string(c.edited.size()),
            static_cast<int>(ms));
    }
}

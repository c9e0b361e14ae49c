// Faults of the user's system and of the build, one process of the program
// each, in its own current directory: what the user sees, the exit code, and
// that the program neither crashes nor hangs nor leaves a file half-written.
#include <gtest/gtest.h>
#include <windows.h>
#include <mmsystem.h>

#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "Form1.h"
#include "PhraseTable.h"
#include "TestSupport.h"

namespace {

const char* const Caption = "Plauderix...";
const int ExitTimeoutMs = 20000;

// Wine's Unix name of a Windows path; empty where there is none.
std::string UnixPath(const std::string& path)
{
    typedef char*(CDECL * ToUnix)(LPCWSTR);
    auto toUnix = reinterpret_cast<ToUnix>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32"), "wine_get_unix_file_name")));
    if (!toUnix)
        return std::string();
    std::wstring wide(path.begin(), path.end());
    char* unix = toUnix(wide.c_str());
    std::string result = unix ? unix : "";
    HeapFree(GetProcessHeap(), 0, unix);
    return result;
}

// Runs a command line on the Unix side and waits for it. Wine starts Unix
// programs but keeps no exit code for them, so the command leaves its
// status in a file.
bool RunUnix(const std::string& command)
{
    char temp[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, temp);
    const std::string status = std::string(temp) + "plauderix-faults-status-" + std::to_string(GetCurrentProcessId());
    DeleteFileA(status.c_str());
    std::string line = "/bin/sh -c \"" + command + "; echo $? > '" + UnixPath(status) + "'\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (!CreateProcessA("Z:\\bin\\sh", &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
        return false;
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    bool done = test::WaitFor([&] { return !test::ReadFile(status).empty(); }, 10000);
    std::string result = test::ReadFile(status);
    DeleteFileA(status.c_str());
    return done && result == "0\n";
}

// A file or directory that nobody may change while this lives, root
// included: the process runs as root under Wine, where the read-only
// attribute and the permission bits stop nothing.
class ReadOnly {
public:
    explicit ReadOnly(const std::string& path) : path_(UnixPath(path))
    {
        ok_ = !path_.empty() && RunUnix("chattr +i '" + path_ + "'");
    }
    ~ReadOnly()
    {
        if (ok_)
            RunUnix("chattr -i '" + path_ + "'");
    }
    ReadOnly(const ReadOnly&) = delete;
    ReadOnly& operator=(const ReadOnly&) = delete;
    bool Ok() const { return ok_; }

private:
    std::string path_;
    bool ok_ = false;
};

std::string Shortcut(const std::string& url)
{
    return "[DEFAULT]\r\nBASEURL=" + url + "\r\n[InternetShortcut]\r\nURL=" + url;
}

std::string WavPath(const std::string& dir, int pair)
{
    return dir + "\\sounds\\" + std::to_string(pair) + ".wav";
}

int DisplayIndex(int pair)
{
    for (int i = 0; i < PhraseCount; ++i)
        if (PhraseDisplayOrder[i] == pair)
            return i;
    return -1;
}

std::string TopText(HWND window)
{
    return test::WindowText(GetDlgItem(window, 109));
}

bool Responds(HWND window)
{
    DWORD_PTR result;
    return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, test::Scaled(10000), &result) != 0;
}

// A real click in the window, in front, with no tooltip over the point.
void ClickAt(HWND window, HWND target, POINT p, bool twice = false)
{
    SetForegroundWindow(window);
    test::WaitFor([&] { return GetForegroundWindow() == window; }, 2000);
    if (WindowFromPoint(p) != target) {
        POINT away = test::ClientToScreenPoint(GetDlgItem(window, 109), 2, 2);
        test::MoveMouse(away.x, away.y);
        test::WaitFor([&] { return WindowFromPoint(p) == target; }, 3000);
    }
    if (twice)
        test::DoubleClick(p.x, p.y);
    else
        test::Click(p.x, p.y);
}

// Double-clicks the list item of pair `pair`, scrolled into view.
void DoubleClickPair(HWND window, int pair)
{
    HWND list = GetDlgItem(window, 102);
    int index = DisplayIndex(pair);
    SendMessageA(list, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
    int top = static_cast<int>(SendMessageA(list, LB_GETTOPINDEX, 0, 0));
    int height = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
    RECT client;
    GetClientRect(list, &client);
    // Far enough from the last click not to pair with it.
    Sleep(GetDoubleClickTime() + 100);
    ClickAt(window, list, test::ClientToScreenPoint(list, client.right / 2, (index - top) * height + height / 2), true);
}

HWND WaitForBox(const test::Process& program, HWND except, int timeoutMs)
{
    HWND box = nullptr;
    test::WaitFor([&] { return (box = test::FindDialogBox(program.Id(), except)) != nullptr; }, timeoutMs);
    return box;
}

void CloseBox(HWND box)
{
    PostMessageA(box, WM_CLOSE, 0, 0);
    test::WaitFor([&] { return !IsWindow(box) || !IsWindowVisible(box); }, 5000);
}

// The capture once it has stopped growing (empty if nothing played).
std::string SettledCapture(int timeoutMs)
{
    long long last = -1;
    std::string pcm;
    test::WaitFor([&] {
        pcm = test::ReadCapture();
        bool settled = !pcm.empty() && static_cast<long long>(pcm.size()) == last;
        last = static_cast<long long>(pcm.size());
        return settled;
    }, timeoutMs);
    return pcm;
}

// The program copied into `dir`: the multimedia system looks for a relative
// sound path in the program's own directory before the current one, so the
// copy keeps the build directory's recordings out of reach.
std::string ProgramIn(const std::string& dir)
{
    std::string copy = dir + "\\plauderix.exe";
    CopyFileA(test::ProgramPath().c_str(), copy.c_str(), FALSE);
    return copy;
}

// Closes the window and returns the exit code.
DWORD CloseProgram(test::Process& program, HWND window)
{
    PostMessageA(window, WM_CLOSE, 0, 0);
    return program.Wait(ExitTimeoutMs);
}

struct SoundFault {
    const char* name;
    // Applied to a directory holding all twenty recordings.
    std::function<void(const std::string& dir)> prepare;
    bool box;   // the player's error box on the double-click
    bool heard; // the recording reaches the sound device
};

TEST(Faults, BrokenRecordingsShowTheTextAndTheWindowGoesOn)
{
    const std::string wav1 = test::ReadFile(test::BuildDir() + "\\sounds\\1.wav");
    ASSERT_GT(wav1.size(), 1000u);
    std::mt19937 random(1);
    std::string noise(4096, '\0');
    for (char& c : noise)
        c = static_cast<char>(random());
    const SoundFault cases[] = {
        {"all recordings there", [](const std::string&) {}, false, true},
        {"sounds folder missing", [](const std::string& d) { test::RemoveTree(d + "\\sounds"); }, true, false},
        {"1.wav missing", [](const std::string& d) { DeleteFileA(WavPath(d, 1).c_str()); }, true, false},
        {"1.wav of zero length", [](const std::string& d) { test::WriteFile(WavPath(d, 1), ""); }, true, false},
        {"1.wav cut in half", [&](const std::string& d) { test::WriteFile(WavPath(d, 1), wav1.substr(0, wav1.size() / 2)); },
         false, false},
        {"1.wav of random bytes", [&](const std::string& d) { test::WriteFile(WavPath(d, 1), noise); }, true, false},
        {"1.wav a directory",
         [](const std::string& d) {
             DeleteFileA(WavPath(d, 1).c_str());
             CreateDirectoryA(WavPath(d, 1).c_str(), nullptr);
         },
         true, false},
    };
    for (const SoundFault& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempDirectory dir("plauderix-faults");
        ASSERT_TRUE(test::CopySounds(dir.Path()));
        c.prepare(dir.Path());
        test::Process program;
        ASSERT_TRUE(program.Start(ProgramIn(dir.Path()), dir.Path()));
        HWND window = program.WaitForWindow(Caption);
        ASSERT_NE(window, nullptr);

        test::ClearCapture();
        DoubleClickPair(window, 1);
        EXPECT_TRUE(test::WaitFor([&] { return TopText(window) == "Plauderix."; }, 10000)) << TopText(window);
        HWND box = WaitForBox(program, window, c.box ? 10000 : 1500);
        EXPECT_EQ(box != nullptr, c.box);
        if (box) {
            EXPECT_EQ(test::WindowText(box), "MCI Error");
            EXPECT_FALSE(test::BoxText(box).empty());
            CloseBox(box);
        }
        std::string pcm = SettledCapture(c.heard ? 10000 : 1500);
        if (c.heard) {
            EXPECT_TRUE(test::SamePcm(pcm, test::WavData(test::BuildDir() + "\\sounds\\1.wav"))) << pcm.size();
        } else {
            EXPECT_TRUE(pcm.empty()) << pcm.size() << " bytes played";
        }

        // The window goes on: the next phrase shows, and plays where its file is whole.
        ASSERT_TRUE(Responds(window));
        test::ClearCapture();
        DoubleClickPair(window, 3);
        EXPECT_TRUE(test::WaitFor([&] { return TopText(window) == "Guhdn Daach!"; }, 10000)) << TopText(window);
        bool folder = test::FileExists(dir.Path() + "\\sounds");
        if (HWND again = WaitForBox(program, window, folder ? 1500 : 10000)) {
            EXPECT_FALSE(folder) << test::BoxText(again);
            CloseBox(again);
        }
        if (folder) {
            EXPECT_TRUE(test::SamePcm(SettledCapture(10000), test::WavData(WavPath(dir.Path(), 3))));
        }
        EXPECT_EQ(CloseProgram(program, window), 0u);
    }
}

// Run by test_faults_no_wave_device, in a home without the sound device.
TEST(NoWaveDevice, DialectTextsShowWithoutABox)
{
    char flag[8] = "";
    if (!GetEnvironmentVariableA("PLAUDERIX_NO_WAVE_DEVICE", flag, sizeof flag))
        GTEST_SKIP() << "runs as test_faults_no_wave_device";
    ASSERT_EQ(waveOutGetNumDevs(), 0u);
    test::TempDirectory dir("plauderix-faults");
    ASSERT_TRUE(test::CopySounds(dir.Path()));
    test::Process program;
    ASSERT_TRUE(program.Start(ProgramIn(dir.Path()), dir.Path()));
    HWND window = program.WaitForWindow(Caption);
    ASSERT_NE(window, nullptr);
    for (int pair : {1, 3}) {
        DoubleClickPair(window, pair);
        const std::string text = PhraseTable[pair - 1].DialectText;
        EXPECT_TRUE(test::WaitFor([&] { return TopText(window) == text; }, 10000)) << TopText(window);
        HWND box = WaitForBox(program, window, 1500);
        EXPECT_EQ(box, nullptr) << test::BoxText(box);
        if (box)
            CloseBox(box);
    }
    ASSERT_TRUE(Responds(window));
    EXPECT_EQ(CloseProgram(program, window), 0u);
}

const char* const OldShortcut = "[InternetShortcut]\r\nURL=http://old.example/\r\n";

struct LinkFault {
    const char* name;
    // Makes the fault in the current directory; what it locks stays locked
    // while the holder lives.
    std::function<void(const std::string& dir, std::vector<std::unique_ptr<ReadOnly>>& locks)> prepare;
    // internet.url after the click: the new shortcut, absent, the old text, or a directory.
    enum { Written, Absent, Unchanged, Directory } after;
};

TEST(Faults, ShortcutThatCannotBeWrittenIsNotHandedToTheShell)
{
    const LinkFault cases[] = {
        {"writable directory", [](const std::string&, std::vector<std::unique_ptr<ReadOnly>>&) {}, LinkFault::Written},
        {"read-only current directory",
         [](const std::string& d, std::vector<std::unique_ptr<ReadOnly>>& locks) {
             locks.push_back(std::make_unique<ReadOnly>(d));
         },
         LinkFault::Absent},
        {"read-only internet.url",
         [](const std::string& d, std::vector<std::unique_ptr<ReadOnly>>& locks) {
             test::WriteFile(d + "\\internet.url", OldShortcut);
             locks.push_back(std::make_unique<ReadOnly>(d + "\\internet.url"));
         },
         LinkFault::Unchanged},
        {"internet.url a directory",
         [](const std::string& d, std::vector<std::unique_ptr<ReadOnly>>&) {
             CreateDirectoryA((d + "\\internet.url").c_str(), nullptr);
         },
         LinkFault::Directory},
    };
    test::TempDirectory shellDir("plauderix-faults-shell");
    test::ShellStandIn shell(shellDir.Path());
    int requests = 0;
    for (const LinkFault& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempDirectory dir("plauderix-faults");
        const std::string shortcut = dir.Path() + "\\internet.url";
        std::vector<std::unique_ptr<ReadOnly>> locks;
        c.prepare(dir.Path(), locks);
        for (const auto& lock : locks)
            ASSERT_TRUE(lock->Ok()) << "cannot make it read-only";
        test::Process program;
        ASSERT_TRUE(program.Start(test::ProgramPath(), dir.Path()));
        HWND window = program.WaitForWindow(Caption);
        ASSERT_NE(window, nullptr);

        HWND poster = GetDlgItem(window, 104);
        RECT r;
        GetClientRect(poster, &r);
        ClickAt(window, poster, test::ClientToScreenPoint(poster, r.right / 2, r.bottom / 2));
        if (c.after == LinkFault::Written) {
            EXPECT_TRUE(test::WaitFor([&] { return test::ReadFile(shortcut) == Shortcut(CabaretPageUrl); }, 10000));
            EXPECT_TRUE(test::WaitFor([&] { return shell.Requests() == requests + 1; }, 30000));
            requests = shell.Requests();
        } else {
            test::Pump(3000);
            EXPECT_EQ(shell.Requests(), requests) << "the shell was asked";
        }
        ASSERT_TRUE(Responds(window));
        EXPECT_EQ(test::FindDialogBox(program.Id(), window), nullptr);
        EXPECT_TRUE(IsWindowVisible(poster));
        EXPECT_EQ(CloseProgram(program, window), 0u);

        DWORD attributes = GetFileAttributesA(shortcut.c_str());
        switch (c.after) {
        case LinkFault::Written: EXPECT_EQ(test::ReadFile(shortcut), Shortcut(CabaretPageUrl)); break;
        case LinkFault::Absent: EXPECT_EQ(attributes, INVALID_FILE_ATTRIBUTES); break;
        case LinkFault::Unchanged: EXPECT_EQ(test::ReadFile(shortcut), OldShortcut); break;
        case LinkFault::Directory:
            EXPECT_NE(attributes & FILE_ATTRIBUTE_DIRECTORY, 0u);
            EXPECT_NE(attributes, INVALID_FILE_ATTRIBUTES);
            break;
        }
    }
}

struct ResourceFault {
    const char* name;
    const char* program;
    bool window;    // the main window shows (else the library's assertion box)
    bool menuBar;   // "Programm" above the window
    bool shortcuts; // Ctrl+I opens the credits
    // The poster's bitmap. (Wine does not answer WM_GETICON from another
    // process, so the icons cannot be seen from here.)
    bool images;
};

TEST(Faults, ResourcesLeftOutOfTheBuild)
{
    const ResourceFault cases[] = {
        {"complete program", "plauderix.exe", true, true, true, true},
        {"template missing", "plauderix_notemplate.exe", false, false, false, false},
        {"menu missing", "plauderix_nomenu.exe", true, false, false, true},
        {"accelerator table missing", "plauderix_noaccel.exe", true, true, false, true},
        {"bitmap and icons missing", "plauderix_noimages.exe", true, true, true, false},
    };
    for (const ResourceFault& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(test::FileExists(test::ProgramPath(c.program))) << c.program;
        test::TempDirectory dir("plauderix-faults");
        test::Process program;
        ASSERT_TRUE(program.Start(test::ProgramPath(c.program), dir.Path()));
        if (!c.window) {
            HWND box = WaitForBox(program, nullptr, 60000);
            ASSERT_NE(box, nullptr);
            EXPECT_NE(test::BoxText(box).find("Unable to find dialog resource"), std::string::npos)
                << test::BoxText(box);
            EXPECT_EQ(program.WaitForWindow(Caption, 500), nullptr);
            PostMessageA(GetDlgItem(box, IDYES), BM_CLICK, 0, 0);
            EXPECT_EQ(program.Wait(ExitTimeoutMs), 0xFFFFFFFFu);
            continue;
        }
        HWND window = program.WaitForWindow(Caption);
        ASSERT_NE(window, nullptr);
        HWND list = GetDlgItem(window, 102);
        HWND poster = GetDlgItem(window, 104);
        HWND credits = GetDlgItem(window, 107);
        EXPECT_EQ(TopText(window), InstructionText);
        EXPECT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), PhraseCount);
        EXPECT_EQ(GetMenu(window) != nullptr, c.menuBar);
        EXPECT_EQ(SendMessageA(poster, STM_GETIMAGE, IMAGE_BITMAP, 0) != 0, c.images);

        RECT r;
        GetClientRect(list, &r);
        ClickAt(window, list, test::ClientToScreenPoint(list, r.right / 2, r.bottom - 4));
        test::KeyChord(VK_CONTROL, 'I');
        bool opened = test::WaitFor([&] { return IsWindowVisible(credits); }, c.shortcuts ? 10000 : 1500);
        EXPECT_EQ(opened, c.shortcuts);
        ASSERT_TRUE(Responds(window));
        EXPECT_EQ(test::FindDialogBox(program.Id(), window), nullptr);
        EXPECT_EQ(CloseProgram(program, window), 0u);
    }
}

} // namespace

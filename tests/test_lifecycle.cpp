#include <gtest/gtest.h>

#include <string>

#include "TestSupport.h"
#include "WAssertion.h"

namespace {

const char* const Caption = "Plauderix...";
const int ExitTimeoutMs = 20000;

// Starts a build of the program in the build directory, as a user would.
void Start(test::Process& process, const char* exe = "plauderix.exe")
{
    ASSERT_TRUE(process.Start(test::ProgramPath(exe), test::BuildDir())) << exe;
}

HWND StartMainWindow(test::Process& process)
{
    Start(process);
    return process.WaitForWindow(Caption);
}

bool HasMainWindow(const test::Process& process)
{
    for (HWND h : test::TopWindows(process.Id(), true))
        if (test::WindowText(h) == Caption)
            return true;
    return false;
}

HWND FocusOf(HWND window)
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndFocus;
}

struct CloseCase {
    const char* how;
    UINT message;
    WPARAM wParam;
    DWORD exitCode;
};

TEST(Lifecycle, EachWayOfEndingGivesItsExitCode)
{
    const CloseCase cases[] = {
        {"WM_CLOSE", WM_CLOSE, 0, 0},
        {"system menu close", WM_SYSCOMMAND, SC_CLOSE, 0},
        {"menu command Beenden", WM_COMMAND, MAKEWPARAM(1003, 0), 1},
    };
    for (const CloseCase& c : cases) {
        SCOPED_TRACE(c.how);
        test::Process program;
        HWND window = StartMainWindow(program);
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(PostMessageA(window, c.message, c.wParam, 0));
        EXPECT_EQ(program.Wait(ExitTimeoutMs), c.exitCode);
    }
}

TEST(Lifecycle, CtrlXTypedInTheListEndsWithOne)
{
    test::Process program;
    HWND window = StartMainWindow(program);
    ASSERT_NE(window, nullptr);
    HWND list = GetDlgItem(window, 102);
    ASSERT_NE(list, nullptr);

    SetForegroundWindow(window);
    RECT r;
    GetClientRect(list, &r);
    POINT p = test::ClientToScreenPoint(list, r.right / 2, r.bottom - 4);
    test::Click(p.x, p.y);
    ASSERT_TRUE(test::WaitFor([&] { return FocusOf(window) == list; }));

    test::KeyChord(VK_CONTROL, 'X');
    EXPECT_EQ(program.Wait(ExitTimeoutMs), 1u);
}

// The assertion box of the build without a template; no main window beside it.
HWND WaitForAssertionBox(const test::Process& program)
{
    HWND box = nullptr;
    EXPECT_TRUE(test::WaitFor([&] { return (box = test::FindDialogBox(program.Id())) != nullptr; }, 60000));
    if (!box)
        return nullptr;
    std::string text = test::BoxText(box);
    EXPECT_NE(text.find("Unable to find dialog resource"), std::string::npos) << text;
    EXPECT_NE(text.find("Do you wish to continue running?"), std::string::npos) << text;
    EXPECT_EQ(test::ClassName(GetDlgItem(box, IDYES)), "Button");
    EXPECT_EQ(test::ClassName(GetDlgItem(box, IDNO)), "Button");
    EXPECT_FALSE(HasMainWindow(program));
    return box;
}

TEST(Lifecycle, MissingTemplateAnsweredYesEndsWithMinusOneAndNoWindow)
{
    test::Process program;
    Start(program, "plauderix_notemplate.exe");
    HWND box = WaitForAssertionBox(program);
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(PostMessageA(GetDlgItem(box, IDYES), BM_CLICK, 0, 0));

    bool sawMainWindow = false;
    test::WaitFor([&] {
        sawMainWindow = sawMainWindow || HasMainWindow(program);
        return !program.Running();
    }, ExitTimeoutMs);
    EXPECT_FALSE(sawMainWindow);
    EXPECT_EQ(program.Wait(0), 0xFFFFFFFFu);
}

TEST(Lifecycle, MissingTemplateAnsweredNoEndsAtOnce)
{
    test::Process program;
    Start(program, "plauderix_notemplate.exe");
    HWND box = WaitForAssertionBox(program);
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(PostMessageA(GetDlgItem(box, IDNO), BM_CLICK, 0, 0));
    // Not -1: the process ended from the box, before the start phase could finish.
    EXPECT_EQ(program.Wait(5000), WAssertion::AbortExitCode);
}

} // namespace

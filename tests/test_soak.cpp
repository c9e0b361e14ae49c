// Five thousand random user actions on one process of the program, by real
// input: presses and double-clicks on list items, arrow keys, Ctrl+I,
// "Schliessen", the two links with the shell stood in for, mouse moves over
// the links. The process must hold steady and show no box, and the last
// shortcut it wrote must be whole.
#include <gtest/gtest.h>
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "Form1.h"
#include "PhraseTable.h"
#include "TestSupport.h"

namespace {

const char* const Caption = "Plauderix...";
const int Actions = 5000;
const int Baseline = 100;
const unsigned Seed = 7;
// Margins over the level after the first 100 actions.
const long long WindowMargin = 2;
const long long GuiObjectMargin = 10;
const long long PrivateBytesMargin = 1 << 20;

std::string Shortcut(const std::string& url)
{
    return "[DEFAULT]\r\nBASEURL=" + url + "\r\n[InternetShortcut]\r\nURL=" + url;
}

BOOL CALLBACK CountChild(HWND, LPARAM count)
{
    ++*reinterpret_cast<long long*>(count);
    return TRUE;
}

struct Level {
    long long windows = 0; // the process's windows, top-level and children
    long long gdi = 0;
    long long user = 0;
    long long privateBytes = 0;
};

Level Measure(const test::Process& program)
{
    Level level;
    for (HWND top : test::TopWindows(program.Id(), false)) {
        ++level.windows;
        EnumChildWindows(top, &CountChild, reinterpret_cast<LPARAM>(&level.windows));
    }
    level.gdi = GetGuiResources(program.Handle(), GR_GDIOBJECTS);
    level.user = GetGuiResources(program.Handle(), GR_USEROBJECTS);
    PROCESS_MEMORY_COUNTERS_EX counters = {};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(program.Handle(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters);
    // Wine leaves PrivateUsage at 0 for other processes; on Windows
    // PagefileUsage is the same private commit.
    level.privateBytes = static_cast<long long>(counters.PrivateUsage ? counters.PrivateUsage : counters.PagefileUsage);
    return level;
}

void PrintLevel(const char* when, const Level& l)
{
    printf("[ measured ] %s: %lld windows, GDI %lld, USER %lld, private %lld KiB\n", when, l.windows, l.gdi, l.user,
           l.privateBytes / 1024);
}

// A playing recording holds its buffers; levels are compared in silence,
// once the sound device's capture has stopped growing.
void SoundEnded()
{
    long long last = -1;
    DWORD still = GetTickCount();
    test::WaitFor([&] {
        long long size = static_cast<long long>(test::ReadCapture().size());
        if (size != last)
            still = GetTickCount();
        last = size;
        return GetTickCount() - still > 1000;
    }, 30000);
}

POINT RandomPointIn(HWND hwnd, std::mt19937& random)
{
    RECT r;
    GetClientRect(hwnd, &r);
    int x = std::uniform_int_distribution<int>(r.left + 1, std::max<int>(r.left + 1, r.right - 2))(random);
    int y = std::uniform_int_distribution<int>(r.top + 1, std::max<int>(r.top + 1, r.bottom - 2))(random);
    return test::ClientToScreenPoint(hwnd, x, y);
}

void PressKey(WORD key)
{
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_KEYBOARD;
    input[0].ki.wVk = input[1].ki.wVk = key;
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof input[0]);
}

struct Item {
    int index;
    POINT point;
};

// A random item among those the list shows, and the middle of its row.
Item RandomItem(HWND list, std::mt19937& random)
{
    RECT client;
    GetClientRect(list, &client);
    int height = std::max(1, static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0)));
    int top = static_cast<int>(SendMessageA(list, LB_GETTOPINDEX, 0, 0));
    int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    int shown = std::max(1, std::min(count - top, static_cast<int>(client.bottom) / height));
    int row = std::uniform_int_distribution<int>(0, shown - 1)(random);
    return {top + row, test::ClientToScreenPoint(list, client.right / 2, row * height + height / 2)};
}

bool Until(const std::function<bool()>& condition, DWORD ms)
{
    DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > static_cast<DWORD>(test::Scaled(static_cast<int>(ms))))
            return false;
        Sleep(2);
    }
    return true;
}

int Selection(HWND list)
{
    return static_cast<int>(SendMessageA(list, LB_GETCURSEL, 0, 0));
}

HWND Focus(HWND window)
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndFocus;
}

TEST(Soak, FiveThousandRandomActionsLeaveTheProcessSteady)
{
    test::TempDirectory dir("plauderix-soak");
    ASSERT_TRUE(test::CopySounds(dir.Path()));
    test::ShellStandIn shell(dir.Path());
    test::Process program;
    ASSERT_TRUE(program.Start(test::ProgramPath(), dir.Path()));
    HWND window = program.WaitForWindow(Caption);
    ASSERT_NE(window, nullptr);
    HWND list = GetDlgItem(window, 102);
    HWND poster = GetDlgItem(window, 104);
    HWND sponsor = GetDlgItem(window, 106);
    HWND credits = GetDlgItem(window, 107);
    HWND closeButton = GetDlgItem(window, 108);
    HWND topText = GetDlgItem(window, 109);
    const std::string shortcut = dir.Path() + "\\internet.url";

    std::mt19937 random(Seed);
    std::uniform_int_distribution<int> percent(0, 99);
    Level baseline;
    std::vector<std::string> boxes;
    // Each action with a visible effect waits for it; these did not show it.
    int checked = 0, missed = 0, linkClicks = 0;
    std::string firstMiss;
    POINT lastClick = {-1, -1};
    DWORD lastClickTime = 0;
    // The user looks at the window: it is in front, and no tooltip lies over
    // the place about to be clicked.
    auto inFront = [&] {
        if (GetForegroundWindow() != window) {
            SetForegroundWindow(window);
            Until([&] { return GetForegroundWindow() == window; }, 1000);
        }
    };
    auto click = [&](HWND target, POINT p, bool twice) {
        inFront();
        if (WindowFromPoint(p) != target) {
            POINT away = test::ClientToScreenPoint(topText, 2, 2);
            test::MoveMouse(away.x, away.y);
            Until([&] { return WindowFromPoint(p) == target; }, 2000);
        }
        if (twice)
            test::DoubleClick(p.x, p.y);
        else
            test::Click(p.x, p.y);
        lastClick = p;
        lastClickTime = GetTickCount();
    };
    std::string trend;
    DWORD started = GetTickCount();
    for (int n = 0; n < Actions; ++n) {
        std::function<bool()> effect;
        const char* what = "";
        int roll = percent(random);
        if (roll < 22) {
            Item item = RandomItem(list, random);
            click(list, item.point, false);
            what = "press on an item";
            effect = [=] { return Selection(list) == item.index; };
        } else if (roll < 38) {
            Item item = RandomItem(list, random);
            // Not the tail of a triple click with the last press.
            if (item.point.x == lastClick.x && item.point.y == lastClick.y)
                Until([&] { return GetTickCount() - lastClickTime > GetDoubleClickTime() + 50; }, 2000);
            click(list, item.point, true);
            const std::string text = PhraseTable[PhraseDisplayOrder[item.index] - 1].DialectText;
            what = "double-click on an item";
            effect = [=] { return test::WindowText(topText) == text; };
        } else if (roll < 54) {
            inFront();
            bool up = percent(random) < 50;
            int from = Selection(list);
            bool inList = Focus(window) == list && from >= 0;
            PressKey(up ? VK_UP : VK_DOWN);
            int to = std::max(0, std::min(PhraseCount - 1, from + (up ? -1 : 1)));
            what = "arrow key in the list";
            if (inList)
                effect = [=] { return Selection(list) == to; };
        } else if (roll < 58) {
            inFront();
            test::KeyChord(VK_CONTROL, 'I');
            what = "Ctrl+I";
            effect = [=] { return IsWindowVisible(credits) && !IsWindowVisible(poster); };
        } else if (roll < 64) {
            bool shown = IsWindowVisible(closeButton);
            HWND target = shown ? closeButton : topText;
            click(target, RandomPointIn(target, random), false);
            what = "Schliessen";
            if (shown)
                effect = [=] { return IsWindowVisible(poster) && !IsWindowVisible(credits); };
        } else if (roll < 66) {
            bool toPoster = roll == 64 && IsWindowVisible(poster);
            HWND target = toPoster ? poster : sponsor;
            click(target, RandomPointIn(target, random), false);
            const std::string text = Shortcut(toPoster ? CabaretPageUrl : CounterPageUrl);
            ++linkClicks;
            what = toPoster ? "poster click" : "sponsor click";
            effect = [=] { return test::ReadFile(shortcut) == text; };
        } else if (roll < 83) {
            POINT p = RandomPointIn(percent(random) < 50 && IsWindowVisible(poster) ? poster : sponsor, random);
            test::MoveMouse(p.x, p.y);
        } else {
            POINT p = RandomPointIn(window, random);
            test::MoveMouse(p.x, p.y);
        }
        if (effect) {
            ++checked;
            if (!Until(effect, 3000) && missed++ == 0)
                firstMiss = std::string(what) + " at action " + std::to_string(n);
        } else {
            Sleep(10);
        }
        DWORD_PTR result;
        ASSERT_TRUE(SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, test::Scaled(10000), &result))
            << "no answer after action " << n;
        ASSERT_TRUE(program.Running()) << "ended at action " << n;
        if (HWND box = test::FindDialogBox(program.Id(), window)) {
            boxes.push_back(test::WindowText(box) + ": " + test::BoxText(box));
            PostMessageA(box, WM_CLOSE, 0, 0);
            test::WaitFor([&] { return !IsWindow(box) || !IsWindowVisible(box); }, 5000);
        }
        if (n + 1 == Baseline) {
            SoundEnded();
            baseline = Measure(program);
        }
        if ((n + 1) % 1000 == 0) {
            SoundEnded();
            trend += " " + std::to_string(Measure(program).privateBytes / 1024);
        }
    }
    SoundEnded();
    Level final = Measure(program);
    printf("[ measured ] %d actions in %lu s; %d with an effect to see, %d did not show it%s%s\n", Actions,
           static_cast<unsigned long>((GetTickCount() - started) / 1000), checked, missed,
           missed ? ", the first: " : "", firstMiss.c_str());
    printf("[ measured ] %d link clicks, %d shell requests\n", linkClicks, shell.Requests());
    printf("[ measured ] private KiB every 1000 actions:%s\n", trend.c_str());
    PrintLevel("after 100 actions", baseline);
    PrintLevel("at the end", final);

    EXPECT_TRUE(boxes.empty()) << boxes.size() << " box(es), the first: " << boxes.front();
    // A few inputs may meet a tooltip instead of the control under it.
    EXPECT_LE(missed * 100, checked) << "first: " << firstMiss;
    EXPECT_LE(final.windows, baseline.windows + WindowMargin);
    // Wine answers GetGuiResources for other processes with 0; there only
    // the windows and the memory can be compared.
    EXPECT_LE(final.gdi, baseline.gdi + GuiObjectMargin);
    EXPECT_LE(final.user, baseline.user + GuiObjectMargin);
    EXPECT_GT(baseline.privateBytes, 0);
    EXPECT_LE(final.privateBytes, baseline.privateBytes + PrivateBytesMargin);

    ASSERT_GT(linkClicks, 0);
    const std::string last = test::ReadFile(shortcut);
    EXPECT_TRUE(last == Shortcut(CabaretPageUrl) || last == Shortcut(CounterPageUrl)) << last;
    EXPECT_TRUE(test::WaitFor([&] { return shell.Requests() > 0; }, 30000));

    ASSERT_TRUE(PostMessageA(window, WM_CLOSE, 0, 0));
    EXPECT_EQ(program.Wait(20000), 0u);
}

} // namespace

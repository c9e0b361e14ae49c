#include <gtest/gtest.h>

#include <windows.h>

#include <mmsystem.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "ApplicationClass.h"
#include "Form1.h"
#include "PhraseTable.h"
#include "TestSupport.h"

namespace {

const COLORREF Red = RGB(255, 0, 0);
const COLORREF Black = RGB(0, 0, 0);

const PhrasePair& Pair(int number)
{
    return PhraseTable[number - 1];
}

std::string SoundFile(int number)
{
    return test::BuildDir() + "\\sounds\\" + std::to_string(number) + ".wav";
}

long long FileSize(const std::string& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data))
        return -1;
    return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

long long CaptureSize()
{
    return FileSize(test::CapturePath());
}

// Pumps until the capture file has not changed for a second; its bytes.
std::string SettledCapture(int timeoutMs = 30000)
{
    long long last = CaptureSize();
    DWORD since = GetTickCount();
    test::WaitFor(
        [&] {
            long long now = CaptureSize();
            if (now != last) {
                last = now;
                since = GetTickCount();
                return false;
            }
            return GetTickCount() - since >= 1000;
        },
        timeoutMs);
    return test::ReadCapture();
}

// Whether the capture is the recording `expected` as it reached the device:
// its bytes in order, at most a few trailing ones missing. When the null sink
// runs ahead of Wine's driver under load, the driver fills whole periods with
// silence between them; those zero bytes do not count against it.
bool SameRecording(const std::string& captured, const std::string& expected)
{
    if (test::SamePcm(captured, expected))
        return true;
    size_t i = 0, j = 0, silence = 0;
    for (; j < captured.size(); ++j) {
        if (i < expected.size() && captured[j] == expected[i])
            ++i;
        else if (captured[j] == '\0')
            ++silence;
        else
            return false;
    }
    printf("[ measured ] %zu bytes of silence among %zu bytes of the recording\n", silence, i);
    return i > 0 && expected.size() - i <= 4096 && silence <= expected.size() / 10;
}

// What a playback that has begun leaves on the device once it has ended.
std::string PlayedPcm()
{
    test::WaitFor([] { return CaptureSize() > 0; }, 10000);
    return SettledCapture();
}

// A window's text without sending it a message (safe from any thread).
std::string StoredText(HWND hwnd)
{
    std::vector<wchar_t> wide(8192);
    int n = InternalGetWindowText(hwnd, wide.data(), static_cast<int>(wide.size()));
    if (n <= 0)
        return std::string();
    std::vector<char> ansi(static_cast<size_t>(n) * 2 + 1);
    int m = WideCharToMultiByte(1252, 0, wide.data(), n, ansi.data(), static_cast<int>(ansi.size()), nullptr, nullptr);
    return std::string(ansi.data(), m > 0 ? static_cast<size_t>(m) : 0);
}

// Closes every dialog box of this process other than the form, from its own
// thread: a failing open waits inside SendMessage until its box is closed.
class BoxCloser {
public:
    struct Box {
        std::string title;
        std::string text;
        std::string label; // label_5 at the moment the box was seen
    };

    ~BoxCloser() { Stop(); }

    void Start(HWND form, HWND label)
    {
        form_ = form;
        label_ = label;
        stop_ = false;
        thread_ = std::thread([this] { Run(); });
    }
    void Stop()
    {
        stop_ = true;
        if (thread_.joinable())
            thread_.join();
    }
    std::vector<Box> Boxes()
    {
        std::lock_guard<std::mutex> lock(mutex_);
        return boxes_;
    }

private:
    void Run()
    {
        std::set<HWND> seen;
        while (!stop_) {
            for (HWND h : test::TopWindows(GetCurrentProcessId(), true)) {
                if (h == form_ || test::ClassName(h) != "#32770")
                    continue;
                if (seen.insert(h).second) {
                    Box box{StoredText(h), BoxStatics(h), StoredText(label_)};
                    std::lock_guard<std::mutex> lock(mutex_);
                    boxes_.push_back(box);
                    PostMessageA(h, WM_CLOSE, 0, 0);
                } else {
                    PostMessageA(GetDlgItem(h, IDOK), BM_CLICK, 0, 0);
                }
            }
            Sleep(50);
        }
    }
    static std::string BoxStatics(HWND box)
    {
        std::string text;
        for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
            if (_stricmp(test::ClassName(c).c_str(), "Static") == 0)
                text += StoredText(c);
        return text;
    }

    HWND form_ = nullptr;
    HWND label_ = nullptr;
    std::atomic<bool> stop_{false};
    std::thread thread_;
    std::mutex mutex_;
    std::vector<Box> boxes_;
};

// A fresh directory under the temporary folder; removed with what the test put in it.
class TempDir {
public:
    TempDir()
    {
        char base[MAX_PATH] = "";
        GetTempPathA(MAX_PATH, base);
        static int serial = 0;
        path_ = std::string(base) + "plauderix-phrasebook-" + std::to_string(GetCurrentProcessId()) + "-" +
                std::to_string(++serial);
        CreateDirectoryA(path_.c_str(), nullptr);
    }
    ~TempDir()
    {
        for (const std::string& f : files_)
            DeleteFileA(f.c_str());
        RemoveDirectoryA((path_ + "\\sounds").c_str());
        RemoveDirectoryA(path_.c_str());
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& Path() const { return path_; }
    bool PutSound(int number, const std::string& bytes)
    {
        CreateDirectoryA((path_ + "\\sounds").c_str(), nullptr);
        std::string file = path_ + "\\sounds\\" + std::to_string(number) + ".wav";
        files_.push_back(file);
        return test::WriteFile(file, bytes);
    }

private:
    std::string path_;
    std::vector<std::string> files_;
};

// Ends the program with a message when a test has not ended in time: a box
// nobody closes or a stuck driver would otherwise hold the run silently
// until CTest's limit.
class Watchdog {
public:
    ~Watchdog() { Stop(); }
    void Start(const std::string& name, int ms)
    {
        done_ = false;
        thread_ = std::thread([this, name, ms] {
            std::unique_lock<std::mutex> lock(mutex_);
            if (!ended_.wait_for(lock, std::chrono::milliseconds(ms), [this] { return done_; })) {
                fflush(stdout);
                fprintf(stderr, "%s has not ended after %d ms\n", name.c_str(), ms);
                fflush(stderr);
                TerminateProcess(GetCurrentProcess(), 3);
            }
        });
    }
    void Stop()
    {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            done_ = true;
        }
        ended_.notify_all();
        if (thread_.joinable())
            thread_.join();
    }

private:
    std::thread thread_;
    std::mutex mutex_;
    std::condition_variable ended_;
    bool done_ = false;
};

void PressKey(WORD key)
{
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_KEYBOARD;
    input[0].ki.wVk = input[1].ki.wVk = key;
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof input[0]);
}

// The main form as the program makes it, in the foreground, with the box
// closer watching and the sound device's capture emptied.
class PhraseBook : public ::testing::Test {
protected:
    void SetUp() override
    {
        watchdog_.Start(::testing::UnitTest::GetInstance()->current_test_info()->name(), test::Scaled(120000));
        char dir[MAX_PATH] = "";
        GetCurrentDirectoryA(MAX_PATH, dir);
        startDir_ = dir;
        test::ClearCapture();
        ASSERT_NE(CreateMainForm(), nullptr);
        form = MainForm;
        hwnd = form->GetHandle();
        list = form->lb_1->GetHandle();
        label = form->label_5->GetHandle();
        closer.Start(hwnd, label);
        SetForegroundWindow(hwnd);
        ASSERT_TRUE(test::WaitFor([&] { return IsWindowVisible(hwnd) && GetForegroundWindow() == hwnd; }, 5000));
    }
    void TearDown() override
    {
        // Destroying the form ends any playback.
        DestroyMainForm();
        closer.Stop();
        if (!startDir_.empty())
            SetCurrentDirectoryA(startDir_.c_str());
        watchdog_.Stop();
    }

    void BackToStartDirectory() { SetCurrentDirectoryA(startDir_.c_str()); }

    std::string LabelText() const { return test::WindowText(label); }
    int Selection() const { return static_cast<int>(SendMessageA(list, LB_GETCURSEL, 0, 0)); }

    // The colour the form's WM_CTLCOLORSTATIC answer gives label_5's text.
    COLORREF LabelColor() const
    {
        HDC dc = GetDC(label);
        SetTextColor(dc, RGB(1, 2, 3));
        SendMessageA(hwnd, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(label));
        COLORREF color = GetTextColor(dc);
        ReleaseDC(label, dc);
        return color;
    }

    std::string ItemText(int index) const
    {
        LRESULT length = SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
        if (length == LB_ERR)
            return "<no item>";
        std::string text(static_cast<size_t>(length) + 1, '\0');
        LRESULT got = SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&text[0]));
        text.resize(got == LB_ERR ? 0 : static_cast<size_t>(got));
        return text;
    }

    // Screen point in the middle of a list item, scrolled into view if needed.
    POINT ItemPoint(int index)
    {
        RECT client, item;
        GetClientRect(list, &client);
        SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
        if (item.top < client.top || item.bottom > client.bottom) {
            SendMessageA(list, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
            UpdateWindow(list);
            SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
        }
        return test::ClientToScreenPoint(list, (item.left + item.right) / 2, (item.top + item.bottom) / 2);
    }

    // The pointer leaves the list so no tooltip covers an item, and the new
    // click comes too late to pair with the last one.
    POINT PrepareClick(int index)
    {
        SetForegroundWindow(hwnd);
        test::MoveMouse(1, 1);
        DWORD gap = GetDoubleClickTime() + 150;
        test::WaitFor([&] { return GetTickCount() - lastClick_ > gap; }, 5000);
        test::Pump(100);
        return ItemPoint(index);
    }

    // Real double-click on list item `index`; the capture size just before it.
    long long DoubleClickItem(int index)
    {
        POINT p = PrepareClick(index);
        long long before = CaptureSize();
        test::DoubleClick(p.x, p.y);
        lastClick_ = GetTickCount();
        return before;
    }
    long long ClickItem(int index)
    {
        POINT p = PrepareClick(index);
        long long before = CaptureSize();
        test::Click(p.x, p.y);
        lastClick_ = GetTickCount();
        return before;
    }

    bool WaitForLabel(const std::string& text, int timeoutMs = 10000)
    {
        return test::WaitFor([&] { return LabelText() == text && IsWindowEnabled(hwnd); }, timeoutMs);
    }

    Form1* form = nullptr;
    HWND hwnd = nullptr;
    HWND list = nullptr;
    HWND label = nullptr;
    BoxCloser closer;

private:
    Watchdog watchdog_;
    std::string startDir_;
    DWORD lastClick_ = 0;
};

TEST_F(PhraseBook, ListShowsTheStandardTextsInDisplayOrderWithNothingSelected)
{
    ASSERT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 20);
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(ItemText(i), Pair(PhraseDisplayOrder[i]).StandardText) << "item " << i + 1;

    // The bytes as Windows-1252, written out here rather than taken from the table.
    struct Literal {
        int item;
        const char* text;
    };
    const Literal literals[] = {
        {1, "Plauderix."},
        {5, "Ich freue mich sehr Sie zu sehen!"},
        {12, "Ich heisse Max Meyer. Ich bin aus K\xF6ln. ... ... "},
        {14, "Ich m\xF6"
             "chte gern ein Schnitzel mit Pommes. ... ... "},
        {19, "Auf Wiedersehen und gr\xFCssen Sie bitte Ihre Frau!"},
        {20, "Auf Wiedersehen! Tsch\xFCss!"},
    };
    for (const Literal& l : literals) {
        EXPECT_EQ(ItemText(l.item - 1), l.text) << "item " << l.item;
        EXPECT_EQ(form->lb_1->GetItemText(l.item - 1).Str(), l.text) << "item " << l.item;
    }
    EXPECT_EQ(form->lb_1->GetItemText(-1).Str(), "");
    EXPECT_EQ(form->lb_1->GetItemText(20).Str(), "");

    EXPECT_EQ(Selection(), LB_ERR);
    EXPECT_EQ(form->lb_1->GetSelectedIndex(), -1);
    // No handler of the list ran while it was being filled.
    EXPECT_EQ(LabelText(), InstructionText);
    EXPECT_EQ(LabelColor(), Black);
    EXPECT_TRUE(form->SelectedText.IsEmpty());
}

TEST_F(PhraseBook, DoubleClickShowsTheDialectTextAndPlaysThePairsRecording)
{
    struct Case {
        int item;
        int pair;
    };
    const Case cases[] = {{1, 1}, {19, 5}, {12, 13}};
    for (const Case& c : cases) {
        SCOPED_TRACE("item " + std::to_string(c.item));
        test::ClearCapture();
        DoubleClickItem(c.item - 1);
        ASSERT_TRUE(WaitForLabel(Pair(c.pair).DialectText));
        EXPECT_EQ(LabelColor(), Red);
        EXPECT_EQ(Selection(), c.item - 1);
        EXPECT_EQ(form->SelectedText.Str(), Pair(c.pair).StandardText);
        EXPECT_TRUE(form->SoundOpened);
        const std::string pcm = PlayedPcm();
        const std::string wav = test::WavData(SoundFile(c.pair));
        printf("[ measured ] item %d: captured %zu bytes, data chunk of sounds/%d.wav %zu bytes\n", c.item,
               pcm.size(), c.pair, wav.size());
        EXPECT_TRUE(SameRecording(pcm, wav)) << pcm.size() << " of " << wav.size() << " bytes";
    }
    EXPECT_TRUE(closer.Boxes().empty());
}

TEST_F(PhraseBook, PressEmptiesTheLabelAndSelectingTurnsItRedForGood)
{
    ClickItem(1);
    ASSERT_TRUE(test::WaitFor([&] { return Selection() == 1; }));
    EXPECT_EQ(LabelText(), "");
    EXPECT_EQ(LabelColor(), Red);
    EXPECT_TRUE(form->SelectedText.IsEmpty());

    // A press while a recording plays empties the label; the recording plays on.
    DoubleClickItem(11);
    ASSERT_TRUE(WaitForLabel(Pair(13).DialectText));
    ASSERT_TRUE(test::WaitFor([] { return CaptureSize() > 0; }));
    const std::string wav = test::WavData(SoundFile(13));
    long long atPress = ClickItem(2);
    ASSERT_TRUE(test::WaitFor([&] { return Selection() == 2; }));
    EXPECT_EQ(LabelText(), "");
    EXPECT_EQ(LabelColor(), Red);
    EXPECT_LT(atPress, static_cast<long long>(wav.size())) << "the recording had ended before the press";
    const std::string pcm = SettledCapture();
    EXPECT_TRUE(SameRecording(pcm, wav)) << pcm.size() << " of " << wav.size() << " bytes";
}

TEST_F(PhraseBook, DoubleClickWhilePlayingStartsTheNewRecordingFromItsBeginning)
{
    const std::string long13 = test::WavData(SoundFile(13));
    const std::string short1 = test::WavData(SoundFile(1));

    DoubleClickItem(11);
    ASSERT_TRUE(WaitForLabel(Pair(13).DialectText));
    ASSERT_TRUE(test::WaitFor([] { return CaptureSize() > 0; }));
    long long atSwitch = DoubleClickItem(0);
    ASSERT_TRUE(WaitForLabel("Plauderix."));
    std::string pcm = SettledCapture();
    printf("[ measured ] sounds/13.wav had reached %lld of %zu bytes; then captured %zu of %zu bytes of sounds/1.wav\n",
           atSwitch, long13.size(), pcm.size(), short1.size());
    EXPECT_LT(atSwitch, static_cast<long long>(long13.size())) << "the first recording had ended already";
    EXPECT_TRUE(SameRecording(pcm, short1)) << pcm.size() << " of " << short1.size() << " bytes";

    // The same phrase again: its recording starts over.
    DoubleClickItem(11);
    ASSERT_TRUE(WaitForLabel(Pair(13).DialectText));
    ASSERT_TRUE(test::WaitFor([] { return CaptureSize() > 300000; }));
    long long atRestart = DoubleClickItem(11);
    EXPECT_TRUE(test::WaitFor([&] { return CaptureSize() < atRestart; }, 5000)) << "no new playback began";
    EXPECT_TRUE(WaitForLabel(Pair(13).DialectText));
    pcm = SettledCapture();
    printf("[ measured ] restart of sounds/13.wav at %lld bytes; then captured %zu of %zu bytes\n", atRestart,
           pcm.size(), long13.size());
    EXPECT_LT(atRestart, static_cast<long long>(long13.size())) << "the first playback had ended already";
    EXPECT_TRUE(SameRecording(pcm, long13)) << pcm.size() << " of " << long13.size() << " bytes";
    EXPECT_TRUE(closer.Boxes().empty());
}

TEST_F(PhraseBook, KeyboardSelectionOnlyTurnsTheLabelRed)
{
    SetFocus(list);
    ASSERT_EQ(GetFocus(), list);
    PressKey(VK_DOWN);
    ASSERT_TRUE(test::WaitFor([&] { return Selection() != LB_ERR; }));
    int first = Selection();
    PressKey(VK_DOWN);
    ASSERT_TRUE(test::WaitFor([&] { return Selection() != first; }));
    test::Pump(300);
    EXPECT_EQ(LabelColor(), Red);
    EXPECT_EQ(LabelText(), InstructionText);
    EXPECT_TRUE(form->SelectedText.IsEmpty());
    EXPECT_TRUE(SettledCapture().empty());
}

TEST_F(PhraseBook, TextsNotInTheTableChangeNothing)
{
    const char* const misses[] = {
        "",
        "nicht in der Tabelle",
        "plauderix.",
        "Plauderix. ",
        "Ich heisse Max Meyer. Ich bin aus K\xF6ln. ... ...",
    };
    for (const char* text : misses) {
        form->Translate(WString(text));
        EXPECT_EQ(LabelText(), InstructionText) << '"' << text << '"';
        EXPECT_EQ(LabelColor(), Black) << '"' << text << '"';
    }
    EXPECT_TRUE(SettledCapture().empty());

    // While a recording plays: it goes on to its end, the label keeps its text.
    const std::string wav = test::WavData(SoundFile(19));
    form->Translate(WString(Pair(19).StandardText));
    ASSERT_TRUE(form->SoundOpened);
    ASSERT_TRUE(test::WaitFor([] { return CaptureSize() > 0; }));
    for (const char* text : misses) {
        form->Translate(WString(text));
        EXPECT_EQ(LabelText(), Pair(19).DialectText) << '"' << text << '"';
        EXPECT_TRUE(form->SoundOpened) << '"' << text << '"';
    }
    EXPECT_LT(CaptureSize(), static_cast<long long>(wav.size())) << "the recording had ended already";
    const std::string pcm = SettledCapture();
    EXPECT_TRUE(SameRecording(pcm, wav)) << pcm.size() << " of " << wav.size() << " bytes";
    EXPECT_EQ(LabelColor(), Black);
    EXPECT_TRUE(closer.Boxes().empty());
}

TEST_F(PhraseBook, WithoutSoundsFolderTheTextShowsThenThePlayersErrorBox)
{
    TempDir empty;
    ASSERT_TRUE(SetCurrentDirectoryA(empty.Path().c_str()));
    struct Case {
        int item;
        int pair;
    };
    const Case cases[] = {{1, 1}, {19, 5}};
    size_t count = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE("item " + std::to_string(c.item));
        DoubleClickItem(c.item - 1);
        ASSERT_TRUE(test::WaitFor([&] { return closer.Boxes().size() > count; })) << "no error box";
        ASSERT_TRUE(WaitForLabel(Pair(c.pair).DialectText)) << "the window did not come back";
        BoxCloser::Box box = closer.Boxes()[count++];
        printf("[ measured ] box \"%s\": \"%s\"\n", box.title.c_str(), box.text.c_str());
        EXPECT_EQ(box.title, "MCI Error");
        EXPECT_FALSE(box.text.empty());
        EXPECT_EQ(box.label, Pair(c.pair).DialectText) << "the text shows before the box";
        EXPECT_FALSE(form->SoundOpened);
    }
    EXPECT_EQ(closer.Boxes().size(), count);
    EXPECT_TRUE(SettledCapture().empty());

    // Where the recordings are, the same window plays again.
    BackToStartDirectory();
    DoubleClickItem(0);
    ASSERT_TRUE(WaitForLabel("Plauderix."));
    EXPECT_TRUE(form->SoundOpened);
    const std::string pcm = PlayedPcm();
    EXPECT_TRUE(SameRecording(pcm, test::WavData(SoundFile(1)))) << pcm.size() << " bytes";
    EXPECT_EQ(closer.Boxes().size(), count);
}

TEST_F(PhraseBook, DamagedRecordingsNeitherOpenNorPlay)
{
    const std::string good = test::ReadFile(SoundFile(1));
    const size_t data = good.find("data");
    ASSERT_NE(data, std::string::npos);
    std::string noise(4096, '\0');
    unsigned seed = 12345;
    for (char& b : noise) {
        seed = seed * 1103515245u + 12345u;
        b = static_cast<char>(seed >> 16);
    }
    struct Case {
        const char* name;
        std::string bytes;
    };
    const Case cases[] = {
        {"zero-length", ""},
        {"truncated", good.substr(0, data + 8 + 16)},
        {"random bytes", noise},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        ASSERT_TRUE(dir.PutSound(1, c.bytes));
        ASSERT_TRUE(SetCurrentDirectoryA(dir.Path().c_str()));
        test::ClearCapture();
        size_t boxes = closer.Boxes().size();
        form->SoundOpened = true;
        DWORD start = GetTickCount();
        form->Translate(WString(Pair(1).StandardText));
        DWORD took = GetTickCount() - start;
        EXPECT_EQ(LabelText(), "Plauderix.");
        EXPECT_FALSE(form->SoundOpened);
        const std::string pcm = SettledCapture(10000);
        EXPECT_TRUE(pcm.empty()) << pcm.size() << " bytes played";
        EXPECT_TRUE(IsWindowEnabled(hwnd));
        printf("[ measured ] %s wav (%zu bytes): open took %lu ms, %zu error box(es), %zu bytes captured\n", c.name,
               c.bytes.size(), static_cast<unsigned long>(took), closer.Boxes().size() - boxes, pcm.size());
        BackToStartDirectory();
    }
}

// Run by test_phrasebook_no_wave_device, in a home without the sound device.
class NoWaveDevice : public PhraseBook {
protected:
    void SetUp() override
    {
        char flag[8] = "";
        if (!GetEnvironmentVariableA("PLAUDERIX_NO_WAVE_DEVICE", flag, sizeof flag))
            GTEST_SKIP() << "runs as test_phrasebook_no_wave_device";
        PhraseBook::SetUp();
    }
};

TEST_F(NoWaveDevice, DialectTextShowsAndNoBoxAppears)
{
    ASSERT_EQ(waveOutGetNumDevs(), 0u);
    ASSERT_TRUE(test::FileExists("sounds\\1.wav"));
    struct Case {
        int item;
        int pair;
    };
    const Case cases[] = {{1, 1}, {19, 5}, {12, 13}};
    for (const Case& c : cases) {
        SCOPED_TRACE("item " + std::to_string(c.item));
        form->SoundOpened = true;
        DoubleClickItem(c.item - 1);
        ASSERT_TRUE(WaitForLabel(Pair(c.pair).DialectText));
        EXPECT_FALSE(form->SoundOpened);
    }
    test::Pump(1000);
    EXPECT_TRUE(closer.Boxes().empty());
}

} // namespace

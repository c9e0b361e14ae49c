// The two web links of the main window, driven by real mouse input on the
// main form made in this process. A stand-in registered as the handler of
// ".url" files logs every request the shell passes on (url_standin.cpp).
#include <gtest/gtest.h>

#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "ApplicationClass.h"
#include "Form1.h"
#include "TestSupport.h"
#include "WApplication.h"

namespace {

enum { ID_pictb_1 = 104, ID_label_1 = 105, ID_label_2 = 106, ID_label_4 = 107, ID_cb_1 = 108, ID_Impressum = 1001 };

const char* const Cabaret = "http://www.knallwerth.example/";
const char* const Counter = "http://www.quellwerk.example/fx_de/url_count.php?target=knallwerth";
const COLORREF Visited = RGB(128, 0, 128);

std::string Shortcut(const std::string& url)
{
    return "[DEFAULT]\r\nBASEURL=" + url + "\r\n[InternetShortcut]\r\nURL=" + url;
}

bool SamePath(std::string a, std::string b)
{
    while (!a.empty() && a.back() == '\\')
        a.pop_back();
    while (!b.empty() && b.back() == '\\')
        b.pop_back();
    return _stricmp(a.c_str(), b.c_str()) == 0;
}

// One request the stand-in saw.
struct Request {
    std::string directory, argument, fullPath, content;
};

std::string Unescaped(const std::string& s)
{
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '\\' || i + 1 == s.size()) {
            out += s[i];
            continue;
        }
        char c = s[++i];
        out += c == 'r' ? '\r' : c == 'n' ? '\n' : c == 't' ? '\t' : c;
    }
    return out;
}

std::vector<Request> ParseLog(const std::string& log)
{
    std::vector<Request> requests;
    size_t start = 0;
    while (start < log.size()) {
        size_t end = log.find('\n', start);
        if (end == std::string::npos)
            break;  // a line still being written
        std::string line = log.substr(start, end - start);
        start = end + 1;
        std::vector<std::string> fields;
        size_t from = 0;
        for (size_t tab; (tab = line.find('\t', from)) != std::string::npos; from = tab + 1)
            fields.push_back(line.substr(from, tab - from));
        fields.push_back(line.substr(from));
        if (fields.size() == 4)
            requests.push_back({fields[0], fields[1], fields[2], Unescaped(fields[3])});
    }
    return requests;
}

std::string ClassesValue(const std::string& key)
{
    char buffer[1024] = "";
    DWORD size = sizeof buffer;
    if (RegGetValueA(HKEY_CLASSES_ROOT, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, buffer, &size) != ERROR_SUCCESS)
        return std::string();
    return buffer;
}

bool ClassesKeyExists(const std::string& key)
{
    HKEY k = nullptr;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_READ, &k) != ERROR_SUCCESS)
        return false;
    RegCloseKey(k);
    return true;
}

// The default value of one key under HKEY_CLASSES_ROOT, changed for a while
// and then put back as found: the keys it had to create are removed again.
// (Wine's shell reads HKEY_CLASSES_ROOT, the machine's classes; a class
// under HKCU\Software\Classes alone is not seen by it.)
class ClassesEntry {
public:
    explicit ClassesEntry(std::string key) : key_(std::move(key)) {}

    void Set(const std::string& value)
    {
        if (!changed_) {
            created_.clear();
            for (size_t end = 0; end != std::string::npos && created_.empty();) {
                end = key_.find('\\', end + 1);
                std::string part = key_.substr(0, end);
                if (!ClassesKeyExists(part))
                    created_ = part;
            }
            old_ = ClassesValue(key_);
            changed_ = true;
        }
        Write(value);
    }
    void Restore()
    {
        if (!changed_)
            return;
        changed_ = false;
        if (!created_.empty())
            RegDeleteTreeA(HKEY_CLASSES_ROOT, created_.c_str());
        else if (old_.empty())
            RegDeleteKeyValueA(HKEY_CLASSES_ROOT, key_.c_str(), nullptr);
        else
            Write(old_);
    }

private:
    void Write(const std::string& value)
    {
        HKEY k = nullptr;
        if (RegCreateKeyExA(HKEY_CLASSES_ROOT, key_.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &k, nullptr) !=
            ERROR_SUCCESS)
            return;
        RegSetValueExA(k, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>(value.size() + 1));
        RegCloseKey(k);
    }

    std::string key_;
    bool changed_ = false;
    std::string created_;  // outermost key that did not exist before
    std::string old_;
};

// The stand-in as the program for ".url" files (and, when asked, for folders).
class ShortcutHandler {
public:
    static constexpr const char* Class = "PlauderixUrlStandIn";

    void Register(const std::string& program)
    {
        // A run that died half-way left ".url" pointing at our class.
        if (ClassesValue(".url") == Class) {
            ClassesEntry leftover(".url");
            leftover.Set("InternetShortcut");
        }
        command_.Set(Command(program));
        dotUrl_.Set(Class);
    }
    // ".url" stays ours but our class is gone: the shell finds no program.
    void RemoveCommand() { command_.Restore(); }
    // A folder handed to the shell reaches the stand-in too.
    void AlsoForFolders(const std::string& program) { folder_.Set(Command(program)); }
    void NoMoreFolders() { folder_.Restore(); }
    void Restore()
    {
        dotUrl_.Restore();
        command_.Restore();
        folder_.Restore();
    }

private:
    static std::string Command(const std::string& program) { return "\"" + program + "\" \"%1\""; }

    ClassesEntry dotUrl_{".url"};
    ClassesEntry command_{std::string(Class) + "\\shell\\open\\command"};
    ClassesEntry folder_{"Folder\\shell\\open\\command"};
};

class Links : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        char temp[MAX_PATH] = "";
        GetTempPathA(MAX_PATH, temp);
        root = std::string(temp) + "plauderix-links-" + std::to_string(GetCurrentProcessId());
        test::RemoveTree(root);
        CreateDirectoryA(root.c_str(), nullptr);
        logPath = root + "\\requests.log";
        SetEnvironmentVariableA("URL_STANDIN_LOG", logPath.c_str());
        handler.Register(StandInPath());
    }
    static void TearDownTestSuite()
    {
        handler.Restore();
        SetCurrentDirectoryA(test::BuildDir().c_str());
        test::RemoveTree(root);
    }
    static std::string StandInPath() { return test::ProgramDir() + "\\url_standin.exe"; }

    void SetUp() override
    {
        handler.Register(StandInPath());
        dir = FreshDirectory(::testing::UnitTest::GetInstance()->current_test_info()->name());
        ASSERT_TRUE(SetCurrentDirectoryA(dir.c_str()));
        DeleteFileA(logPath.c_str());
        // This build's own directories: nothing may land there.
        DeleteFileA((test::ProgramDir() + "\\internet.url").c_str());
        DeleteFileA((test::BuildDir() + "\\internet.url").c_str());

        ASSERT_NE(CreateMainForm(), nullptr);
        form = MainForm->GetHandle();
        SetForegroundWindow(form);
        Pump(300);
    }
    void TearDown() override
    {
        DestroyMainForm();
        SetCurrentDirectoryA(root.c_str());
        EXPECT_FALSE(test::FileExists(test::ProgramDir() + "\\internet.url"));
        EXPECT_FALSE(test::FileExists(test::BuildDir() + "\\internet.url"));
    }

    static std::string FreshDirectory(std::string name)
    {
        for (char& c : name)
            if (c == '/')
                c = '-';
        std::string d = root + "\\" + name;
        test::RemoveTree(d);
        CreateDirectoryA(d.c_str(), nullptr);
        return d;
    }

    // The application's loop: the form's filter first.
    static bool FormFilter(MSG& msg) { return MainForm && MainForm->FilterMessage(msg); }
    void Pump(int ms) { test::PumpThrough(&FormFilter, ms); }
    bool WaitFor(const std::function<bool()>& condition, int ms = 10000)
    {
        return test::WaitForThrough(&FormFilter, condition, ms);
    }

    std::vector<Request> Requests() const { return ParseLog(test::ReadFile(logPath)); }
    // Waits for `count` requests in all, then a while longer to see that no more come.
    std::vector<Request> ExpectRequests(size_t count)
    {
        bool arrived = WaitFor([&] { return Requests().size() >= count; });
        Pump(count ? 1000 : 1500);
        std::vector<Request> requests = Requests();
        EXPECT_TRUE(arrived) << "requests: " << requests.size();
        EXPECT_EQ(requests.size(), count);
        return requests;
    }
    void ExpectShortcutRequest(const Request& r, const std::string& url, const std::string& directory)
    {
        EXPECT_EQ(r.content, Shortcut(url));
        EXPECT_TRUE(SamePath(r.fullPath, directory + "\\internet.url")) << r.fullPath;
        EXPECT_TRUE(SamePath(r.directory, directory)) << r.directory;
    }

    HWND Item(int id) const { return GetDlgItem(form, id); }
    POINT Centre(int id) const
    {
        RECT r = {};
        GetWindowRect(Item(id), &r);
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    enum Button { Left, Right, Middle };
    void Press(int id, Button button = Left)
    {
        POINT p = Centre(id);
        if (button == Middle)
            test::MiddleClick(p.x, p.y);
        else
            test::Click(p.x, p.y, button == Right);
        Pump(100);
    }
    // The text colour the form's WM_CTLCOLORSTATIC answer gives `id`.
    COLORREF TextColour(int id) const
    {
        HDC dc = CreateCompatibleDC(nullptr);
        SetTextColor(dc, RGB(1, 2, 3));
        SendMessageA(form, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(Item(id)));
        COLORREF colour = GetTextColor(dc);
        DeleteDC(dc);
        return colour;
    }
    std::string WrittenShortcut() const { return test::ReadFile(dir + "\\internet.url"); }
    void ShowCredits()
    {
        SendMessageA(form, WM_COMMAND, MAKEWPARAM(ID_Impressum, 0), 0);
        Pump(100);
    }

    static std::string root;
    static std::string logPath;
    static ShortcutHandler handler;
    std::string dir;
    HWND form = nullptr;
    WApplication application;
};

std::string Links::root;
std::string Links::logPath;
ShortcutHandler Links::handler;

TEST_F(Links, PictureWritesTheCabaretShortcutIntoTheCurrentDirectoryAndAsksOnce)
{
    COLORREF before = TextColour(ID_label_2);
    ASSERT_NE(before, Visited);
    Press(ID_pictb_1);
    std::vector<Request> requests = ExpectRequests(1);
    EXPECT_EQ(WrittenShortcut(), Shortcut(Cabaret));
    if (!requests.empty()) {
        ExpectShortcutRequest(requests[0], Cabaret, dir);
    }
    EXPECT_EQ(TextColour(ID_label_2), before) << "the picture changes no colour";
}

TEST_F(Links, SponsorOverwritesAnOldShortcutAndTurnsPurple)
{
    ASSERT_TRUE(test::WriteFile(dir + "\\internet.url",
                                "[InternetShortcut]\r\nURL=http://old.example/a/much/longer/address/than/either/link\r\n"
                                "IconIndex=0\r\n"));
    Press(ID_label_2);
    std::vector<Request> requests = ExpectRequests(1);
    EXPECT_EQ(WrittenShortcut(), Shortcut(Counter));
    EXPECT_EQ(TextColour(ID_label_2), Visited);
    if (!requests.empty()) {
        ExpectShortcutRequest(requests[0], Counter, dir);
    }

    Press(ID_pictb_1);
    requests = ExpectRequests(2);
    EXPECT_EQ(WrittenShortcut(), Shortcut(Cabaret));
    EXPECT_EQ(TextColour(ID_label_2), Visited) << "purple stays";
    if (requests.size() == 2) {
        EXPECT_EQ(requests[1].content, Shortcut(Cabaret));
    }
}

TEST_F(Links, EachPressAsksAgain)
{
    // Each stand-in reads the file when it starts, so every press waits for
    // the request before it (and comes too late to make a double-click).
    const std::pair<int, const char*> presses[] = {
        {ID_pictb_1, Cabaret}, {ID_pictb_1, Cabaret}, {ID_label_2, Counter}, {ID_label_2, Counter}};
    size_t count = 0;
    for (const auto& press : presses) {
        Press(press.first);
        std::vector<Request> requests = ExpectRequests(++count);
        if (requests.size() == count) {
            EXPECT_EQ(requests.back().content, Shortcut(press.second)) << "request " << count;
        }
    }
}

TEST_F(Links, FailingShellChangesNothingButTheColour)
{
    handler.RemoveCommand();
    ASSERT_TRUE(test::WriteFile(dir + "\\probe.url", Shortcut(Cabaret)));
    INT_PTR answer = reinterpret_cast<INT_PTR>(ShellExecuteA(nullptr, nullptr, "probe.url", "", "", SW_SHOW));
    ASSERT_LE(answer, 32) << "the shell still finds a program for .url files";
    DeleteFileA((dir + "\\probe.url").c_str());

    std::string text = test::WindowText(Item(ID_label_2));
    Press(ID_label_2);
    EXPECT_EQ(TextColour(ID_label_2), Visited);
    EXPECT_EQ(WrittenShortcut(), Shortcut(Counter));
    ExpectRequests(0);
    EXPECT_EQ(test::WindowText(Item(ID_label_2)), text);
    EXPECT_TRUE(IsWindowVisible(Item(ID_label_2)));
    EXPECT_TRUE(IsWindowVisible(Item(ID_pictb_1)));
}

TEST_F(Links, RightAndMiddleButtonsOpenNothing)
{
    COLORREF before = TextColour(ID_label_2);
    for (int id : {ID_pictb_1, ID_label_2})
        for (Button b : {Right, Middle}) {
            Press(id, b);
            Pump(static_cast<int>(GetDoubleClickTime()) + 200);
        }
    ExpectRequests(0);
    EXPECT_FALSE(test::FileExists(dir + "\\internet.url"));
    EXPECT_EQ(TextColour(ID_label_2), before);

    Press(ID_pictb_1);
    ExpectRequests(1);
}

TEST_F(Links, HiddenPictureOpensNothingTheSponsorStillDoes)
{
    POINT picture = Centre(ID_pictb_1);
    ShowCredits();
    ASSERT_FALSE(IsWindowVisible(Item(ID_pictb_1)));
    test::Click(picture.x, picture.y);
    Pump(100);
    ExpectRequests(0);
    EXPECT_FALSE(test::FileExists(dir + "\\internet.url"));

    Press(ID_label_2);
    std::vector<Request> requests = ExpectRequests(1);
    if (!requests.empty()) {
        ExpectShortcutRequest(requests[0], Counter, dir);
    }
}

TEST_F(Links, LinkCursorOverTheTwoLinksOnly)
{
    HCURSOR link = LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(100));
    ASSERT_NE(link, nullptr);
    struct Case {
        const char* what;
        int id;
        bool credits;
        bool linkCursor;
    };
    const Case cases[] = {
        {"pictb_1", ID_pictb_1, false, true},
        {"label_1", ID_label_1, false, false},
        {"label_2", ID_label_2, false, true},
        {"label_4", ID_label_4, true, false},
        {"label_2 beside the credits", ID_label_2, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.credits != (IsWindowVisible(Item(ID_label_4)) != FALSE)) {
            if (c.credits)
                ShowCredits();
            else
                SendMessageA(Item(ID_cb_1), BM_CLICK, 0, 0);
            Pump(100);
        }
        POINT p = Centre(c.id);
        test::MoveMouse(p.x - 2, p.y - 1);
        Pump(100);
        test::MoveMouse(p.x, p.y);
        Pump(200);
        EXPECT_EQ(GetCursor() == link, c.linkCursor);
    }
}

// A shortcut that cannot be written whole is never handed to the shell, and
// what lay there before is left as it was.
struct Obstacle {
    const char* name;
    // Puts the obstacle in place in `dir` (the current directory); returns
    // why this system lets a writer through anyway, or "" when it does not.
    std::string (*place)(const std::string& dir, HANDLE& held);
    enum { OldFileKept, StillADirectory, NoFile } after;
};

const char* const OldShortcut = "[InternetShortcut]\r\nURL=http://old.example/\r\n";

std::string ReadOnlyFile(const std::string& dir, HANDLE&)
{
    std::string file = dir + "\\internet.url";
    test::WriteFile(file, OldShortcut);
    SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_READONLY);
    HANDLE probe = CreateFileA(file.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                               OPEN_EXISTING, 0, nullptr);
    if (probe == INVALID_HANDLE_VALUE)
        return "";
    CloseHandle(probe);
    return "this system opens a file with FILE_ATTRIBUTE_READONLY for writing (Wine run as root does)";
}

std::string DirectoryOfThatName(const std::string& dir, HANDLE&)
{
    CreateDirectoryA((dir + "\\internet.url").c_str(), nullptr);
    return "";
}

// Another program has the file open and shares it for reading only.
std::string HeldWithoutWriteSharing(const std::string& dir, HANDLE& held)
{
    std::string file = dir + "\\internet.url";
    test::WriteFile(file, OldShortcut);
    held = CreateFileA(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    return held == INVALID_HANDLE_VALUE ? "could not hold the file open" : "";
}

std::string ReadOnlyDirectory(const std::string& dir, HANDLE&)
{
    SetFileAttributesA(dir.c_str(), FILE_ATTRIBUTE_READONLY);
    std::string probe = dir + "\\probe.tmp";
    HANDLE h = CreateFileA(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return "";
    CloseHandle(h);
    DeleteFileA(probe.c_str());
    char attributes[16];
    snprintf(attributes, sizeof attributes, "0x%lx", GetFileAttributesA(dir.c_str()));
    return std::string("files can still be created in a directory given FILE_ATTRIBUTE_READONLY (attributes read "
                       "back: ") + attributes + ")";
}

const Obstacle Obstacles[] = {
    {"ReadOnlyFile", &ReadOnlyFile, Obstacle::OldFileKept},
    {"DirectoryOfThatName", &DirectoryOfThatName, Obstacle::StillADirectory},
    {"HeldWithoutWriteSharing", &HeldWithoutWriteSharing, Obstacle::OldFileKept},
    {"ReadOnlyDirectory", &ReadOnlyDirectory, Obstacle::NoFile},
};

class UnwritableShortcut : public Links, public ::testing::WithParamInterface<Obstacle> {};

TEST_P(UnwritableShortcut, IsNotHandedToTheShell)
{
    const Obstacle& o = GetParam();
    std::string file = dir + "\\internet.url";
    HANDLE held = INVALID_HANDLE_VALUE;
    std::string through = o.place(dir, held);
    if (!through.empty())
        GTEST_SKIP() << through;
    // Handed to the shell, a directory would go to the folder handler.
    if (o.after == Obstacle::StillADirectory)
        handler.AlsoForFolders(StandInPath());

    Press(ID_pictb_1);
    ExpectRequests(0);
    DWORD attributes = GetFileAttributesA(file.c_str());
    switch (o.after) {
    case Obstacle::OldFileKept:
        EXPECT_EQ(test::ReadFile(file), OldShortcut);
        break;
    case Obstacle::StillADirectory:
        EXPECT_TRUE(attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY));
        break;
    case Obstacle::NoFile:
        EXPECT_EQ(attributes, INVALID_FILE_ATTRIBUTES);
        break;
    }
    handler.NoMoreFolders();
    if (held != INVALID_HANDLE_VALUE)
        CloseHandle(held);

    // Where the file can be written the same press reaches the shell, and
    // nothing from the obstructed press turns up late.
    std::string clear = FreshDirectory(std::string(o.name) + "-clear");
    ASSERT_TRUE(SetCurrentDirectoryA(clear.c_str()));
    Pump(static_cast<int>(GetDoubleClickTime()) + 200);
    Press(ID_pictb_1);
    std::vector<Request> requests = ExpectRequests(1);
    if (!requests.empty()) {
        ExpectShortcutRequest(requests[0], Cabaret, clear);
    }
}

INSTANTIATE_TEST_SUITE_P(Mend, UnwritableShortcut, ::testing::ValuesIn(Obstacles),
                         [](const ::testing::TestParamInfo<Obstacle>& info) { return std::string(info.param.name); });

} // namespace

// Runs the benchmarks against the program and its floor (bench_floor.exe)
// and prints one line a figure: name value unit floor ratio.
// Run from anywhere; it works in the build directory above its own.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "PhraseTable.h"

namespace {

const char* const Caption = "Plauderix...";
const int StartRuns = 11;
const int Translations = 100;
const DWORD TimeoutMs = 60000;

double Now()
{
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

std::string BuildDir()
{
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string p(path, n);
    p = p.substr(0, p.find_last_of("\\/"));
    return p.substr(0, p.find_last_of("\\/"));
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

void Print(const char* name, double value, const char* unit, double floor)
{
    printf("%s %.3f %s %.3f %.2f\n", name, value, unit, floor, floor > 0 ? value / floor : 0.0);
    fflush(stdout);
}

// One started program; ended (WM_CLOSE, then killed) on destruction.
class Child {
public:
    explicit Child(const std::string& exe, HANDLE output = nullptr)
    {
        std::string command = "\"" + exe + "\"";
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        if (output) {
            startup.dwFlags = STARTF_USESTDHANDLES;
            startup.hStdOutput = startup.hStdError = output;
        }
        started_ = Now();
        ok_ = CreateProcessA(exe.c_str(), &command[0], nullptr, nullptr, output != nullptr, 0, nullptr,
                             BuildDir().c_str(), &startup, &info_) != FALSE;
    }
    ~Child()
    {
        if (!ok_)
            return;
        if (window_)
            PostMessageA(window_, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(info_.hProcess, 20000) != WAIT_OBJECT_0) {
            TerminateProcess(info_.hProcess, 99);
            WaitForSingleObject(info_.hProcess, 10000);
        }
        CloseHandle(info_.hProcess);
        CloseHandle(info_.hThread);
    }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    bool Ok() const { return ok_; }
    HANDLE Handle() const { return info_.hProcess; }

    // Polls for the visible main window; milliseconds from the start, or -1.
    double WaitVisible()
    {
        while (ok_ && Now() - started_ < TimeoutMs) {
            for (HWND h = FindWindowExA(nullptr, nullptr, nullptr, Caption); h;
                 h = FindWindowExA(nullptr, h, nullptr, Caption)) {
                DWORD pid = 0;
                GetWindowThreadProcessId(h, &pid);
                if (pid == info_.dwProcessId && IsWindowVisible(h)) {
                    window_ = h;
                    return Now() - started_;
                }
            }
            Sleep(1);
        }
        return -1;
    }
    HWND Window() const { return window_; }

    DWORD Wait(DWORD timeoutMs)
    {
        DWORD code = STILL_ACTIVE;
        if (ok_ && WaitForSingleObject(info_.hProcess, timeoutMs) == WAIT_OBJECT_0)
            GetExitCodeProcess(info_.hProcess, &code);
        return code;
    }

private:
    PROCESS_INFORMATION info_ = {};
    double started_ = 0;
    HWND window_ = nullptr;
    bool ok_ = false;
};

struct Memory {
    double privateBytes = 0;
    double workingSet = 0;
};

// Wine leaves PrivateUsage at 0 for other processes; PagefileUsage is the
// same figure on Windows (the process's private commit).
Memory MemoryOf(HANDLE process)
{
    PROCESS_MEMORY_COUNTERS_EX counters = {};
    counters.cb = sizeof counters;
    Memory m;
    if (GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters)) {
        m.privateBytes = static_cast<double>(counters.PrivateUsage ? counters.PrivateUsage : counters.PagefileUsage);
        m.workingSet = static_cast<double>(counters.WorkingSetSize);
    }
    return m;
}

void Startup(const std::string& program, const std::string& floor)
{
    std::vector<double> times[2];
    const std::string* exes[2] = {&program, &floor};
    // One start each to warm the file cache, then alternate.
    for (int run = -1; run < StartRuns; ++run) {
        for (int k = 0; k < 2; ++k) {
            Child child(*exes[k]);
            double ms = child.WaitVisible();
            if (ms < 0) {
                printf("# startup: %s showed no window\n", exes[k]->c_str());
                continue;
            }
            if (run >= 0)
                times[k].push_back(ms);
        }
    }
    printf("# startup: %zu and %zu runs\n", times[0].size(), times[1].size());
    Print("startup.median", Median(times[0]), "ms", Median(times[1]));
}

std::string Text(HWND hwnd)
{
    char buffer[1024] = "";
    GetWindowTextA(hwnd, buffer, sizeof buffer);
    return buffer;
}

// A playing recording holds its buffers: wait until the sound device's
// capture ($CAPTURE, a Unix path) has stopped growing, or a few seconds
// where there is none.
void SoundEnded()
{
    char buffer[MAX_PATH] = "";
    GetEnvironmentVariableA("CAPTURE", buffer, MAX_PATH);
    std::string path = buffer;
    if (path.empty() || path[0] != '/') {
        Sleep(5000);
        return;
    }
    for (char& c : path)
        if (c == '/')
            c = '\\';
    path = "Z:" + path;
    long long last = -1;
    double still = Now(), until = Now() + 30000;
    while (Now() - still < 1000 && Now() < until) {
        WIN32_FILE_ATTRIBUTE_DATA data = {};
        long long size = GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)
                             ? (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow
                             : 0;
        if (size != last)
            still = Now();
        last = size;
        Sleep(50);
    }
}

void MemoryFigures(const std::string& program, const std::string& floor)
{
    Memory floorStart;
    {
        Child child(floor);
        if (child.WaitVisible() < 0)
            return;
        Sleep(1000);
        floorStart = MemoryOf(child.Handle());
    }
    Child child(program);
    if (child.WaitVisible() < 0)
        return;
    Sleep(1000);
    Memory start = MemoryOf(child.Handle());
    HWND form = child.Window();
    HWND list = GetDlgItem(form, 102);
    HWND label = GetDlgItem(form, 109);
    int shown = 0;
    for (int n = 0; n < Translations; ++n) {
        int i = n % PhraseCount;
        PostMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(i), 0);
        PostMessageA(form, WM_COMMAND, MAKEWPARAM(102, LBN_DBLCLK), reinterpret_cast<LPARAM>(list));
        const std::string expected = PhraseTable[PhraseDisplayOrder[i] - 1].DialectText;
        double until = Now() + 10000;
        while (Text(label) != expected && Now() < until)
            Sleep(2);
        shown += Text(label) == expected;
    }
    SoundEnded();
    Memory after = MemoryOf(child.Handle());
    printf("# memory: %d of %d translations shown; private bytes are PagefileUsage where PrivateUsage is 0\n",
           shown, Translations);
    Print("memory.private.start", start.privateBytes / 1024, "KiB", floorStart.privateBytes / 1024);
    Print("memory.private.after100", after.privateBytes / 1024, "KiB", floorStart.privateBytes / 1024);
    Print("memory.workingset.start", start.workingSet / 1024, "KiB", floorStart.workingSet / 1024);
    Print("memory.workingset.after100", after.workingSet / 1024, "KiB", floorStart.workingSet / 1024);
}

struct Sizes {
    double file = 0;
    double resources = 0;
};

// The file's size and the raw size of its .rsrc section, from the PE headers.
Sizes SizesOf(const std::string& exe)
{
    std::ifstream in(exe, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    Sizes s;
    s.file = static_cast<double>(bytes.size());
    if (bytes.size() < sizeof(IMAGE_DOS_HEADER))
        return s;
    auto dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(bytes.data());
    size_t pe = static_cast<size_t>(dos->e_lfanew);
    if (pe + sizeof(DWORD) + sizeof(IMAGE_FILE_HEADER) > bytes.size() || bytes.compare(pe, 4, std::string("PE\0\0", 4)) != 0)
        return s;
    auto header = reinterpret_cast<const IMAGE_FILE_HEADER*>(bytes.data() + pe + 4);
    size_t sections = pe + 4 + sizeof(IMAGE_FILE_HEADER) + header->SizeOfOptionalHeader;
    for (WORD i = 0; i < header->NumberOfSections; ++i) {
        size_t at = sections + i * sizeof(IMAGE_SECTION_HEADER);
        if (at + sizeof(IMAGE_SECTION_HEADER) > bytes.size())
            break;
        auto section = reinterpret_cast<const IMAGE_SECTION_HEADER*>(bytes.data() + at);
        if (std::string(reinterpret_cast<const char*>(section->Name), strnlen(reinterpret_cast<const char*>(section->Name), 8)) == ".rsrc")
            s.resources += section->SizeOfRawData;
    }
    return s;
}

void SizeFigures(const std::string& program, const std::string& floor)
{
    Sizes p = SizesOf(program), f = SizesOf(floor);
    Print("size.file", p.file / 1024, "KiB", f.file / 1024);
    Print("size.resources", p.resources / 1024, "KiB", f.resources / 1024);
    Print("size.other", (p.file - p.resources) / 1024, "KiB", (f.file - f.resources) / 1024);
}

// bench_translate.exe measures in its own process; its lines are passed on.
void TranslationFigures(const std::string& exe)
{
    char temp[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, temp);
    std::string outPath = std::string(temp) + "plauderix-bench-translate.txt";
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE out = CreateFileA(outPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr);
    if (out == INVALID_HANDLE_VALUE)
        return;
    DWORD code;
    {
        Child child(exe, out);
        // 800 opens of about 0.2 s each under Wine.
        code = child.Wait(15 * 60 * 1000);
    }
    CloseHandle(out);
    std::ifstream in(outPath);
    std::string line;
    while (std::getline(in, line))
        printf("%s\n", line.c_str());
    if (code != 0)
        printf("# translate: bench_translate.exe ended with %lu\n", static_cast<unsigned long>(code));
    fflush(stdout);
    DeleteFileA(outPath.c_str());
}

} // namespace

int main()
{
    const std::string build = BuildDir();
    const std::string program = build + "\\plauderix.exe";
    const std::string floor = build + "\\bench\\bench_floor.exe";
    printf("# name value unit floor ratio\n");
    Startup(program, floor);
    TranslationFigures(build + "\\bench\\bench_translate.exe");
    MemoryFigures(program, floor);
    SizeFigures(program, floor);
    return 0;
}

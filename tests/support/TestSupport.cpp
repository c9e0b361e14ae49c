#include "TestSupport.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

namespace test {

int Scaled(int ms)
{
    static const int scale = [] {
        char buffer[16] = "";
        GetEnvironmentVariableA("PLAUDERIX_TIME_SCALE", buffer, sizeof buffer);
        int n = atoi(buffer);
        return n > 0 ? n : 1;
    }();
    return ms * scale;
}

void Pump(int ms)
{
    DWORD end = GetTickCount() + static_cast<DWORD>(ms);
    do {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(5);
    } while (static_cast<LONG>(end - GetTickCount()) > 0);
}

bool WaitFor(const std::function<bool()>& condition, int timeoutMs)
{
    DWORD end = GetTickCount() + static_cast<DWORD>(Scaled(timeoutMs));
    for (;;) {
        if (condition())
            return true;
        if (static_cast<LONG>(end - GetTickCount()) <= 0)
            return condition();
        Pump(20);
    }
}

std::string ProgramDir()
{
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string p(path, n);
    return p.substr(0, p.find_last_of("\\/"));
}

std::string BuildDir()
{
    std::string d = ProgramDir();
    return d.substr(0, d.find_last_of("\\/"));
}

std::string ProgramPath(const char* name)
{
    return BuildDir() + "\\" + name;
}

Process::~Process()
{
    Kill();
    if (info_.hProcess)
        CloseHandle(info_.hProcess);
    if (info_.hThread)
        CloseHandle(info_.hThread);
}

bool Process::Start(const std::string& exe, const std::string& directory, const std::string& arguments)
{
    std::string command = "\"" + exe + "\"" + (arguments.empty() ? "" : " " + arguments);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    return CreateProcessA(exe.c_str(), &command[0], nullptr, nullptr, FALSE, 0, nullptr,
                          directory.empty() ? nullptr : directory.c_str(), &startup, &info_) != FALSE;
}

DWORD Process::Wait(int timeoutMs)
{
    if (!info_.hProcess)
        return STILL_ACTIVE;
    if (WaitForSingleObject(info_.hProcess, static_cast<DWORD>(Scaled(timeoutMs))) != WAIT_OBJECT_0)
        return STILL_ACTIVE;
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(info_.hProcess, &code);
    return code;
}

bool Process::Running() const
{
    return info_.hProcess && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

void Process::Kill()
{
    if (Running()) {
        TerminateProcess(info_.hProcess, 99);
        WaitForSingleObject(info_.hProcess, 10000);
    }
}

HWND Process::WaitForWindow(const char* caption, int timeoutMs) const
{
    HWND found = nullptr;
    WaitFor(
        [&] {
            for (HWND h : TopWindows(info_.dwProcessId, true))
                if (WindowText(h) == caption) {
                    found = h;
                    return true;
                }
            return false;
        },
        timeoutMs);
    return found;
}

namespace {
struct EnumState {
    DWORD pid;
    bool visibleOnly;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectTop(HWND hwnd, LPARAM param)
{
    auto* state = reinterpret_cast<EnumState*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == state->pid && (!state->visibleOnly || IsWindowVisible(hwnd)))
        state->found.push_back(hwnd);
    return TRUE;
}
} // namespace

std::vector<HWND> TopWindows(DWORD processId, bool visibleOnly)
{
    EnumState state{processId, visibleOnly, {}};
    EnumWindows(&CollectTop, reinterpret_cast<LPARAM>(&state));
    return state.found;
}

HWND FindDialogBox(DWORD processId, HWND except)
{
    for (HWND h : TopWindows(processId, true))
        if (h != except && ClassName(h) == "#32770")
            return h;
    return nullptr;
}

std::string WindowText(HWND hwnd)
{
    char buffer[4096] = "";
    GetWindowTextA(hwnd, buffer, sizeof buffer);
    return buffer;
}

std::string ClassName(HWND hwnd)
{
    char buffer[256] = "";
    GetClassNameA(hwnd, buffer, sizeof buffer);
    return buffer;
}

std::string BoxText(HWND box)
{
    std::string text;
    for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        if (_stricmp(ClassName(c).c_str(), "Static") == 0) {
            std::string t = WindowText(c);
            if (!t.empty())
                text += (text.empty() ? "" : "\n") + t;
        }
    }
    return text;
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

bool WriteFile(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

bool FileExists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string WavData(const std::string& path)
{
    std::string wav = ReadFile(path);
    size_t pos = 12;
    while (pos + 8 <= wav.size()) {
        uint32_t size = 0;
        memcpy(&size, &wav[pos + 4], 4);
        if (wav.compare(pos, 4, "data") == 0)
            return wav.substr(pos + 8, size);
        pos += 8 + size + (size & 1);
    }
    return std::string();
}

std::string CapturePath()
{
    // $CAPTURE is a Unix path; Wine maps the root file system to Z:.
    char buffer[MAX_PATH] = "";
    GetEnvironmentVariableA("CAPTURE", buffer, MAX_PATH);
    std::string p = buffer;
    if (!p.empty() && p[0] == '/') {
        for (char& c : p)
            if (c == '/')
                c = '\\';
        p = "Z:" + p;
    }
    return p;
}

void ClearCapture()
{
    WriteFile(CapturePath(), "");
}

std::string ReadCapture()
{
    return ReadFile(CapturePath());
}

bool SamePcm(const std::string& captured, const std::string& expected)
{
    if (captured.size() > expected.size() || expected.size() - captured.size() > 4096)
        return false;
    return expected.compare(0, captured.size(), captured) == 0 && !captured.empty();
}

namespace {
void SendMouse(DWORD flags, int x, int y)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    int w = GetSystemMetrics(SM_CXSCREEN) - 1;
    int h = GetSystemMetrics(SM_CYSCREEN) - 1;
    input.mi.dx = (x * 65535 + w / 2) / w;
    input.mi.dy = (y * 65535 + h / 2) / h;
    input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    SendInput(1, &input, sizeof input);
}

void SendKey(WORD key, bool up)
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof input);
}
} // namespace

void MoveMouse(int x, int y)
{
    SendMouse(0, x, y);
}

void Click(int x, int y, bool right)
{
    SendMouse(0, x, y);
    SendMouse(right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN, x, y);
    SendMouse(right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP, x, y);
}

void DoubleClick(int x, int y)
{
    Click(x, y);
    Click(x, y);
}

void KeyChord(WORD modifier, WORD key)
{
    SendKey(modifier, false);
    SendKey(key, false);
    SendKey(key, true);
    SendKey(modifier, true);
}

POINT ClientToScreenPoint(HWND hwnd, int x, int y)
{
    POINT p = {x, y};
    ClientToScreen(hwnd, &p);
    return p;
}

void MiddleClick(int x, int y)
{
    SendMouse(0, x, y);
    SendMouse(MOUSEEVENTF_MIDDLEDOWN, x, y);
    SendMouse(MOUSEEVENTF_MIDDLEUP, x, y);
}

TempDirectory::TempDirectory(const std::string& name)
{
    char temp[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, temp);
    path_ = std::string(temp) + name + "-" + std::to_string(GetCurrentProcessId());
    RemoveTree(path_);
    CreateDirectoryA(path_.c_str(), nullptr);
}

TempDirectory::~TempDirectory()
{
    RemoveTree(path_);
}

void RemoveTree(const std::string& path)
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((path + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::string name = found.cFileName;
            if (name == "." || name == "..")
                continue;
            std::string child = path + "\\" + name;
            SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(child);
            else
                DeleteFileA(child.c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    RemoveDirectoryA(path.c_str());
}

bool CopySounds(const std::string& directory)
{
    std::string to = directory + "\\sounds";
    CreateDirectoryA(to.c_str(), nullptr);
    for (int n = 1; n <= 20; ++n) {
        std::string name = "\\" + std::to_string(n) + ".wav";
        if (!CopyFileA((BuildDir() + "\\sounds" + name).c_str(), (to + name).c_str(), FALSE))
            return false;
    }
    return true;
}

namespace {
const char* const ShortcutOpenKey = "InternetShortcut\\shell\\open\\command";
const char* const BrowserCommand = "rundll32.exe ieframe.dll,OpenURL %l";

std::string ClassesValue(const char* key)
{
    char buffer[1024] = "";
    DWORD size = sizeof buffer;
    if (RegGetValueA(HKEY_CLASSES_ROOT, key, nullptr, RRF_RT_REG_SZ, nullptr, buffer, &size) != ERROR_SUCCESS)
        return std::string();
    return buffer;
}

void SetClassesValue(const char* key, const std::string& value)
{
    HKEY k = nullptr;
    if (RegCreateKeyExA(HKEY_CLASSES_ROOT, key, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &k, nullptr) != ERROR_SUCCESS)
        return;
    RegSetValueExA(k, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
    RegCloseKey(k);
}
} // namespace

ShellStandIn::ShellStandIn(const std::string& directory) : log_(directory + "\\shell-requests.log")
{
    std::string batch = directory + "\\shell-standin.bat";
    WriteFile(batch, "@echo off\r\necho %1>> \"" + log_ + "\"\r\n");
    previousClass_ = ClassesValue(".url");
    SetClassesValue(".url", "InternetShortcut");
    SetClassesValue(ShortcutOpenKey, "\"" + batch + "\" \"%1\"");
}

ShellStandIn::~ShellStandIn()
{
    SetClassesValue(ShortcutOpenKey, BrowserCommand);
    if (!previousClass_.empty())
        SetClassesValue(".url", previousClass_);
}

int ShellStandIn::Requests() const
{
    std::string log = ReadFile(log_);
    int lines = 0;
    for (char c : log)
        lines += c == '\n';
    return lines;
}

void PumpThrough(const std::function<bool(MSG&)>& filter, int ms)
{
    DWORD end = GetTickCount() + static_cast<DWORD>(ms);
    do {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (filter(msg))
                continue;
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(5);
    } while (static_cast<LONG>(end - GetTickCount()) > 0);
}

bool WaitForThrough(const std::function<bool(MSG&)>& filter, const std::function<bool()>& condition, int timeoutMs)
{
    DWORD end = GetTickCount() + static_cast<DWORD>(Scaled(timeoutMs));
    for (;;) {
        if (condition())
            return true;
        if (static_cast<LONG>(end - GetTickCount()) <= 0)
            return condition();
        PumpThrough(filter, 20);
    }
}

} // namespace test

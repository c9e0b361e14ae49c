#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// Shared helpers for the test programs: waiting, processes, windows, files,
// sound capture and real input.
namespace test {

// Time-outs are multiplied by $PLAUDERIX_TIME_SCALE (where 32-bit code is
// emulated, everything takes many times longer).
int Scaled(int ms);

// Dispatches this thread's messages for `ms` milliseconds.
void Pump(int ms);
// Pumps until `condition` holds or `timeoutMs` passes; the last result.
bool WaitFor(const std::function<bool()>& condition, int timeoutMs = 10000);

// The directory of the running test program, and the build directory above it.
std::string ProgramDir();
std::string BuildDir();
// The program under test (plauderix.exe of this build, or a variant).
std::string ProgramPath(const char* name = "plauderix.exe");

// A process of the program under test; killed on destruction if still running.
class Process {
public:
    Process() = default;
    ~Process();
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    bool Start(const std::string& exe, const std::string& directory, const std::string& arguments = "");
    // Exit code, or STILL_ACTIVE after the time-out.
    DWORD Wait(int timeoutMs);
    bool Running() const;
    void Kill();
    DWORD Id() const { return info_.dwProcessId; }
    HANDLE Handle() const { return info_.hProcess; }
    // The process's visible top-level window with this caption (null if none in time).
    HWND WaitForWindow(const char* caption, int timeoutMs = 60000) const;

private:
    PROCESS_INFORMATION info_ = {};
};

// Top-level windows of a process (visible ones only when asked).
std::vector<HWND> TopWindows(DWORD processId, bool visibleOnly);
// A dialog box (#32770) of the process, other than `except`.
HWND FindDialogBox(DWORD processId, HWND except = nullptr);
// The text of a box: its static controls joined by new lines.
std::string BoxText(HWND box);
std::string WindowText(HWND hwnd);
std::string ClassName(HWND hwnd);

// Files.
std::string ReadFile(const std::string& path);
bool WriteFile(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);
// The bytes of a WAV file's data chunk.
std::string WavData(const std::string& path);

// The recording sound device: $CAPTURE receives the last playback's PCM.
std::string CapturePath();
void ClearCapture();
std::string ReadCapture();
// True when `captured` is `expected`, allowing a few missing trailing bytes.
bool SamePcm(const std::string& captured, const std::string& expected);

// Real input through SendInput, in screen coordinates.
void MoveMouse(int x, int y);
void Click(int x, int y, bool right = false);
void DoubleClick(int x, int y);
void KeyChord(WORD modifier, WORD key);
// Screen position of a point in a window's client area.
POINT ClientToScreenPoint(HWND hwnd, int x, int y);

// A press and release of the middle button at a screen position.
void MiddleClick(int x, int y);

// A new, empty directory in the temporary folder, removed with everything in
// it on destruction.
class TempDirectory {
public:
    explicit TempDirectory(const std::string& name);
    ~TempDirectory();
    TempDirectory(const TempDirectory&) = delete;
    TempDirectory& operator=(const TempDirectory&) = delete;

    const std::string& Path() const { return path_; }

private:
    std::string path_;
};
void RemoveTree(const std::string& path);
// Copies <build>\sounds\1.wav ... 20.wav into `directory`\sounds.
bool CopySounds(const std::string& directory);

// Stands in for the shell's handler of internet shortcuts while it lives: a
// batch file registered as the InternetShortcut open command appends one line
// per request to a log in `directory`. The browser's command is put back on
// destruction.
class ShellStandIn {
public:
    explicit ShellStandIn(const std::string& directory);
    ~ShellStandIn();
    ShellStandIn(const ShellStandIn&) = delete;
    ShellStandIn& operator=(const ShellStandIn&) = delete;

    // Requests so far (lines in the log).
    int Requests() const;

private:
    std::string log_;
    std::string previousClass_;
};

// Pump and WaitFor for a loop that shows each message to `filter` first (a
// form's accelerators and dialog keys) and dispatches it only when refused.
void PumpThrough(const std::function<bool(MSG&)>& filter, int ms);
bool WaitForThrough(const std::function<bool(MSG&)>& filter, const std::function<bool()>& condition,
                    int timeoutMs = 10000);

} // namespace test

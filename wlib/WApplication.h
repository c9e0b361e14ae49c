#pragma once

#include <windows.h>

#include <vector>

#include "WEventGenerator.h"
#include "WMessageFilter.h"

// The application: its start, run and end phases, the message loop and the
// quit request. The most recently constructed one is the current one.
class WApplication : public WEventGenerator {
public:
    WApplication();
    ~WApplication() override;

    static WApplication* GetCurrent();

    HINSTANCE GetInstance() const { return instance_; }
    DWORD GetThreadId() const { return threadId_; }
    WApplicationEventData& GetEventData() { return eventData_; }

    // Start phase, the run phase unless a start handler skipped it, then
    // always the end phase; the exit code of the event data.
    int RunPhases();

    // Fetches and dispatches until WM_QUIT or a failed fetch; `last` is the
    // quit message, or all zero after a failed fetch.
    void ProcessMessages(MSG& last);

    // Posts WM_QUIT with `exitCode` to the application's thread.
    void Quit(int exitCode);

    void AddMessageFilter(WMessageFilter* filter);
    void RemoveMessageFilter(WMessageFilter* filter);

protected:
    void SetInstance(HINSTANCE instance) { instance_ = instance; }
    void SetThreadId(DWORD id) { threadId_ = id; }
    // GetMessageA; a seam for the failure path.
    virtual BOOL FetchMessage(MSG& message);

private:
    bool Filter(MSG& message);

    HINSTANCE instance_ = nullptr;
    DWORD threadId_ = 0;
    WApplicationEventData eventData_;
    std::vector<WMessageFilter*> filters_;
    WApplication* previous_ = nullptr;
};

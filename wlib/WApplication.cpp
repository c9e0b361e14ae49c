#include "WApplication.h"

#include <algorithm>

namespace {
WApplication* current = nullptr;
}

WApplication::WApplication() : threadId_(GetCurrentThreadId()), previous_(current)
{
    current = this;
}

WApplication::~WApplication()
{
    if (current == this)
        current = previous_;
}

WApplication* WApplication::GetCurrent()
{
    return current;
}

int WApplication::RunPhases()
{
    eventData_.exitCode = 0;
    eventData_.skipRun = false;
    Raise(StartEvent, &eventData_);
    if (!eventData_.skipRun)
        Raise(RunEvent, &eventData_);
    Raise(EndEvent, &eventData_);
    return eventData_.exitCode;
}

BOOL WApplication::FetchMessage(MSG& message)
{
    return GetMessageA(&message, nullptr, 0, 0);
}

bool WApplication::Filter(MSG& message)
{
    // A filter may unregister itself while it runs.
    std::vector<WMessageFilter*> snapshot = filters_;
    for (WMessageFilter* f : snapshot) {
        if (std::find(filters_.begin(), filters_.end(), f) == filters_.end())
            continue;
        if (f->FilterMessage(message))
            return true;
    }
    return false;
}

void WApplication::ProcessMessages(MSG& last)
{
    for (;;) {
        MSG message;
        BOOL got = FetchMessage(message);
        if (got == 0) {
            last = message;
            return;
        }
        if (got == -1) {
            ZeroMemory(&last, sizeof last);
            return;
        }
        if (!Filter(message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
}

void WApplication::Quit(int exitCode)
{
    if (GetCurrentThreadId() == threadId_)
        PostQuitMessage(exitCode);
    else
        PostThreadMessageA(threadId_, WM_QUIT, static_cast<WPARAM>(exitCode), 0);
}

void WApplication::AddMessageFilter(WMessageFilter* filter)
{
    if (std::find(filters_.begin(), filters_.end(), filter) == filters_.end())
        filters_.push_back(filter);
}

void WApplication::RemoveMessageFilter(WMessageFilter* filter)
{
    filters_.erase(std::remove(filters_.begin(), filters_.end(), filter), filters_.end());
}

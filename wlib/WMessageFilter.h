#pragma once

#include <windows.h>

// Sees each message of the loop before it is dispatched.
class WMessageFilter {
public:
    virtual ~WMessageFilter() = default;
    // True when the message was taken and must not be dispatched.
    virtual bool FilterMessage(MSG& message) = 0;
};

#pragma once

#include <windows.h>

// The event name wins over the Win32 macro; call CreateEventA by its own name.
#undef CreateEvent

// Event identifiers of the form class library.
enum WEventID {
    MouseMoveEvent = 2,
    ClickEvent = 30,
    DoubleClickEvent = 31,
    LeftButtonDownEvent = 33,
    LeftButtonDoubleEvent = 35,
    SelectEvent = 41,
    StartEvent = 57,
    RunEvent = 58,
    EndEvent = 59,
    QueryCloseEvent = 83,
    CloseEvent = 84,
    CreateEvent = 87,
    DestroyEvent = 88,
    GetCursorEvent = 90,
};

#pragma once

// Base of everything handed to an event handler.
class WEventData {
public:
    virtual ~WEventData() = default;
};

// Mouse position in client coordinates and the MK_* key state.
class WMouseEventData : public WEventData {
public:
    WMouseEventData(int x, int y, unsigned keys) : x(x), y(y), keys(keys) {}
    int x;
    int y;
    unsigned keys;
};

// Shared by the start, run and end phases of an application.
class WApplicationEventData : public WEventData {
public:
    int exitCode = 0;
    bool skipRun = false;
};

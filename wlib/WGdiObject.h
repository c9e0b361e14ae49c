#pragma once

#include <windows.h>

// Owns one GDI object and deletes it exactly once.
template <class H>
class WGdiObject {
public:
    WGdiObject() = default;
    explicit WGdiObject(H handle) : handle_(handle) {}
    ~WGdiObject() { Reset(); }
    WGdiObject(const WGdiObject&) = delete;
    WGdiObject& operator=(const WGdiObject&) = delete;

    H Get() const { return handle_; }
    // Takes `handle`, deleting the one held before.
    void Reset(H handle = nullptr)
    {
        if (handle_ && handle_ != handle)
            DeleteObject(handle_);
        handle_ = handle;
    }
    H Release()
    {
        H h = handle_;
        handle_ = nullptr;
        return h;
    }

private:
    H handle_ = nullptr;
};

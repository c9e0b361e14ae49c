#pragma once

#include <windows.h>

#include "WGdiObject.h"
#include "WResourceID.h"

// A bitmap loaded from a module's resources; owns its HBITMAP.
class WBitmap {
public:
    // LoadImageA with IMAGE_BITMAP on `module` (the program's own when null).
    WBitmap(const WResourceID& id, HINSTANCE module = nullptr);
    HBITMAP GetHandle() const { return handle_.Get(); }

private:
    WGdiObject<HBITMAP> handle_;
};

#pragma once

#include <windows.h>

#include "WResourceID.h"

// A cursor loaded from a module's resources. Resource cursors are shared
// by the system, so nothing here destroys the handle.
class WCursor {
public:
    // LoadCursorA on `module` (the program's own when null).
    WCursor(const WResourceID& id, HINSTANCE module = nullptr);
    HCURSOR GetHandle() const { return handle_; }

private:
    HCURSOR handle_;
};

#include "WCursor.h"

WCursor::WCursor(const WResourceID& id, HINSTANCE module)
    : handle_(LoadCursorA(module ? module : GetModuleHandleA(nullptr), id.Get()))
{
}

#include "WBitmap.h"

WBitmap::WBitmap(const WResourceID& id, HINSTANCE module)
    : handle_(static_cast<HBITMAP>(
          LoadImageA(module ? module : GetModuleHandleA(nullptr), id.Get(), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR)))
{
}

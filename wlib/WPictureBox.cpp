#include "WPictureBox.h"

WPictureBox::~WPictureBox()
{
    // The window goes before the bitmap it draws.
    Destroy();
}

bool WPictureBox::SetBitmap(const WBitmap& bitmap)
{
    if (!Exists() || !bitmap.GetHandle())
        return false;
    HBITMAP copy = static_cast<HBITMAP>(CopyImage(bitmap.GetHandle(), IMAGE_BITMAP, 0, 0, 0));
    if (!copy)
        return false;
    LONG_PTR style = GetWindowLongPtrA(GetHandle(), GWL_STYLE);
    SetWindowLongPtrA(GetHandle(), GWL_STYLE, (style & ~static_cast<LONG_PTR>(SS_TYPEMASK)) | SS_BITMAP);
    SendMessageA(GetHandle(), STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(copy));
    bitmap_.Reset(copy);
    return true;
}

#pragma once

#include <memory>

#include "WBitmap.h"
#include "WControl.h"
#include "WGdiObject.h"

// A static control showing a bitmap at the bitmap's own size.
class WPictureBox : public WControl {
public:
    ~WPictureBox() override;
    // Switches the static to SS_BITMAP and sends STM_SETIMAGE with a copy of
    // the bitmap, which the picture box keeps while it exists.
    bool SetBitmap(const WBitmap& bitmap);

private:
    WGdiObject<HBITMAP> bitmap_;
};

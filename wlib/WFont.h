#pragma once

#include <windows.h>

#include "WString.h"

// A font descriptor such as "8.MS Sans Serif" or "<Inherited>".
class WFont {
public:
    WFont(const WString& descriptor) : descriptor_(descriptor) {}

    const WString& GetDescriptor() const { return descriptor_; }
    bool IsInherited() const;
    // Fills `lf` for a screen with `pixelsPerInchY`; false for a bad descriptor.
    bool ToLogFont(int pixelsPerInchY, LOGFONTA& lf) const;
    // The same, for the screen.
    bool ToLogFont(LOGFONTA& lf) const;

private:
    WString descriptor_;
};

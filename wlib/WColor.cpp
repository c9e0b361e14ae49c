#include "WColor.h"

COLORREF WColor::StandardColor(int index)
{
    static const COLORREF table[16] = {
        RGB(255, 255, 255), RGB(255, 0, 0),   RGB(0, 255, 0),     RGB(0, 0, 255),
        RGB(255, 255, 0),   RGB(255, 0, 255), RGB(0, 255, 255),   RGB(0, 0, 0),
        RGB(128, 128, 128), RGB(128, 0, 0),   RGB(0, 128, 0),     RGB(0, 0, 128),
        RGB(128, 128, 0),   RGB(128, 0, 128), RGB(0, 128, 128),   RGB(192, 192, 192),
    };
    if (index < 0 || index >= 16)
        return RGB(0, 0, 0);
    return table[index];
}

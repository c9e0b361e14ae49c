#pragma once

// A rectangle as left, top, width and height.
struct WRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

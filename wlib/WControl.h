#pragma once

#include "WWindow.h"

// A child control taken over from its parent form's template.
class WControl : public WWindow {
public:
    // Takes over the child window with item number `id`; its font then
    // follows the parent's. Creates no window.
    bool Bind(WWindow* parent, int id, HINSTANCE module = nullptr);
    int GetID() const;
};

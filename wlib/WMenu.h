#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "WResourceID.h"
#include "WString.h"

class WMenuItem;

// A menu bar loaded from a menu resource together with the accelerator table
// of the same name, whose keys it shows after a tab in the item texts.
// Owns the HMENU, the HACCEL and its items.
class WMenu {
public:
    // LoadMenuA and LoadAcceleratorsA; null when the menu resource is missing.
    static WMenu* Load(const WResourceID& name, HINSTANCE module = nullptr);
    ~WMenu();
    WMenu(const WMenu&) = delete;
    WMenu& operator=(const WMenu&) = delete;

    HMENU GetHandle() const { return menu_; }
    HACCEL GetAccelerators() const { return accelerators_; }
    // The item with `command`, searching every popup; null if none.
    WMenuItem* FindItem(int command) const;
    // GetMenuStringA by command.
    WString GetItemText(int command) const;

    // "Ctrl+X" and the like, from the library's string table.
    static WString KeyText(const ACCEL& accel, HINSTANCE module);

private:
    WMenu(HMENU menu, HACCEL accelerators);
    void CollectItems(HMENU menu);
    void AddShortcutTexts(HINSTANCE module);

    HMENU menu_;
    HACCEL accelerators_;
    std::vector<std::unique_ptr<WMenuItem>> items_;
};

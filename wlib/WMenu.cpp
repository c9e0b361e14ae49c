#include "WMenu.h"

#include <string>

#include "WMenuItem.h"
#include "WStrings.h"

namespace {

std::string LoadLibraryString(HINSTANCE module, UINT id)
{
    char buffer[64];
    int n = LoadStringA(module, id, buffer, sizeof buffer);
    return n > 0 ? std::string(buffer, static_cast<size_t>(n)) : std::string();
}

} // namespace

WMenu* WMenu::Load(const WResourceID& name, HINSTANCE module)
{
    if (!module)
        module = GetModuleHandleA(nullptr);
    HMENU menu = LoadMenuA(module, name.Get());
    if (!menu)
        return nullptr;
    WMenu* result = new WMenu(menu, LoadAcceleratorsA(module, name.Get()));
    result->AddShortcutTexts(module);
    return result;
}

WMenu::WMenu(HMENU menu, HACCEL accelerators) : menu_(menu), accelerators_(accelerators)
{
    CollectItems(menu_);
}

WMenu::~WMenu()
{
    items_.clear();
    if (accelerators_)
        DestroyAcceleratorTable(accelerators_);
    if (menu_)
        DestroyMenu(menu_);
}

void WMenu::CollectItems(HMENU menu)
{
    int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        if (HMENU sub = GetSubMenu(menu, i)) {
            CollectItems(sub);
            continue;
        }
        UINT id = GetMenuItemID(menu, i);
        if (id != 0 && id != static_cast<UINT>(-1))
            items_.push_back(std::make_unique<WMenuItem>(static_cast<int>(id)));
    }
}

WMenuItem* WMenu::FindItem(int command) const
{
    for (const auto& item : items_)
        if (item->GetCommand() == command)
            return item.get();
    return nullptr;
}

WString WMenu::GetItemText(int command) const
{
    char buffer[256] = "";
    GetMenuStringA(menu_, static_cast<UINT>(command), buffer, sizeof buffer, MF_BYCOMMAND);
    return WString(buffer);
}

WString WMenu::KeyText(const ACCEL& accel, HINSTANCE module)
{
    std::string plus = LoadLibraryString(module, WSTR_KEY_PLUS);
    std::string text;
    if (accel.fVirt & FCONTROL)
        text += LoadLibraryString(module, WSTR_KEY_CTRL) + plus;
    if (accel.fVirt & FALT)
        text += LoadLibraryString(module, WSTR_KEY_ALT) + plus;
    if (accel.fVirt & FSHIFT)
        text += LoadLibraryString(module, WSTR_KEY_SHIFT) + plus;
    if (accel.fVirt & FVIRTKEY)
        text += LoadLibraryString(module, WSTR_KEY_NAME + accel.key);
    else
        text += static_cast<char>(accel.key);
    return WString(text);
}

// Each accelerator that names an item replaces what follows the item's tab.
void WMenu::AddShortcutTexts(HINSTANCE module)
{
    if (!accelerators_)
        return;
    int count = CopyAcceleratorTableA(accelerators_, nullptr, 0);
    if (count <= 0)
        return;
    std::vector<ACCEL> entries(static_cast<size_t>(count));
    CopyAcceleratorTableA(accelerators_, entries.data(), count);
    for (const ACCEL& a : entries) {
        if (!FindItem(a.cmd))
            continue;
        std::string text = GetItemText(a.cmd).Str();
        size_t tab = text.find('\t');
        if (tab != std::string::npos)
            text.erase(tab);
        text += '\t';
        text += KeyText(a, module).Str();
        MENUITEMINFOA info;
        ZeroMemory(&info, sizeof info);
        info.cbSize = sizeof info;
        info.fMask = MIIM_STRING;
        info.dwTypeData = &text[0];
        SetMenuItemInfoA(menu_, a.cmd, FALSE, &info);
    }
}

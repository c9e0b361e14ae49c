#include "WModelessDialog.h"

#include "WAssertion.h"

bool WModelessDialog::LoadWindow(const WResourceID& name, WWindow* parent, HINSTANCE module)
{
    if (Exists())
        return false;
    if (!module)
        module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, name.Get(), reinterpret_cast<LPCSTR>(RT_DIALOG));
    if (!WAssertion::Check(found != nullptr, "Unable to find dialog resource"))
        return false;
    HWND owner = parent ? parent->GetHandle() : nullptr;
    HWND hwnd = CreateDialogParamA(module, name.Get(), owner, &WForm::DialogProc, reinterpret_cast<LPARAM>(this));
    return hwnd != nullptr && Exists();
}

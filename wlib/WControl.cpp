#include "WControl.h"

bool WControl::Bind(WWindow* parent, int id, HINSTANCE)
{
    if (Exists() || !parent || !parent->Exists())
        return false;
    HWND hwnd = GetDlgItem(parent->GetHandle(), id);
    if (!hwnd || FromHandle(hwnd))
        return false;
    Attach(hwnd, true);
    SetFont(WFont("<Inherited>"), true);
    return true;
}

int WControl::GetID() const
{
    return Exists() ? GetDlgCtrlID(GetHandle()) : 0;
}

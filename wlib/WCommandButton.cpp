#include "WCommandButton.h"

bool WCommandButton::SetPushed(bool pushed)
{
    if (!Exists())
        return false;
    SendMessageA(GetHandle(), BM_SETSTATE, pushed ? TRUE : FALSE, 0);
    return true;
}

void WCommandButton::OnCommandNotify(int code)
{
    if (code == BN_CLICKED)
        Raise(ClickEvent, nullptr);
}

#include "WToolTip.h"

#include <commctrl.h>

#include <vector>

namespace {

TOOLINFOA ToolInfo(WWindow* tool, char* text)
{
    TOOLINFOA info;
    ZeroMemory(&info, sizeof info);
    info.cbSize = sizeof info;
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = GetParent(tool->GetHandle());
    info.uId = reinterpret_cast<UINT_PTR>(tool->GetHandle());
    info.lpszText = text;
    return info;
}

} // namespace

bool WToolTip::Create(WWindow* tool)
{
    INITCOMMONCONTROLSEX init = {sizeof init, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&init);
    HWND owner = GetAncestor(tool->GetHandle(), GA_ROOT);
    HWND hwnd = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    if (!hwnd)
        return false;
    Attach(hwnd, true);
    return true;
}

bool WToolTip::SetToolText(WWindow* tool, const WString& text)
{
    if (!Exists())
        return false;
    std::vector<char> buffer(text.GetText(), text.GetText() + text.GetLength() + 1);
    TOOLINFOA info = ToolInfo(tool, buffer.data());
    if (!added_) {
        added_ = SendMessageA(GetHandle(), TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info)) != FALSE;
        return added_;
    }
    SendMessageA(GetHandle(), TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&info));
    return true;
}

WString WToolTip::GetToolText(WWindow* tool) const
{
    if (!Exists())
        return WString();
    std::vector<char> buffer(1024, '\0');
    TOOLINFOA info = ToolInfo(tool, buffer.data());
    SendMessageA(GetHandle(), TTM_GETTEXTA, static_cast<WPARAM>(buffer.size()), reinterpret_cast<LPARAM>(&info));
    return WString(buffer.data());
}

#include "WListBox.h"

#include <vector>

int WListBox::GetSelectedIndex() const
{
    if (!Exists())
        return -1;
    LRESULT index = SendMessageA(GetHandle(), LB_GETCURSEL, 0, 0);
    return index == LB_ERR ? -1 : static_cast<int>(index);
}

WString WListBox::GetItemText(int index) const
{
    if (!Exists() || index < 0)
        return WString();
    LRESULT length = SendMessageA(GetHandle(), LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == LB_ERR || length <= 0)
        return WString();
    std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
    LRESULT got = SendMessageA(GetHandle(), LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer.data()));
    if (got == LB_ERR)
        return WString();
    return WString(std::string(buffer.data(), static_cast<size_t>(got)));
}

int WListBox::GetCount() const
{
    return Exists() ? static_cast<int>(SendMessageA(GetHandle(), LB_GETCOUNT, 0, 0)) : 0;
}

int WListBox::AddItem(const WString& text, int position, LPARAM data, bool autoPosition)
{
    if (!Exists())
        return LB_ERR;
    LPARAM string = reinterpret_cast<LPARAM>(text.GetText());
    LRESULT index = (position == -1 && autoPosition)
                        ? SendMessageA(GetHandle(), LB_ADDSTRING, 0, string)
                        : SendMessageA(GetHandle(), LB_INSERTSTRING, static_cast<WPARAM>(position), string);
    if (index == LB_ERR || index == LB_ERRSPACE)
        return LB_ERR;
    SendMessageA(GetHandle(), LB_SETITEMDATA, static_cast<WPARAM>(index), data);
    return static_cast<int>(index);
}

void WListBox::OnCommandNotify(int code)
{
    if (code == LBN_SELCHANGE)
        Raise(SelectEvent, nullptr);
    else if (code == LBN_DBLCLK)
        Raise(DoubleClickEvent, nullptr);
}

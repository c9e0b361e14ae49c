#pragma once

#include "WControl.h"

// A list box: LeftButtonDownEvent before it handles a press,
// LeftButtonDoubleEvent for the second press of a double-click,
// SelectEvent on LBN_SELCHANGE and DoubleClickEvent on LBN_DBLCLK.
class WListBox : public WControl {
public:
    // LB_GETCURSEL: the zero-based index, or -1.
    int GetSelectedIndex() const;
    // LB_GETTEXT; "" for an invalid index.
    WString GetItemText(int index) const;
    // LB_GETCOUNT.
    int GetCount() const;
    // LB_ADDSTRING when `position` is -1 and `autoPosition` is set, else
    // LB_INSERTSTRING; then LB_SETITEMDATA. The new index or LB_ERR.
    int AddItem(const WString& text, int position = -1, LPARAM data = 0, bool autoPosition = true);

protected:
    void OnCommandNotify(int code) override;
};

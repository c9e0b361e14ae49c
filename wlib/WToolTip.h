#pragma once

#include "WWindow.h"

// A tooltip control of the common controls for one window.
class WToolTip : public WWindow {
public:
    // CreateWindowExA of TOOLTIPS_CLASSA, owned by the tool's top-level window.
    bool Create(WWindow* tool);
    // TTM_ADDTOOLA the first time, TTM_UPDATETIPTEXTA afterwards.
    bool SetToolText(WWindow* tool, const WString& text);
    // TTM_GETTEXTA for the tool.
    WString GetToolText(WWindow* tool) const;

private:
    bool added_ = false;
};

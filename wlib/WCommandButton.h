#pragma once

#include "WControl.h"

// A push button; raises ClickEvent on BN_CLICKED.
class WCommandButton : public WControl {
public:
    // BM_SETSTATE.
    bool SetPushed(bool pushed);

protected:
    void OnCommandNotify(int code) override;
};

#pragma once

#include "WForm.h"

// A form instantiated as a modeless dialog.
class WModelessDialog : public WForm {
public:
    // CreateDialogParamA with the template `name`; CreateEvent has been raised
    // when it returns. Fails when the form has a window already or none can be made.
    bool LoadWindow(const WResourceID& name, WWindow* parent = nullptr, HINSTANCE module = nullptr);
};

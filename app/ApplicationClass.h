#pragma once

#include "WExeApplication.h"

class Form1;

// The phrase book's application: creates the main form at start, runs the
// message loop, deletes the form at the end.
class ApplicationClass : public WExeApplication {
public:
    ApplicationClass();
    ~ApplicationClass() override;

    bool ApplicationClass_Start(WEventGenerator* source, WApplicationEventData* event);
    bool ApplicationClass_StartDefault(WEventGenerator* source, WApplicationEventData* event);
    bool ApplicationClass_Run(WEventGenerator* source, WApplicationEventData* event);
    bool ApplicationClass_RunDefault(WEventGenerator* source, WApplicationEventData* event);
    bool ApplicationClass_End(WEventGenerator* source, WApplicationEventData* event);
    bool ApplicationClass_EndDefault(WEventGenerator* source, WApplicationEventData* event);
};

// Creates MainForm from the template; null when that fails.
Form1* CreateMainForm();
void DestroyMainForm();

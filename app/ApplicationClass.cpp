#include "ApplicationClass.h"

#include <new>

#include "Form1.h"

ApplicationClass::ApplicationClass()
{
    Connect(StartEvent, this, &ApplicationClass::ApplicationClass_Start);
    Connect(StartEvent, this, &ApplicationClass::ApplicationClass_StartDefault);
    Connect(RunEvent, this, &ApplicationClass::ApplicationClass_Run);
    Connect(RunEvent, this, &ApplicationClass::ApplicationClass_RunDefault);
    Connect(EndEvent, this, &ApplicationClass::ApplicationClass_End);
    Connect(EndEvent, this, &ApplicationClass::ApplicationClass_EndDefault);
}

ApplicationClass::~ApplicationClass() = default;

bool ApplicationClass::ApplicationClass_StartDefault(WEventGenerator*, WApplicationEventData* event)
{
    event->exitCode = 0;
    event->skipRun = false;
    return false;
}

bool ApplicationClass::ApplicationClass_Start(WEventGenerator*, WApplicationEventData* event)
{
    CreateMainForm();
    if (!MainForm) {
        event->exitCode = -1;
        event->skipRun = true;
    }
    return true;
}

bool ApplicationClass::ApplicationClass_RunDefault(WEventGenerator*, WApplicationEventData*)
{
    return false;
}

bool ApplicationClass::ApplicationClass_Run(WEventGenerator*, WApplicationEventData* event)
{
    MSG last;
    ProcessMessages(last);
    event->exitCode = static_cast<int>(last.wParam);
    return true;
}

bool ApplicationClass::ApplicationClass_EndDefault(WEventGenerator*, WApplicationEventData*)
{
    return false;
}

bool ApplicationClass::ApplicationClass_End(WEventGenerator*, WApplicationEventData*)
{
    DestroyMainForm();
    MainForm = nullptr;
    return true;
}

Form1* CreateMainForm()
{
    MainForm = new (std::nothrow) Form1;
    if (!MainForm)
        return nullptr;
    if (MainForm->LoadWindow(WResourceID("ID_Form1"), nullptr, nullptr))
        return MainForm;
    delete MainForm;
    MainForm = nullptr;
    return nullptr;
}

void DestroyMainForm()
{
    delete MainForm;
    MainForm = nullptr;
}

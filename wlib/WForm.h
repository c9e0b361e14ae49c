#pragma once

#include <windows.h>

#include "WMessageFilter.h"
#include "WResourceID.h"
#include "WWindow.h"

class WCommandButton;
class WMenu;

// A top-level form made from a dialog template. Its window procedure raises
// CreateEvent, QueryCloseEvent, CloseEvent and DestroyEvent and routes child
// notifications and menu commands to their objects.
class WForm : public WWindow, public WMessageFilter {
public:
    WForm();
    ~WForm() override;

    // Large and small icon from an icon group, loaded at the system's sizes.
    bool SetIcon(const WResourceID& id, bool mainForm, HINSTANCE module = nullptr);
    bool IsMainForm() const { return mainForm_; }

    // SetMenu: shows the menu bar and uses its accelerators; null detaches.
    bool SetMenu(WMenu* menu);
    WMenu* GetMenu() const { return menu_; }

    // BM_SETSTYLE with BS_DEFPUSHBUTTON and DM_SETDEFID with its item number.
    bool SetDefaultButton(WCommandButton* button);

    // SystemParametersInfoA with SPI_GETWORKAREA.
    static WRect GetDesktopWorkArea();

    // Accelerators of the attached menu first, then IsDialogMessageA.
    bool FilterMessage(MSG& message) override;

protected:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    virtual INT_PTR OnDialogMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnDetached() override;

private:
    void OnCommand(WPARAM wParam, LPARAM lParam);
    void OnClose();
    void FreeIcons();

    WMenu* menu_ = nullptr;
    bool mainForm_ = false;
    HICON bigIcon_ = nullptr;
    HICON smallIcon_ = nullptr;
    bool filtering_ = false;
};

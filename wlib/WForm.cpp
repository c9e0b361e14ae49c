#include "WForm.h"

#include "WApplication.h"
#include "WCommandButton.h"
#include "WMenu.h"
#include "WMenuItem.h"

WForm::WForm() = default;

WForm::~WForm()
{
    Destroy();
    FreeIcons();
}

// Dialog procedure of every form. No exception leaves it.
INT_PTR CALLBACK WForm::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    WForm* form = nullptr;
    if (message == WM_INITDIALOG) {
        form = reinterpret_cast<WForm*>(lParam);
        form->Attach(hwnd, false);
        if (WApplication* app = WApplication::GetCurrent()) {
            app->AddMessageFilter(form);
            form->filtering_ = true;
        }
    } else {
        form = dynamic_cast<WForm*>(FromHandle(hwnd));
    }
    if (!form)
        return FALSE;
    if (message == WM_NCDESTROY) {
        form->Detach();
        return FALSE;
    }
    try {
        return form->OnDialogMessage(message, wParam, lParam);
    } catch (...) {
        return FALSE;
    }
}

INT_PTR WForm::OnDialogMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        Raise(CreateEvent, nullptr);
        return TRUE;
    case WM_COMMAND:
        OnCommand(wParam, lParam);
        return TRUE;
    case WM_CLOSE:
        OnClose();
        return TRUE;
    case WM_GETFONT:
        // The dialog manager would keep answering with the template's font,
        // which children that follow the form would then take.
        if (font_.Get()) {
            SetWindowLongPtrA(GetHandle(), DWLP_MSGRESULT, reinterpret_cast<LONG_PTR>(font_.Get()));
            return TRUE;
        }
        return FALSE;
    case WM_DESTROY: {
        Raise(DestroyEvent, nullptr);
        // A menu still attached belongs to its owner, not to the window.
        if (GetHandle() && ::GetMenu(GetHandle()))
            ::SetMenu(GetHandle(), nullptr);
        menu_ = nullptr;
        return TRUE;
    }
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLOREDIT: {
        bool handled = false;
        LRESULT brush = ColorChild(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam), handled);
        return handled ? static_cast<INT_PTR>(brush) : FALSE;
    }
    default: {
        LRESULT result = 0;
        if (OnMessage(message, wParam, lParam, result)) {
            SetWindowLongPtrA(GetHandle(), DWLP_MSGRESULT, result);
            return TRUE;
        }
        return FALSE;
    }
    }
}

void WForm::OnCommand(WPARAM wParam, LPARAM lParam)
{
    HWND control = reinterpret_cast<HWND>(lParam);
    if (control) {
        if (WWindow* child = FromHandle(control))
            child->OnCommandNotify(HIWORD(wParam));
        return;
    }
    // Menu (0) and accelerator (1) commands.
    if (menu_)
        if (WMenuItem* item = menu_->FindItem(LOWORD(wParam)))
            item->Raise(ClickEvent, nullptr);
}

void WForm::OnClose()
{
    if (Raise(QueryCloseEvent, nullptr))
        return;
    if (Raise(CloseEvent, nullptr))
        return;
    Destroy();
}

void WForm::OnDetached()
{
    if (filtering_) {
        if (WApplication* app = WApplication::GetCurrent())
            app->RemoveMessageFilter(this);
        filtering_ = false;
    }
    menu_ = nullptr;
    FreeIcons();
}

void WForm::FreeIcons()
{
    if (bigIcon_)
        DestroyIcon(bigIcon_);
    if (smallIcon_)
        DestroyIcon(smallIcon_);
    bigIcon_ = smallIcon_ = nullptr;
}

bool WForm::SetIcon(const WResourceID& id, bool mainForm, HINSTANCE module)
{
    mainForm_ = mainForm;
    if (!Exists())
        return false;
    if (!module)
        module = GetModuleHandleA(nullptr);
    HICON big = static_cast<HICON>(LoadImageA(module, id.Get(), IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                                              GetSystemMetrics(SM_CYICON), LR_DEFAULTCOLOR));
    HICON small = static_cast<HICON>(LoadImageA(module, id.Get(), IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
    if (big) {
        SendMessageA(GetHandle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
        if (bigIcon_)
            DestroyIcon(bigIcon_);
        bigIcon_ = big;
    }
    if (small) {
        SendMessageA(GetHandle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
        if (smallIcon_)
            DestroyIcon(smallIcon_);
        smallIcon_ = small;
    }
    return big || small;
}

bool WForm::SetMenu(WMenu* menu)
{
    if (!Exists())
        return false;
    if (!::SetMenu(GetHandle(), menu ? menu->GetHandle() : nullptr))
        return false;
    menu_ = menu;
    return true;
}

bool WForm::SetDefaultButton(WCommandButton* button)
{
    if (!Exists() || !button || !button->Exists())
        return false;
    SendMessageA(button->GetHandle(), BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    SendMessageA(GetHandle(), DM_SETDEFID, GetDlgCtrlID(button->GetHandle()), 0);
    return true;
}

WRect WForm::GetDesktopWorkArea()
{
    RECT r = {0, 0, 0, 0};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &r, 0);
    WRect rect;
    rect.x = r.left;
    rect.y = r.top;
    rect.width = r.right - r.left;
    rect.height = r.bottom - r.top;
    return rect;
}

bool WForm::FilterMessage(MSG& message)
{
    HWND hwnd = GetHandle();
    if (!hwnd || !(message.hwnd == hwnd || IsChild(hwnd, message.hwnd)))
        return false;
    if (menu_ && menu_->GetAccelerators() && TranslateAcceleratorA(hwnd, menu_->GetAccelerators(), &message))
        return true;
    return IsDialogMessageA(hwnd, &message) != FALSE;
}

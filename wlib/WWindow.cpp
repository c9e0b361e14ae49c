#include "WWindow.h"

#include <windowsx.h>

#include <unordered_map>
#include <vector>

#include "WCursor.h"
#include "WToolTip.h"

namespace {

// The one place that maps window handles to their objects (single UI thread).
std::unordered_map<HWND, WWindow*>& HandleMap()
{
    static std::unordered_map<HWND, WWindow*> map;
    return map;
}

} // namespace

WWindow::WWindow() = default;

WWindow::~WWindow()
{
    toolTip_.reset();
    Destroy();
    Detach();
}

WWindow* WWindow::FromHandle(HWND hwnd)
{
    auto it = HandleMap().find(hwnd);
    return it == HandleMap().end() ? nullptr : it->second;
}

void WWindow::Attach(HWND hwnd, bool subclass)
{
    hwnd_ = hwnd;
    HandleMap()[hwnd] = this;
    if (subclass)
        oldProc_ = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WWindow::SubclassProc)));
}

void WWindow::Detach()
{
    if (!hwnd_)
        return;
    auto it = HandleMap().find(hwnd_);
    if (it != HandleMap().end() && it->second == this)
        HandleMap().erase(it);
    hwnd_ = nullptr;
    oldProc_ = nullptr;
    OnDetached();
}

LRESULT WWindow::CallDefault(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (oldProc_)
        return CallWindowProcA(oldProc_, hwnd_, message, wParam, lParam);
    return DefWindowProcA(hwnd_, message, wParam, lParam);
}

// Window procedure of every subclassed control. No exception leaves it.
LRESULT CALLBACK WWindow::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    WWindow* window = FromHandle(hwnd);
    if (!window)
        return DefWindowProcA(hwnd, message, wParam, lParam);
    WNDPROC oldProc = window->oldProc_;
    if (message == WM_NCDESTROY) {
        LRESULT result = CallWindowProcA(oldProc, hwnd, message, wParam, lParam);
        window->Detach();
        return result;
    }
    LRESULT result = 0;
    bool handled = false;
    try {
        handled = window->OnMessage(message, wParam, lParam, result);
    } catch (...) {
        handled = false;
    }
    if (handled)
        return result;
    // The handler may have destroyed the window; look it up again.
    if (FromHandle(hwnd) != window)
        return CallWindowProcA(oldProc, hwnd, message, wParam, lParam);
    return window->CallDefault(message, wParam, lParam);
}

bool WWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
    case WM_MOUSEMOVE: {
        WMouseEventData data(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), static_cast<unsigned>(wParam));
        Raise(MouseMoveEvent, &data);
        return false;
    }
    case WM_LBUTTONDOWN: {
        WMouseEventData data(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), static_cast<unsigned>(wParam));
        if (Raise(LeftButtonDownEvent, &data)) {
            result = 0;
            return true;
        }
        return false;
    }
    case WM_LBUTTONDBLCLK: {
        WMouseEventData data(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), static_cast<unsigned>(wParam));
        if (Raise(LeftButtonDoubleEvent, &data)) {
            result = 0;
            return true;
        }
        return false;
    }
    case WM_SETCURSOR:
        if (keptCursor_ && reinterpret_cast<HWND>(wParam) == hwnd_ && LOWORD(lParam) == HTCLIENT) {
            ::SetCursor(keptCursor_);
            result = TRUE;
            return true;
        }
        return false;
    default:
        return false;
    }
}

void WWindow::OnCommandNotify(int) {}

bool WWindow::SetText(const WString& text)
{
    return hwnd_ && SetWindowTextA(hwnd_, text.GetText());
}

WString WWindow::GetText() const
{
    if (!hwnd_)
        return WString();
    int length = GetWindowTextLengthA(hwnd_);
    std::vector<char> buffer(static_cast<size_t>(length) + 2, '\0');
    int got = GetWindowTextA(hwnd_, buffer.data(), length + 1);
    return WString(std::string(buffer.data(), static_cast<size_t>(got < 0 ? 0 : got)));
}

void WWindow::ApplyFontToFollowers(HFONT font, bool redraw)
{
    for (HWND child = GetWindow(hwnd_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        WWindow* w = FromHandle(child);
        if (w && w->followsParentFont_) {
            SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw);
            w->ApplyFontToFollowers(font, redraw);
        }
    }
}

bool WWindow::SetFont(const WFont& font, bool redraw)
{
    if (!hwnd_)
        return false;
    HFONT handle = nullptr;
    if (font.IsInherited()) {
        HWND parent = GetParent(hwnd_);
        if (parent)
            handle = reinterpret_cast<HFONT>(SendMessageA(parent, WM_GETFONT, 0, 0));
    } else {
        LOGFONTA lf;
        if (!font.ToLogFont(lf))
            return false;
        handle = CreateFontIndirectA(&lf);
        if (!handle)
            return false;
    }
    SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(handle), redraw);
    ApplyFontToFollowers(handle, redraw);
    // The old font goes only once nobody draws with it any more.
    font_.Reset(font.IsInherited() ? nullptr : handle);
    followsParentFont_ = font.IsInherited();
    return true;
}

bool WWindow::SetBackColor(const WColor& color)
{
    HBRUSH brush = CreateSolidBrush(color.GetRGB());
    if (!brush)
        return false;
    backBrush_.Reset(brush);
    backColor_ = color.GetRGB();
    hasBackColor_ = true;
    if (hwnd_)
        InvalidateRect(hwnd_, nullptr, TRUE);
    return true;
}

bool WWindow::SetForeColor(const WColor& color)
{
    foreColor_ = color.GetRGB();
    hasForeColor_ = true;
    if (hwnd_)
        InvalidateRect(hwnd_, nullptr, TRUE);
    return true;
}

bool WWindow::GetEffectiveBackColor(COLORREF& color) const
{
    for (const WWindow* w = this; w; w = w->hwnd_ ? FromHandle(GetParent(w->hwnd_)) : nullptr) {
        if (w->hasBackColor_) {
            color = w->backColor_;
            return true;
        }
    }
    return false;
}

HBRUSH WWindow::GetEffectiveBackBrush() const
{
    for (const WWindow* w = this; w; w = w->hwnd_ ? FromHandle(GetParent(w->hwnd_)) : nullptr)
        if (w->hasBackColor_)
            return w->backBrush_.Get();
    return nullptr;
}

bool WWindow::GetEffectiveForeColor(COLORREF& color) const
{
    for (const WWindow* w = this; w; w = w->hwnd_ ? FromHandle(GetParent(w->hwnd_)) : nullptr) {
        if (w->hasForeColor_) {
            color = w->foreColor_;
            return true;
        }
    }
    return false;
}

LRESULT WWindow::ColorChild(HWND child, HDC dc, bool& handled)
{
    handled = false;
    WWindow* w = FromHandle(child);
    if (!w)
        return 0;
    COLORREF back = 0;
    COLORREF fore = 0;
    bool hasBack = w->GetEffectiveBackColor(back);
    bool hasFore = w->GetEffectiveForeColor(fore);
    if (!hasBack && !hasFore)
        return 0;
    handled = true;
    SetTextColor(dc, hasFore ? fore : GetSysColor(COLOR_WINDOWTEXT));
    if (hasBack) {
        SetBkColor(dc, back);
        return reinterpret_cast<LRESULT>(w->GetEffectiveBackBrush());
    }
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

bool WWindow::SetToolTipText(const WString& text)
{
    if (!hwnd_)
        return false;
    if (!toolTip_) {
        auto tip = std::make_unique<WToolTip>();
        if (!tip->Create(this))
            return false;
        toolTip_ = std::move(tip);
    }
    return toolTip_->SetToolText(this, text);
}

bool WWindow::Show(int command)
{
    if (!hwnd_)
        return false;
    ShowWindow(hwnd_, command);
    return true;
}

bool WWindow::Hide()
{
    return Show(SW_HIDE);
}

bool WWindow::IsVisible() const
{
    return hwnd_ && IsWindowVisible(hwnd_);
}

bool WWindow::Move(const WRect& rect, bool repaint)
{
    return hwnd_ && MoveWindow(hwnd_, rect.x, rect.y, rect.width, rect.height, repaint);
}

bool WWindow::Update(bool erase)
{
    if (!hwnd_)
        return false;
    UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | (erase ? RDW_ERASE | RDW_ERASENOW : 0);
    return RedrawWindow(hwnd_, nullptr, nullptr, flags);
}

bool WWindow::SetCursor(const WCursor& cursor, bool keep)
{
    HCURSOR handle = cursor.GetHandle();
    if (!handle)
        return false;
    ::SetCursor(handle);
    if (keep)
        keptCursor_ = handle;
    return true;
}

bool WWindow::Destroy()
{
    if (!hwnd_)
        return false;
    return DestroyWindow(hwnd_) != FALSE;
}

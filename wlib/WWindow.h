#pragma once

#include <windows.h>

#include <memory>

#include "WColor.h"
#include "WEventGenerator.h"
#include "WFont.h"
#include "WGdiObject.h"
#include "WRect.h"
#include "WString.h"

class WCursor;
class WToolTip;

// A window object. It owns its HWND from Attach until the window is
// destroyed; one map from handles to objects serves every window procedure.
class WWindow : public WEventGenerator {
public:
    WWindow();
    ~WWindow() override;

    HWND GetHandle() const { return hwnd_; }
    bool Exists() const { return hwnd_ != nullptr; }
    static WWindow* FromHandle(HWND hwnd);

    // SetWindowTextA / GetWindowTextA.
    bool SetText(const WString& text);
    WString GetText() const;

    // WM_SETFONT with a font made from the descriptor; "<Inherited>" takes the parent's.
    bool SetFont(const WFont& font, bool redraw = true);
    bool FollowsParentFont() const { return followsParentFont_; }

    // Colours drawn by the parent's WM_CTLCOLOR* answer; each repaints.
    bool SetBackColor(const WColor& color);
    bool SetForeColor(const WColor& color);
    // Own colour or that of the nearest enclosing window with one.
    bool GetEffectiveBackColor(COLORREF& color) const;
    bool GetEffectiveForeColor(COLORREF& color) const;
    HBRUSH GetEffectiveBackBrush() const;

    void SetName(const WString& name) { name_ = name; }
    const WString& GetName() const { return name_; }

    // The first call creates the tooltip control.
    bool SetToolTipText(const WString& text);
    WToolTip* GetToolTip() const { return toolTip_.get(); }

    // ShowWindow with SW_SHOW / SW_HIDE.
    bool Show(int command = SW_SHOW);
    bool Hide();
    bool IsVisible() const;
    // MoveWindow: outer rectangle in parent client (or screen) coordinates.
    bool Move(const WRect& rect, bool repaint = true);
    // RedrawWindow of the whole client area, erasing when asked, at once.
    bool Update(bool erase);
    // SetCursor now; with `keep` the cursor also answers WM_SETCURSOR later.
    bool SetCursor(const WCursor& cursor, bool keep);
    // DestroyWindow, if the window exists.
    bool Destroy();

protected:
    // Takes over an existing window: maps it and routes its messages here.
    void Attach(HWND hwnd, bool subclass);
    // Message hook for every window; true when handled, with `result` set.
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // Notification codes from the parent's WM_COMMAND.
    virtual void OnCommandNotify(int code);
    // Called on WM_NCDESTROY, after which the handle is gone.
    virtual void OnDetached() {}
    LRESULT CallDefault(UINT message, WPARAM wParam, LPARAM lParam);
    // Colour answer for a child's WM_CTLCOLOR* message.
    static LRESULT ColorChild(HWND child, HDC dc, bool& handled);
    void ApplyFontToFollowers(HFONT font, bool redraw);
    void Detach();

    friend class WForm;

private:
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;
    WNDPROC oldProc_ = nullptr;
    WString name_;
    WGdiObject<HFONT> font_;
    bool followsParentFont_ = false;
    bool hasBackColor_ = false;
    bool hasForeColor_ = false;
    COLORREF backColor_ = 0;
    COLORREF foreColor_ = 0;
    WGdiObject<HBRUSH> backBrush_;
    HCURSOR keptCursor_ = nullptr;
    std::unique_ptr<WToolTip> toolTip_;
};

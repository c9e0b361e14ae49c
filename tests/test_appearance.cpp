#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <cstring>
#include <string>
#include <vector>

#include "ApplicationClass.h"
#include "Form1.h"
#include "TestSupport.h"
#include "WApplication.h"
#include "WToolTip.h"

namespace {

const COLORREF PaleYellow = RGB(255, 255, 204);

// Form1_Close of the main form asks the application to quit.
void DrainQuit()
{
    MSG quit;
    while (PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
}

int ScreenDpiY()
{
    HDC screen = GetDC(nullptr);
    int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

LONG HeightOf(int points)
{
    return -MulDiv(points, ScreenDpiY(), 72);
}

HFONT FontHandle(HWND hwnd)
{
    return reinterpret_cast<HFONT>(SendMessageA(hwnd, WM_GETFONT, 0, 0));
}

// The main form as the program makes it, with an application around it as
// in the program, so that the form registers its message filter.
class MainWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(CreateMainForm(), nullptr);
        ASSERT_NE(MainForm, nullptr);
        form = MainForm->GetHandle();
        ASSERT_TRUE(IsWindow(form));
    }
    void TearDown() override
    {
        DestroyMainForm();
        DrainQuit();
    }

    HWND Item(int id) const { return GetDlgItem(form, id); }

    WApplication app;
    HWND form = nullptr;
};

TEST(MainWindowPlacement, CentredOnTheWorkAreaSizeFromTheScreenCorner)
{
    struct Case {
        int x, y, width, height;
        int expectX, expectY;
    };
    const Case cases[] = {
        {0, 0, 1024, 738, 212, 149},
        {0, 0, 595, 738, -2, 149},
        {0, 0, 599, 439, 0, 0},
        {0, 0, 600, 440, 0, 0},
        {0, 0, 1280, 1024, 340, 292},
        {0, 0, 1, 1, -299, -219},
        // A task bar at the top or left does not shift the form.
        {100, 30, 924, 738, 162, 149},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height) + " at " + std::to_string(c.x) +
                     "," + std::to_string(c.y));
        WRect workArea;
        workArea.x = c.x;
        workArea.y = c.y;
        workArea.width = c.width;
        workArea.height = c.height;
        WRect r = Form1::Placement(workArea);
        EXPECT_EQ(r.x, c.expectX);
        EXPECT_EQ(r.y, c.expectY);
        EXPECT_EQ(r.width, 600);
        EXPECT_EQ(r.height, 440);
    }
}

TEST_F(MainWindow, StandsCentredOnTheDisplayWithItsOuterSize)
{
    RECT wa;
    ASSERT_TRUE(SystemParametersInfoA(SPI_GETWORKAREA, 0, &wa, 0));
    RECT r;
    ASSERT_TRUE(GetWindowRect(form, &r));
    EXPECT_EQ(r.right - r.left, 600);
    EXPECT_EQ(r.bottom - r.top, 440);
    EXPECT_EQ(r.left, (wa.right - wa.left - 600) / 2);
    EXPECT_EQ(r.top, (wa.bottom - wa.top - 440) / 2);
    EXPECT_TRUE(IsWindowVisible(form));
    EXPECT_EQ(test::WindowText(form), "Plauderix...");
}

std::string MenuText(HMENU menu, UINT position)
{
    char text[128] = "";
    GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
    return text;
}

TEST_F(MainWindow, MenuBarHasOnePopupWithShortcutTexts)
{
    HMENU bar = GetMenu(form);
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(GetMenuItemCount(bar), 1);
    EXPECT_EQ(MenuText(bar, 0), "Programm");
    HMENU popup = GetSubMenu(bar, 0);
    ASSERT_NE(popup, nullptr);
    ASSERT_EQ(GetMenuItemCount(popup), 3);

    EXPECT_EQ(GetMenuItemID(popup, 0), 1001u);
    EXPECT_EQ(MenuText(popup, 0), "Impressum\tCtrl+I");
    MENUITEMINFOA separator = {};
    separator.cbSize = sizeof separator;
    separator.fMask = MIIM_FTYPE;
    ASSERT_TRUE(GetMenuItemInfoA(popup, 1, TRUE, &separator));
    EXPECT_TRUE(separator.fType & MFT_SEPARATOR);
    EXPECT_EQ(GetMenuItemID(popup, 2), 1003u);
    EXPECT_EQ(MenuText(popup, 2), "Beenden\tCtrl+X");

    EXPECT_EQ(GetMenuState(bar, 1002, MF_BYCOMMAND), static_cast<UINT>(-1));
    EXPECT_EQ(MainForm->menu->FindItem(1002), nullptr);
}

// Ctrl held down for this thread while it lives.
class ControlDown {
public:
    ControlDown()
    {
        GetKeyboardState(saved_);
        BYTE keys[256];
        memcpy(keys, saved_, sizeof keys);
        keys[VK_CONTROL] = keys[VK_LCONTROL] = 0x80;
        SetKeyboardState(keys);
    }
    ~ControlDown() { SetKeyboardState(saved_); }

private:
    BYTE saved_[256];
};

MSG KeyDown(HWND hwnd, WORD key)
{
    MSG message = {};
    message.hwnd = hwnd;
    message.message = WM_KEYDOWN;
    message.wParam = key;
    message.lParam = 1 | (static_cast<LPARAM>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC)) << 16);
    message.time = GetTickCount();
    return message;
}

struct ClickRecorder {
    std::vector<WEventGenerator*> sources;
    bool Clicked(WEventGenerator* source, WEventData*)
    {
        sources.push_back(source);
        return true;
    }
};

TEST_F(MainWindow, CtrlIOnTheListOpensTheCredits)
{
    HWND list = MainForm->lb_1->GetHandle();
    SetFocus(list);
    ASSERT_EQ(GetFocus(), list);
    ASSERT_FALSE(IsWindowVisible(Item(107)));

    MSG plain = KeyDown(list, 'I');
    MainForm->FilterMessage(plain);
    EXPECT_FALSE(IsWindowVisible(Item(107)));

    {
        ControlDown ctrl;
        MSG message = KeyDown(list, 'I');
        EXPECT_TRUE(MainForm->FilterMessage(message));
    }
    EXPECT_TRUE(IsWindowVisible(Item(107)));
    EXPECT_TRUE(IsWindowVisible(Item(108)));
    EXPECT_FALSE(IsWindowVisible(Item(104)));
}

TEST_F(MainWindow, CtrlXOnTheListClicksBeenden)
{
    // menu_Beenden_Click would end this process.
    WMenuItem* beenden = MainForm->menu_Beenden;
    ASSERT_NE(beenden, nullptr);
    ASSERT_TRUE(beenden->Disconnect(ClickEvent, MainForm, &Form1::menu_Beenden_Click));
    ClickRecorder recorder;
    beenden->Connect(ClickEvent, &recorder, &ClickRecorder::Clicked);

    HWND list = MainForm->lb_1->GetHandle();
    SetFocus(list);
    ASSERT_EQ(GetFocus(), list);
    {
        ControlDown ctrl;
        MSG message = KeyDown(list, 'X');
        EXPECT_TRUE(MainForm->FilterMessage(message));
    }
    EXPECT_EQ(recorder.sources, std::vector<WEventGenerator*>{beenden});
    EXPECT_FALSE(IsWindowVisible(Item(107)));
}

TEST_F(MainWindow, FontsAsSetAndFollowingTheForm)
{
    struct Case {
        int id;  // 0: the form itself
        const char* face;
        int points;
    };
    const Case cases[] = {
        {0, "MS Sans Serif", 8},
        {105, "MS Sans Serif", 9},
        {106, "Arial", 9},
        {108, "Arial", 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        HFONT font = FontHandle(c.id ? Item(c.id) : form);
        LOGFONTA lf = {};
        ASSERT_EQ(GetObjectA(font, sizeof lf, &lf), static_cast<int>(sizeof lf));
        EXPECT_STREQ(lf.lfFaceName, c.face);
        EXPECT_EQ(lf.lfHeight, HeightOf(c.points));
        EXPECT_EQ(lf.lfWeight, 0);
        EXPECT_EQ(lf.lfItalic, 0);
        EXPECT_EQ(lf.lfCharSet, ANSI_CHARSET);
    }
    HFONT formFont = FontHandle(form);
    for (int id : {102, 107, 109}) {
        SCOPED_TRACE(id);
        EXPECT_EQ(FontHandle(Item(id)), formFont);
    }
}

TEST_F(MainWindow, NewFormFontReachesFollowersOnly)
{
    HFONT oldFormFont = FontHandle(form);
    HFONT labelFont = FontHandle(Item(105));
    ASSERT_TRUE(MainForm->SetFont(WFont("10.Arial"), true));
    HFONT newFormFont = FontHandle(form);
    ASSERT_NE(newFormFont, oldFormFont);
    LOGFONTA lf = {};
    ASSERT_EQ(GetObjectA(newFormFont, sizeof lf, &lf), static_cast<int>(sizeof lf));
    EXPECT_STREQ(lf.lfFaceName, "Arial");
    EXPECT_EQ(lf.lfHeight, HeightOf(10));
    for (int id : {102, 107, 109})
        EXPECT_EQ(FontHandle(Item(id)), newFormFont) << id;
    EXPECT_EQ(FontHandle(Item(105)), labelFont);
    EXPECT_EQ(GetObjectType(oldFormFont), 0u);
}

TEST_F(MainWindow, BadFontDescriptorKeepsTheWindowsFont)
{
    HFONT labelFont = FontHandle(Item(105));
    HFONT formFont = FontHandle(form);
    for (const char* bad : {"", "8.", "8", "MS Sans Serif", "99999999.Arial", "8.Arial.Bold"}) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(MainForm->label_1->SetFont(WFont(bad), true));
        EXPECT_FALSE(MainForm->SetFont(WFont(bad), true));
        EXPECT_EQ(FontHandle(Item(105)), labelFont);
        EXPECT_EQ(FontHandle(form), formFont);
        EXPECT_EQ(FontHandle(Item(102)), formFont);
    }
    EXPECT_EQ(GetObjectType(labelFont), static_cast<DWORD>(OBJ_FONT));
    EXPECT_EQ(GetObjectType(formFont), static_cast<DWORD>(OBJ_FONT));
}

// What the form answers to a control's colour message: the brush's colour
// and the text and background colours it leaves in the DC.
struct DrawnColors {
    bool brush = false;
    COLORREF fill = 0;
    COLORREF text = 0;
    COLORREF back = 0;
};

DrawnColors AskColors(HWND form, UINT message, HWND control)
{
    DrawnColors drawn;
    HDC dc = CreateCompatibleDC(nullptr);
    SetTextColor(dc, RGB(1, 2, 3));
    SetBkColor(dc, RGB(4, 5, 6));
    HBRUSH brush = reinterpret_cast<HBRUSH>(
        SendMessageA(form, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control)));
    LOGBRUSH lb = {};
    drawn.brush = brush && GetObjectA(brush, sizeof lb, &lb) == static_cast<int>(sizeof lb) && lb.lbStyle == BS_SOLID;
    drawn.fill = lb.lbColor;
    drawn.text = GetTextColor(dc);
    drawn.back = GetBkColor(dc);
    DeleteDC(dc);
    return drawn;
}

TEST_F(MainWindow, ControlsAreDrawnOnPaleYellow)
{
    const COLORREF windowText = GetSysColor(COLOR_WINDOWTEXT);
    struct Case {
        int id;  // 0: the form itself
        UINT message;
        COLORREF text;
    };
    const Case cases[] = {
        {0, WM_CTLCOLORDLG, windowText},
        {102, WM_CTLCOLORLISTBOX, windowText},
        {105, WM_CTLCOLORSTATIC, windowText},
        {106, WM_CTLCOLORSTATIC, RGB(0, 0, 255)},
        {107, WM_CTLCOLORSTATIC, windowText},
        {109, WM_CTLCOLORSTATIC, RGB(0, 0, 0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        DrawnColors drawn = AskColors(form, c.message, c.id ? Item(c.id) : form);
        ASSERT_TRUE(drawn.brush);
        EXPECT_EQ(drawn.fill, PaleYellow);
        EXPECT_EQ(drawn.back, PaleYellow);
        EXPECT_EQ(drawn.text, c.text);
    }
}

COLORREF PixelOf(HWND hwnd, int x, int y)
{
    HDC dc = GetDC(hwnd);
    COLORREF pixel = GetPixel(dc, x, y);
    ReleaseDC(hwnd, dc);
    return pixel;
}

// How many pixels of the window's client area have `color`.
int CountPixels(HWND hwnd, COLORREF color)
{
    RECT r;
    GetClientRect(hwnd, &r);
    HDC dc = GetDC(hwnd);
    int count = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            count += GetPixel(dc, x, y) == color;
    ReleaseDC(hwnd, dc);
    return count;
}

int Area(HWND hwnd)
{
    RECT r;
    GetClientRect(hwnd, &r);
    return (r.right - r.left) * (r.bottom - r.top);
}

TEST_F(MainWindow, CapturedWindowShowsTheYellow)
{
    RedrawWindow(form, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_ERASENOW);
    RECT client;
    GetClientRect(form, &client);
    POINT corner = {client.right - 2, client.bottom - 2};
    ASSERT_EQ(ChildWindowFromPointEx(form, corner, CWP_SKIPINVISIBLE), form);
    EXPECT_EQ(PixelOf(form, corner.x, corner.y), PaleYellow);
    EXPECT_EQ(PixelOf(form, 1, 1), PaleYellow);

    // The labels without a colour of their own, and the list, fill with it too.
    for (int id : {102, 105, 106, 109}) {
        SCOPED_TRACE(id);
        EXPECT_GT(CountPixels(Item(id), PaleYellow), Area(Item(id)) / 2);
    }
    EXPECT_GT(CountPixels(Item(106), RGB(0, 0, 255)), 0);
}

TEST_F(MainWindow, InstructionTextInBlackOnPaleYellow)
{
    HWND label = Item(109);
    EXPECT_EQ(test::WindowText(label),
              "\nBitte einen Listboxeintrag ausw\xE4hlen und zum '\xDC"
              "bersetzen' doppelt Anklicken!"
              "\nEinige der S\xE4tze sind mit einer Erkl\xE4rung zur richtigen Anwendung ausgestattet. (... ...)");
    EXPECT_TRUE(IsWindowVisible(label));
    EXPECT_EQ(GetWindowLongA(label, GWL_STYLE) & SS_TYPEMASK, SS_CENTER);

    DrawnColors drawn = AskColors(form, WM_CTLCOLORSTATIC, label);
    EXPECT_EQ(drawn.text, RGB(0, 0, 0));
    EXPECT_EQ(drawn.fill, PaleYellow);

    RedrawWindow(label, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ERASENOW);
    EXPECT_GT(CountPixels(label, RGB(0, 0, 0)), 0);
    EXPECT_GT(CountPixels(label, PaleYellow), Area(label) / 2);
}

std::string ToolTipText(WWindow* control)
{
    if (!control->GetToolTip())
        return "<no tooltip>";
    HWND tip = control->GetToolTip()->GetHandle();
    if (SendMessageA(tip, TTM_GETTOOLCOUNT, 0, 0) != 1)
        return "<not one tool>";
    TOOLINFOA info = {};
    info.cbSize = sizeof info;
    if (!SendMessageA(tip, TTM_ENUMTOOLSA, 0, reinterpret_cast<LPARAM>(&info)))
        return "<no tool>";
    if (!(info.uFlags & TTF_IDISHWND) || info.uId != reinterpret_cast<UINT_PTR>(control->GetHandle()))
        return "<another tool>";
    char text[256] = "";
    info.lpszText = text;
    SendMessageA(tip, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&info));
    return text;
}

TEST_F(MainWindow, ToolTipsHoldTheirTexts)
{
    EXPECT_EQ(ToolTipText(MainForm->lb_1), "Listboxeintrag w\xE4hlen -> Doppelklick !");
    EXPECT_EQ(ToolTipText(MainForm->pictb_1), "Weitere Info\xB4s im Internet - HIER KLICKEN !");
    EXPECT_EQ(ToolTipText(MainForm->label_2), "Beachten Sie auch unsere anderen Softwareangebote.");
    for (WWindow* none : std::vector<WWindow*>{MainForm->label_1, MainForm->label_4, MainForm->label_5,
                                               MainForm->cb_1, MainForm->mediapl_1})
        EXPECT_EQ(none->GetToolTip(), nullptr) << none->GetName().Str();
}

TEST_F(MainWindow, HiddenCloseButtonIsTheDefaultAndTheOnlyTabStop)
{
    HWND button = Item(108);
    EXPECT_EQ(GetWindowLongA(button, GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
    EXPECT_FALSE(IsWindowVisible(button));
    LRESULT def = SendMessageA(form, DM_GETDEFID, 0, 0);
    EXPECT_EQ(HIWORD(def), DC_HASDEFID);
    EXPECT_EQ(LOWORD(def), 108);
    EXPECT_EQ(SendMessageA(button, BM_GETSTATE, 0, 0) & BST_PUSHED, 0);

    std::vector<int> order;
    std::vector<int> tabStops;
    for (HWND child = GetWindow(form, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        order.push_back(GetDlgCtrlID(child));
        if (GetWindowLongA(child, GWL_STYLE) & WS_TABSTOP)
            tabStops.push_back(GetDlgCtrlID(child));
    }
    EXPECT_EQ(order, (std::vector<int>{102, 103, 104, 105, 106, 107, 108, 109}));
    EXPECT_EQ(tabStops, std::vector<int>{108});
}

TEST_F(MainWindow, ClosingDestroysMenuAndControlsButKeepsTheForm)
{
    Form1* form1 = MainForm;
    HMENU bar = GetMenu(form);
    HACCEL accelerators = MainForm->menu->GetAccelerators();
    std::vector<HWND> windows;
    for (int id = 102; id <= 109; ++id)
        windows.push_back(Item(id));
    for (WWindow* w : std::vector<WWindow*>{MainForm->lb_1, MainForm->pictb_1, MainForm->label_2})
        windows.push_back(w->GetToolTip()->GetHandle());

    SendMessageA(form, WM_CLOSE, 0, 0);

    EXPECT_EQ(MainForm, form1);
    EXPECT_FALSE(MainForm->Exists());
    EXPECT_FALSE(IsWindow(form));
    for (HWND hwnd : windows)
        EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_FALSE(IsMenu(bar));
    EXPECT_EQ(CopyAcceleratorTableA(accelerators, nullptr, 0), 0);
    EXPECT_EQ(MainForm->menu, nullptr);
    EXPECT_EQ(MainForm->menu_Impressum, nullptr);
    EXPECT_EQ(MainForm->menu_Beenden, nullptr);
    EXPECT_EQ(MainForm->GetMenu(), nullptr);
    EXPECT_EQ(MainForm->lb_1, nullptr);
    EXPECT_EQ(MainForm->mediapl_1, nullptr);
    EXPECT_EQ(MainForm->pictb_1, nullptr);
    EXPECT_EQ(MainForm->label_1, nullptr);
    EXPECT_EQ(MainForm->label_2, nullptr);
    EXPECT_EQ(MainForm->label_4, nullptr);
    EXPECT_EQ(MainForm->cb_1, nullptr);
    EXPECT_EQ(MainForm->label_5, nullptr);

    MSG quit;
    EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

// Every GDI and USER object that one form shows, to see that it goes with the form.
struct FormObjects {
    std::vector<HGDIOBJ> gdi;
    std::vector<HWND> windows;
    std::vector<HICON> icons;
    HMENU menu = nullptr;
    HACCEL accelerators = nullptr;
};

FormObjects CollectObjects(HWND form)
{
    FormObjects objects;
    objects.windows.push_back(form);
    objects.gdi.push_back(FontHandle(form));
    for (HWND child = GetWindow(form, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        objects.windows.push_back(child);
        if (HFONT font = FontHandle(child))
            objects.gdi.push_back(font);
    }
    for (WWindow* w : std::vector<WWindow*>{MainForm, MainForm->lb_1, MainForm->label_4, MainForm->label_5})
        objects.gdi.push_back(w->GetEffectiveBackBrush());
    for (WWindow* w : std::vector<WWindow*>{MainForm->lb_1, MainForm->pictb_1, MainForm->label_2})
        objects.windows.push_back(w->GetToolTip()->GetHandle());
    objects.gdi.push_back(
        reinterpret_cast<HGDIOBJ>(SendMessageA(MainForm->pictb_1->GetHandle(), STM_GETIMAGE, IMAGE_BITMAP, 0)));
    objects.icons.push_back(reinterpret_cast<HICON>(SendMessageA(form, WM_GETICON, ICON_BIG, 0)));
    objects.icons.push_back(reinterpret_cast<HICON>(SendMessageA(form, WM_GETICON, ICON_SMALL, 0)));
    objects.menu = GetMenu(form);
    objects.accelerators = MainForm->menu->GetAccelerators();
    return objects;
}

void ExpectAllGone(const FormObjects& objects)
{
    for (HGDIOBJ h : objects.gdi) {
        EXPECT_NE(h, nullptr);
        EXPECT_EQ(GetObjectType(h), 0u) << h;
    }
    for (HWND hwnd : objects.windows)
        EXPECT_FALSE(IsWindow(hwnd)) << hwnd;
    for (HICON icon : objects.icons) {
        ASSERT_NE(icon, nullptr);
        ICONINFO info;
        EXPECT_FALSE(GetIconInfo(icon, &info)) << icon;
    }
    EXPECT_FALSE(IsMenu(objects.menu));
    EXPECT_EQ(CopyAcceleratorTableA(objects.accelerators, nullptr, 0), 0);
}

TEST(MainWindowLeaks, TwoHundredFormsLeaveNoObjectsBehind)
{
    WApplication app;
    HANDLE process = GetCurrentProcess();
    DWORD gdiAfterFirst = 0;
    DWORD userAfterFirst = 0;
    const int rounds = 200;
    for (int i = 0; i < rounds; ++i) {
        ASSERT_NE(CreateMainForm(), nullptr) << "round " << i;
        test::Pump(0);
        bool check = i == 0 || i == rounds - 1;
        FormObjects objects;
        if (check)
            objects = CollectObjects(MainForm->GetHandle());
        DestroyMainForm();
        DrainQuit();
        test::Pump(0);
        if (check) {
            SCOPED_TRACE(i);
            ExpectAllGone(objects);
        }
        if (i == 0) {
            gdiAfterFirst = GetGuiResources(process, GR_GDIOBJECTS);
            userAfterFirst = GetGuiResources(process, GR_USEROBJECTS);
        }
    }
    DWORD gdiAfterLast = GetGuiResources(process, GR_GDIOBJECTS);
    DWORD userAfterLast = GetGuiResources(process, GR_USEROBJECTS);
    RecordProperty("gdi_objects", std::to_string(gdiAfterFirst) + " -> " + std::to_string(gdiAfterLast));
    RecordProperty("user_objects", std::to_string(userAfterFirst) + " -> " + std::to_string(userAfterLast));
    EXPECT_LE(gdiAfterLast, gdiAfterFirst + 10);
    EXPECT_LE(userAfterLast, userAfterFirst + 10);
}

} // namespace

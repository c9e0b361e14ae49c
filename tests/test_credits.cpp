// The credits panel of the main window, with the window's icon and the
// poster's place: the main form made in this process, driven by real input
// and by the commands the menu sends.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "ApplicationClass.h"
#include "Form1.h"
#include "PhraseTable.h"
#include "TestSupport.h"
#include "WApplication.h"

namespace {

enum { ID_lb_1 = 102, ID_pictb_1 = 104, ID_label_4 = 107, ID_cb_1 = 108, ID_label_5 = 109, ID_Impressum = 1001 };

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    for (;;) {
        size_t end = text.find('\n', start);
        lines.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos)
            return lines;
        start = end + 1;
    }
}

bool EndsWith(const std::string& s, const std::string& tail)
{
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

// What the right-hand area shows, and where.
struct Area {
    bool picture, credits, button;
    std::string creditsText;
    RECT pictureRect, creditsRect, buttonRect;
};

class Credits : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(CreateMainForm(), nullptr);
        form = MainForm->GetHandle();
        SetForegroundWindow(form);
        Pump(300);
    }
    void TearDown() override { DestroyMainForm(); }

    // The application's loop: the form's filter first.
    static bool FormFilter(MSG& msg) { return MainForm && MainForm->FilterMessage(msg); }
    void Pump(int ms) { test::PumpThrough(&FormFilter, ms); }
    bool WaitFor(const std::function<bool()>& condition, int ms = 5000)
    {
        return test::WaitForThrough(&FormFilter, condition, ms);
    }

    HWND Item(int id) const { return GetDlgItem(form, id); }
    std::string Text(int id) const { return test::WindowText(Item(id)); }
    bool Visible(int id) const { return IsWindowVisible(Item(id)) != FALSE; }
    RECT Rect(int id) const
    {
        RECT r = {};
        GetWindowRect(Item(id), &r);
        return r;
    }
    Area Now() const
    {
        return {Visible(ID_pictb_1), Visible(ID_label_4), Visible(ID_cb_1), Text(ID_label_4),
                Rect(ID_pictb_1),    Rect(ID_label_4),   Rect(ID_cb_1)};
    }
    void ChooseImpressumFromMenu()
    {
        SendMessageA(form, WM_COMMAND, MAKEWPARAM(ID_Impressum, 0), 0);
        Pump(50);
    }
    void ClickCentre(int id)
    {
        RECT r = Rect(id);
        test::Click((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        Pump(200);
    }
    // A real double-click on list item `index`; the dialect text it should give.
    std::string DoubleClickPhrase(int index)
    {
        HWND list = Item(ID_lb_1);
        RECT item = {};
        SendMessageA(list, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item));
        POINT p = test::ClientToScreenPoint(list, (item.left + item.right) / 2, (item.top + item.bottom) / 2);
        test::DoubleClick(p.x, p.y);
        char standard[512] = "";
        SendMessageA(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(standard));
        for (const PhrasePair& pair : PhraseTable)
            if (strcmp(pair.StandardText, standard) == 0)
                return pair.DialectText;
        return "(no phrase " + std::string(standard) + ")";
    }
    void ExpectCreditsState(const char* how)
    {
        SCOPED_TRACE(how);
        EXPECT_FALSE(Visible(ID_pictb_1));
        EXPECT_TRUE(Visible(ID_label_4));
        EXPECT_TRUE(Visible(ID_cb_1));
        EXPECT_EQ(Text(ID_label_4), CreditsText);
        EXPECT_EQ(Text(ID_label_5), "");
    }

    HWND form = nullptr;
    WApplication application;  // the current application, so the form registers its filter
};

TEST_F(Credits, TheTwentyTwoLines)
{
    ChooseImpressumFromMenu();
    std::string shown = Text(ID_label_4);
    std::vector<std::string> lines = Lines(shown);
    ASSERT_EQ(lines.size(), 22u);
    const std::pair<int, const char*> fixed[] = {
        {1, "Diese Software entstand in Zusammenarbeit von:"},
        {2, ""},
        {3, "Kabarett Knallwerth"},
        {4, "Egon Quappendorf"},
        {8, ""},
        {9, "Quellwerk"},
        {10, "Udo Tannrieder"},
        {13, ""},
        {14, "Dank für die freundliche Unterstützung"},
        {15, ""},
        {16, "Rivuzozedero Quirnfeld"},
        {17, ""},
        {18, ""},
    };
    for (const auto& line : fixed)
        EXPECT_EQ(lines[line.first - 1], line.second) << "line " << line.first;
    for (int n : {5, 6, 11, 12, 19, 22})
        EXPECT_FALSE(lines[n - 1].empty()) << "line " << n;
    EXPECT_EQ(lines[6].compare(0, 5, "Tel. "), 0) << lines[6];
    EXPECT_TRUE(EndsWith(lines[19], "Einschränkung")) << lines[19];
    EXPECT_TRUE(EndsWith(lines[20], "verändert,")) << lines[20];
    EXPECT_EQ(shown.find('\r'), std::string::npos);
    EXPECT_NE(shown.back(), '\n');
}

TEST_F(Credits, StartsInThePictureState)
{
    EXPECT_TRUE(Visible(ID_pictb_1));
    EXPECT_FALSE(Visible(ID_label_4));
    EXPECT_FALSE(Visible(ID_cb_1));
    EXPECT_EQ(Text(ID_label_5), InstructionText);
}

TEST_F(Credits, CtrlIShowsTheCredits)
{
    Area before = Now();
    SetFocus(Item(ID_lb_1));
    test::KeyChord(VK_CONTROL, 'I');
    ASSERT_TRUE(WaitFor([&] { return Visible(ID_label_4); })) << "Ctrl+I did not arrive";
    ExpectCreditsState("Ctrl+I");
    Area after = Now();
    EXPECT_TRUE(EqualRect(&before.creditsRect, &after.creditsRect));
}

TEST_F(Credits, AcceleratorCommandAndMenuCommandShowTheCredits)
{
    for (WORD source : {1, 0}) {
        SCOPED_TRACE(source ? "accelerator" : "menu");
        if (Visible(ID_label_4))
            ClickCentre(ID_cb_1);
        ASSERT_TRUE(Visible(ID_pictb_1));
        SendMessageA(form, WM_COMMAND, MAKEWPARAM(ID_Impressum, source), 0);
        Pump(50);
        ExpectCreditsState(source ? "accelerator" : "menu");
    }
}

TEST_F(Credits, ChoosingAgainOnlyEmptiesLabel5)
{
    ChooseImpressumFromMenu();
    std::string dialect = DoubleClickPhrase(2);
    ASSERT_TRUE(WaitFor([&] { return Text(ID_label_5) == dialect; }));
    Area shown = Now();

    ChooseImpressumFromMenu();
    Area again = Now();
    EXPECT_EQ(Text(ID_label_5), "");
    EXPECT_EQ(again.picture, shown.picture);
    EXPECT_EQ(again.credits, shown.credits);
    EXPECT_EQ(again.button, shown.button);
    EXPECT_EQ(again.creditsText, CreditsText);
    EXPECT_TRUE(EqualRect(&again.pictureRect, &shown.pictureRect));
    EXPECT_TRUE(EqualRect(&again.creditsRect, &shown.creditsRect));
    EXPECT_TRUE(EqualRect(&again.buttonRect, &shown.buttonRect));
}

TEST_F(Credits, SchliessenBringsThePictureBackAndLeavesLabel5)
{
    Area start = Now();
    ChooseImpressumFromMenu();
    ASSERT_EQ(Text(ID_cb_1), "Schliessen");

    // label_5 empty, as the menu left it
    ClickCentre(ID_cb_1);
    EXPECT_TRUE(Visible(ID_pictb_1));
    EXPECT_FALSE(Visible(ID_label_4));
    EXPECT_FALSE(Visible(ID_cb_1));
    EXPECT_EQ(Text(ID_label_5), "") << "the instructions do not come back";
    EXPECT_EQ(Text(ID_label_4), CreditsText) << "the hidden label keeps its text";
    Area closed = Now();
    EXPECT_TRUE(EqualRect(&closed.pictureRect, &start.pictureRect));

    // label_5 with a dialect text shown while the credits were open
    ChooseImpressumFromMenu();
    std::string dialect = DoubleClickPhrase(0);
    ASSERT_TRUE(WaitFor([&] { return Text(ID_label_5) == dialect; }));
    SendMessageA(Item(ID_cb_1), BM_CLICK, 0, 0);
    Pump(50);
    EXPECT_TRUE(Visible(ID_pictb_1));
    EXPECT_FALSE(Visible(ID_label_4));
    EXPECT_EQ(Text(ID_label_5), dialect);

    // and the same lines on reopening
    ChooseImpressumFromMenu();
    ExpectCreditsState("reopened");
}

TEST_F(Credits, DoubleClickInTheCreditsStateTranslatesAndPlays)
{
    ChooseImpressumFromMenu();
    test::ClearCapture();
    std::string dialect = DoubleClickPhrase(4);
    ASSERT_TRUE(WaitFor([&] { return Text(ID_label_5) == dialect; })) << Text(ID_label_5);
    EXPECT_FALSE(Visible(ID_pictb_1));
    EXPECT_TRUE(Visible(ID_label_4));
    EXPECT_TRUE(Visible(ID_cb_1));
    EXPECT_EQ(Text(ID_label_4), CreditsText);

    // The recording of that phrase reaches the sound device.
    int number = 0;
    for (const PhrasePair& pair : PhraseTable)
        if (dialect == pair.DialectText)
            number = pair.SoundNumber;
    std::string expected = test::WavData("sounds\\" + std::to_string(number) + ".wav");
    ASSERT_FALSE(expected.empty());
    EXPECT_TRUE(WaitFor([&] { return test::SamePcm(test::ReadCapture(), expected); }, 15000));
}

TEST_F(Credits, WindowIconIsSet)
{
    HICON big = reinterpret_cast<HICON>(SendMessageA(form, WM_GETICON, ICON_BIG, 0));
    HICON small = reinterpret_cast<HICON>(SendMessageA(form, WM_GETICON, ICON_SMALL, 0));
    ASSERT_NE(big, nullptr);
    ASSERT_NE(small, nullptr);
    const std::pair<HICON, int> sizes[] = {{big, GetSystemMetrics(SM_CXICON)}, {small, GetSystemMetrics(SM_CXSMICON)}};
    for (const auto& s : sizes) {
        ICONINFO info = {};
        ASSERT_TRUE(GetIconInfo(s.first, &info));
        BITMAP bm = {};
        GetObjectA(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bm, &bm);
        EXPECT_EQ(bm.bmWidth, s.second);
        if (info.hbmColor)
            DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
    }
}

TEST_F(Credits, PosterKeepsItsSizeAndTheTemplateCorner)
{
    RECT templ = {227, 30, 227 + 162, 30 + 207};  // pictb_1 in the template, dialog units
    ASSERT_TRUE(MapDialogRect(form, &templ));
    RECT r = Rect(ID_pictb_1);
    MapWindowPoints(nullptr, form, reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.right - r.left, 243);
    EXPECT_EQ(r.bottom - r.top, 336);
    EXPECT_EQ(r.left, templ.left);
    EXPECT_EQ(r.top, templ.top);
}

} // namespace

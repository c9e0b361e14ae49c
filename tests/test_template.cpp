#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "ApplicationClass.h"
#include "Form1.h"
#include "TestSupport.h"

namespace {

// Reads a DLGTEMPLATEEX field by field, keeping the WORD/DWORD alignment rules.
class TemplateReader {
public:
    TemplateReader(const BYTE* data, size_t size) : data_(data), size_(size) {}

    WORD Word() { return Read<WORD>(); }
    DWORD Dword() { return Read<DWORD>(); }
    short Short() { return static_cast<short>(Read<WORD>()); }
    BYTE Byte() { return Read<BYTE>(); }
    void AlignDword() { pos_ = (pos_ + 3) & ~size_t(3); }
    bool Overrun() const { return pos_ > size_; }
    size_t Position() const { return pos_; }

    // A sz_Or_Ord field: "#<ordinal>" for 0xFFFF + ordinal, else the string.
    std::string StringOrOrdinal()
    {
        if (Peek() == 0xFFFF) {
            Word();
            return "#" + std::to_string(Word());
        }
        return String();
    }

    // A NUL-terminated UTF-16 string, narrowed to the ANSI code page.
    std::string String()
    {
        std::wstring wide;
        for (WORD c; pos_ + 2 <= size_ && (c = Word()) != 0;)
            wide += static_cast<wchar_t>(c);
        if (wide.empty())
            return std::string();
        int n = WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
        std::string narrow(static_cast<size_t>(n), '\0');
        WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, &narrow[0], n, nullptr, nullptr);
        narrow.resize(static_cast<size_t>(n - 1));
        return narrow;
    }

private:
    template <typename T> T Read()
    {
        T value = 0;
        if (pos_ + sizeof(T) <= size_)
            memcpy(&value, data_ + pos_, sizeof(T));
        pos_ += sizeof(T);
        return value;
    }
    WORD Peek() const
    {
        WORD value = 0;
        if (pos_ + 2 <= size_)
            memcpy(&value, data_ + pos_, 2);
        return value;
    }

    const BYTE* data_;
    size_t size_;
    size_t pos_ = 0;
};

struct ItemRow {
    DWORD id;
    const char* windowClass;  // "#<ordinal>" for a predefined class
    const char* text;
    short x, y, width, height;
    DWORD style;
    DWORD exStyle;
};

const char* const SponsorHost = "www.quellwerk.example";

const ItemRow TemplateItems[] = {
    {102, "#131", "", 5, 45, 216, 170, 0x50B00141, 0x200},
    {103, "MCIWndClass", "", 5, 260, 48, 16, 0x40001FF1, 0},
    {104, "#130", "", 227, 30, 162, 207, 0x50000103, 0},
    {105, "#130", "Sponsor: ", 5, 225, 60, 11, 0x5000010C, 0},
    {106, "#130", SponsorHost, 58, 225, 114, 11, 0x5000010C, 0},
    {107, "#130", "", 242, 29, 165, 190, 0x4000010C, 0},
    {108, "#128", "Schliessen", 340, 220, 40, 14, 0x40010000, 0},
    {109, "#130", "", 3, 2, 428, 32, 0x50000101, 0},
};

BOOL CALLBACK CollectName(HMODULE, LPCSTR, LPSTR name, LONG_PTR param)
{
    if (!IS_INTRESOURCE(name))
        reinterpret_cast<std::vector<std::string>*>(param)->push_back(name);
    return TRUE;
}

std::vector<std::string> ResourceNames(LPCSTR type)
{
    std::vector<std::string> names;
    EnumResourceNamesA(nullptr, type, &CollectName, reinterpret_cast<LONG_PTR>(&names));
    return names;
}

bool Contains(const std::vector<std::string>& names, const std::string& name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

TEST(StoredTemplate, MixedCaseNamesFindTheUpperCaseResources)
{
    // The library adds resources of its own; these are the program's.
    EXPECT_TRUE(Contains(ResourceNames(RT_DIALOG), "ID_FORM1"));
    EXPECT_TRUE(Contains(ResourceNames(RT_MENU), "ID_FORM1_MENU_1"));
    EXPECT_TRUE(Contains(ResourceNames(RT_ACCELERATOR), "ID_FORM1_MENU_1"));

    HRSRC dialog = FindResourceA(nullptr, "ID_Form1", RT_DIALOG);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog, FindResourceA(nullptr, "ID_FORM1", RT_DIALOG));
    EXPECT_NE(FindResourceA(nullptr, "ID_Form1_menu_1", RT_MENU), nullptr);
    EXPECT_NE(FindResourceA(nullptr, "ID_Form1_menu_1", RT_ACCELERATOR), nullptr);
}

TEST(StoredTemplate, HeaderAndItemsAreTheMainWindowsLayout)
{
    HRSRC found = FindResourceA(nullptr, "ID_Form1", RT_DIALOG);
    ASSERT_NE(found, nullptr);
    auto* data = static_cast<const BYTE*>(LockResource(LoadResource(nullptr, found)));
    ASSERT_NE(data, nullptr);
    TemplateReader t(data, SizeofResource(nullptr, found));

    EXPECT_EQ(t.Word(), 1);  // version
    EXPECT_EQ(t.Word(), 0xFFFF);  // signature
    EXPECT_EQ(t.Dword(), 0u);  // help id
    EXPECT_EQ(t.Dword(), 0u);  // extended style
    EXPECT_EQ(t.Dword(), 0x10CF0040u);
    WORD count = t.Word();
    EXPECT_EQ(count, 8);
    EXPECT_EQ(t.Short(), 45);
    EXPECT_EQ(t.Short(), 241);
    EXPECT_EQ(t.Short(), 432);
    EXPECT_EQ(t.Short(), 247);
    EXPECT_EQ(t.StringOrOrdinal(), "");  // no menu
    EXPECT_EQ(t.StringOrOrdinal(), "");  // the standard dialog class
    EXPECT_EQ(t.String(), "Plauderix...");
    EXPECT_EQ(t.Word(), 7);  // points
    EXPECT_EQ(t.Word(), 0);  // weight
    EXPECT_EQ(t.Byte(), 0);  // italic
    EXPECT_EQ(t.Byte(), 0);  // character set
    EXPECT_EQ(t.String(), "Arial");
    ASSERT_EQ(count, 8);

    for (const ItemRow& row : TemplateItems) {
        SCOPED_TRACE("item " + std::to_string(row.id));
        t.AlignDword();
        EXPECT_EQ(t.Dword(), 0u);  // help id
        EXPECT_EQ(t.Dword(), row.exStyle);
        EXPECT_EQ(t.Dword(), row.style);
        EXPECT_EQ(t.Short(), row.x);
        EXPECT_EQ(t.Short(), row.y);
        EXPECT_EQ(t.Short(), row.width);
        EXPECT_EQ(t.Short(), row.height);
        EXPECT_EQ(t.Dword(), row.id);
        std::string windowClass = t.StringOrOrdinal();
        // The resource compiler stores a class name in upper case; class
        // lookup ignores case, so only the letters matter.
        EXPECT_EQ(_stricmp(windowClass.c_str(), row.windowClass), 0) << windowClass;
        EXPECT_EQ(t.StringOrOrdinal(), row.text);
        EXPECT_EQ(t.Word(), 0);  // no creation data
    }
    EXPECT_FALSE(t.Overrun());
}

struct LiveRow {
    int id;
    const char* windowClass;
    DWORD style;
    DWORD exStyle;
    bool visible;
};

// What the instantiated template reports once Form1_Create has run: the
// dialog manager gives every item WS_EX_NOPARENTNOTIFY, the list box's border
// became a client edge, the poster static became a bitmap static, and the
// button is the default button. The list box shows its scroll bars only as
// its content needs them, so those two bits are left out of its comparison.
const DWORD ListScrollBars = WS_VSCROLL | WS_HSCROLL;

const LiveRow LiveItems[] = {
    {102, "ListBox", 0x50000141, 0x204, true},
    {103, "MCIWndClass", 0x40001FF1, 0x4, false},
    {104, "Static", 0x5000010E, 0x4, true},
    {105, "Static", 0x5000010C, 0x4, true},
    {106, "Static", 0x5000010C, 0x4, true},
    {107, "Static", 0x4000010C, 0x4, false},
    {108, "Button", 0x40010001, 0x4, false},
    {109, "Static", 0x50000101, 0x4, true},
};

TEST(LiveTemplate, MainFormHasTheEightItemsWithTheirClassesStylesAndVisibility)
{
    ASSERT_NE(CreateMainForm(), nullptr);
    HWND form = MainForm->GetHandle();
    ASSERT_TRUE(IsWindow(form));
    EXPECT_EQ(test::WindowText(form), "Plauderix...");
    EXPECT_EQ(test::ClassName(form), "#32770");

    for (const LiveRow& row : LiveItems) {
        SCOPED_TRACE("item " + std::to_string(row.id));
        HWND item = GetDlgItem(form, row.id);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(GetParent(item), form);
        EXPECT_EQ(test::ClassName(item), row.windowClass);
        DWORD style = static_cast<DWORD>(GetWindowLongA(item, GWL_STYLE));
        if (row.id == 102)
            style &= ~ListScrollBars;
        EXPECT_EQ(style, row.style);
        EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(item, GWL_EXSTYLE)), row.exStyle);
        EXPECT_EQ(IsWindowVisible(item) != FALSE, row.visible);
    }
    EXPECT_EQ(test::WindowText(GetDlgItem(form, 105)), "Sponsor: ");
    EXPECT_EQ(test::WindowText(GetDlgItem(form, 106)), SponsorHost);
    EXPECT_EQ(test::WindowText(GetDlgItem(form, 108)), "Schliessen");

    DestroyMainForm();
    EXPECT_EQ(MainForm, nullptr);
    EXPECT_FALSE(IsWindow(form));
}

} // namespace

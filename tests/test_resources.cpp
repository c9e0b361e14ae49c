// The pictures and the version block as stored in plauderix.exe, read back
// through the resource functions and taken apart byte by byte.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "TestSupport.h"

namespace {

HMODULE program = nullptr;

std::string Resource(LPCSTR type, int id)
{
    HRSRC info = FindResourceA(program, MAKEINTRESOURCEA(id), type);
    if (!info)
        return std::string();
    DWORD size = SizeofResource(program, info);
    HGLOBAL loaded = LoadResource(program, info);
    const char* bytes = loaded ? static_cast<const char*>(LockResource(loaded)) : nullptr;
    return bytes ? std::string(bytes, size) : std::string();
}

BOOL CALLBACK CollectLanguage(HMODULE, LPCSTR, LPCSTR, WORD language, LONG_PTR param)
{
    reinterpret_cast<std::vector<WORD>*>(param)->push_back(language);
    return TRUE;
}

std::vector<WORD> Languages(LPCSTR type, int id)
{
    std::vector<WORD> found;
    EnumResourceLanguagesA(program, type, MAKEINTRESOURCEA(id), &CollectLanguage, reinterpret_cast<LONG_PTR>(&found));
    return found;
}

uint16_t Word(const std::string& s, size_t at)
{
    uint16_t v = 0;
    if (at + 2 <= s.size())
        memcpy(&v, &s[at], 2);
    return v;
}

uint32_t Dword(const std::string& s, size_t at)
{
    uint32_t v = 0;
    if (at + 4 <= s.size())
        memcpy(&v, &s[at], 4);
    return v;
}

BITMAPINFOHEADER Header(const std::string& s, size_t at)
{
    BITMAPINFOHEADER h = {};
    if (at + sizeof h <= s.size())
        memcpy(&h, &s[at], sizeof h);
    return h;
}

class StoredResources : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        program = LoadLibraryExA(test::ProgramPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    }
    static void TearDownTestSuite()
    {
        if (program)
            FreeLibrary(program);
        program = nullptr;
    }
    void SetUp() override { ASSERT_NE(program, nullptr) << test::ProgramPath(); }
};

struct Stored {
    LPCSTR type;
    int id;
    size_t size;
};

TEST_F(StoredResources, EachIsLanguageNeutralWithItsSize)
{
    const Stored table[] = {
        {RT_GROUP_ICON, 100, 20},
        {RT_GROUP_ICON, 101, 20},
        {RT_BITMAP, 100, 245994},
        {RT_GROUP_CURSOR, 100, 20},
        {RT_VERSION, 1, 556},
    };
    for (const Stored& r : table) {
        SCOPED_TRACE("type " + std::to_string(reinterpret_cast<uintptr_t>(r.type)) + " id " + std::to_string(r.id));
        EXPECT_EQ(Resource(r.type, r.id).size(), r.size);
        EXPECT_EQ(Languages(r.type, r.id), std::vector<WORD>{0});
    }
}

// GRPICONDIR with one GRPICONDIRENTRY; the image id.
int SingleIconEntry(const std::string& group)
{
    EXPECT_EQ(Word(group, 0), 0);  // reserved
    EXPECT_EQ(Word(group, 2), 1);  // icons
    EXPECT_EQ(Word(group, 4), 1);  // one image
    EXPECT_EQ(static_cast<uint8_t>(group[6]), 48);
    EXPECT_EQ(static_cast<uint8_t>(group[7]), 48);
    EXPECT_EQ(static_cast<uint8_t>(group[8]), 0);  // 256 colours
    EXPECT_EQ(Word(group, 10), 1);                 // planes
    EXPECT_EQ(Word(group, 12), 8);                 // bits per pixel
    EXPECT_EQ(Dword(group, 14), 3752u);
    return Word(group, 18);
}

TEST_F(StoredResources, BothIconGroupsHoldTheSame48x48Image)
{
    std::string first = Resource(RT_GROUP_ICON, 100);
    std::string second = Resource(RT_GROUP_ICON, 101);
    ASSERT_EQ(first.size(), 20u);
    ASSERT_EQ(second.size(), 20u);
    std::string a = Resource(RT_ICON, SingleIconEntry(first));
    std::string b = Resource(RT_ICON, SingleIconEntry(second));
    ASSERT_EQ(a.size(), 3752u);
    EXPECT_TRUE(a == b) << "the two icon images differ";

    BITMAPINFOHEADER h = Header(a, 0);
    EXPECT_EQ(h.biSize, 40u);
    EXPECT_EQ(h.biWidth, 48);
    EXPECT_EQ(h.biHeight, 96);  // colour image and mask
    EXPECT_EQ(h.biPlanes, 1);
    EXPECT_EQ(h.biBitCount, 8);
    EXPECT_EQ(h.biCompression, static_cast<DWORD>(BI_RGB));
}

TEST_F(StoredResources, IconUsesEightColoursAndMasks871Pixels)
{
    std::string group = Resource(RT_GROUP_ICON, 101);
    ASSERT_EQ(group.size(), 20u);
    std::string image = Resource(RT_ICON, Word(group, 18));
    ASSERT_EQ(image.size(), 40u + 256 * 4 + 48 * 48 + 48 * 8);
    const size_t pixels = 40 + 256 * 4;
    const size_t mask = pixels + 48 * 48;

    std::set<int> used;
    for (size_t i = 0; i < 48 * 48; ++i)
        used.insert(static_cast<uint8_t>(image[pixels + i]));
    EXPECT_EQ(used.size(), 8u);

    int greys = 0;
    bool black = false, white = false;
    for (int index : used) {
        uint8_t b = image[40 + 4 * index], g = image[41 + 4 * index], r = image[42 + 4 * index];
        greys += r == g && g == b;
        black = black || (r == 0 && g == 0 && b == 0);
        white = white || (r == 255 && g == 255 && b == 255);
    }
    EXPECT_TRUE(black);
    EXPECT_TRUE(white);
    EXPECT_EQ(greys, 7) << "all but the pale blue are greys";

    // Rows of 48 mask bits, padded to 8 bytes.
    int transparent = 0;
    for (int row = 0; row < 48; ++row)
        for (int x = 0; x < 48; ++x)
            transparent += (static_cast<uint8_t>(image[mask + row * 8 + x / 8]) >> (7 - x % 8)) & 1;
    EXPECT_EQ(transparent, 871);
}

TEST_F(StoredResources, PosterIsABottomUp24BitDib)
{
    std::string dib = Resource(RT_BITMAP, 100);
    ASSERT_EQ(dib.size(), 245994u);
    BITMAPINFOHEADER h = Header(dib, 0);
    EXPECT_EQ(h.biSize, 40u);
    EXPECT_EQ(h.biWidth, 243);
    EXPECT_EQ(h.biHeight, 336);
    EXPECT_EQ(h.biPlanes, 1);
    EXPECT_EQ(h.biBitCount, 24);
    EXPECT_EQ(h.biCompression, static_cast<DWORD>(BI_RGB));
    EXPECT_EQ(h.biSizeImage, 0u);
    EXPECT_EQ(h.biXPelsPerMeter, 10470);
    EXPECT_EQ(h.biYPelsPerMeter, 10470);
    EXPECT_EQ(h.biClrUsed, 0u);
    EXPECT_EQ(h.biClrImportant, 0u);

    int dirtyPadding = 0;
    for (int row = 0; row < 336; ++row)
        for (int i = 729; i < 732; ++i)
            dirtyPadding += dib[40 + row * 732 + i] != 0;
    EXPECT_EQ(dirtyPadding, 0);
    EXPECT_EQ(dib.substr(40 + 336 * 732), std::string(2, '\0'));
}

TEST_F(StoredResources, CursorIs32x32At4BitsWithHotSpot6And7)
{
    std::string group = Resource(RT_GROUP_CURSOR, 100);
    ASSERT_EQ(group.size(), 20u);
    EXPECT_EQ(Word(group, 0), 0);
    EXPECT_EQ(Word(group, 2), 2);  // cursors
    EXPECT_EQ(Word(group, 4), 1);
    EXPECT_EQ(Word(group, 6), 32);
    EXPECT_EQ(Word(group, 8), 64);  // colour image and mask
    EXPECT_EQ(Dword(group, 14), 748u);

    std::string image = Resource(RT_CURSOR, Word(group, 18));
    ASSERT_EQ(image.size(), 748u);
    EXPECT_EQ(Word(image, 0), 6);
    EXPECT_EQ(Word(image, 2), 7);
    BITMAPINFOHEADER h = Header(image, 4);
    EXPECT_EQ(h.biSize, 40u);
    EXPECT_EQ(h.biWidth, 32);
    EXPECT_EQ(h.biHeight, 64);
    EXPECT_EQ(h.biPlanes, 1);
    EXPECT_EQ(h.biBitCount, 4);
    EXPECT_EQ(h.biCompression, static_cast<DWORD>(BI_RGB));
}

// One node of the version tree: wLength, wValueLength, wType, key, value, children.
struct VersionNode {
    std::string key;
    uint16_t valueLength = 0;
    uint16_t type = 0;
    std::string value;  // raw bytes
    std::vector<VersionNode> children;
};

size_t Align4(size_t n)
{
    return (n + 3) & ~static_cast<size_t>(3);
}

bool ParseNode(const std::string& s, size_t at, VersionNode& node, size_t& end)
{
    if (at + 6 > s.size())
        return false;
    uint16_t length = Word(s, at);
    node.valueLength = Word(s, at + 2);
    node.type = Word(s, at + 4);
    end = at + length;
    if (length < 6 || end > s.size())
        return false;
    size_t p = at + 6;
    for (; p + 2 <= end && Word(s, p) != 0; p += 2)
        node.key += static_cast<char>(Word(s, p));  // the keys are ASCII
    p = Align4(p + 2);
    size_t valueBytes = node.type == 1 ? node.valueLength * 2u : node.valueLength;
    if (p + valueBytes > end)
        return false;
    node.value = s.substr(p, valueBytes);
    p = Align4(p + valueBytes);
    while (p < end) {
        VersionNode child;
        size_t childEnd = 0;
        if (!ParseNode(s, p, child, childEnd))
            return false;
        node.children.push_back(child);
        p = Align4(childEnd);
    }
    return true;
}

// A text value without its terminating zero; its characters are ASCII.
std::string TextValue(const VersionNode& n)
{
    std::string text;
    for (size_t i = 0; i + 1 < n.value.size() && Word(n.value, i) != 0; i += 2)
        text += static_cast<char>(Word(n.value, i));
    return text;
}

TEST_F(StoredResources, VersionBlockFieldByField)
{
    std::string block = Resource(RT_VERSION, 1);
    VersionNode root;
    size_t end = 0;
    ASSERT_TRUE(ParseNode(block, 0, root, end));
    EXPECT_EQ(end, block.size());
    EXPECT_EQ(root.key, "VS_VERSION_INFO");
    EXPECT_EQ(root.type, 0);
    ASSERT_EQ(root.valueLength, sizeof(VS_FIXEDFILEINFO));

    VS_FIXEDFILEINFO fixed;
    memcpy(&fixed, root.value.data(), sizeof fixed);
    EXPECT_EQ(fixed.dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed.dwStrucVersion, 0x00010000u);
    EXPECT_EQ(fixed.dwFileVersionMS, 1u);  // 0.1
    EXPECT_EQ(fixed.dwFileVersionLS, 0u);  // .0.0
    EXPECT_EQ(fixed.dwProductVersionMS, 1u);
    EXPECT_EQ(fixed.dwProductVersionLS, 0u);
    EXPECT_EQ(fixed.dwFileFlagsMask, 0x3Fu);
    EXPECT_EQ(fixed.dwFileFlags, 0u);
    EXPECT_EQ(fixed.dwFileOS, 0x40004u);
    EXPECT_EQ(fixed.dwFileType, static_cast<DWORD>(VFT_APP));
    EXPECT_EQ(fixed.dwFileSubtype, 0u);
    EXPECT_EQ(fixed.dwFileDateMS, 0u);
    EXPECT_EQ(fixed.dwFileDateLS, static_cast<DWORD>(PLAUDERIX_BUILD_TIME));

    ASSERT_EQ(root.children.size(), 2u);
    const VersionNode& stringInfo = root.children[0];
    EXPECT_EQ(stringInfo.key, "STRINGFILEINFO");
    EXPECT_EQ(stringInfo.type, 1);
    ASSERT_EQ(stringInfo.children.size(), 1u);
    const VersionNode& table = stringInfo.children[0];
    EXPECT_EQ(table.key, "040904b0");

    const std::pair<const char*, const char*> strings[] = {
        {"CompanyName", "Quellwerk Softwareentwicklung"},
        {"FileDescription", ""},
        {"FileVersion", "1.0"},
        {"InternalName", ""},
        {"OriginalFilename", ""},
        {"ProductName", ""},
        {"ProductVersion", "1.0"},
    };
    ASSERT_EQ(table.children.size(), 7u);
    for (size_t i = 0; i < 7; ++i) {
        const VersionNode& s = table.children[i];
        SCOPED_TRACE(strings[i].first);
        EXPECT_EQ(s.key, strings[i].first);
        EXPECT_EQ(s.type, 1);
        // The length counts the terminating zero, so "" is present with length 1.
        EXPECT_EQ(s.valueLength, strlen(strings[i].second) + 1);
        EXPECT_EQ(TextValue(s), strings[i].second);
    }

    const VersionNode& varInfo = root.children[1];
    EXPECT_EQ(varInfo.key, "VarFileInfo");
    ASSERT_EQ(varInfo.children.size(), 1u);
    const VersionNode& translation = varInfo.children[0];
    EXPECT_EQ(translation.key, "Translation");
    EXPECT_EQ(translation.type, 0);
    ASSERT_EQ(translation.valueLength, 4);
    EXPECT_EQ(Word(translation.value, 0), 0x0409);
    EXPECT_EQ(Word(translation.value, 2), 0x04B0);
}

// What the shell's file properties read: the version functions find the
// block and its strings under the usual path despite the upper-case key.
TEST_F(StoredResources, VersionFunctionsReadTheBlock)
{
    std::string path = test::ProgramPath();
    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
    ASSERT_GT(size, 0u);
    std::vector<char> data(size);
    ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, size, data.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileDateLS, static_cast<DWORD>(PLAUDERIX_BUILD_TIME));

    WORD* translation = nullptr;
    ASSERT_TRUE(VerQueryValueA(data.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &length));
    ASSERT_EQ(length, 4u);
    EXPECT_EQ(translation[0], 0x0409);
    EXPECT_EQ(translation[1], 0x04B0);

    char* company = nullptr;
    ASSERT_TRUE(VerQueryValueA(data.data(), "\\StringFileInfo\\040904b0\\CompanyName",
                               reinterpret_cast<void**>(&company), &length));
    EXPECT_STREQ(company, "Quellwerk Softwareentwicklung");
    char* version = nullptr;
    ASSERT_TRUE(VerQueryValueA(data.data(), "\\StringFileInfo\\040904b0\\FileVersion",
                               reinterpret_cast<void**>(&version), &length));
    EXPECT_STREQ(version, "1.0");
}

} // namespace

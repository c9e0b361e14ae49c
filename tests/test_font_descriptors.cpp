#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "WFont.h"

namespace {

struct GoodDescriptor {
    std::string descriptor;
    int pixelsPerInchY;
    LONG height;
    const char* face;
    BYTE italic;
    BYTE underline;
    BYTE strikeOut;
    BYTE charSet;
    LONG weight;
};

TEST(FontDescriptor, GoodDescriptorsGiveTheirLogicalFont)
{
    const GoodDescriptor cases[] = {
        {"8.MS Sans Serif", 96, -11, "MS Sans Serif", 0, 0, 0, ANSI_CHARSET, 0},
        {"8.MS Sans Serif", 120, -13, "MS Sans Serif", 0, 0, 0, ANSI_CHARSET, 0},
        {"9.Arial", 96, -12, "Arial", 0, 0, 0, ANSI_CHARSET, 0},
        {"10,Arial", 120, -17, "Arial", 0, 0, 0, ANSI_CHARSET, 0},
        {"  9 ,, Arial", 96, -12, "Arial", 0, 0, 0, ANSI_CHARSET, 0},
        {"10.Arial.Italic.Underline.StrikeOut.CharSet=2.Weight=700", 96, -13, "Arial", 1, 1, 1, 2, 700},
        {"8." + std::string(31, 'F'), 96, -11, nullptr, 0, 0, 0, ANSI_CHARSET, 0},
    };
    for (const GoodDescriptor& c : cases) {
        SCOPED_TRACE(c.descriptor + " at " + std::to_string(c.pixelsPerInchY));
        LOGFONTA lf;
        std::memset(&lf, 0x5A, sizeof lf);
        ASSERT_TRUE(WFont(c.descriptor).ToLogFont(c.pixelsPerInchY, lf));
        EXPECT_EQ(lf.lfHeight, c.height);
        EXPECT_EQ(std::string(lf.lfFaceName), c.face ? std::string(c.face) : std::string(31, 'F'));
        EXPECT_EQ(lf.lfWidth, 0);
        EXPECT_EQ(lf.lfEscapement, 0);
        EXPECT_EQ(lf.lfOrientation, 0);
        EXPECT_EQ(lf.lfWeight, c.weight);
        EXPECT_EQ(lf.lfItalic, c.italic);
        EXPECT_EQ(lf.lfUnderline, c.underline);
        EXPECT_EQ(lf.lfStrikeOut, c.strikeOut);
        EXPECT_EQ(lf.lfCharSet, c.charSet);
        EXPECT_EQ(lf.lfOutPrecision, 0);
        EXPECT_EQ(lf.lfClipPrecision, 0);
        EXPECT_EQ(lf.lfQuality, 0);
        EXPECT_EQ(lf.lfPitchAndFamily, 0);
    }
}

TEST(FontDescriptor, BadDescriptorsFailAndLeaveTheFontAlone)
{
    const std::string cases[] = {
        "",
        "MS Sans Serif",
        "8.",
        "8",
        "99999999.Arial",
        "8." + std::string(32, 'F'),
        "8.Arial.Bold",
        "8.Arial.Weight=x",
    };
    for (const std::string& c : cases) {
        SCOPED_TRACE("\"" + c + "\"");
        LOGFONTA lf;
        std::memset(&lf, 0x5A, sizeof lf);
        LOGFONTA untouched = lf;
        EXPECT_FALSE(WFont(c).ToLogFont(96, lf));
        EXPECT_EQ(std::memcmp(&lf, &untouched, sizeof lf), 0);
    }
}

} // namespace

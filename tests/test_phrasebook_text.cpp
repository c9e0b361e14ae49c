#include <gtest/gtest.h>

#include "WFilePath.h"
#include "WString.h"

namespace {

TEST(FilePath, ExtensionIsWhatFollowsTheLastDotOfTheName)
{
    struct Case {
        const char* path;
        const char* extension;
    };
    const Case cases[] = {
        {"sounds//1.wav", ".wav"},
        {"sounds//20.wav", ".wav"},
        {"a.b/c", ""},
        {"a.b\\c", ""},
        {"x\\y.WAV", ".WAV"},
        {"noext", ""},
        {"a.tar.gz", ".gz"},
        {"dir\\name.", "."},
    };
    for (const Case& c : cases) {
        WFilePath path{WString(c.path)};
        EXPECT_EQ(path.GetExtension().Str(), c.extension) << c.path;
        EXPECT_EQ(path.GetPath().Str(), c.path) << "the path is kept as given";
    }
}

TEST(String, EqualityIsExactAndCaseSensitive)
{
    struct Case {
        const char* a;
        const char* b;
        bool equal;
    };
    const Case cases[] = {
        {"", "", true},
        {"", "Plauderix.", false},
        {"Plauderix.", "Plauderix.", true},
        {"Plauderix.", "plauderix.", false},
        {"Plauderix.", "Plauderix. ", false},
        {"K\xF6ln", "K\xF6ln", true},
        {"K\xF6ln", "Koln", false},
    };
    for (const Case& c : cases) {
        WString a(c.a), b(c.b);
        EXPECT_EQ(a == b, c.equal) << '"' << c.a << "\" vs \"" << c.b << '"';
        EXPECT_EQ(b == a, c.equal) << '"' << c.b << "\" vs \"" << c.a << '"';
        EXPECT_EQ(a != b, !c.equal) << '"' << c.a << "\" vs \"" << c.b << '"';
    }
    EXPECT_TRUE(WString() == WString(""));
    EXPECT_TRUE(WString(static_cast<const char*>(nullptr)) == WString());
}

} // namespace

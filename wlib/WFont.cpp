#include "WFont.h"

#include <cstring>
#include <string>

namespace {

bool IsSeparator(char c) { return c == '.' || c == ','; }

void SkipBlanks(const std::string& s, size_t& i)
{
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t'))
        ++i;
}

// A whole number of at most six digits; false when there is none.
bool ReadNumber(const std::string& s, size_t& i, long& value)
{
    size_t start = i;
    value = 0;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
        if (i - start >= 6)
            return false;
        value = value * 10 + (s[i] - '0');
        ++i;
    }
    return i > start;
}

} // namespace

bool WFont::IsInherited() const
{
    return descriptor_.Str() == "<Inherited>";
}

bool WFont::ToLogFont(LOGFONTA& lf) const
{
    HDC screen = GetDC(nullptr);
    int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen)
        ReleaseDC(nullptr, screen);
    return ToLogFont(dpi, lf);
}

bool WFont::ToLogFont(int pixelsPerInchY, LOGFONTA& lf) const
{
    const std::string& s = descriptor_.Str();
    size_t i = 0;
    SkipBlanks(s, i);
    long points = 0;
    if (!ReadNumber(s, i, points) || points <= 0 || points > 1000)
        return false;
    SkipBlanks(s, i);
    if (i >= s.size() || !IsSeparator(s[i]))
        return false;
    while (i < s.size() && IsSeparator(s[i]))
        ++i;
    SkipBlanks(s, i);
    size_t faceStart = i;
    while (i < s.size() && !IsSeparator(s[i]))
        ++i;
    std::string face = s.substr(faceStart, i - faceStart);
    if (face.empty() || face.size() >= LF_FACESIZE)
        return false;

    LOGFONTA font;
    std::memset(&font, 0, sizeof font);
    font.lfHeight = -static_cast<LONG>((points * pixelsPerInchY * 2 + 72) / 144);
    std::memcpy(font.lfFaceName, face.c_str(), face.size());

    // Optional words after further separators.
    while (i < s.size()) {
        while (i < s.size() && IsSeparator(s[i]))
            ++i;
        SkipBlanks(s, i);
        size_t wordStart = i;
        while (i < s.size() && !IsSeparator(s[i]) && s[i] != '=')
            ++i;
        std::string word = s.substr(wordStart, i - wordStart);
        while (!word.empty() && word.back() == ' ')
            word.pop_back();
        if (word.empty())
            continue;
        if (word == "Italic") {
            font.lfItalic = TRUE;
        } else if (word == "Underline") {
            font.lfUnderline = TRUE;
        } else if (word == "StrikeOut") {
            font.lfStrikeOut = TRUE;
        } else if (word == "CharSet" || word == "Weight") {
            if (i >= s.size() || s[i] != '=')
                return false;
            ++i;
            SkipBlanks(s, i);
            long value = 0;
            if (!ReadNumber(s, i, value))
                return false;
            if (word == "CharSet") {
                if (value > 255)
                    return false;
                font.lfCharSet = static_cast<BYTE>(value);
            } else {
                if (value > 1000)
                    return false;
                font.lfWeight = value;
            }
        } else {
            return false;
        }
    }
    lf = font;
    return true;
}

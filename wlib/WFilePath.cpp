#include "WFilePath.h"

size_t WFilePath::NameStart() const
{
    const std::string& p = path_.Str();
    size_t sep = p.find_last_of("/\\");
    if (sep != std::string::npos)
        return sep + 1;
    if (p.size() >= 2 && p[1] == ':')
        return 2;
    return 0;
}

WString WFilePath::GetExtension() const
{
    const std::string& p = path_.Str();
    size_t dot = p.find_last_of('.');
    if (dot == std::string::npos || dot < NameStart())
        return WString();
    return WString(p.substr(dot));
}

WString WFilePath::GetDirectory() const
{
    return WString(path_.Str().substr(0, NameStart()));
}

WString WFilePath::GetFileName() const
{
    return WString(path_.Str().substr(NameStart()));
}

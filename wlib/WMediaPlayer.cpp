#include "WMediaPlayer.h"

#include <mmsystem.h>
#include <vfw.h>

#include <cctype>
#include <string>

namespace {

bool RegisterMciWindowClass()
{
    HMODULE library = LoadLibraryA("MSVFW32");
    if (!library)
        return false;
    typedef BOOL(VFWAPIV * RegisterFunction)(void);
    auto registerClass = reinterpret_cast<RegisterFunction>(
        reinterpret_cast<void*>(GetProcAddress(library, "MCIWndRegisterClass")));
    // The library stays loaded: the class's window procedure lives in it.
    return registerClass && registerClass();
}

std::string Lower(std::string s)
{
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// A wave file whose data chunk runs past the end of the file still opens,
// but would play only the few bytes that are there.
bool WaveDataCut(const char* path)
{
    HMMIO file = mmioOpenA(const_cast<LPSTR>(path), nullptr, MMIO_READ | MMIO_DENYNONE);
    if (!file)
        return false;
    MMCKINFO riff = {};
    riff.fccType = mmioFOURCC('W', 'A', 'V', 'E');
    MMCKINFO data = {};
    data.ckid = mmioFOURCC('d', 'a', 't', 'a');
    bool cut = false;
    if (mmioDescend(file, &riff, nullptr, MMIO_FINDRIFF) == MMSYSERR_NOERROR &&
        mmioDescend(file, &data, &riff, MMIO_FINDCHUNK) == MMSYSERR_NOERROR) {
        LONG end = mmioSeek(file, 0, SEEK_END);
        unsigned long long dataEnd = static_cast<unsigned long long>(data.dwDataOffset) + data.cksize;
        cut = end < 0 || dataEnd > static_cast<unsigned long long>(end);
    }
    mmioClose(file, 0);
    return cut;
}

} // namespace

WMediaPlayer::~WMediaPlayer()
{
    // Closing the window closes its file, and ends the playback.
    Destroy();
}

const char* WMediaPlayer::GetWindowClassName()
{
    static bool registered = RegisterMciWindowClass();
    (void)registered;
    return "MCIWndClass";
}

void WMediaPlayer::Close()
{
    if (Exists() && open_)
        SendMessageA(GetHandle(), MCI_CLOSE, 0, 0);
    open_ = false;
}

bool WMediaPlayer::Open(const WFilePath& path, int flags)
{
    if (!Exists())
        return false;
    bool wave = Lower(path.GetExtension().Str()) == ".wav";
    if (wave && waveOutGetNumDevs() == 0)
        return false;
    // MCI would look for a relative name beside the program first; the
    // file meant is the one in the current directory.
    char full[MAX_PATH];
    DWORD length = GetFullPathNameA(path.GetPath().GetText(), MAX_PATH, full, nullptr);
    const char* name = (length > 0 && length < MAX_PATH) ? full : path.GetPath().GetText();
    // The window would refuse a second open while it holds a file.
    Close();
    LRESULT error = SendMessageA(GetHandle(), MCIWNDM_OPENA, static_cast<WPARAM>(flags), reinterpret_cast<LPARAM>(name));
    if (error != 0 || !Exists())
        return false;
    open_ = true;
    if (!SendMessageA(GetHandle(), MCIWNDM_CAN_PLAY, 0, 0) || (wave && WaveDataCut(name))) {
        Close();
        return false;
    }
    return true;
}

bool WMediaPlayer::Play(long from, long to)
{
    if (!Exists() || !open_)
        return false;
    if (from == MCIWND_START)
        SendMessageA(GetHandle(), MCI_SEEK, 0, MCIWND_START);
    else if (from >= 0)
        SendMessageA(GetHandle(), MCI_SEEK, 0, from);
    if (to == MCIWND_END)
        return SendMessageA(GetHandle(), MCI_PLAY, 0, 0) == 0;
    return SendMessageA(GetHandle(), MCIWNDM_PLAYTO, 0, to) == 0;
}

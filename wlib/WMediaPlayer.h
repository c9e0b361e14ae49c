#pragma once

#include "WControl.h"
#include "WFilePath.h"

// A multimedia window of class "MCIWndClass". Its own error dialogs stay on
// unless its style says otherwise.
class WMediaPlayer : public WControl {
public:
    ~WMediaPlayer() override;

    // "MCIWndClass"; the first call registers the class through
    // MCIWndRegisterClass of MSVFW32, loaded at run time.
    static const char* GetWindowClassName();

    // Opens an existing file (`flags` 0), replacing the current one. True
    // only when the file is open and playable. A ".wav" with no wave output
    // device fails at once and silently.
    bool Open(const WFilePath& path, int flags = 0);
    // MCI_CLOSE of the current file.
    void Close();
    // From `from` (-1: the start) to `to` (-2: the end); returns at once.
    bool Play(long from = -1, long to = -2);
    bool IsOpen() const { return open_; }

private:
    bool open_ = false;
};

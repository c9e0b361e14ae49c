#pragma once

#include "WCommandButton.h"
#include "WLabel.h"
#include "WListBox.h"
#include "WMediaPlayer.h"
#include "WMenu.h"
#include "WMenuItem.h"
#include "WModelessDialog.h"
#include "WPictureBox.h"

// The fixed part of the main form: its objects, their creation and
// destruction, and the event connections.
class __Form1_Base : public WModelessDialog {
public:
    __Form1_Base();
    ~__Form1_Base() override;

    // Moves the eight controls, in member order, behind any other child window.
    virtual void SetTabOrder();

    typedef bool (__Form1_Base::*Handler)(WEventGenerator*, WEventData*);

    WMenu* menu;
    WMenuItem* menu_Impressum;
    WMenuItem* menu_Beenden;
    WListBox* lb_1;
    WMediaPlayer* mediapl_1;
    WPictureBox* pictb_1;
    WLabel* label_1;
    WLabel* label_2;
    WLabel* label_4;
    WCommandButton* cb_1;
    WLabel* label_5;

protected:
    bool Form1_Destroy(WEventGenerator* source, WEventData* event);
    // Connects (true) or disconnects (false) the handlers of the controls.
    void ConnectControlEvents(bool connect);
};

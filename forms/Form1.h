#pragma once

#include "WString.h"
#include "__Form1_Base.h"

// The main form: the phrase list, the translation, the credits and the links.
class Form1 : public __Form1_Base {
public:
    Form1();
    ~Form1() override;

    bool Form1_Create(WEventGenerator* source, WEventData* event);
    bool Form1_Close(WEventGenerator* source, WEventData* event);
    bool menu_Impressum_Click(WEventGenerator* source, WEventData* event);
    bool menu_Beenden_Click(WEventGenerator* source, WEventData* event);
    bool lb_1_DoubleClick(WEventGenerator* source, WEventData* event);
    bool lb_1_LeftButtonDown(WEventGenerator* source, WEventData* event);
    bool lb_1_Select(WEventGenerator* source, WEventData* event);
    bool pictb_1_LeftButtonDown(WEventGenerator* source, WEventData* event);
    bool pictb_1_MouseMove(WEventGenerator* source, WEventData* event);
    bool label_2_LeftButtonDown(WEventGenerator* source, WEventData* event);
    bool label_2_MouseMove(WEventGenerator* source, WEventData* event);
    bool cb_1_Click(WEventGenerator* source, WEventData* event);

    // Shows the dialect text of the phrase `text` and plays its recording.
    void Translate(WString text);
    // Puts the standard texts into lb_1 in display order.
    void FillPhraseList();
    // Writes internet.url for `url` and has the shell open it.
    void OpenWebLink(const WString& url);
    // The outer rectangle of the form: 600 x 440, centred on the work area's
    // size but measured from the screen's top-left corner.
    static WRect Placement(const WRect& workArea);

    WString SelectedText;
    bool SoundOpened;
};

// The one main form, from its construction in the start phase to its
// deletion in the end phase.
extern Form1* MainForm;

// The 22 lines of the credits panel.
extern const char* const CreditsText;
extern const char* const CabaretPageUrl;
extern const char* const CounterPageUrl;
// The instructions shown at the top until the first press in the list.
extern const char* const InstructionText;

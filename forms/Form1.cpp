#include "Form1.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "PhraseTable.h"
#include "WApplication.h"
#include "WBitmap.h"
#include "WCursor.h"
#include "WFilePath.h"
#include "WShell.h"

Form1* MainForm = nullptr;

const char* const CabaretPageUrl = "http://www.knallwerth.example/";
const char* const CounterPageUrl = "http://www.quellwerk.example/fx_de/url_count.php?target=knallwerth";

const char* const InstructionText =
    "\nBitte einen Listboxeintrag auswählen und zum 'Übersetzen' doppelt Anklicken!"
    "\nEinige der Sätze sind mit einer Erklärung zur richtigen Anwendung ausgestattet. (... ...)";

const char* const CreditsText =
    "Diese Software entstand in Zusammenarbeit von:\n"
    "\n"
    "Kabarett Knallwerth\n"
    "Egon Quappendorf\n"
    "Lindenallee 12\n"
    "01099 Quirnfeld\n"
    "Tel. 0351 / 555 01 23\n"
    "\n"
    "Quellwerk\n"
    "Udo Tannrieder\n"
    "Am Mühlgraben 3\n"
    "01187 Quirnfeld\n"
    "\n"
    "Dank für die freundliche Unterstützung\n"
    "\n"
    "Rivuzozedero Quirnfeld\n"
    "\n"
    "\n"
    "Hinweis zur Weitergabe:\n"
    "Diese Software darf frei und ohne Einschränkung\n"
    "weitergegeben werden, solange sie dabei nicht verändert,\n"
    "sondern nur vollständig weitergereicht wird.";

namespace {
WColor PaleYellow()
{
    return WColor(255, 255, 204);
}
} // namespace

Form1::Form1() : SoundOpened(false) {}

Form1::~Form1() = default;

bool Form1::Form1_Create(WEventGenerator*, WEventData*)
{
    lb_1 = new WListBox;
    mediapl_1 = new WMediaPlayer;
    pictb_1 = new WPictureBox;
    label_1 = new WLabel;
    label_2 = new WLabel;
    label_4 = new WLabel;
    cb_1 = new WCommandButton;
    label_5 = new WLabel;

    SetIcon(WResourceID(101), this == MainForm);
    SetFont(WFont("8.MS Sans Serif"), true);
    SetBackColor(PaleYellow());
    SetName("Form1");

    menu = WMenu::Load(WResourceID("ID_Form1_menu_1"));
    if (menu) {
        menu_Impressum = menu->FindItem(1001);
        if (menu_Impressum)
            menu_Impressum->Connect(ClickEvent, this, &Form1::menu_Impressum_Click);
    }
    if (menu) {
        menu_Beenden = menu->FindItem(1003);
        if (menu_Beenden)
            menu_Beenden->Connect(ClickEvent, this, &Form1::menu_Beenden_Click);
    }
    SetMenu(menu);

    lb_1->Bind(this, 102);
    mediapl_1->Bind(this, 103);
    pictb_1->Bind(this, 104);
    label_1->Bind(this, 105);
    label_2->Bind(this, 106);
    label_4->Bind(this, 107);
    cb_1->Bind(this, 108);
    label_5->Bind(this, 109);

    lb_1->SetBackColor(PaleYellow());
    lb_1->SetToolTipText("Listboxeintrag wählen -> Doppelklick !");
    lb_1->SetName("lb_1");

    mediapl_1->SetName("mediapl_1");

    pictb_1->SetBitmap(WBitmap(WResourceID(100)));
    pictb_1->SetToolTipText("Weitere Info´s im Internet - HIER KLICKEN !");
    pictb_1->SetName("pictb_1");

    label_1->SetFont(WFont("9.MS Sans Serif"), true);
    label_1->SetName("label_1");

    label_2->SetFont(WFont("9.Arial"), true);
    label_2->SetForeColor(WColor(3));
    label_2->SetToolTipText("Beachten Sie auch unsere anderen Softwareangebote.");
    label_2->SetName("label_2");

    label_4->SetBackColor(PaleYellow());
    label_4->SetName("label_4");

    cb_1->SetFont(WFont("8.Arial"), true);
    SetDefaultButton(cb_1);
    cb_1->SetPushed(false);
    cb_1->SetName("cb_1");

    label_5->SetBackColor(PaleYellow());
    label_5->SetName("label_5");

    ConnectControlEvents(true);
    SetTabOrder();

    Move(Placement(GetDesktopWorkArea()), true);

    label_5->SetForeColor(WColor(7));
    label_5->SetText(InstructionText);
    FillPhraseList();
    Show();
    return false;
}

WRect Form1::Placement(const WRect& workArea)
{
    WRect placement;
    placement.x = (workArea.width - 600) / 2;
    placement.y = (workArea.height - 440) / 2;
    placement.width = 600;
    placement.height = 440;
    return placement;
}

bool Form1::Form1_Close(WEventGenerator*, WEventData*)
{
    if (Destroy() && this == MainForm)
        if (WApplication* app = WApplication::GetCurrent())
            app->Quit(0);
    return true;
}

bool Form1::menu_Beenden_Click(WEventGenerator*, WEventData*)
{
    exit(1);
}

bool Form1::menu_Impressum_Click(WEventGenerator*, WEventData*)
{
    label_5->SetText("");
    pictb_1->Hide();
    label_4->SetText(CreditsText);
    label_4->Show();
    cb_1->Show();
    return false;
}

bool Form1::cb_1_Click(WEventGenerator*, WEventData*)
{
    label_4->Hide();
    cb_1->Hide();
    pictb_1->Show();
    return false;
}

void Form1::FillPhraseList()
{
    for (int number : PhraseDisplayOrder)
        lb_1->AddItem(PhraseTable[number - 1].StandardText, -1, 0, true);
    Update(true);
}

bool Form1::lb_1_DoubleClick(WEventGenerator*, WEventData*)
{
    int index = lb_1->GetSelectedIndex();
    SelectedText = lb_1->GetItemText(index);
    Translate(SelectedText);
    return false;
}

bool Form1::lb_1_LeftButtonDown(WEventGenerator*, WEventData*)
{
    label_5->SetText("");
    return false;
}

bool Form1::lb_1_Select(WEventGenerator*, WEventData*)
{
    label_5->SetForeColor(WColor(255, 0, 0));
    return false;
}

void Form1::Translate(WString text)
{
    for (const PhrasePair& pair : PhraseTable) {
        if (WString(pair.StandardText) != text)
            continue;
        label_5->SetText(pair.DialectText);
        {
            WFilePath path(WString("sounds//" + std::to_string(pair.SoundNumber) + ".wav"));
            SoundOpened = mediapl_1->Open(path, 0);
        }
        if (SoundOpened)
            mediapl_1->Play(-1, -2);
        return;
    }
}

// The shell only ever sees a shortcut that was written and closed whole.
void Form1::OpenWebLink(const WString& url)
{
    FILE* file = fopen("internet.url", "w");
    if (!file)
        return;
    std::string text = "[DEFAULT]\nBASEURL=" + url.Str() + "\n[InternetShortcut]\nURL=" + url.Str();
    // fclose alone may not report a failed final flush.
    bool written = fputs(text.c_str(), file) >= 0 && fflush(file) == 0;
    bool closed = fclose(file) == 0;
    if (!written || !closed)
        return;
    WShell::Execute(WFilePath(WString("internet.url")), WString(), WString(), SW_SHOW, nullptr);
}

bool Form1::pictb_1_LeftButtonDown(WEventGenerator*, WEventData*)
{
    OpenWebLink(CabaretPageUrl);
    return false;
}

bool Form1::label_2_LeftButtonDown(WEventGenerator*, WEventData*)
{
    label_2->SetForeColor(WColor(128, 0, 128));
    OpenWebLink(CounterPageUrl);
    return false;
}

bool Form1::pictb_1_MouseMove(WEventGenerator*, WEventData*)
{
    pictb_1->SetCursor(WCursor(WResourceID(100)), false);
    return false;
}

bool Form1::label_2_MouseMove(WEventGenerator*, WEventData*)
{
    label_2->SetCursor(WCursor(WResourceID(100)), false);
    return false;
}

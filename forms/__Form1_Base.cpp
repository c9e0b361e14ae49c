#include "__Form1_Base.h"

#include "Form1.h"

namespace {

struct ControlEvent {
    WEventID event;
    __Form1_Base::Handler handler;
};

template <class F>
__Form1_Base::Handler AsBase(F f)
{
    return static_cast<__Form1_Base::Handler>(f);
}

void Wire(WEventGenerator* object, __Form1_Base* form, const ControlEvent* table, size_t count, bool connect)
{
    if (!object)
        return;
    for (size_t i = 0; i < count; ++i) {
        if (connect)
            object->Connect(table[i].event, form, table[i].handler);
        else
            object->Disconnect(table[i].event, form, table[i].handler);
    }
}

} // namespace

__Form1_Base::__Form1_Base()
    : menu(nullptr), menu_Impressum(nullptr), menu_Beenden(nullptr), lb_1(nullptr), mediapl_1(nullptr),
      pictb_1(nullptr), label_1(nullptr), label_2(nullptr), label_4(nullptr), cb_1(nullptr), label_5(nullptr)
{
    Connect(CreateEvent, this, AsBase(&Form1::Form1_Create));
    Connect(CloseEvent, this, AsBase(&Form1::Form1_Close));
    Connect(DestroyEvent, this, &__Form1_Base::Form1_Destroy);

    // The template holds an MCI window, so its class must exist first.
    WMediaPlayer* player = new WMediaPlayer;
    player->GetWindowClassName();
    delete player;
}

__Form1_Base::~__Form1_Base()
{
    Destroy();
    Disconnect(CreateEvent, this, AsBase(&Form1::Form1_Create));
    Disconnect(CloseEvent, this, AsBase(&Form1::Form1_Close));
    Disconnect(DestroyEvent, this, &__Form1_Base::Form1_Destroy);
}

void __Form1_Base::ConnectControlEvents(bool connect)
{
    static const ControlEvent list[] = {
        {DoubleClickEvent, AsBase(&Form1::lb_1_DoubleClick)},
        {LeftButtonDownEvent, AsBase(&Form1::lb_1_LeftButtonDown)},
        {SelectEvent, AsBase(&Form1::lb_1_Select)},
    };
    static const ControlEvent picture[] = {
        {LeftButtonDownEvent, AsBase(&Form1::pictb_1_LeftButtonDown)},
        {MouseMoveEvent, AsBase(&Form1::pictb_1_MouseMove)},
    };
    static const ControlEvent sponsor[] = {
        {LeftButtonDownEvent, AsBase(&Form1::label_2_LeftButtonDown)},
        {MouseMoveEvent, AsBase(&Form1::label_2_MouseMove)},
    };
    static const ControlEvent button[] = {
        {ClickEvent, AsBase(&Form1::cb_1_Click)},
    };
    Wire(lb_1, this, list, 3, connect);
    Wire(pictb_1, this, picture, 2, connect);
    Wire(label_2, this, sponsor, 2, connect);
    Wire(cb_1, this, button, 1, connect);
}

void __Form1_Base::SetTabOrder()
{
    WWindow* controls[] = {lb_1, mediapl_1, pictb_1, label_1, label_2, label_4, cb_1, label_5};
    std::vector<HWND> order;
    for (HWND child = GetWindow(GetHandle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        bool ours = false;
        for (WWindow* c : controls)
            ours = ours || (c && c->GetHandle() == child);
        if (!ours)
            order.push_back(child);
    }
    for (WWindow* c : controls)
        if (c && c->Exists())
            order.push_back(c->GetHandle());

    HDWP defer = BeginDeferWindowPos(static_cast<int>(order.size()));
    if (!defer)
        return;
    HWND after = HWND_TOP;
    for (HWND hwnd : order) {
        defer = DeferWindowPos(defer, hwnd, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        if (!defer)
            return;
        after = hwnd;
    }
    EndDeferWindowPos(defer);
}

bool __Form1_Base::Form1_Destroy(WEventGenerator*, WEventData*)
{
    ConnectControlEvents(false);
    SetMenu(nullptr);
    delete menu;
    delete lb_1;
    delete mediapl_1;
    delete pictb_1;
    delete label_1;
    delete label_2;
    delete label_4;
    delete cb_1;
    delete label_5;
    menu = nullptr;
    menu_Impressum = nullptr;
    menu_Beenden = nullptr;
    lb_1 = nullptr;
    mediapl_1 = nullptr;
    pictb_1 = nullptr;
    label_1 = nullptr;
    label_2 = nullptr;
    label_4 = nullptr;
    cb_1 = nullptr;
    label_5 = nullptr;
    return false;
}

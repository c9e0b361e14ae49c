#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "WApplication.h"
#include "WEventGenerator.h"
#include "WExeApplication.h"

namespace {

// Records which handler ran, in order; each handler's result is configurable.
class Recorder : public WEventGenerator {
public:
    std::vector<std::string> log;
    bool resultA = false;
    bool resultB = false;
    bool resultC = false;
    WEventGenerator* other = nullptr;

    bool A(WEventGenerator*, WEventData*) { log.push_back("A"); return resultA; }
    bool B(WEventGenerator*, WEventData*) { log.push_back("B"); return resultB; }
    bool C(WEventGenerator*, WEventData*) { log.push_back("C"); return resultC; }
    bool SelfRemoving(WEventGenerator* source, WEventData*)
    {
        log.push_back("S");
        source->Disconnect(ClickEvent, this, &Recorder::SelfRemoving);
        return false;
    }
    bool RemovesB(WEventGenerator* source, WEventData*)
    {
        log.push_back("R");
        source->Disconnect(ClickEvent, this, &Recorder::B);
        return false;
    }
    bool RaisesOther(WEventGenerator*, WEventData*)
    {
        log.push_back("O");
        other->Raise(SelectEvent, nullptr);
        return false;
    }
    bool Throws(WEventGenerator*, WEventData*)
    {
        log.push_back("T");
        throw std::runtime_error("handler failed");
    }
};

TEST(EventDispatch, NewestHandlerRunsFirstAndTrueStops)
{
    Recorder r;
    WEventGenerator source;
    source.Connect(ClickEvent, &r, &Recorder::A);
    source.Connect(ClickEvent, &r, &Recorder::B);
    source.Connect(ClickEvent, &r, &Recorder::C);
    EXPECT_FALSE(source.Raise(ClickEvent, nullptr));
    EXPECT_EQ(r.log, (std::vector<std::string>{"C", "B", "A"}));

    r.log.clear();
    r.resultB = true;
    EXPECT_TRUE(source.Raise(ClickEvent, nullptr));
    EXPECT_EQ(r.log, (std::vector<std::string>{"C", "B"}));
}

TEST(EventDispatch, EventsAndSourcesAreSeparate)
{
    Recorder r;
    WEventGenerator one, two;
    one.Connect(ClickEvent, &r, &Recorder::A);
    two.Connect(SelectEvent, &r, &Recorder::B);
    EXPECT_FALSE(one.Raise(SelectEvent, nullptr));
    EXPECT_FALSE(two.Raise(ClickEvent, nullptr));
    EXPECT_TRUE(r.log.empty());
}

TEST(EventDispatch, DisconnectRemovesOnlyThatHandler)
{
    Recorder r;
    WEventGenerator source;
    source.Connect(ClickEvent, &r, &Recorder::A);
    source.Connect(ClickEvent, &r, &Recorder::B);
    EXPECT_TRUE(source.Disconnect(ClickEvent, &r, &Recorder::A));
    EXPECT_FALSE(source.Disconnect(ClickEvent, &r, &Recorder::A));
    EXPECT_FALSE(source.Disconnect(SelectEvent, &r, &Recorder::B));
    source.Raise(ClickEvent, nullptr);
    EXPECT_EQ(r.log, (std::vector<std::string>{"B"}));
}

TEST(EventDispatch, HandlerMayDisconnectItselfOrOthersWhileRunning)
{
    Recorder r;
    WEventGenerator source;
    source.Connect(ClickEvent, &r, &Recorder::A);
    source.Connect(ClickEvent, &r, &Recorder::B);
    source.Connect(ClickEvent, &r, &Recorder::RemovesB);
    source.Connect(ClickEvent, &r, &Recorder::SelfRemoving);
    source.Raise(ClickEvent, nullptr);
    // B was disconnected before its turn, so it is skipped.
    EXPECT_EQ(r.log, (std::vector<std::string>{"S", "R", "A"}));
    r.log.clear();
    source.Raise(ClickEvent, nullptr);
    EXPECT_EQ(r.log, (std::vector<std::string>{"R", "A"}));
}

TEST(EventDispatch, HandlerMayRaiseAnotherEvent)
{
    Recorder r;
    WEventGenerator source, other;
    r.other = &other;
    source.Connect(ClickEvent, &r, &Recorder::A);
    source.Connect(ClickEvent, &r, &Recorder::RaisesOther);
    other.Connect(SelectEvent, &r, &Recorder::C);
    source.Raise(ClickEvent, nullptr);
    EXPECT_EQ(r.log, (std::vector<std::string>{"O", "C", "A"}));
}

TEST(EventDispatch, ThrowingHandlerCountsAsNotHandled)
{
    Recorder r;
    WEventGenerator source;
    source.Connect(ClickEvent, &r, &Recorder::A);
    source.Connect(ClickEvent, &r, &Recorder::Throws);
    EXPECT_FALSE(source.Raise(ClickEvent, nullptr));
    EXPECT_EQ(r.log, (std::vector<std::string>{"T", "A"}));
}

// An application whose phase handlers are scripted by the test.
class ScriptedApp : public WExeApplication {
public:
    std::vector<std::string> log;
    bool failStart = false;
    bool failFetch = false;
    int quitCode = 0;

    ScriptedApp()
    {
        Connect(StartEvent, this, &ScriptedApp::Start);
        Connect(StartEvent, this, &ScriptedApp::StartDefault);
        Connect(RunEvent, this, &ScriptedApp::RunMain);
        Connect(RunEvent, this, &ScriptedApp::RunDefault);
        Connect(EndEvent, this, &ScriptedApp::End);
        Connect(EndEvent, this, &ScriptedApp::EndDefault);
    }
    bool StartDefault(WEventGenerator*, WApplicationEventData* e)
    {
        log.push_back("start-default");
        e->exitCode = 0;
        e->skipRun = false;
        return false;
    }
    bool Start(WEventGenerator*, WApplicationEventData* e)
    {
        log.push_back("start");
        if (failStart) {
            e->exitCode = -1;
            e->skipRun = true;
        }
        return true;
    }
    bool RunDefault(WEventGenerator*, WApplicationEventData*) { log.push_back("run-default"); return false; }
    bool RunMain(WEventGenerator*, WApplicationEventData* e)
    {
        log.push_back("run");
        if (!failFetch)
            Quit(quitCode);
        MSG last;
        ProcessMessages(last);
        e->exitCode = static_cast<int>(last.wParam);
        return true;
    }
    bool EndDefault(WEventGenerator*, WApplicationEventData*) { log.push_back("end-default"); return false; }
    bool End(WEventGenerator*, WApplicationEventData*) { log.push_back("end"); return true; }

protected:
    BOOL FetchMessage(MSG& message) override
    {
        if (failFetch) {
            message.message = WM_QUIT;
            message.wParam = 77;
            return -1;
        }
        return WExeApplication::FetchMessage(message);
    }
};

TEST(ApplicationPhases, DefaultsRunBeforeMainHandlersAndQuitCodeIsTheExitCode)
{
    ScriptedApp app;
    app.quitCode = 5;
    EXPECT_EQ(app.Run(GetModuleHandleA(nullptr), nullptr, nullptr, SW_SHOWDEFAULT), 5);
    EXPECT_EQ(app.log, (std::vector<std::string>{"start-default", "start", "run-default", "run", "end-default",
                                                 "end"}));
    EXPECT_EQ(app.GetThreadId(), GetCurrentThreadId());
}

TEST(ApplicationPhases, FailedStartGivesMinusOneSkipsRunAndStillEnds)
{
    ScriptedApp app;
    app.failStart = true;
    EXPECT_EQ(app.Run(GetModuleHandleA(nullptr), nullptr, nullptr, SW_SHOWDEFAULT), -1);
    EXPECT_EQ(app.log, (std::vector<std::string>{"start-default", "start", "end-default", "end"}));
}

TEST(ApplicationPhases, FailedFetchEndsTheLoopWithZero)
{
    ScriptedApp app;
    app.failFetch = true;
    EXPECT_EQ(app.Run(GetModuleHandleA(nullptr), nullptr, nullptr, SW_SHOWDEFAULT), 0);
    EXPECT_EQ(app.log.back(), "end");
}

TEST(ApplicationPhases, QuitFromAnotherThreadReachesTheLoop)
{
    ScriptedApp app;
    // Make sure the thread has a message queue before the other thread posts.
    MSG peek;
    PeekMessageA(&peek, nullptr, 0, 0, PM_NOREMOVE);
    HANDLE thread = CreateThread(
        nullptr, 0,
        [](LPVOID param) -> DWORD {
            static_cast<ScriptedApp*>(param)->Quit(9);
            return 0;
        },
        &app, 0, nullptr);
    WaitForSingleObject(thread, 5000);
    CloseHandle(thread);
    MSG last;
    app.ProcessMessages(last);
    EXPECT_EQ(last.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(last.wParam, 9u);
}

} // namespace

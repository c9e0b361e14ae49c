#pragma once

#include <memory>
#include <vector>

#include "WEventData.h"
#include "WEvents.h"

class WEventGenerator;

// One connected handler: a member function of a target object.
class WEventHandler {
public:
    virtual ~WEventHandler() = default;
    virtual bool Call(WEventGenerator* source, WEventData* data) = 0;
    virtual bool Same(const WEventHandler& other) const = 0;
};

template <class T, class D>
class WMemberEventHandler : public WEventHandler {
public:
    typedef bool (T::*Function)(WEventGenerator*, D*);
    WMemberEventHandler(T* target, Function function) : target_(target), function_(function) {}
    bool Call(WEventGenerator* source, WEventData* data) override
    {
        return (target_->*function_)(source, static_cast<D*>(data));
    }
    bool Same(const WEventHandler& other) const override
    {
        auto* o = dynamic_cast<const WMemberEventHandler*>(&other);
        return o && o->target_ == target_ && o->function_ == function_;
    }

private:
    T* target_;
    Function function_;
};

// Root of every object that raises events. The newest handler of an event
// runs first; raising stops at the first handler that returns true.
class WEventGenerator {
public:
    WEventGenerator() = default;
    virtual ~WEventGenerator();
    WEventGenerator(const WEventGenerator&) = delete;
    WEventGenerator& operator=(const WEventGenerator&) = delete;

    template <class T, class D>
    void Connect(WEventID id, T* target, bool (T::*function)(WEventGenerator*, D*))
    {
        Connect(id, std::make_shared<WMemberEventHandler<T, D>>(target, function));
    }
    template <class T, class D>
    bool Disconnect(WEventID id, T* target, bool (T::*function)(WEventGenerator*, D*))
    {
        return Disconnect(id, WMemberEventHandler<T, D>(target, function));
    }

    // Calls the handlers of `id` in list order; true when one of them handled it.
    bool Raise(WEventID id, WEventData* data);
    bool HasHandlers(WEventID id) const;

private:
    struct Connection {
        WEventID id;
        std::shared_ptr<WEventHandler> handler;
        std::shared_ptr<bool> alive;
    };
    void Connect(WEventID id, std::shared_ptr<WEventHandler> handler);
    bool Disconnect(WEventID id, const WEventHandler& handler);

    std::vector<Connection> connections_;
};

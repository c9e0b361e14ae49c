#include "WEventGenerator.h"

#include <algorithm>

WEventGenerator::~WEventGenerator()
{
    for (auto& c : connections_)
        *c.alive = false;
}

// New handlers go in front, so they run before the older ones.
void WEventGenerator::Connect(WEventID id, std::shared_ptr<WEventHandler> handler)
{
    connections_.insert(connections_.begin(), Connection{id, std::move(handler), std::make_shared<bool>(true)});
}

bool WEventGenerator::Disconnect(WEventID id, const WEventHandler& handler)
{
    auto it = std::find_if(connections_.begin(), connections_.end(), [&](const Connection& c) {
        return c.id == id && c.handler->Same(handler);
    });
    if (it == connections_.end())
        return false;
    *it->alive = false;
    connections_.erase(it);
    return true;
}

bool WEventGenerator::HasHandlers(WEventID id) const
{
    return std::any_of(connections_.begin(), connections_.end(), [id](const Connection& c) { return c.id == id; });
}

// Works on a snapshot, so a handler may connect, disconnect (itself
// included) or raise further events; one disconnected meanwhile is skipped.
// An exception from a handler counts as "not handled".
bool WEventGenerator::Raise(WEventID id, WEventData* data)
{
    std::vector<Connection> snapshot;
    for (const auto& c : connections_)
        if (c.id == id)
            snapshot.push_back(c);
    for (const auto& c : snapshot) {
        if (!*c.alive)
            continue;
        bool handled = false;
        try {
            handled = c.handler->Call(this, data);
        } catch (...) {
            handled = false;
        }
        if (handled)
            return true;
    }
    return false;
}

#pragma once
/// @file
/// Events from an object to its container: the container hands the object a sink
/// (Advise), and the object calls the sink with the event's DISPID and arguments.

#include <span>
#include <utility>
#include <vector>

#include "platform/com/dispatch.h"

namespace com {

/// What a container implements to hear an object's events.
struct IEventSink : IUnknown {
    static constexpr Guid IID{0x6C0D0000, 0x7A11, 0x4E10, {0x9B, 0x01, 0, 0, 0, 0, 0, 0x03}};
    /// Event @p id happened. The arguments are passed by reference: the sink may change
    /// them, and an event that reads them back sees the change.
    virtual HRESULT OnEvent(DISPID id, std::span<Variant> args) = 0;

protected:
    ~IEventSink() = default;
};

/// What an object that raises events implements.
struct IConnectionPoint : IUnknown {
    static constexpr Guid IID{0x6C0D0000, 0x7A11, 0x4E10, {0x9B, 0x01, 0, 0, 0, 0, 0, 0x04}};
    /// Keeps a reference to @p sink and calls it for every event from now on; *@p cookie
    /// gets the number that Unadvise takes. E_POINTER for a null sink or cookie.
    virtual HRESULT Advise(IEventSink* sink, uint32_t* cookie) = 0;
    /// Forgets the sink of @p cookie and releases it; CONNECT_E_NOCONNECTION for a cookie
    /// that is not advised.
    virtual HRESULT Unadvise(uint32_t cookie) = 0;

protected:
    ~IConnectionPoint() = default;
};

/// The sinks of one object, for its IConnectionPoint to delegate to.
class EventSource {
public:
    HRESULT Advise(IEventSink* sink, uint32_t* cookie);
    HRESULT Unadvise(uint32_t cookie);
    /// Calls every sink in the order they were advised; a sink advised or unadvised by a
    /// handler takes effect from the next event. Returns the first failure, after
    /// calling the rest.
    HRESULT Fire(DISPID id, std::span<Variant> args = {});
    size_t SinkCount() const { return sinks_.size(); }

private:
    std::vector<std::pair<uint32_t, ComPtr<IEventSink>>> sinks_;
    uint32_t nextCookie_ = 1;
};

}  // namespace com

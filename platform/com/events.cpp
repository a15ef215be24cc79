#include "platform/com/events.h"

#include <algorithm>

namespace com {

HRESULT EventSource::Advise(IEventSink* sink, uint32_t* cookie) {
    if (!sink || !cookie) return E_POINTER;
    *cookie = nextCookie_++;
    sinks_.emplace_back(*cookie, ComPtr<IEventSink>(sink));
    return S_OK;
}

HRESULT EventSource::Unadvise(uint32_t cookie) {
    const auto it = std::ranges::find_if(sinks_, [&](const auto& s) { return s.first == cookie; });
    if (it == sinks_.end()) return CONNECT_E_NOCONNECTION;
    sinks_.erase(it);
    return S_OK;
}

HRESULT EventSource::Fire(DISPID id, std::span<Variant> args) {
    const auto sinks = sinks_;  // a handler may unadvise while the event runs
    HRESULT first = S_OK;
    for (const auto& [cookie, sink] : sinks) {
        const HRESULT hr = sink->OnEvent(id, args);
        if (FAILED(hr) && SUCCEEDED(first)) first = hr;
    }
    return first;
}

}  // namespace com

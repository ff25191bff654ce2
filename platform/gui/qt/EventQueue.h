// The layer's own queue of program events: toolkit callbacks push, WaitEvent
// pops. GUI thread only.
#pragma once

#include <deque>

#include "platform/gui/Gui.h"

namespace gui::qt {

class EventQueue {
public:
    void Push(Event event) {
        // Timer ticks piling up in a modal dialog need only one loop turn afterwards.
        if (event.kind == EventKind::Other && !events_.empty() &&
            events_.back().kind == EventKind::Other)
            return;
        events_.push_back(std::move(event));
    }
    void PushControlEvent(int control, int window, EventType type) {
        Event event;
        event.kind = EventKind::ControlEvent;
        event.control = control;
        event.window = window;
        event.type = type;
        Push(std::move(event));
    }
    bool Empty() const { return events_.empty(); }
    Event Pop() {
        Event event = std::move(events_.front());
        events_.pop_front();
        return event;
    }

private:
    std::deque<Event> events_;
};

// Who a widget reports as: its control number and the window it sits in.
struct ControlIdentity {
    EventQueue* queue = nullptr;
    int control = 0;
    int window = 0;
    void Report(EventType type) const { queue->PushControlEvent(control, window, type); }
};

}  // namespace gui::qt

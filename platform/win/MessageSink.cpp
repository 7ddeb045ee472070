#include "platform/win/MessageSink.h"

#include <fmt/format.h>

#include <cstdio>
#include <mutex>
#include <utility>

namespace ghdb {

namespace {

// Messages are rare (one per failed operation), so a lock costs nothing that matters, and it
// keeps a host that installs a handler from one thread while another reports an error safe.
// A function-local static is ready even for messages shown during static initialisation.
struct Sink {
    std::mutex mutex;
    MessageHandler handler;
};

Sink& TheSink() {
    static Sink sink;
    return sink;
}

}  // namespace

MessageHandler SetMessageHandler(MessageHandler handler) {
    Sink& sink = TheSink();
    const std::lock_guard lock(sink.mutex);
    return std::exchange(sink.handler, std::move(handler));
}

void ShowMessage(const char* text, const char* caption) {
    text = text ? text : "";
    caption = caption ? caption : "";

    // Called on a copy outside the lock, so that a handler may show a message or replace
    // itself without deadlocking.
    MessageHandler handler;
    {
        Sink& sink = TheSink();
        const std::lock_guard lock(sink.mutex);
        handler = sink.handler;
    }
    if (handler) {
        handler(text, caption);
    } else {
        fmt::print(stderr, "{}: {}\n", caption, text);
    }
}

}  // namespace ghdb

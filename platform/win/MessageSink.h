#pragma once

#include <functional>

namespace ghdb {

// Where the library's message boxes go. The library reports database errors to the user by
// calling ShowMessage(text, caption); hosts decide how to show them by installing a handler.
// Without one, each message is written to stderr as one line "caption: text" (line breaks
// inside the text are written as they are).
using MessageHandler = std::function<void(const char* text, const char* caption)>;

// Installs handler for the whole process and returns the handler installed before, which is
// empty while the default was active; installing that return value restores the previous
// behaviour. An empty handler restores the default.
MessageHandler SetMessageHandler(MessageHandler handler);

// Calls the installed handler, or the default. A null text or caption is passed as "".
// The handler may itself call ShowMessage or SetMessageHandler.
void ShowMessage(const char* text, const char* caption);

}  // namespace ghdb

#pragma once
// The core's messages in the window's language: the same values the command line prints in
// English, each kind's text translated, the values put into it.

#include "messages/Message.h"

#include <QString>

namespace ranvik {

QString MessageText(const Message& message);

// The kind's text as the window's translators see it (its English source), with its markers.
const char* MessageSource(MessageKind kind);

} // namespace ranvik

// A text of the field book as a note, a refusal or a report line shows it: always
// on one line, whatever bytes were pasted into it.
#pragma once

#include <string>
#include <string_view>

// The text with every control byte (below 32, and DEL) shown as "?": a lone CR, an
// LF, a Ctrl+A or a Ctrl+Z pasted into a name or a field would otherwise break the
// line it is written into, or end a saved file early.
std::string ShownText(std::string_view text);

// The text shown (ShownText) in double quotes; one of more than 40 characters is
// cut to them and "..." follows, so that a pasted page never fills a message.
std::string QuotedText(std::string_view text);

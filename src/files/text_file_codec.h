// The text file format of the field book: how a file's bytes become the text the
// editor holds, and how that text becomes the bytes written back.
#pragma once

#include <string>
#include <string_view>

// The editor text of a file, read the way text mode reads it: a CR LF pair is one
// line end, a CR alone stays a CR, a Ctrl+Z byte (26) ends the file. Every line,
// the last one too, comes out followed by CR LF; a file that ends with a line end
// gets no extra empty line. Lines of any length are kept whole. A NUL byte, which
// the text field cannot hold, becomes a blank so nothing after it is lost.
std::string TextFromFileBytes(std::string_view bytes);

// The bytes written for an editor text: exactly the text, up to its end or its
// first NUL, with no line-end conversion and no added final line end.
std::string_view FileBytesFromText(std::string_view text);

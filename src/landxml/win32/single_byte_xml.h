// XML files in a single-byte encoding (ISO-8859-1, Windows-1252, ISO-8859-15), which
// design software writes and which XmlLite under Wine does not read: turned into
// UTF-8 with their declaration saying so, every line where it was.
#pragma once

#include <string>

// The file's bytes as XmlLite reads them: unchanged unless the XML declaration names
// one of those encodings, then converted to UTF-8 and the declaration's encoding
// written as UTF-8.
std::string ReadableXmlBytes(std::string bytes);

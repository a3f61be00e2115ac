#include "landxml/win32/single_byte_xml.h"

#include <windows.h>

#include <algorithm>
#include <cctype>

namespace {
// The code page of an encoding name, 0 for one XmlLite reads itself.
UINT SingleByteCodePage(std::string name) {
    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
    if (name == "iso-8859-1" || name == "iso_8859-1" || name == "latin1" || name == "l1") return 28591;
    if (name == "windows-1252" || name == "cp1252") return 1252;
    if (name == "iso-8859-15" || name == "latin-9") return 28605;
    return 0;
}
} // namespace

std::string ReadableXmlBytes(std::string bytes) {
    // The declaration ends within its first line; its encoding is a quoted name.
    const std::size_t end = bytes.rfind("?>", std::min<std::size_t>(bytes.size(), 512));
    if (bytes.compare(0, 5, "<?xml") != 0 || end == std::string::npos) return bytes;
    const std::size_t key = bytes.find("encoding", 0);
    const std::size_t open = key < end ? bytes.find_first_of("\"'", key) : std::string::npos;
    const std::size_t close = open < end ? bytes.find(bytes[open], open + 1) : std::string::npos;
    if (close == std::string::npos || close > end) return bytes;
    const UINT codePage = SingleByteCodePage(bytes.substr(open + 1, close - open - 1));
    if (codePage == 0) return bytes;
    bytes.replace(open + 1, close - open - 1, "UTF-8");
    const int size = static_cast<int>(bytes.size());
    std::wstring wide(static_cast<std::size_t>(MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0)), L'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), size, wide.data(), static_cast<int>(wide.size()));
    const int wideSize = static_cast<int>(wide.size());
    std::string utf8(static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideSize, nullptr, 0, nullptr, nullptr)), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideSize, utf8.data(), static_cast<int>(utf8.size()), nullptr, nullptr);
    return utf8;
}

#include "landxml/win32/landxml_file_reader.h"

#include "files/win32/file_bytes.h"
#include "landxml/win32/xml_lite.h"
#include "landxml/landxml_walk.h"
#include "landxml/win32/single_byte_xml.h"

#include <windows.h>
#include <objbase.h>
#include <shlwapi.h>
#include <xmllite.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {
// UTF-16 from the reader to the program's ANSI text.
std::string Narrow(const wchar_t* text, UINT length) {
    if (length == 0) return {};
    const int size = WideCharToMultiByte(CP_ACP, 0, text, static_cast<int>(length), nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, static_cast<int>(length), narrow.data(), size, nullptr, nullptr);
    return narrow;
}

// The local name and value of the node the reader is on.
void NameAndValue(IXmlReader* reader, std::string* name, std::string* value) {
    const wchar_t* text = nullptr;
    UINT length = 0;
    if (name != nullptr && SUCCEEDED(reader->GetLocalName(&text, &length))) *name = Narrow(text, length);
    if (value != nullptr && SUCCEEDED(reader->GetValue(&text, &length))) *value = Narrow(text, length);
}

// XmlLite's "DTD is prohibited" and "unexpected end of input".
constexpr HRESULT DtdProhibited = static_cast<HRESULT>(0xC00CEE4F);
constexpr HRESULT InputEnd = static_cast<HRESULT>(0xC00CEE01);

// Why the reader stopped, in the words of the refusal.
std::string ReadErrorText(HRESULT status) {
    char code[16];
    std::snprintf(code, sizeof code, "0x%08lX", static_cast<unsigned long>(status));
    if (status == InputEnd) return std::string("the file ends before its elements do (XmlLite error ") + code + ")";
    if (status == DtdProhibited)
        return std::string("the file holds a DTD, which is never read (XmlLite error ") + code + ")";
    return std::string("the file is not well-formed XML (XmlLite error ") + code + ")";
}

std::string FileNameOnly(const char* path) {
    const std::string whole = path;
    const std::size_t slash = whole.find_last_of("\\/:");
    return slash == std::string::npos ? whole : whole.substr(slash + 1);
}
} // namespace

LandXmlFile ReadLandXmlFile(const char* path) {
    LandXmlFile file;
    file.fileName = FileNameOnly(path);
    const XmlLiteFactory create = XmlLiteFunction("CreateXmlReader");
    if (create == nullptr) {
        file.readError = "Windows' XML reader (xmllite.dll) cannot be loaded";
        return file;
    }
    std::string bytes;
    if (ReadFileBytes(path, bytes) != FileAccess::Done) {
        file.readError = "the file cannot be opened";
        return file;
    }
    bytes = ReadableXmlBytes(std::move(bytes));
    Releasing<IStream> stream;
    Releasing<IXmlReader> reader;
    stream.p = SHCreateMemStream(reinterpret_cast<const BYTE*>(bytes.data()), static_cast<UINT>(bytes.size()));
    if (stream.p == nullptr) {
        file.readError = "the file cannot be opened";
        return file;
    }
    if (FAILED(create(__uuidof(IXmlReader), reinterpret_cast<void**>(&reader.p), nullptr)) ||
        FAILED(reader.p->SetInput(stream.p))) {
        file.readError = "Windows' XML reader cannot read the file";
        return file;
    }
    LandXmlWalk walk(file);
    XmlNodeType type = XmlNodeType_None;
    HRESULT status = S_OK;
    std::vector<XmlAttribute> attributes;
    // Wine's XmlLite, at the end of a file cut short, gives the same node at the same
    // place again and again instead of an error: taken as the end of input.
    UINT lastLine = 0, lastPosition = 0;
    XmlNodeType lastType = XmlNodeType_None;
    int repeats = 0;
    while ((status = reader.p->Read(&type)) == S_OK) {
        UINT line = 0, position = 0;
        reader.p->GetLineNumber(&line);
        reader.p->GetLinePosition(&position);
        repeats = (type == lastType && line == lastLine && position == lastPosition) ? repeats + 1 : 0;
        lastType = type, lastLine = line, lastPosition = position;
        if (repeats >= 2) {
            status = InputEnd;
            break;
        }
        if (type == XmlNodeType_Element) {
            std::string name;
            NameAndValue(reader.p, &name, nullptr);
            const bool empty = reader.p->IsEmptyElement() != FALSE;
            attributes.clear();
            for (HRESULT more = reader.p->MoveToFirstAttribute(); more == S_OK; more = reader.p->MoveToNextAttribute()) {
                XmlAttribute a;
                NameAndValue(reader.p, &a.name, &a.value);
                attributes.push_back(a);
            }
            reader.p->MoveToElement();
            walk.StartElement(name, static_cast<int>(line), attributes, empty);
        } else if (type == XmlNodeType_Text || type == XmlNodeType_CDATA) {
            std::string value;
            NameAndValue(reader.p, nullptr, &value);
            walk.Text(value);
        } else if (type == XmlNodeType_EndElement) {
            walk.EndElement();
        }
    }
    if (FAILED(status)) {
        UINT line = 0;
        reader.p->GetLineNumber(&line);
        file.readError = ReadErrorText(status);
        file.readErrorLine = static_cast<int>(line);
    }
    return file;
}

#include "landxml/win32/landxml_file_writer.h"

#include "files/win32/file_bytes.h"
#include "landxml/win32/xml_lite.h"

#include <windows.h>
#include <objbase.h>
#include <shlwapi.h>
#include <xmllite.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {
// The program's ANSI text as UTF-16 for the writer.
std::wstring Wide(const std::string& text) {
    if (text.empty()) return {};
    const int size = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), size);
    return wide;
}

// The element and everything in it; the root declares the namespace all share.
HRESULT WriteElement(IXmlWriter* writer, const XmlElement& e, bool root) {
    std::wstring ns;
    for (const XmlAttribute& a : e.attributes)
        if (root && a.name == "xmlns") ns = Wide(a.value);
    HRESULT status = writer->WriteStartElement(nullptr, Wide(e.name).c_str(), root ? ns.c_str() : nullptr);
    for (const XmlAttribute& a : e.attributes)
        if (SUCCEEDED(status) && !(root && a.name == "xmlns"))
            status = writer->WriteAttributeString(nullptr, Wide(a.name).c_str(), nullptr, Wide(a.value).c_str());
    if (SUCCEEDED(status) && !e.text.empty()) status = writer->WriteString(Wide(e.text).c_str());
    for (const XmlElement& child : e.children)
        if (SUCCEEDED(status)) status = WriteElement(writer, child, false);
    return SUCCEEDED(status) ? writer->WriteEndElement() : status;
}

// The whole document's bytes, or false.
bool DocumentBytes(const XmlElement& root, std::string& bytes, std::string& failure) {
    const XmlLiteFactory create = XmlLiteFunction("CreateXmlWriter");
    if (create == nullptr) {
        failure = "Windows' XML writer (xmllite.dll) cannot be loaded";
        return false;
    }
    Releasing<IStream> stream;
    Releasing<IXmlWriter> writer;
    stream.p = SHCreateMemStream(nullptr, 0);
    HRESULT status = stream.p == nullptr ? E_OUTOFMEMORY : S_OK;
    if (SUCCEEDED(status)) status = create(__uuidof(IXmlWriter), reinterpret_cast<void**>(&writer.p), nullptr);
    if (SUCCEEDED(status)) status = writer.p->SetOutput(stream.p);
    if (SUCCEEDED(status)) status = writer.p->SetProperty(XmlWriterProperty_Indent, TRUE);
    if (SUCCEEDED(status)) status = writer.p->WriteStartDocument(XmlStandalone_Omit);
    if (SUCCEEDED(status)) status = WriteElement(writer.p, root, true);
    if (SUCCEEDED(status)) status = writer.p->WriteEndDocument();
    if (SUCCEEDED(status)) status = writer.p->Flush();
    STATSTG stat{};
    if (SUCCEEDED(status)) status = stream.p->Stat(&stat, STATFLAG_NONAME);
    LARGE_INTEGER zero{};
    if (SUCCEEDED(status)) status = stream.p->Seek(zero, STREAM_SEEK_SET, nullptr);
    if (SUCCEEDED(status)) {
        bytes.assign(static_cast<std::size_t>(stat.cbSize.QuadPart), '\0');
        ULONG read = 0;
        status = stream.p->Read(bytes.data(), static_cast<ULONG>(bytes.size()), &read);
        if (SUCCEEDED(status) && read != bytes.size()) status = E_FAIL;
    }
    if (FAILED(status)) {
        char code[16];
        std::snprintf(code, sizeof code, "0x%08lX", static_cast<unsigned long>(status));
        failure = std::string("Windows' XML writer failed (XmlLite error ") + code + ")";
        return false;
    }
    return true;
}
} // namespace

bool WriteLandXmlFile(const char* path, const XmlElement& root, std::string& failure) {
    std::string bytes;
    if (!DocumentBytes(root, bytes, failure)) return false;
    switch (WriteFileBytesSafely(path, bytes)) {
    case FileAccess::Done:
        return true;
    case FileAccess::CannotOpen:
        failure = "the file cannot be written (read-only, a folder, or in use)";
        return false;
    case FileAccess::Failed:
        break;
    }
    failure = "writing the file failed (is the disk full?)";
    return false;
}

ExportStamp ExportStampNow() {
    std::tm when{};
    char epoch[32];
    const DWORD length = GetEnvironmentVariableA("SOURCE_DATE_EPOCH", epoch, sizeof epoch);
    char* end = nullptr;
    const long long seconds = length > 0 && length < sizeof epoch ? std::strtoll(epoch, &end, 10) : -1;
    if (seconds >= 0 && end != nullptr && *end == '\0') {
        const std::time_t t = static_cast<std::time_t>(seconds);
        if (const std::tm* utc = std::gmtime(&t)) when = *utc;
    } else {
        SYSTEMTIME now;
        GetLocalTime(&now);
        when.tm_year = now.wYear - 1900, when.tm_mon = now.wMonth - 1, when.tm_mday = now.wDay;
    }
    char date[32], time[32];
    std::strftime(date, sizeof date, "%Y-%m-%d", &when);
    std::strftime(time, sizeof time, "%H:%M:%S", &when);
    return {date, time};
}

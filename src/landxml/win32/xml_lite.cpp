#include "landxml/win32/xml_lite.h"

XmlLiteFactory XmlLiteFunction(const char* name) {
    static const HMODULE xmlLite = LoadLibraryA("xmllite.dll");
    return xmlLite == nullptr
               ? nullptr
               : reinterpret_cast<XmlLiteFactory>(reinterpret_cast<void*>(GetProcAddress(xmlLite, name)));
}

// Windows' own XML reader and writer, XmlLite: MinGW-w64 has its header but no
// import library, so its functions are taken from xmllite.dll, loaded once when
// first needed; and its COM interfaces, released when they go out of scope.
#pragma once

#include <windows.h>
#include <objbase.h>

// CreateXmlReader or CreateXmlWriter of xmllite.dll; null when Windows has no XmlLite.
using XmlLiteFactory = HRESULT(WINAPI*)(REFIID, void**, IMalloc*);
XmlLiteFactory XmlLiteFunction(const char* name);

template <typename T> struct Releasing {
    T* p = nullptr;
    ~Releasing() {
        if (p != nullptr) p->Release();
    }
};

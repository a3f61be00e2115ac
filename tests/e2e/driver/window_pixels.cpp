#include "driver/window_pixels.h"

COLORREF WindowPixels::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) return CLR_INVALID;
    return pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)];
}

bool WindowPixels::Near(int x, int y, COLORREF colour, int reach) const {
    for (int dy = -reach; dy <= reach; ++dy)
        for (int dx = -reach; dx <= reach; ++dx)
            if (At(x + dx, y + dy) == colour) return true;
    return false;
}

WindowPixels ReadClientPixels(HWND window) {
    WindowPixels read;
    RECT client;
    if (!GetClientRect(window, &client) || client.right <= 0 || client.bottom <= 0) return read;
    read.width = client.right, read.height = client.bottom;
    // Read from the screen where the client area lies: what the user sees.
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    const HDC screen = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = read.width;
    info.bmiHeader.biHeight = -read.height; // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, read.width, read.height, screen, origin.x, origin.y, SRCCOPY);
    GdiFlush();
    const auto* bgrx = static_cast<const unsigned char*>(bits);
    read.pixels.resize(static_cast<size_t>(read.width) * static_cast<size_t>(read.height));
    for (size_t i = 0; i < read.pixels.size(); ++i)
        read.pixels[i] = RGB(bgrx[4 * i + 2], bgrx[4 * i + 1], bgrx[4 * i]);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return read;
}

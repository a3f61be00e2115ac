#include "pictures/win32/picture_window.h"

#include <windowsx.h>

#include <cmath>

#include "pictures/win32/picture_printing.h"
#include "resource_ids.h"

namespace {
constexpr const char* PictureClass = "Quarel_Picture";
// One wheel notch, one + or - zooms by this; an arrow key pans an eighth of the view.
constexpr double ZoomStep = 1.25;
constexpr double PanShare = 0.125;

struct PictureState {
    std::unique_ptr<Picture> picture;
    HWND* slot;                       // the owner's handle of this window, cleared when it goes
    const std::string* documentPath;
    bool dragging = false;
    POINT dragFrom{};
};

PictureState* StateOf(HWND window) {
    return reinterpret_cast<PictureState*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

DrawingArea ClientArea(HWND window) {
    RECT rect;
    GetClientRect(window, &rect);
    return {0, 0, static_cast<double>(rect.right), static_cast<double>(rect.bottom)};
}

// The picture drawn into a bitmap of the client's size, then copied in one piece,
// so that a repaint never flickers.
void PaintInto(HWND window, HDC dc) {
    const DrawingArea area = ClientArea(window);
    const int width = static_cast<int>(area.width), height = static_cast<int>(area.height);
    if (width <= 0 || height <= 0) return;
    const HDC memory = CreateCompatibleDC(dc);
    const HBITMAP bitmap = CreateCompatibleBitmap(dc, width, height);
    const HGDIOBJ old = SelectObject(memory, bitmap);
    StateOf(window)->picture->Draw(memory, area, ScreenStyle(dc));
    BitBlt(dc, 0, 0, width, height, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
}

void Refit(HWND window) {
    StateOf(window)->picture->Fit(ClientArea(window));
    InvalidateRect(window, nullptr, FALSE);
}

void ZoomAt(HWND window, DevicePoint about, double factor) {
    StateOf(window)->picture->Zoom(ClientArea(window), about, factor);
    InvalidateRect(window, nullptr, FALSE);
}

void PanWindow(HWND window, double dx, double dy) {
    StateOf(window)->picture->Pan(dx, dy);
    InvalidateRect(window, nullptr, FALSE);
}

void OnPaint(HWND window) {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(window, &paint);
    PaintInto(window, dc);
    EndPaint(window, &paint);
}

// The window's menu and keys give their commands to the main window, which runs them
// through the one table of commands with this window as their sender.
void OnCommand(HWND window, int id, HWND, UINT) {
    FORWARD_WM_COMMAND(GetWindow(window, GW_OWNER), id, window, 0, SendMessageA);
}

void OnKeyDown(HWND window, UINT key, BOOL, int, UINT) {
    const DrawingArea area = ClientArea(window);
    const DevicePoint centre{area.width / 2, area.height / 2};
    switch (key) {
    case VK_ESCAPE:
        DestroyWindow(window);
        break;
    case VK_HOME:
        FORWARD_WM_COMMAND(window, CMD_PICTURE_FIT, nullptr, 0, PostMessageA);
        break;
    case 'P':
        if (GetKeyState(VK_CONTROL) < 0) FORWARD_WM_COMMAND(window, CMD_PICTURE_PRINT, nullptr, 0, PostMessageA);
        break;
    case VK_LEFT:
        PanWindow(window, area.width * PanShare, 0);
        break;
    case VK_RIGHT:
        PanWindow(window, -area.width * PanShare, 0);
        break;
    case VK_UP:
        PanWindow(window, 0, area.height * PanShare);
        break;
    case VK_DOWN:
        PanWindow(window, 0, -area.height * PanShare);
        break;
    case VK_ADD:
    case VK_OEM_PLUS:
        ZoomAt(window, centre, ZoomStep);
        break;
    case VK_SUBTRACT:
    case VK_OEM_MINUS:
        ZoomAt(window, centre, 1 / ZoomStep);
        break;
    }
}

// The wheel's position comes in screen coordinates.
void OnMouseWheel(HWND window, int x, int y, int delta, UINT) {
    POINT at{x, y};
    ScreenToClient(window, &at);
    ZoomAt(window, {static_cast<double>(at.x), static_cast<double>(at.y)},
           std::pow(ZoomStep, static_cast<double>(delta) / WHEEL_DELTA));
}

void OnLButtonDown(HWND window, BOOL, int x, int y, UINT) {
    PictureState* state = StateOf(window);
    state->dragging = true;
    state->dragFrom = {x, y};
    SetCapture(window);
}

void OnMouseMove(HWND window, int x, int y, UINT) {
    PictureState* state = StateOf(window);
    if (!state->dragging) return;
    PanWindow(window, x - state->dragFrom.x, y - state->dragFrom.y);
    state->dragFrom = {x, y};
}

void OnLButtonUp(HWND window, int, int, UINT) {
    StateOf(window)->dragging = false;
    ReleaseCapture();
}

void OnSize(HWND window, UINT, int, int) {
    InvalidateRect(window, nullptr, FALSE);
}

// The state goes with the window's last message, which a window whose creation
// failed after WM_NCCREATE gets too.
void OnNCDestroy(HWND window) {
    PictureState* state = StateOf(window);
    *state->slot = nullptr;
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    delete state;
}

LRESULT CALLBACK PictureWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    if (StateOf(window) == nullptr) return DefWindowProcA(window, message, wParam, lParam);
    switch (message) {
        HANDLE_MSG(window, WM_PAINT, OnPaint);
        HANDLE_MSG(window, WM_COMMAND, OnCommand);
        HANDLE_MSG(window, WM_KEYDOWN, OnKeyDown);
        HANDLE_MSG(window, WM_MOUSEWHEEL, OnMouseWheel);
        HANDLE_MSG(window, WM_LBUTTONDOWN, OnLButtonDown);
        HANDLE_MSG(window, WM_MOUSEMOVE, OnMouseMove);
        HANDLE_MSG(window, WM_LBUTTONUP, OnLButtonUp);
        HANDLE_MSG(window, WM_SIZE, OnSize);
    case WM_NCDESTROY:
        OnNCDestroy(window);
        return 0;
    case WM_ERASEBKGND:
        return 1; // the paint covers the whole client area
    case WM_PRINTCLIENT:
        PaintInto(window, reinterpret_cast<HDC>(wParam));
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void RegisterPictureClass(HINSTANCE instance) {
    WNDCLASSA existing;
    if (GetClassInfoA(instance, PictureClass, &existing)) return;
    WNDCLASSA wc{};
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = PictureWindowProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_QUAREL));
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = PictureClass;
    RegisterClassA(&wc);
}
} // namespace

void OpenPictureWindow(HWND owner, HWND& window, std::unique_ptr<Picture> (*make)(),
                       const std::string* documentPath) {
    if (window != nullptr) {
        UpdatePictureWindow(window, false);
        ShowWindow(window, SW_SHOWNORMAL);
        SetForegroundWindow(window);
        return;
    }
    const HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(owner, GWLP_HINSTANCE));
    RegisterPictureClass(instance);
    auto* state = new PictureState{make(), &window, documentPath};
    state->picture->Update(true);
    const HMENU menu = LoadMenuA(instance, MAKEINTRESOURCEA(IDM_PICTURE_MENU));
    window = CreateWindowExA(0, PictureClass, state->picture->Title(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                             CW_USEDEFAULT, 720, 540, owner, menu, instance, state);
    if (window == nullptr) return;
    state->picture->Fit(ClientArea(window));
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
}

void PrintPictureWindow(HWND window) {
    PictureState* state = StateOf(window);
    PrintPicture(window, *state->picture, ClientArea(window), *state->documentPath);
}

void FitPictureWindow(HWND window) {
    Refit(window);
}

void UpdatePictureWindow(HWND window, bool anotherLine) {
    if (window == nullptr) return;
    PictureState* state = StateOf(window);
    if (state->picture->Update(anotherLine)) state->picture->Fit(ClientArea(window));
    InvalidateRect(window, nullptr, FALSE);
}

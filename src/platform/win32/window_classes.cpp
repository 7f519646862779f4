// Window classes and window procedures on Windows.
#include "platform/win32/procs.h"

namespace {

// Room for what a standard control's procedure keeps in its window when one
// of our classes passes messages on to it.
constexpr int kClassExtraBytes = 8 * sizeof(LONG_PTR);

}  // namespace

namespace plat {

bool registerClass(const std::string& className, WndProc proc) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    if (const auto* native = proc.target<win32::NativeProc>()) {
        // A standard class's procedure: a superclass, with the base class's
        // extra bytes, cursor and brush.
        WNDCLASSEXA base{};
        base.cbSize = sizeof base;
        char baseName[256] = {};
        bool found = false;
        for (const char* standard : {"Edit", "Button", "ComboBox", "Static", "ListBox", "#32770"}) {
            if (GetClassInfoExA(nullptr, standard, &base) && base.lpfnWndProc == native->proc) {
                lstrcpynA(baseName, standard, sizeof baseName);
                found = true;
                break;
            }
        }
        if (!found) return false;
        wc = base;
        wc.cbSize = sizeof wc;
        wc.hInstance = win32::instance();
        wc.lpszClassName = className.c_str();
        wc.style &= ~CS_GLOBALCLASS;
        return RegisterClassExA(&wc) != 0;
    }
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = win32::procedureOfWindow;
    wc.cbWndExtra = kClassExtraBytes;
    wc.hInstance = win32::instance();
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = className.c_str();
    const ATOM atom = RegisterClassExA(&wc);
    if (atom == 0) return false;
    win32::rememberClass(atom, std::move(proc));
    return true;
}

WndProc classProc(const std::string& className) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    const ATOM atom = static_cast<ATOM>(GetClassInfoExA(win32::instance(), className.c_str(), &wc));
    if (atom == 0) return {};
    if (wc.lpfnWndProc == win32::procedureOfWindow) return win32::procOfClass(atom);
    return win32::NativeProc{wc.lpfnWndProc};
}

WndProc setWindowProc(Hwnd window, WndProc proc) {
    const HWND h = win32::hwnd(window);
    if (!IsWindow(h)) return {};
    WndProc previous = win32::procOfWindow(h);
    if (!previous) {
        const auto native = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(h, GWLP_WNDPROC));
        if (native == win32::procedureOfWindow) {
            previous = win32::procOfClass(static_cast<ATOM>(GetClassLongPtrA(h, GCW_ATOM)));
        } else {
            previous = win32::NativeProc{native};
            SetWindowLongPtrA(h, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(win32::procedureOfWindow));
        }
    }
    win32::setProcOfWindow(h, std::move(proc));
    return previous;
}

Lresult callWindowProc(const WndProc& proc, Hwnd window, Uint message, Wparam wParam, Lparam lParam) {
    return proc ? proc(window, message, wParam, lParam) : 0;
}

Lresult defWindowProc(Hwnd window, Uint message, Wparam wParam, Lparam lParam) {
    return DefWindowProcA(win32::hwnd(window), message, wParam, lParam);
}

void setWindowData(Hwnd window, void* data) {
    SetWindowLongPtrA(win32::hwnd(window), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(data));
}

void* getWindowData(Hwnd window) {
    return reinterpret_cast<void*>(GetWindowLongPtrA(win32::hwnd(window), GWLP_USERDATA));
}

}  // namespace plat

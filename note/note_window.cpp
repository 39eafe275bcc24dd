#include "note/note_window.h"

#include "app/main_window.h"
#include "app/window_placement.h"
#include "note/font_copy.h"
#include "note/make_colour_keyed.h"
#include "note/move_window_to.h"
#include "note/note_geometry.h"

namespace note {
namespace {

constexpr char kOwnerClass[] = "PingjianNoteOwner";
constexpr char kWindowClass[] = "PingjianNoteWindow";
constexpr char kLabelClass[] = "PingjianNoteLabel";

HBRUSH White() { return static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)); }

void RegisterClasses(HINSTANCE instance, WNDPROC windowProc, WNDPROC labelProc) {
    WNDCLASSEXA owner{};
    owner.cbSize = sizeof owner;
    owner.lpfnWndProc = DefWindowProcA;
    owner.hInstance = instance;
    owner.lpszClassName = kOwnerClass;
    RegisterClassExA(&owner);  // already registered when a second note is made in a test driver

    WNDCLASSEXA window{};
    window.cbSize = sizeof window;
    window.lpfnWndProc = windowProc;
    window.hInstance = instance;
    window.hIcon = LoadIconA(instance, "DEFAULT_ICON");
    window.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    window.hbrBackground = White();
    window.lpszClassName = kWindowClass;
    RegisterClassExA(&window);

    WNDCLASSEXA label = window;
    label.lpfnWndProc = labelProc;
    label.hIcon = nullptr;
    label.lpszClassName = kLabelClass;
    RegisterClassExA(&label);
}

// Ends the paint and restores the DC's font whatever happens in between.
class PaintScope {
public:
    explicit PaintScope(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    ~PaintScope() {
        if (oldFont_) SelectObject(dc_, oldFont_);
        EndPaint(window_, &paint_);
    }
    HDC Dc() const { return dc_; }
    void Select(HFONT font) { oldFont_ = SelectObject(dc_, font); }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
    HGDIOBJ oldFont_ = nullptr;
};

}  // namespace

NoteWindow::~NoteWindow() {
    if (window_) SetWindowLongPtrA(window_.Get(), GWLP_USERDATA, 0);
    if (标签1_) SetWindowLongPtrA(标签1_, GWLP_USERDATA, 0);
}

bool NoteWindow::Create(app::MainWindow& mainWindow) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    RegisterClasses(instance, WindowProc, LabelProc);

    owner_.Reset(CreateWindowExA(0, kOwnerClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, nullptr));
    if (!owner_) return false;
    const app::Point origin = app::CentredOrigin(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                                 kNoteWidth, kNoteHeight);
    window_.Reset(CreateWindowExA(0, kWindowClass, "", WS_POPUP | WS_CLIPCHILDREN, origin.x, origin.y, kNoteWidth,
                                  kNoteHeight, owner_.Get(), nullptr, instance, nullptr));
    if (!window_) return false;
    标签1_ = CreateWindowExA(0, kLabelClass, "", WS_CHILD | WS_VISIBLE, 0, 0, kLabelWidth, kLabelHeight,
                            window_.Get(), nullptr, instance, nullptr);
    if (!标签1_) return false;
    SetWindowLongPtrA(window_.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrA(标签1_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    标签1Font_.Attach(标签1_);
    OnCreated(mainWindow);
    return true;
}

void NoteWindow::OnCreated(app::MainWindow& mainWindow) {
    MakeColourKeyed(window_.Get());
    const Origin origin = NoteOrigin(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    MoveWindowTo(window_.Get(), origin.x, origin.y);
    标签1Colour_ = mainWindow.EditorTextColour();
    CopyFontFields(mainWindow.EditorFont(), 标签1Font_);
    SetWindowTextA(标签1_, mainWindow.EditorText().c_str());
}

RECT NoteWindow::Rect() const {
    RECT rect{};
    GetWindowRect(window_.Get(), &rect);
    return rect;
}

std::string NoteWindow::LabelText() const {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(标签1_)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(标签1_, text.data(), static_cast<int>(text.size()))));
    return text;
}

// As on MainWindow, a press starts moving the window as if its caption had
// been pressed; the label covers the window, so a press anywhere drags it.
void NoteWindow::StartDrag() const { PostMessageA(window_.Get(), WM_NCLBUTTONDOWN, HTCAPTION, 0); }

void NoteWindow::PaintLabel() {
    PaintScope paint(标签1_);
    RECT client{};
    GetClientRect(标签1_, &client);
    FillRect(paint.Dc(), &client, White());
    SetBkMode(paint.Dc(), TRANSPARENT);
    SetTextColor(paint.Dc(), 标签1Colour_);
    paint.Select(标签1Font_.Handle());
    const std::string text = LabelText();
    DrawTextA(paint.Dc(), text.c_str(), -1, &client, DT_CENTER | DT_WORDBREAK | DT_VCENTER | DT_NOCLIP);
}

LRESULT NoteWindow::HandleLabelMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        PaintLabel();
        return 0;
    case WM_ERASEBKGND:
        return 1;  // the paint fills the background itself
    case WM_SETTEXT: {
        const LRESULT result = DefWindowProcA(标签1_, message, wParam, lParam);
        InvalidateRect(标签1_, nullptr, TRUE);
        return result;
    }
    case WM_SETFONT:
        return 0;  // the label draws with its ControlFont
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(标签1Font_.Handle());
    case WM_LBUTTONDOWN:
        StartDrag();
        return 0;
    default:
        return DefWindowProcA(标签1_, message, wParam, lParam);
    }
}

LRESULT CALLBACK NoteWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<NoteWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self && message == WM_LBUTTONDOWN) {
        self->StartDrag();
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT CALLBACK NoteWindow::LabelProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<NoteWindow*>(GetWindowLongPtrA(label, GWLP_USERDATA));
    if (!self) return DefWindowProcA(label, message, wParam, lParam);
    try {
        return self->HandleLabelMessage(message, wParam, lParam);
    } catch (...) {
        return DefWindowProcA(label, message, wParam, lParam);  // nothing may escape into the system
    }
}

}  // namespace note

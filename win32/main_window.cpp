#include "win32/main_window.h"

#include <commctrl.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "engine/run_input.h"
#include "engine/wipe.h"
#include "win32/dpi.h"
#include "win32/pin_box.h"
#include "win32/text_box.h"
#include "win32/win32_text.h"

namespace velk::win32 {

namespace {

using ui::Control;

constexpr wchar_t WindowClass[] = L"VelkEncryptDecryptWindow";
constexpr DWORD WindowStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD WindowExStyle = WS_EX_CONTROLPARENT;
constexpr COLORREF LightGrey = RGB(192, 192, 192);
// How far a list drops down, in pixels at 96 dots an inch.
constexpr int DropDownHeight = 200;

std::size_t Index(Control control) {
    return static_cast<std::size_t>(control);
}

HFONT MakeFont(const ui::Font& font, int dpi) {
    const std::wstring face = Wide(font.face);
    const bool fixed = font.face == ui::FixedPitchFace;
    return CreateFontW(-static_cast<int>(std::lround(font.points * dpi / 72.0)), 0, 0, 0,
                       font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       fixed ? FIXED_PITCH | FF_MODERN : DEFAULT_PITCH | FF_SWISS, face.c_str());
}

struct ControlClass {
    const wchar_t* name;
    DWORD style;
    DWORD exStyle;
};

ControlClass ClassOf(ui::ControlKind kind) {
    constexpr DWORD child = WS_CHILD | WS_CLIPSIBLINGS;
    switch (kind) {
        case ui::ControlKind::PinBox:
            return {WC_EDITW, child | WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
        case ui::ControlKind::TextBox:
            return {WC_EDITW,
                    child | WS_TABSTOP | WS_HSCROLL | WS_VSCROLL | ES_MULTILINE | ES_AUTOHSCROLL |
                        ES_AUTOVSCROLL | ES_WANTRETURN | ES_NOHIDESEL,
                    WS_EX_CLIENTEDGE};
        case ui::ControlKind::List:
            return {WC_COMBOBOXW, child | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0};
        case ui::ControlKind::Label:
            return {WC_STATICW, child | SS_LEFT | SS_NOTIFY | SS_NOPREFIX, 0};
    }
    return {};
}

}  // namespace

MainWindow::MainWindow(HINSTANCE instance, const ui::Edition& edition) : edition_(edition) {
    static const bool registered = [instance] {
        WNDCLASSEXW c{};
        c.cbSize = sizeof c;
        c.style = CS_HREDRAW | CS_VREDRAW;
        c.lpfnWndProc = &MainWindow::WindowProc;
        c.hInstance = instance;
        // Each at the size the system shows it, from the image of that size.
        const auto icon = [instance](int width, int height) {
            return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                                 GetSystemMetrics(width), GetSystemMetrics(height),
                                                 LR_SHARED));
        };
        c.hIcon = icon(SM_CXICON, SM_CYICON);
        c.hIconSm = icon(SM_CXSMICON, SM_CYSMICON);
        c.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        c.lpszClassName = WindowClass;
        return RegisterClassExW(&c) != 0;
    }();
    (void)registered;
    background_ = CreateSolidBrush(LightGrey);
    BuildMenu();
    const std::wstring caption = Wide(edition_.caption);
    hwnd_ = CreateWindowExW(WindowExStyle, WindowClass, caption.c_str(), WindowStyle, CW_USEDEFAULT,
                            CW_USEDEFAULT, 100, 100, nullptr, menu_, instance, this);
    dpi_ = WindowDpi(hwnd_);
    CreateControls();
    Layout(dpi_);
}

MainWindow::~MainWindow() {
    if (hwnd_ != nullptr) {
        DestroyWindow(hwnd_);
    }
    DeleteFonts();
    DeleteObject(background_);
}

void MainWindow::BuildMenu() {
    menu_ = CreateMenu();
    HMENU popup = CreatePopupMenu();
    for (const ui::MenuEntry& entry : ui::Menu) {
        if (entry.item) {
            const std::wstring caption = Wide(entry.caption);
            AppendMenuW(popup, MF_STRING, MenuIdBase + static_cast<UINT>(*entry.item),
                        caption.c_str());
        } else {
            AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
        }
    }
    const std::wstring title = Wide(ui::MenuTitle);
    AppendMenuW(menu_, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), title.c_str());
}

void MainWindow::CreateControls() {
    toolTips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0, 0, 0, 0, hwnd_, nullptr,
                                nullptr, nullptr);
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(hwnd_, GWLP_HINSTANCE));
    for (const ui::ControlSpec& spec : ui::Controls(edition_)) {
        const ControlClass cls = ClassOf(spec.kind);
        const std::wstring caption = Wide(spec.caption);
        HWND control = CreateWindowExW(
            cls.exStyle, cls.name, caption.c_str(), cls.style | (spec.visible ? WS_VISIBLE : 0), 0,
            0, 0, 0, hwnd_,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlIdBase + Index(spec.id))), instance,
            nullptr);
        controls_[Index(spec.id)] = control;
        kinds_[Index(spec.id)] = spec.kind;
        if (!spec.toolTip.empty()) {
            std::wstring tip = Wide(spec.toolTip);
            TOOLINFOW tool{};
            tool.cbSize = sizeof tool;
            tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
            tool.hwnd = hwnd_;
            tool.uId = reinterpret_cast<UINT_PTR>(control);
            tool.lpszText = tip.data();
            SendMessageW(toolTips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        }
    }
    OrderForScreenReaders();
    HWND pin = Control(ui::Control::txtKey);
    SendMessageW(pin, EM_SETLIMITTEXT, PinCharacters, 0);
    GuardPinBox(pin, &form_);
    HWND text = Control(ui::Control::Text1);
    // An edit control stops at 30,000 characters unless told otherwise; a
    // longer text must reach the run and its refusal, not be cut short.
    SendMessageW(text, EM_SETLIMITTEXT, 0, 0);
    GuardTextBox(text, &form_);
}

// Windows' screen readers name an edit box or a list by the static control
// right before it in z-order, the order in which the focus moves too. So
// each such control comes right after the label that names it, or after a
// hidden label with its name where none shows. The labels that name nothing
// come first, each drawn over those the description makes before it.
void MainWindow::OrderForScreenReaders() {
    const std::vector<ui::ControlSpec> specs = ui::Controls(edition_);
    std::vector<HWND> order;  // from the top
    for (const ui::ControlSpec& spec : specs) {
        if (spec.kind == ui::ControlKind::Label && !spec.names) {
            order.push_back(Control(spec.id));
        }
    }
    std::reverse(order.begin(), order.end());
    for (const ui::ControlSpec& spec : specs) {
        if (spec.kind == ui::ControlKind::Label) {
            continue;
        }
        const auto label =
            std::ranges::find(specs, std::optional(spec.id), &ui::ControlSpec::names);
        if (label != specs.end()) {
            order.push_back(Control(label->id));
        } else {
            const std::wstring name = Wide(spec.unlabelledName);
            order.push_back(CreateWindowExW(0, WC_STATICW, name.c_str(),
                                            WS_CHILD | SS_LEFT | SS_NOPREFIX, 0, 0, 0, 0, hwnd_,
                                            nullptr, nullptr, nullptr));
        }
        order.push_back(Control(spec.id));
    }
    HWND above = HWND_TOP;
    for (HWND window : order) {
        SetWindowPos(window, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        above = window;
    }
}

void MainWindow::DeleteFonts() {
    for (HFONT& font : fonts_) {
        if (font != nullptr && font != windowFont_) {
            DeleteObject(font);
        }
        font = nullptr;
    }
    if (windowFont_ != nullptr) {
        DeleteObject(windowFont_);
        windowFont_ = nullptr;
    }
}

void MainWindow::Layout(int dpi) {
    DeleteFonts();
    windowFont_ = MakeFont(ui::WindowFont, dpi);
    for (const ui::ControlSpec& spec : ui::Controls(edition_)) {
        HWND control = controls_[Index(spec.id)];
        HFONT font = spec.font ? MakeFont(*spec.font, dpi) : windowFont_;
        fonts_[Index(spec.id)] = font;
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        if (spec.kind == ui::ControlKind::PinBox) {
            // No margins: the box is just wide enough for eight digits.
            SendMessageW(control, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(0, 0));
        }
        const int height = ui::TwipsToPixels(spec.place.height, dpi) +
                           (spec.kind == ui::ControlKind::List ? DropDownHeight * dpi / 96 : 0);
        SetWindowPos(control, nullptr, ui::TwipsToPixels(spec.place.left, dpi),
                     ui::TwipsToPixels(spec.place.top, dpi),
                     ui::TwipsToPixels(spec.place.width, dpi), height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    RECT frame{0, 0, ui::TwipsToPixels(edition_.clientWidth, dpi),
               ui::TwipsToPixels(edition_.clientHeight, dpi)};
    AdjustFrameForDpi(frame, WindowStyle, WindowExStyle, dpi);
    SetWindowPos(hwnd_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void MainWindow::Show(int showCommand) {
    RECT frame{};
    GetWindowRect(hwnd_, &frame);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(hwnd_, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& area = monitor.rcWork;
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    SetWindowPos(hwnd_, nullptr, area.left + (area.right - area.left - width) / 2,
                 area.top + (area.bottom - area.top - height) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(hwnd_, showCommand);
    UpdateWindow(hwnd_);
    SetFocus(Control(ui::Control::txtKey));
}

HWND MainWindow::Control(ui::Control control) const {
    return controls_[Index(control)];
}

std::u16string MainWindow::text(ui::Control control) const {
    return WindowText(Control(control));
}

void MainWindow::setText(ui::Control control, std::u16string_view text) {
    std::u16string copy(text);
    const WipedAtEnd wipeCopy(copy);
    HWND hwnd = Control(control);
    if (control == ui::Control::Text1) {
        // A replacement of the whole text, which the box can undo in one step.
        SendMessageW(hwnd, EM_SETSEL, 0, -1);
        SendMessageW(hwnd, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(AsWide(copy.data())));
    } else if (kinds_[Index(control)] == ui::ControlKind::List) {
        const LRESULT index = SendMessageW(hwnd, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                           reinterpret_cast<LPARAM>(AsWide(copy.data())));
        SendMessageW(hwnd, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    } else {
        SetWindowTextW(hwnd, AsWide(copy.data()));
    }
}

void MainWindow::addItem(ui::Control list, std::u16string_view item) {
    const std::u16string copy(item);
    SendMessageW(Control(list), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(AsWide(copy.c_str())));
}

void MainWindow::showLabel(ui::Control label, bool visible) {
    ShowWindow(Control(label), visible ? SW_SHOWNA : SW_HIDE);
    UpdateWindow(Control(label));
}

void MainWindow::enableItem(ui::MenuItem item, bool enabled) {
    EnableMenuItem(menu_, MenuIdBase + static_cast<UINT>(item),
                   MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

void MainWindow::setLocked(bool locked) {
    if (locked) {
        focusBeforeLock_ = GetFocus();
    }
    for (const ui::Control box : {ui::Control::txtKey, ui::Control::Text1}) {
        SendMessageW(Control(box), EM_SETREADONLY, locked ? TRUE : FALSE, 0);
    }
    for (const ui::ControlSpec& spec : ui::Controls(edition_)) {
        if (spec.kind == ui::ControlKind::List) {
            EnableWindow(Control(spec.id), locked ? FALSE : TRUE);
        }
    }
    if (!locked && focusBeforeLock_ != nullptr && IsWindow(focusBeforeLock_) != 0) {
        SetFocus(focusBeforeLock_);
    }
}

ui::WindowGeometry MainWindow::windowGeometry() const {
    RECT r{};
    GetWindowRect(hwnd_, &r);
    return {ui::PixelsToTwips(r.left, dpi_), ui::PixelsToTwips(r.top, dpi_),
            ui::PixelsToTwips(r.right - r.left, dpi_), ui::PixelsToTwips(r.bottom - r.top, dpi_)};
}

void MainWindow::setWindowGeometry(const ui::WindowGeometry& g) {
    SetWindowPos(hwnd_, nullptr, ui::TwipsToPixels(g.left, dpi_), ui::TwipsToPixels(g.top, dpi_),
                 std::max(0, ui::TwipsToPixels(g.width, dpi_)),
                 std::max(0, ui::TwipsToPixels(g.height, dpi_)), SWP_NOZORDER | SWP_NOACTIVATE);
}

int MainWindow::screenWidth() const {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(hwnd_, MONITOR_DEFAULTTONEAREST), &monitor);
    return ui::PixelsToTwips(monitor.rcMonitor.right - monitor.rcMonitor.left, dpi_);
}

LRESULT CALLBACK MainWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        auto* window = static_cast<MainWindow*>(create->lpCreateParams);
        window->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
    }
    auto* window = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    return window != nullptr ? window->Handle(message, wParam, lParam)
                             : DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT MainWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND: {
            const int item = static_cast<int>(LOWORD(wParam)) - MenuIdBase;
            if (HIWORD(wParam) == 0 && lParam == 0 && form_ != nullptr && item >= 0 &&
                item <= static_cast<int>(ui::MenuItem::Exit1)) {
                form_->Click(static_cast<ui::MenuItem>(item));
                return 0;
            }
            break;
        }
        case WM_ACTIVATE:
            // The control that had the focus has it again when the window
            // is active again, after a message box for one; left to
            // DefWindowProc, the window itself would take it.
            if (LOWORD(wParam) == WA_INACTIVE) {
                focusWhenActive_ = GetFocus();
            } else if (HIWORD(wParam) == 0 && focusWhenActive_ != nullptr &&
                       IsChild(hwnd_, focusWhenActive_) != 0) {
                SetFocus(focusWhenActive_);
                return 0;
            }
            break;
        case WM_CLOSE:
            if (form_ != nullptr) {
                form_->RequestClose();
            } else {
                PostQuitMessage(0);
            }
            return 0;
        case WM_CTLCOLORSTATIC: {
            // The labels grey; a read-only box keeps the system's colours.
            const int id = GetDlgCtrlID(reinterpret_cast<HWND>(lParam)) - ControlIdBase;
            if (id < 0 || id >= static_cast<int>(ui::ControlCount) ||
                kinds_[static_cast<std::size_t>(id)] != ui::ControlKind::Label) {
                break;
            }
            const auto hdc = reinterpret_cast<HDC>(wParam);
            SetTextColor(hdc, RGB(0, 0, 0));
            SetBkColor(hdc, LightGrey);
            return reinterpret_cast<LRESULT>(background_);
        }
        case WM_ERASEBKGND: {
            RECT r{};
            GetClientRect(hwnd_, &r);
            FillRect(reinterpret_cast<HDC>(wParam), &r, background_);
            return 1;
        }
        case WM_SETCURSOR:
            if (busy_) {
                SetCursor(LoadCursorW(nullptr, IDC_WAIT));
                return TRUE;
            }
            break;
        case WM_DPICHANGED: {
            dpi_ = HIWORD(wParam);
            Layout(dpi_);
            const auto* suggested = reinterpret_cast<const RECT*>(lParam);
            SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            return 0;
        }
        default:
            break;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

void MainWindow::SetBusy(bool busy) {
    busy_ = busy;
    SetCursor(LoadCursorW(nullptr, busy ? IDC_WAIT : IDC_ARROW));
}

void DispatchWindowMessage(HWND window, MSG& message) {
    if (IsDialogMessageW(window, &message) == 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

}  // namespace velk::win32

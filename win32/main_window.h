// The window of either edition as Win32 standard controls: built from the
// edition's description, it is the window port of the edition's handlers.
#pragma once

#include <windows.h>

#include <array>
#include <string>
#include <string_view>

#include "ui/cipher_window.h"
#include "ui/edition.h"
#include "ui/port.h"

namespace velk::win32 {

// The controls' IDs: ControlIdBase plus the ui::Control value; the menu
// items': MenuIdBase plus the ui::MenuItem value.
inline constexpr int ControlIdBase = 1000;
inline constexpr int MenuIdBase = 100;

class MainWindow final : public ui::WindowPort {
public:
    // Creates the window, hidden, and its controls at the DPI of the monitor
    // it is on.
    MainWindow(HINSTANCE instance, const ui::Edition& edition);
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // Routes the menu, the PIN box, Text1's pastes and closing the window to
    // `form`'s handlers; until then they do nothing.
    void Attach(ui::CipherWindow& form) { form_ = &form; }

    HWND Handle() const { return hwnd_; }
    HWND Control(ui::Control control) const;
    HMENU Menu() const { return menu_; }
    // The window's dots per inch.
    int Dpi() const { return dpi_; }

    // Centres the window on its monitor and shows it.
    void Show(int showCommand);
    // The busy pointer over the window, or the default one.
    void SetBusy(bool busy);

    // ui::WindowPort
    std::u16string text(ui::Control control) const override;
    void setText(ui::Control control, std::u16string_view text) override;
    void addItem(ui::Control list, std::u16string_view item) override;
    void showLabel(ui::Control label, bool visible) override;
    void enableItem(ui::MenuItem item, bool enabled) override;
    void setLocked(bool locked) override;
    ui::WindowGeometry windowGeometry() const override;
    void setWindowGeometry(const ui::WindowGeometry& geometry) override;
    int screenWidth() const override;

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void CreateControls();
    void OrderForScreenReaders();
    void BuildMenu();
    // Fonts, places and the window's size for `dpi`.
    void Layout(int dpi);
    void DeleteFonts();

    const ui::Edition& edition_;
    HWND hwnd_ = nullptr;
    HMENU menu_ = nullptr;
    HWND toolTips_ = nullptr;
    HBRUSH background_ = nullptr;
    // By ui::Control; null where the edition has none.
    std::array<HWND, ui::ControlCount> controls_{};
    std::array<ui::ControlKind, ui::ControlCount> kinds_{};
    std::array<HFONT, ui::ControlCount> fonts_{};  // the window font where it has none
    HFONT windowFont_ = nullptr;
    int dpi_ = 96;
    ui::CipherWindow* form_ = nullptr;
    HWND focusBeforeLock_ = nullptr;
    HWND focusWhenActive_ = nullptr;
    bool busy_ = false;
};

// Hands one message to its window: through the dialog manager, which moves
// the focus by Tab and the arrows, when it is for `window`'s controls.
void DispatchWindowMessage(HWND window, MSG& message);

}  // namespace velk::win32

// The Win32 window of either edition over a recording desktop, under Wine:
// what the Win32 layer adds to the handlers (the controls and their places
// from an edition's description, the PIN box's and Text1's messages, the
// clipboard's formats).
#include "win32/main_window.h"

#include <gtest/gtest.h>

#include <commctrl.h>
#include <imm.h>

#include <algorithm>
#include <future>
#include <memory>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "classic/form1.h"
#include "engine/passes.h"
#include "tests/ui/fake_port.h"
#include "ui/form1.h"
#include "win32/win32_desktop.h"
#include "win32/win32_text.h"

namespace velk::win32::testing {
namespace {

using ui::Control;
using ui::testing::RecordingDesktop;

std::wstring ClassName(HWND hwnd) {
    wchar_t name[64] = {};
    GetClassNameW(hwnd, name, 64);
    return name;
}

std::u16string WindowText(HWND hwnd) {
    wchar_t text[64] = {};
    GetWindowTextW(hwnd, text, 64);
    return reinterpret_cast<const char16_t*>(text);
}

template <class Form, const ui::Edition& (*Edition)()>
class WindowTestOf : public ::testing::Test {
protected:
    RecordingDesktop desktop;
    MainWindow window{GetModuleHandleW(nullptr), Edition()};
    Form form{window, desktop};

    WindowTestOf() { window.Attach(form); }

    HWND Box(Control control) const { return window.Control(control); }
    std::wstring Text(Control control) const {
        const std::u16string text = window.text(control);
        return Wide(text);
    }
    // A key pressed in `control` and everything it brings handled as the
    // program's message loop handles them, dialog keys included.
    void Press(Control control, WPARAM key) {
        const UINT scan = MapVirtualKeyW(static_cast<UINT>(key), MAPVK_VK_TO_VSC);
        PostMessageW(Box(control), WM_KEYDOWN, key, static_cast<LPARAM>(1 | (scan << 16)));
        PostMessageW(Box(control), WM_KEYUP, key,
                     static_cast<LPARAM>(1 | (scan << 16) | (3U << 30)));
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != 0) {
            DispatchWindowMessage(window.Handle(), message);
        }
    }
    // Screen readers name an edit box or a list by the static control right
    // before it in z-order: the label beside it, or a hidden one with its
    // name. The status line is drawn over the bottom strip (and in the
    // classic edition over "Enter Pin").
    void ExpectEachInputNamedByTheStaticBeforeIt() const {
        const auto specs = ui::Controls(Edition());
        for (const ui::ControlSpec& spec : specs) {
            if (spec.kind == ui::ControlKind::Label) {
                continue;
            }
            const auto label =
                std::ranges::find(specs, std::optional(spec.id), &ui::ControlSpec::names);
            const std::u16string_view name =
                label != specs.end() ? label->caption : spec.unlabelledName;
            HWND before = GetWindow(Box(spec.id), GW_HWNDPREV);
            ASSERT_NE(before, nullptr) << ui::ControlName(spec.id);
            EXPECT_EQ(ClassName(before), L"Static") << ui::ControlName(spec.id);
            EXPECT_EQ(WindowText(before), name) << ui::ControlName(spec.id);
        }
        for (HWND w = Box(Control::Label3); w != nullptr; w = GetWindow(w, GW_HWNDPREV)) {
            EXPECT_NE(w, Box(Control::Label2));
            EXPECT_NE(w, Box(Control::Label1));
        }
    }
    void SetClipboard(const std::wstring& text) {
        OpenClipboard(nullptr);
        EmptyClipboard();
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
        std::wmemcpy(static_cast<wchar_t*>(GlobalLock(memory)), text.c_str(), text.size() + 1);
        GlobalUnlock(memory);
        SetClipboardData(CF_UNICODETEXT, memory);
        CloseClipboard();
    }
};

using WindowTest = WindowTestOf<ui::Form1, &ui::SecondEdition>;
using ClassicWindowTest = WindowTestOf<classic::Form1, &classic::ClassicEdition>;

// Place in the client area, in pixels.
RECT Place(HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

LOGFONTW FontOf(HWND control) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font,
               &font);
    return font;
}

// At 96 dots an inch, 15 twips to the pixel: each control of the description
// is the standard control it names, where the description puts it, in the
// font it asks for; the focus moves through them in their order.
TEST_F(WindowTest, ControlsComeFromTheEditionsDescription) {
    ASSERT_EQ(window.Dpi(), 96);
    RECT client{};
    GetClientRect(window.Handle(), &client);
    EXPECT_EQ(client.right, 609);
    EXPECT_EQ(client.bottom, 302);
    std::vector<HWND> focusable;
    for (const ui::ControlSpec& spec : ui::Controls(ui::SecondEdition())) {
        HWND control = Box(spec.id);
        const RECT r = Place(control);
        EXPECT_EQ(r.left, ui::TwipsToPixels(spec.place.left)) << ui::ControlName(spec.id);
        EXPECT_EQ(r.top, ui::TwipsToPixels(spec.place.top)) << ui::ControlName(spec.id);
        EXPECT_EQ(r.right - r.left, ui::TwipsToPixels(spec.place.width));
        const LOGFONTW font = FontOf(control);
        const ui::Font& wanted = spec.font ? *spec.font : ui::WindowFont;
        EXPECT_EQ(font.lfFaceName, Wide(wanted.face)) << ui::ControlName(spec.id);
        EXPECT_EQ(font.lfWeight, wanted.bold ? FW_BOLD : FW_NORMAL);
        const LONG_PTR style = GetWindowLongPtrW(control, GWL_STYLE);
        EXPECT_EQ((style & WS_VISIBLE) != 0, spec.visible);
        switch (spec.kind) {
            case ui::ControlKind::PinBox:
                EXPECT_EQ(ClassName(control), L"Edit");
                EXPECT_EQ(SendMessageW(control, EM_GETLIMITTEXT, 0, 0), 8);
                EXPECT_EQ(font.lfPitchAndFamily & 3, FIXED_PITCH);
                break;
            case ui::ControlKind::TextBox:
                EXPECT_EQ(ClassName(control), L"Edit");
                EXPECT_EQ(style & (ES_MULTILINE | WS_HSCROLL | WS_VSCROLL | ES_AUTOHSCROLL),
                          ES_MULTILINE | WS_HSCROLL | WS_VSCROLL | ES_AUTOHSCROLL);
                break;
            case ui::ControlKind::List:
                EXPECT_EQ(ClassName(control), L"ComboBox");
                EXPECT_EQ(style & 3, CBS_DROPDOWNLIST);
                break;
            case ui::ControlKind::Label:
                EXPECT_EQ(ClassName(control), L"Static");
                break;
        }
        if ((style & WS_TABSTOP) != 0) {
            focusable.push_back(control);
        }
    }
    EXPECT_EQ(Text(Control::Label1), L"Enter Pin");
    ASSERT_EQ(focusable.size(), 7u);
    for (std::size_t i = 0; i < focusable.size(); ++i) {
        EXPECT_EQ(GetNextDlgTabItem(window.Handle(), focusable[i], FALSE),
                  focusable[(i + 1) % focusable.size()]);
    }
}

TEST_F(WindowTest, MenuHoldsTheItemsAndSeparatorsWithTheirAccessKeys) {
    HMENU popup = GetSubMenu(window.Menu(), 0);
    wchar_t title[64] = {};
    GetMenuStringW(window.Menu(), 0, title, 64, MF_BYPOSITION);
    EXPECT_STREQ(title, L"&Encrypt Decrypt");
    ASSERT_EQ(GetMenuItemCount(popup), static_cast<int>(ui::Menu.size()));
    for (int i = 0; i < GetMenuItemCount(popup); ++i) {
        const ui::MenuEntry& entry = ui::Menu[static_cast<std::size_t>(i)];
        wchar_t caption[64] = {};
        GetMenuStringW(popup, static_cast<UINT>(i), caption, 64, MF_BYPOSITION);
        EXPECT_EQ(caption, Wide(entry.caption));
        EXPECT_EQ((GetMenuState(popup, static_cast<UINT>(i), MF_BYPOSITION) & MF_SEPARATOR) != 0,
                  !entry.item);
    }
    EXPECT_NE(GetMenuState(popup, MenuIdBase + 2, MF_BYCOMMAND) & MF_GRAYED, 0u);
}

// Typed characters go through the PIN rules; a paste is taken whole or
// refused whole; copying and cutting never take the PIN out.
TEST_F(WindowTest, PinBoxMessagesKeepToThePinRules) {
    HWND pin = Box(Control::txtKey);
    for (const wchar_t c : {L'1', L'a', L'2', L' ', L'\r'}) {
        SendMessageW(pin, WM_CHAR, c, 0);
    }
    EXPECT_EQ(Text(Control::txtKey), L"12");
    EXPECT_EQ(desktop.beeps, 3);
    SetClipboard(L"34ab");
    SendMessageW(pin, WM_PASTE, 0, 0);
    EXPECT_EQ(Text(Control::txtKey), L"12");
    SetClipboard(L"345678");
    SendMessageW(pin, WM_PASTE, 0, 0);
    EXPECT_EQ(Text(Control::txtKey), L"12345678");
    EXPECT_EQ(desktop.beeps, 4);
    SetClipboard(L"kept");
    SendMessageW(pin, EM_SETSEL, 0, -1);
    SendMessageW(pin, WM_COPY, 0, 0);
    SendMessageW(pin, WM_CUT, 0, 0);
    EXPECT_EQ(Text(Control::txtKey), L"12345678");
    EXPECT_EQ(ClipboardText(), u"kept");
    EXPECT_EQ(desktop.beeps, 6);
}

// Escape never closes the window: Text1 keeps its text, and in the PIN box
// Escape and Enter are refused keys like any other, before the dialog keys
// see them. Tab still moves on.
TEST_F(WindowTest, EscapeLosesNothingAndThePinBoxRefusesEnterAndEscape) {
    window.setText(Control::Text1, u"precious words");
    Press(Control::Text1, VK_ESCAPE);
    EXPECT_TRUE(desktop.endStatuses.empty());
    EXPECT_NE(IsWindow(window.Handle()), 0);
    EXPECT_EQ(window.text(Control::Text1), u"precious words");
    EXPECT_EQ(desktop.beeps, 0);

    SetWindowTextW(Box(Control::txtKey), L"1234");
    Press(Control::txtKey, VK_RETURN);
    Press(Control::txtKey, VK_ESCAPE);
    EXPECT_EQ(desktop.beeps, 2);
    EXPECT_EQ(Text(Control::txtKey), L"1234");
    EXPECT_TRUE(desktop.endStatuses.empty());
    SetFocus(Box(Control::txtKey));
    Press(Control::txtKey, VK_TAB);
    EXPECT_EQ(GetFocus(), Box(Control::Text1));
}

// Input methods compose text past the box's rules: the PIN box has none;
// Text1 keeps the desktop's.
TEST_F(WindowTest, NoInputMethodReachesThePinBox) {
    for (const auto& [control, hasContext] :
         {std::pair{Control::txtKey, false}, std::pair{Control::Text1, true}}) {
        HIMC context = ImmGetContext(Box(control));
        EXPECT_EQ(context != nullptr, hasContext) << ui::ControlName(control);
        ImmReleaseContext(Box(control), context);
    }
}

// Text1 holds more than an edit control's default 30,000 characters, so a
// text too long for a run reaches the run's refusal; a paste that would make
// it too long is refused whole. A run's replacement is one undo step.
TEST_F(WindowTest, TextBoxHoldsLongTextsAndRefusesAPasteTooLong) {
    const std::u16string longest(MaxTextLength + 10, u'a');
    window.setText(Control::Text1, longest);
    EXPECT_EQ(window.text(Control::Text1).size(), longest.size());
    window.setText(Control::Text1, u"ab\r\ncd");
    SetClipboard(std::wstring(MaxTextLength - 5, L'b'));  // one too many
    SendMessageW(Box(Control::Text1), WM_PASTE, 0, 0);
    EXPECT_EQ(window.text(Control::Text1).size(), 6u);
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].prompt,
              u"The Txt Is Too Long: At Most 32766 Characters Can Be Worked On");
    SetClipboard(L"x\r\n");
    SendMessageW(Box(Control::Text1), EM_SETSEL, 0, 0);
    SendMessageW(Box(Control::Text1), WM_PASTE, 0, 0);
    EXPECT_EQ(window.text(Control::Text1), u"x\r\nab\r\ncd");
    window.setText(Control::Text1, u"replaced");
    SendMessageW(Box(Control::Text1), EM_UNDO, 0, 0);
    EXPECT_EQ(window.text(Control::Text1), u"x\r\nab\r\ncd");
}

TEST_F(WindowTest, EachInputHasItsNameRightBeforeIt) {
    ExpectEachInputNamedByTheStaticBeforeIt();
}

TEST_F(ClassicWindowTest, EachInputHasItsNameRightBeforeIt) {
    ExpectEachInputNamedByTheStaticBeforeIt();
}

TEST_F(ClassicWindowTest, RunsThroughTheMenuAndLocksNothingAfter) {
    window.setText(Control::Text1, u"ab\r\ncd");
    SetWindowTextW(Box(Control::txtKey), L"12345678");
    SendMessageW(window.Handle(), WM_COMMAND, MenuIdBase, 0);
    EXPECT_EQ(window.text(Control::Text1), u"Ml\r\nl$");
    EXPECT_EQ(GetWindowLongPtrW(Box(Control::Text1), GWL_STYLE) & ES_READONLY, 0);
    EXPECT_EQ(Box(Control::Kk1), nullptr);
    SendMessageW(window.Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(desktop.endStatuses, std::vector<int>{0});
}

// The copied text, and the formats that keep it out of clipboard history,
// cloud clipboard and clipboard monitors.
TEST(Win32Desktop, ClipboardTextIsReadBackAndKeptOutOfHistories) {
    Win32Desktop desktop(nullptr);
    EXPECT_TRUE(desktop.setClipboardText(u"two\r\nlines \u00A0\u20AC"));
    EXPECT_EQ(ClipboardText(), u"two\r\nlines \u00A0\u20AC");
    ASSERT_NE(OpenClipboard(nullptr), 0);
    for (const wchar_t* format : {L"ExcludeClipboardContentFromMonitorProcessing",
                                  L"CanIncludeInClipboardHistory", L"CanUploadToCloudClipboard"}) {
        HANDLE data = GetClipboardData(RegisterClipboardFormatW(format));
        ASSERT_NE(data, nullptr);
        EXPECT_EQ(*static_cast<const DWORD*>(GlobalLock(data)), 0u);
        GlobalUnlock(data);
    }
    CloseClipboard();
}

// A clipboard manager opens the clipboard as soon as a text comes, and the
// system's clipboard history does too: the copy waits for it as long as
// such a reader takes, about a second, and after that fails.
TEST(Win32Desktop, CopyWaitsForAnotherReaderOfTheClipboard) {
    const auto copyWhileHeldFor = [](DWORD milliseconds) {
        std::promise<void> opened;
        std::thread reader([&opened, milliseconds] {
            // A window of its own: the clipboard is held against other windows.
            HWND own = CreateWindowExW(0, WC_STATICW, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                       nullptr, nullptr);
            OpenClipboard(own);
            opened.set_value();
            Sleep(milliseconds);
            CloseClipboard();
            DestroyWindow(own);
        });
        opened.get_future().wait();
        Win32Desktop desktop(nullptr);
        const bool copied = desktop.setClipboardText(u"copied");
        reader.join();
        return copied;
    };
    EXPECT_TRUE(copyWhileHeldFor(300));
    EXPECT_EQ(ClipboardText(), u"copied");
    EXPECT_FALSE(copyWhileHeldFor(1500));
}

// An image for every size Windows shows the icon at, from 100% to 250%;
// the title bar's is the small one, not a larger one scaled down.
TEST_F(WindowTest, IconHasEverySizeWindowsAsksFor) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found =
        FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(14));  // RT_GROUP_ICON
    ASSERT_NE(found, nullptr);
    const auto* group = static_cast<const BYTE*>(LockResource(LoadResource(module, found)));
    const WORD count = *reinterpret_cast<const WORD*>(group + 4);
    std::set<int> sizes;
    for (WORD i = 0; i < count; ++i) {
        const BYTE width = group[6 + 14 * i];  // GRPICONDIRENTRY.bWidth; 0 for 256
        sizes.insert(width == 0 ? 256 : width);
    }
    EXPECT_EQ(sizes, (std::set<int>{16, 20, 24, 32, 40, 48, 64, 256}));
    ICONINFO info{};
    ASSERT_NE(GetIconInfo(reinterpret_cast<HICON>(GetClassLongPtrW(window.Handle(), GCLP_HICONSM)),
                          &info),
              0);
    BITMAP bitmap{};
    GetObjectW(info.hbmColor, sizeof bitmap, &bitmap);
    EXPECT_EQ(bitmap.bmWidth, GetSystemMetrics(SM_CXSMICON));
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
}

}  // namespace
}  // namespace velk::win32::testing

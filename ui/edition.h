// What a windowing layer builds an edition's window from: the controls with
// their places, captions, fonts and tool tips, the menu, and the texts the
// window shows. Both editions share the menu and the texts.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/port.h"

namespace velk::ui {

// A place and size in twips, from the top-left corner of the client area
// (below the menu bar).
struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// 1,440 twips an inch: 15 to the pixel at 96 dots an inch.
inline constexpr int TwipsPerInch = 1440;
inline constexpr int TwipsPerPixel = 15;
inline constexpr int StandardDpi = TwipsPerInch / TwipsPerPixel;

// a * b / c rounded to the nearest whole number, halves away from zero.
constexpr int ScaleRounded(int a, int b, int c) {
    const long long scaled = static_cast<long long>(a) * b;
    return static_cast<int>(scaled >= 0 ? (scaled + c / 2) / c : -((-scaled + c / 2) / c));
}

// Twips to pixels at `dpi`, and back, rounded to the nearest.
constexpr int TwipsToPixels(int twips, int dpi = StandardDpi) {
    return ScaleRounded(twips, dpi, TwipsPerInch);
}
constexpr int PixelsToTwips(int pixels, int dpi = StandardDpi) {
    return ScaleRounded(pixels, TwipsPerInch, dpi);
}

struct Font {
    std::u16string_view face;
    double points = 0;
    bool bold = false;
};

// The window's own font, which every control without a font of its own uses.
inline constexpr Font WindowFont{u"MS Sans Serif", 8.25, false};
// Asked for as a fixed-pitch face.
inline constexpr std::u16string_view FixedPitchFace = u"Courier New";

enum class ControlKind : std::uint8_t { PinBox, TextBox, List, Label };

struct ControlSpec {
    Control id{};
    ControlKind kind{};
    TwipsRect place{};
    std::u16string_view caption{};  // a label's
    std::u16string_view toolTip{};
    std::optional<Font> font{};  // none: the window's font
    bool visible = true;         // at start
    // Screen readers name a control that takes the focus by the label that
    // `names` it, or, where no label shows, by its `unlabelledName`.
    std::optional<Control> names{};        // a label's
    std::u16string_view unlabelledName{};  // a control's that no label names
};

struct Edition {
    std::u16string_view caption;       // window title
    std::u16string_view refusalTitle;  // title of every refusal message
    int clientWidth = 0;               // twips
    int clientHeight = 0;              // twips
    TwipsRect txtKey;
    std::u16string_view txtKeyToolTip;
    TwipsRect text1;
    TwipsRect label1;
    TwipsRect label2;
    TwipsRect label3;
    TwipsRect label4;
    TwipsRect combo1;
    std::optional<std::array<TwipsRect, 4>> keyPickers;  // editions with a key library
};

// The controls of `edition` in the order they are made, each drawn over those
// before it. Those that take the focus come in tab order; the first has the
// focus at start.
std::vector<ControlSpec> Controls(const Edition& edition);

// The name a control goes by in the window: "txtKey", "Kk3" and so on.
std::string_view ControlName(Control control);

// The key pickers Kk1 to Kk4, in order.
inline constexpr std::array<Control, 4> KeyPickers{Control::Kk1, Control::Kk2, Control::Kk3,
                                                   Control::Kk4};

// The window laid out for fingers, where the screen is a touch screen or
// narrower than the window: every control a finger taps at least
// `targetPixels` each way, the text in every box and list at least
// `textPixels` high (browsers' pixels, 96 to the inch), and Text1 at least
// `text1HeightPercent` of the screen's height when the screen stands upright.
struct TouchLayout {
    int targetPixels = 0;
    int textPixels = 0;
    int text1HeightPercent = 0;
};
inline constexpr TouchLayout Touch{.targetPixels = 44, .textPixels = 16, .text1HeightPercent = 50};

// The menu: its title and its entries in order; an entry without an item is
// a separator line.
struct MenuEntry {
    std::string_view name;
    std::u16string_view caption;
    std::optional<MenuItem> item;
};
inline constexpr std::string_view MenuName = "EncryptDecrypt";
inline constexpr std::u16string_view MenuTitle = u"&Encrypt Decrypt";
inline constexpr std::array<MenuEntry, 8> Menu{{
    {"Space1", u"", std::nullopt},
    {"EncryptTxt", u"&Encrypt Or Decrypt Txt ", MenuItem::EncryptTxt},
    {"DecryptTxt", u"&Decrypt Or Encrypt Txt ", MenuItem::DecryptTxt},
    {"Space3", u"", std::nullopt},
    {"CopyToClipboard", u"&Copy To Clipboard", MenuItem::CopyToClipboard},
    {"Space", u"", std::nullopt},
    {"Exit1", u"&Exit", MenuItem::Exit1},
    {"Space2", u"", std::nullopt},
}};

// Messages and titles of the window besides the refusals of its input (which
// the engine words) and the titles an edition gives.
namespace text {
inline constexpr std::u16string_view RunFailed =
    u"The Txt Could Not Be Worked On; It Is Left As It Was";
inline constexpr std::u16string_view Working = u"Please Wait Working On Txt";
inline constexpr std::u16string_view Copied = u" Your Txt \n\n Has Been Copyed To Clipboard ";
inline constexpr std::u16string_view CopyFailed =
    u"Your Txt Could Not Be Put On The Clipboard; Please Try Again";
inline constexpr std::u16string_view CopyConfirmationTitle = u" Velk Encrypt Decrypt ";
inline constexpr std::u16string_view Copyright =
    u"Copyright (C) 2026 the Velk Encrypt Decrypt project";
}  // namespace text

// The list text of a count: "01" to "09", then the plain decimal number.
std::u16string ListText(int n);

}  // namespace velk::ui

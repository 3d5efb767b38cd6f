#include "web/web_window.h"

#include <array>
#include <cstdlib>
#include <string>

#include "engine/run_input.h"
#include "engine/wipe.h"
#include "web/dom.h"

namespace velk::web {

namespace {

using ui::PixelsToTwips;
using ui::TwipsToPixels;

int Number(ui::Control control) {
    return static_cast<int>(control);
}

// The page's name for a kind of control.
const char* KindName(ui::ControlKind kind) {
    switch (kind) {
        case ui::ControlKind::PinBox:
            return "pin";
        case ui::ControlKind::TextBox:
            return "text";
        case ui::ControlKind::List:
            return "list";
        case ui::ControlKind::Label:
            break;
    }
    return "label";
}

// A name as a C string: the names are short ASCII literals.
std::string CString(std::string_view name) {
    return std::string(name);
}

}  // namespace

int Length(std::u16string_view text) {
    return static_cast<int>(text.size());
}

WebWindow::WebWindow(const ui::Edition& edition) {
    velk_dom_window(edition.caption.data(), Length(edition.caption),
                    TwipsToPixels(edition.clientWidth), TwipsToPixels(edition.clientHeight));
    for (const ui::ControlSpec& spec : ui::Controls(edition)) {
        const ui::Font font = spec.font.value_or(ui::Font{});
        const std::array<int, 4> place{
            TwipsToPixels(spec.place.left), TwipsToPixels(spec.place.top),
            TwipsToPixels(spec.place.width), TwipsToPixels(spec.place.height)};
        // Screen readers name an input by the label that names it, or where
        // none shows by its own accessible name.
        velk_dom_control(Number(spec.id), KindName(spec.kind),
                         CString(ui::ControlName(spec.id)).c_str(), place.data(),
                         spec.caption.data(), Length(spec.caption), spec.toolTip.data(),
                         Length(spec.toolTip), font.face.data(), Length(font.face), font.points,
                         font.bold ? 1 : 0, spec.visible ? 1 : 0,
                         spec.names ? CString(ui::ControlName(*spec.names)).c_str() : "",
                         spec.unlabelledName.data(), Length(spec.unlabelledName),
                         spec.kind == ui::ControlKind::PinBox ? PinCharacters : 0);
    }
    velk_dom_menu(CString(ui::MenuName).c_str(), ui::MenuTitle.data(), Length(ui::MenuTitle));
    for (const ui::MenuEntry& entry : ui::Menu) {
        velk_dom_menu_entry(CString(entry.name).c_str(), entry.caption.data(),
                            Length(entry.caption), entry.item ? static_cast<int>(*entry.item) : -1);
    }
    velk_dom_touch_layout(ui::Touch.targetPixels, ui::Touch.textPixels,
                          ui::Touch.text1HeightPercent);
}

void WebWindow::Show() {
    velk_dom_show();
}

std::u16string WebWindow::text(ui::Control control) const {
    char16_t* buffer = nullptr;
    const int length = velk_dom_text(Number(control), &buffer);
    if (buffer == nullptr) {
        return {};
    }
    std::u16string text(buffer, static_cast<std::size_t>(length));
    WipeBytes(buffer, static_cast<std::size_t>(length) * sizeof(char16_t));
    std::free(buffer);  // NOLINT(cppcoreguidelines-no-malloc): the page's side allocated it
    return text;
}

void WebWindow::setText(ui::Control control, std::u16string_view text) {
    velk_dom_set_text(Number(control), text.data(), Length(text));
}

void WebWindow::addItem(ui::Control list, std::u16string_view item) {
    velk_dom_add_item(Number(list), item.data(), Length(item));
}

void WebWindow::showLabel(ui::Control label, bool visible) {
    velk_dom_show_label(Number(label), visible ? 1 : 0);
}

void WebWindow::enableItem(ui::MenuItem item, bool enabled) {
    velk_dom_enable_item(static_cast<int>(item), enabled ? 1 : 0);
}

void WebWindow::setLocked(bool locked) {
    velk_dom_set_locked(locked ? 1 : 0);
}

ui::WindowGeometry WebWindow::windowGeometry() const {
    std::array<int, 4> pixels{};
    velk_dom_geometry(pixels.data());
    return {PixelsToTwips(pixels[0]), PixelsToTwips(pixels[1]), PixelsToTwips(pixels[2]),
            PixelsToTwips(pixels[3])};
}

void WebWindow::setWindowGeometry(const ui::WindowGeometry& geometry) {
    velk_dom_set_geometry(TwipsToPixels(geometry.left), TwipsToPixels(geometry.top),
                          TwipsToPixels(geometry.width), TwipsToPixels(geometry.height));
}

int WebWindow::screenWidth() const {
    return PixelsToTwips(velk_dom_screen_width());
}

}  // namespace velk::web

#include "ui/edition.h"

#include <cstdio>

namespace velk::ui {

namespace {

constexpr Font LabelFont{u"Arial", 8.25, true};
constexpr Font StatusFont{u"MS Sans Serif", 12, true};
constexpr Font PassLabelFont{u"MS Sans Serif", 9.75, true};
constexpr Font PinFont{FixedPitchFace, 8.25, false};

constexpr std::array<std::u16string_view, 4> KeyPickerToolTips{
    u" Pick  Key 01 ", u" Pick  Key 02 ", u" Pick  Key 03 ", u" Pick  Key 04 "};

}  // namespace

std::string_view ControlName(Control control) {
    switch (control) {
        case Control::txtKey:
            return "txtKey";
        case Control::Text1:
            return "Text1";
        case Control::Combo1:
            return "Combo1";
        case Control::Kk1:
            return "Kk1";
        case Control::Kk2:
            return "Kk2";
        case Control::Kk3:
            return "Kk3";
        case Control::Kk4:
            return "Kk4";
        case Control::Label1:
            return "Label1";
        case Control::Label2:
            return "Label2";
        case Control::Label3:
            return "Label3";
        case Control::Label4:
            return "Label4";
    }
    return {};
}

std::vector<ControlSpec> Controls(const Edition& edition) {
    std::vector<ControlSpec> controls{
        {Control::txtKey, ControlKind::PinBox, edition.txtKey, {}, edition.txtKeyToolTip, PinFont},
        {Control::Text1, ControlKind::TextBox, edition.text1, {}, {}, std::nullopt},
        {Control::Combo1, ControlKind::List, edition.combo1, {}, {}, std::nullopt},
    };
    if (edition.keyPickers) {
        for (std::size_t i = 0; i < KeyPickers.size(); ++i) {
            controls.push_back({KeyPickers[i],
                                ControlKind::List,
                                (*edition.keyPickers)[i],
                                {},
                                KeyPickerToolTips[i],
                                std::nullopt});
        }
    }
    controls.push_back(
        {Control::Label2, ControlKind::Label, edition.label2, {}, text::Copyright, std::nullopt});
    controls.push_back(
        {Control::Label1, ControlKind::Label, edition.label1, u"Enter Pin", {}, LabelFont});
    controls.push_back(
        {Control::Label3, ControlKind::Label, edition.label3, {}, {}, StatusFont, false});
    controls.push_back({Control::Label4,
                        ControlKind::Label,
                        edition.label4,
                        u"Number Of Times",
                        {},
                        PassLabelFont});
    return controls;
}

std::u16string ListText(int n) {
    std::array<char, 16> digits{};
    const int length = std::snprintf(digits.data(), digits.size(), "%02d", n);
    return {digits.data(), digits.data() + length};
}

}  // namespace velk::ui

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
constexpr std::array<std::u16string_view, 4> KeyPickerNames{u"Key 1", u"Key 2", u"Key 3", u"Key 4"};

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
    using enum ControlKind;
    std::vector<ControlSpec> controls{
        {.id = Control::txtKey,
         .kind = PinBox,
         .place = edition.txtKey,
         .toolTip = edition.txtKeyToolTip,
         .font = PinFont},
        {.id = Control::Text1, .kind = TextBox, .place = edition.text1, .unlabelledName = u"Text"},
        {.id = Control::Combo1, .kind = List, .place = edition.combo1},
    };
    if (edition.keyPickers) {
        for (std::size_t i = 0; i < KeyPickers.size(); ++i) {
            controls.push_back({.id = KeyPickers[i],
                                .kind = List,
                                .place = (*edition.keyPickers)[i],
                                .toolTip = KeyPickerToolTips[i],
                                .unlabelledName = KeyPickerNames[i]});
        }
    }
    controls.push_back({.id = Control::Label2,
                        .kind = Label,
                        .place = edition.label2,
                        .toolTip = text::Copyright});
    controls.push_back({.id = Control::Label1,
                        .kind = Label,
                        .place = edition.label1,
                        .caption = u"Enter Pin",
                        .font = LabelFont,
                        .names = Control::txtKey});
    controls.push_back({.id = Control::Label3,
                        .kind = Label,
                        .place = edition.label3,
                        .font = StatusFont,
                        .visible = false});
    controls.push_back({.id = Control::Label4,
                        .kind = Label,
                        .place = edition.label4,
                        .caption = u"Number Of Times",
                        .font = PassLabelFont,
                        .names = Control::Combo1});
    return controls;
}

std::u16string ListText(int n) {
    std::array<char, 16> digits{};
    const int length = std::snprintf(digits.data(), digits.size(), "%02d", n);
    return {digits.data(), digits.data() + length};
}

}  // namespace velk::ui

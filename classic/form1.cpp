#include "classic/form1.h"

#include "classic/fixed_keys.h"

namespace velk::classic {

const ui::Edition& ClassicEdition() {
    static const ui::Edition edition{
        .caption = u"Velk Encrypt Decrypt",
        .refusalTitle = u" Velk Encrypt Decrypt",
        .clientWidth = 9135,
        .clientHeight = 4275,
        .txtKey = {4440, 50, 945, 330},
        .txtKeyToolTip = u"Enter Pin   8) ",
        .text1 = {50, 480, 9015, 3615},
        .label1 = {3480, 60, 900, 180},
        .label2 = {-120, 4200, 9255, 255},
        .label3 = {45, 45, 3495, 375},
        .label4 = {6240, 45, 1815, 255},
        .combo1 = {8100, 45, 975, 315},
        .keyPickers = std::nullopt,
    };
    return edition;
}

Form1::Form1(ui::WindowPort& window, ui::Desktop& desktop)
    : CipherWindow(ClassicEdition(), KeySource(masterKeySet_), window, desktop) {
    Form_Load();
}

void Form1::Form_Load() {
    masterKeySet_ = FixedMasterKeySet();
    LoadCommon();
}

}  // namespace velk::classic

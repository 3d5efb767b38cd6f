#include "ui/form1.h"

namespace velk::ui {

const Edition& SecondEdition() {
    static const Edition edition{
        .caption = u"Velk Encrypt Decrypt V2",
        .refusalTitle = u" Velk Encrypt Decrypt V2",
        .clientWidth = 9135,
        .clientHeight = 4530,
        .txtKey = {4440, 50, 945, 330},
        .txtKeyToolTip = u"Enter Pin   (8)",
        .text1 = {0, 450, 9015, 3615},
        .label1 = {3480, 60, 900, 180},
        .label2 = {-120, 4200, 9255, 255},
        .label3 = {2520, 4200, 3495, 375},
        .label4 = {6240, 45, 1815, 255},
        .combo1 = {8100, 45, 975, 315},
        .keyPickers = {{TwipsRect{600, 45, 600, 315}, TwipsRect{1200, 50, 600, 315},
                        TwipsRect{1815, 50, 600, 315}, TwipsRect{2445, 50, 600, 315}}},
    };
    return edition;
}

Form1::Form1(WindowPort& window, Desktop& desktop)
    : CipherWindow(SecondEdition(), KeySource(keyLibrary_), window, desktop) {
    Form_Load();
}

void Form1::Keys() {
    FillKeyLibrary(keyLibrary_);
}

void Form1::Form_Load() {
    Keys();
    LoadCommon();
    for (std::size_t i = 0; i < KeyPickers.size(); ++i) {
        for (int n = 1; n < KeyLibrarySize; ++n) {
            window_.addItem(KeyPickers[i], ListText(n));
        }
        window_.setText(KeyPickers[i], ListText(static_cast<int>(i) + 1));
    }
}

}  // namespace velk::ui

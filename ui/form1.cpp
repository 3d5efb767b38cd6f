#include "ui/form1.h"

#include <QAction>
#include <QComboBox>

#include "engine/key_preparation.h"
#include "engine/wipe.h"

namespace velk::ui {

const Edition& SecondEdition() {
    static const Edition edition = [] {
        Edition e;
        e.caption = QStringLiteral("Velk Encrypt Decrypt V2");
        e.refusalTitle = QStringLiteral(" Velk Encrypt Decrypt V2");
        e.clientWidth = 9135;
        e.clientHeight = 4530;
        e.txtKey = {4440, 50, 945, 330};
        e.txtKeyToolTip = QStringLiteral("Enter Pin   (8)");
        e.text1 = {0, 450, 9015, 3615};
        e.label1 = {3480, 60, 900, 180};
        e.label2 = {-120, 4200, 9255, 255};
        e.label3 = {2520, 4200, 3495, 375};
        e.label4 = {6240, 45, 1815, 255};
        e.combo1 = {8100, 45, 975, 315};
        e.keyPickers =
            KeyPickerLayout{{TwipsRect{600, 45, 600, 315}, TwipsRect{1200, 50, 600, 315},
                             TwipsRect{1815, 50, 600, 315}, TwipsRect{2445, 50, 600, 315}},
                            {QStringLiteral(" Pick  Key 01 "), QStringLiteral(" Pick  Key 02 "),
                             QStringLiteral(" Pick  Key 03 "), QStringLiteral(" Pick  Key 04 ")}};
        return e;
    }();
    return edition;
}

Form1::Form1(Desktop& desktop, QWidget* parent) : CipherWindow(SecondEdition(), desktop, parent) {
    Form_Load();
}

void Form1::Keys() {
    FillKeyLibrary(keyLibrary_);
}

void Form1::Form_Load() {
    Keys();
    LoadCommon();
    for (std::size_t i = 0; i < Kk.size(); ++i) {
        for (int n = 1; n < KeyLibrarySize; ++n) {
            Kk[i]->addItem(ListText(n));
        }
        Kk[i]->setCurrentIndex(Kk[i]->findText(ListText(static_cast<int>(i) + 1)));
    }
}

void Form1::PrepareRunPass(CipherState& state, std::u16string_view pin) {
    std::vector<std::u16string> keyTexts = KeyTexts();
    const WipedAtEnd wipeKeyTexts(keyTexts);
    PreparePass(state, keyLibrary_, pin, keyTexts);
}

}  // namespace velk::ui

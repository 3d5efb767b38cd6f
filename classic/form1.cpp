#include "classic/form1.h"

#include "classic/fixed_keys.h"
#include "engine/key_preparation.h"

namespace velk::classic {

const ui::Edition& ClassicEdition() {
    static const ui::Edition edition = [] {
        ui::Edition e;
        e.caption = QStringLiteral("Velk Encrypt Decrypt");
        e.refusalTitle = QStringLiteral(" Velk Encrypt Decrypt");
        e.clientWidth = 9135;
        e.clientHeight = 4275;
        e.txtKey = {4440, 50, 945, 330};
        e.txtKeyToolTip = QStringLiteral("Enter Pin   8) ");
        e.text1 = {50, 480, 9015, 3615};
        e.label1 = {3480, 60, 900, 180};
        e.label2 = {-120, 4200, 9255, 255};
        e.label3 = {45, 45, 3495, 375};
        e.label4 = {6240, 45, 1815, 255};
        e.combo1 = {8100, 45, 975, 315};
        return e;
    }();
    return edition;
}

Form1::Form1(ui::Desktop& desktop, QWidget* parent)
    : CipherWindow(ClassicEdition(), desktop, parent) {
    Form_Load();
}

void Form1::Form_Load() {
    masterKeySet_ = FixedMasterKeySet();
    LoadCommon();
}

void Form1::PrepareRunPass(CipherState& state, std::u16string_view pin) {
    PreparePass(state, masterKeySet_, pin);
}

}  // namespace velk::classic

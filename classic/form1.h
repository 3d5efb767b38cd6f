// The classic edition's window: four fixed keys, no key pickers.
#pragma once

#include "engine/alphabet.h"
#include "ui/cipher_window.h"

namespace velk::classic {

// Caption, titles and layout of the classic edition.
const ui::Edition& ClassicEdition();

class Form1 final : public ui::CipherWindow {
public:
    Form1(ui::WindowPort& window, ui::Desktop& desktop);

private:
    void Form_Load();

    KeySet masterKeySet_;
};

}  // namespace velk::classic

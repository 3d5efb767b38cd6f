// The second edition's window: a key library and four key pickers.
#pragma once

#include "engine/key_library.h"
#include "ui/cipher_window.h"

namespace velk::ui {

// Caption, titles and layout of the second edition.
const Edition& SecondEdition();

class Form1 final : public CipherWindow {
public:
    Form1(WindowPort& window, Desktop& desktop);

    // Fills the key library.
    void Keys();

private:
    void Form_Load();

    KeyLibrary keyLibrary_;
};

}  // namespace velk::ui

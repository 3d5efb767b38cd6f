// Pieces that every windowing layer needs and that the window logic is to
// offer itself: the menu dispatch, the close request, the paste-length rule,
// twips from pixels and the number of controls. Kept here, in this one
// header, until ui/ has them; then this header goes and its users take
// ui/'s.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string_view>

#include "engine/line_breaks.h"
#include "ui/cipher_window.h"
#include "ui/port.h"

namespace velk::web::pending {

// How many values ui::Control has.
inline constexpr std::size_t ControlCount = static_cast<std::size_t>(ui::Control::Label4) + 1;

// Runs the handler of a menu item.
inline void RunMenuItem(ui::CipherWindow& form, ui::MenuItem item) {
    switch (item) {
        case ui::MenuItem::EncryptTxt:
            form.EncryptTxt_Click();
            break;
        case ui::MenuItem::DecryptTxt:
            form.DecryptTxt_Click();
            break;
        case ui::MenuItem::CopyToClipboard:
            form.CopyToClipboard_Click();
            break;
        case ui::MenuItem::Exit1:
            form.Exit1_Click();
            break;
    }
}

// The user asks to close the window: the handler never cancels it.
inline void RequestClose(ui::CipherWindow& form) {
    int cancel = 0;
    form.Form_Unload(cancel);
}

// The length Text1 would have, counted as the passes count it (each line
// break two), once `inserted` takes the place of the units from
// `selectionStart` to `selectionEnd` of `box`.
inline std::size_t LengthAfterPaste(std::u16string_view box, std::size_t selectionStart,
                                    std::size_t selectionEnd, std::u16string_view inserted) {
    selectionEnd = std::min(selectionEnd, box.size());
    selectionStart = std::min(selectionStart, selectionEnd);
    return CrLfLength(box) - CrLfLength(box.substr(selectionStart, selectionEnd - selectionStart)) +
           CrLfLength(inserted);
}

// Pixels at 96 dots an inch to twips.
constexpr int PixelsToTwips(int pixels) {
    return pixels * ui::TwipsPerPixel;
}

}  // namespace velk::web::pending

#include "ui/cipher_window.h"

#include <algorithm>
#include <exception>
#include <utility>

#include "engine/line_breaks.h"
#include "engine/passes.h"
#include "engine/run_input.h"
#include "engine/wipe.h"
#include "ui/closing_slide.h"

namespace velk::ui {

bool PinCharacterPasses(char16_t character) {
    return IsAsciiDigit(character) || character == u'\b' || character == u'\t';
}

bool PinInsertionFits(std::u16string_view box, std::size_t removed, std::u16string_view inserted) {
    return !inserted.empty() && removed <= box.size() && AllAsciiDigits(inserted) &&
           box.size() - removed + inserted.size() <= static_cast<std::size_t>(PinCharacters);
}

CipherWindow::CipherWindow(const Edition& edition, KeySource keys, WindowPort& window,
                           Desktop& desktop)
    : window_(window), desktop_(desktop), edition_(edition), keys_(keys) {}

CipherWindow::~CipherWindow() = default;

void CipherWindow::LoadCommon() {
    copyEnabled_ = false;
    window_.enableItem(MenuItem::CopyToClipboard, false);
    for (int n = 1; n <= MaxPassCount; ++n) {
        window_.addItem(Control::Combo1, ListText(n));
    }
    window_.setText(Control::Combo1, u"01");
}

std::vector<std::u16string> CipherWindow::KeyTexts() const {
    std::vector<std::u16string> texts;
    if (edition_.keyPickers) {
        texts.reserve(KeyPickers.size());  // growing would leave copies behind
        for (const Control picker : KeyPickers) {
            texts.push_back(window_.text(picker));
        }
    }
    return texts;
}

void CipherWindow::EncryptTxt_Click() {
    RunPasses(Direction::Forward);
}

void CipherWindow::DecryptTxt_Click() {
    RunPasses(Direction::Inverse);
}

void CipherWindow::RunPasses(Direction direction) {
    if (ending_ || running_) {
        return;
    }
    // Every copy of the PIN, the key texts, the text and the cipher state
    // made here is overwritten on every way out. Out of reach stay the
    // controls' own storage and the copies a windowing layer makes on its way.
    RunInput input{window_.text(Control::txtKey), KeyTexts(), window_.text(Control::Combo1)};
    const WipedAtEnd wipeInput(input);
    if (const auto refusal = RunInputRefusal(input)) {
        Refuse(*refusal);
        return;
    }
    // The passes work on a copy of the box's text with CR LF line breaks,
    // which is written back once at the end: the whole run is one undo step
    // of Text1.
    std::u16string text = ToCrLf(window_.text(Control::Text1)).text;
    const WipedAtEnd wipeText(text);
    if (!FitsPass(text.size())) {
        Refuse(TextTooLongRefusal);
        return;
    }
    MemoryTextHolder work(std::move(text));
    const WipedAtEnd wipeState(cipherState_);

    running_ = true;
    SetLocked(true);
    bool completed = false;
    try {
        completed = velk::RunPasses(keys_, direction, input, cipherState_, work, Text2, PassCounter,
                                    [this](RunInput& passInput) { return BeforePass(passInput); });
    } catch (const std::exception&) {
        completed = false;
    }
    Text2.ReplaceText({});
    window_.showLabel(Control::Label3, false);
    desktop_.setBusyPointer(false);
    SetLocked(false);
    running_ = false;
    if (completed) {
        std::u16string result = work.TakeText();
        window_.setText(Control::Text1, result);
        Wipe(result);
        copyEnabled_ = true;
        window_.enableItem(MenuItem::CopyToClipboard, true);
    } else if (!ending_) {
        Refuse(text::RunFailed);
    }
}

bool CipherWindow::BeforePass(RunInput& input) {
    Replace(input.pin, window_.text(Control::txtKey));
    std::vector<std::u16string> keyTexts = KeyTexts();
    input.keyTexts.swap(keyTexts);
    Wipe(keyTexts);
    window_.setText(Control::Label3, text::Working);
    window_.showLabel(Control::Label3, true);
    desktop_.processEventsOnce();
    if (ending_) {
        return false;
    }
    desktop_.setBusyPointer(true);
    return true;
}

void CipherWindow::SetLocked(bool locked) {
    window_.enableItem(MenuItem::EncryptTxt, !locked);
    window_.enableItem(MenuItem::DecryptTxt, !locked);
    window_.enableItem(MenuItem::CopyToClipboard, !locked && copyEnabled_);
    window_.setLocked(locked);
}

void CipherWindow::Refuse(std::u16string_view message) {
    desktop_.messageBox(message, MessageStyle::Critical, edition_.refusalTitle);
}

void CipherWindow::Refuse(std::string_view asciiMessage) {
    Refuse(std::u16string(asciiMessage.begin(), asciiMessage.end()));
}

void CipherWindow::txtKey_KeyPress(char16_t& KeyAscii) {
    if (!PinCharacterPasses(KeyAscii)) {
        KeyAscii = 0;
        desktop_.beep();
    }
}

void CipherWindow::txtKey_CopyOrCut() {
    desktop_.beep();
}

bool CipherWindow::txtKey_Insert(std::u16string_view box, std::size_t removed,
                                 std::u16string_view inserted) {
    const bool fits = PinInsertionFits(box, removed, inserted);
    if (!fits) {
        desktop_.beep();
    }
    return fits;
}

bool CipherWindow::Text1_Paste(std::u16string_view box, std::size_t start, std::size_t end,
                               std::u16string_view pasted) {
    end = std::min(end, box.size());
    start = std::min(start, end);
    const bool fits =
        FitsPass(CrLfLength(box) - CrLfLength(box.substr(start, end - start)) + CrLfLength(pasted));
    if (!fits) {
        Refuse(TextTooLongRefusal);
    }
    return fits;
}

void CipherWindow::CopyToClipboard_Click() {
    if (ending_ || running_) {
        return;
    }
    std::u16string text = window_.text(Control::Text1);
    const WipedAtEnd wipeText(text);
    if (!desktop_.setClipboardText(text)) {
        Refuse(text::CopyFailed);
        return;
    }
    desktop_.messageBox(text::Copied, MessageStyle::Information, text::CopyConfirmationTitle);
}

void CipherWindow::Exit1_Click() {
    EndWithSlide();
}

void CipherWindow::Form_Unload(int& cancel) {
    cancel = 0;
    EndWithSlide();
}

void CipherWindow::Click(MenuItem item) {
    switch (item) {
        case MenuItem::EncryptTxt:
            EncryptTxt_Click();
            break;
        case MenuItem::DecryptTxt:
            DecryptTxt_Click();
            break;
        case MenuItem::CopyToClipboard:
            CopyToClipboard_Click();
            break;
        case MenuItem::Exit1:
            Exit1_Click();
            break;
    }
}

void CipherWindow::RequestClose() {
    int cancel = 0;
    Form_Unload(cancel);
}

void CipherWindow::EndWithSlide() {
    if (ending_) {
        return;
    }
    ending_ = true;
    RunClosingSlide(window_, desktop_);
    desktop_.endProgram(0);
}

}  // namespace velk::ui

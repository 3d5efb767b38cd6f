// The one window of either edition, without a toolkit: the handlers of its
// menu and its PIN box, over the ports a windowing layer gives it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/cipher_state.h"
#include "engine/run.h"
#include "engine/text_holder.h"
#include "ui/edition.h"
#include "ui/port.h"

namespace velk::ui {

// Which typed characters the PIN box lets in: the digits 0 to 9 (codes 48 to
// 57), Backspace (8) and Tab (9).
bool PinCharacterPasses(char16_t character);

// True when a PIN box holding `box` holds only ASCII digits, at most
// PinCharacters of them, once `inserted` takes the place of `removed` of its
// characters. An empty `inserted` never fits: a paste of nothing would at
// most delete a selection.
bool PinInsertionFits(std::u16string_view box, std::size_t removed, std::u16string_view inserted);

// Runs the commands that both editions share. An edition derives from it
// with its key source and calls its own Form_Load from its constructor.
// Every handler does nothing once the program is ending.
class CipherWindow {
public:
    CipherWindow(const Edition& edition, KeySource keys, WindowPort& window, Desktop& desktop);
    virtual ~CipherWindow();
    CipherWindow(const CipherWindow&) = delete;
    CipherWindow& operator=(const CipherWindow&) = delete;

    // Forward passes over Text1.
    void EncryptTxt_Click();
    // Inverse passes over Text1.
    void DecryptTxt_Click();
    void CopyToClipboard_Click();
    // The closing slide, then the end of the program.
    void Exit1_Click();
    // Closing the window: the closing slide unless the program is ending
    // already. Never sets `cancel`.
    void Form_Unload(int& cancel);
    // A menu item chosen: its handler.
    void Click(MenuItem item);
    // The desktop asks to close the window (its close box, Alt+F4, the end
    // of the session): Form_Unload.
    void RequestClose();
    // A character typed into the PIN box: set to 0, with a beep, unless it
    // passes.
    void txtKey_KeyPress(char16_t& KeyAscii);
    // Copying or cutting out of the PIN box: refused with a beep, so the PIN
    // never leaves the box.
    void txtKey_CopyOrCut();
    // A text that comes into the PIN box any other way than typing, in place
    // of `removed` characters of `box`: true to take it whole; false, with a
    // beep, to leave the box as it was.
    bool txtKey_Insert(std::u16string_view box, std::size_t removed, std::u16string_view inserted);
    // A paste of `pasted` into Text1, holding `box`, in place of its
    // characters `start` to `end`, both texts as the box holds them: true to
    // take it; false, after the too-long refusal, to leave the box as it was
    // when the text would be longer than a run takes, counted as the passes
    // count it (each line break two).
    bool Text1_Paste(std::u16string_view box, std::size_t start, std::size_t end,
                     std::u16string_view pasted);

    bool IsEnding() const { return ending_; }

protected:
    // The part of Form_Load that both editions share: CopyToClipboard
    // disabled, Combo1 filled with "01" to "256" and set to "01".
    void LoadCommon();

    WindowPort& window_;
    Desktop& desktop_;

    // The output buffer of a pass, which overwrites what it lets go; no
    // control.
    MemoryTextHolder Text2;

    // The state a run prepares and its passes advance; overwritten when the
    // run ends, however it ends.
    CipherState cipherState_;
    std::int16_t PassCounter = 0;

private:
    void RunPasses(Direction direction);
    // Before each pass: the PIN and the keys read again, the status line
    // shown, the window's events handled once; false once the program is
    // ending.
    bool BeforePass(RunInput& input);
    // The key pickers' texts; empty for an edition without pickers.
    std::vector<std::u16string> KeyTexts() const;
    void Refuse(std::u16string_view message);
    void Refuse(std::string_view asciiMessage);
    void SetLocked(bool locked);
    void EndWithSlide();

    const Edition& edition_;
    const KeySource keys_;
    bool running_ = false;
    bool ending_ = false;
    bool copyEnabled_ = false;
};

}  // namespace velk::ui

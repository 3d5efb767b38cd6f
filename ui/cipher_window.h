// The one window of either edition: controls, menu and the commands behind it.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include <QMainWindow>
#include <QPointer>

#include "engine/cipher_state.h"
#include "engine/run_input.h"
#include "engine/text_holder.h"
#include "ui/desktop.h"
#include "ui/edition.h"

class QAction;
class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;

namespace velk::ui {

// Messages of the window besides the refusals of its input (which the engine
// words) and the titles the edition gives.
namespace text {
inline const QString RunFailed =
    QStringLiteral("The Txt Could Not Be Worked On; It Is Left As It Was");
inline const QString Working = QStringLiteral("Please Wait Working On Txt");
inline const QString Copied = QStringLiteral(" Your Txt \n\n Has Been Copyed To Clipboard ");
inline const QString CopyFailed =
    QStringLiteral("Your Txt Could Not Be Put On The Clipboard; Please Try Again");
inline const QString Copyright =
    QStringLiteral("Copyright (C) 2026 the Velk Encrypt Decrypt project");
}  // namespace text

// The list text of a count: "01" to "09", then the plain decimal number.
QString ListText(int n);

// Builds the controls and the menu from an Edition and runs the commands
// that both editions share. An edition derives from it, supplies its key
// source through PrepareRunPass and calls its own Form_Load from its
// constructor. Every handler does nothing once the program is ending.
class CipherWindow : public QMainWindow {
    Q_OBJECT
public:
    CipherWindow(Edition edition, Desktop& desktop, QWidget* parent = nullptr);
    ~CipherWindow() override;

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
    // True to let the key into the PIN box; a refused key beeps.
    bool txtKey_KeyPress(const QKeyEvent& event);

    bool IsRunning() const { return running_; }
    bool IsEnding() const { return ending_; }

protected:
    enum class Direction : std::uint8_t { Forward, Inverse };

    // The per-pass preparation of the edition's keys from `pin`.
    virtual void PrepareRunPass(CipherState& state, std::u16string_view pin) = 0;

    // The key pickers' texts; empty for an edition without pickers.
    std::vector<std::u16string> KeyTexts() const;

    // The part of Form_Load that both editions share: CopyToClipboard
    // disabled, Combo1 filled with "01" to "256" and set to "01".
    void LoadCommon();

    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

    // Controls and menu items, named as the window's design names them.
    QLineEdit* txtKey = nullptr;
    QPlainTextEdit* Text1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QComboBox* Combo1 = nullptr;
    std::array<QComboBox*, 4> Kk{};  // Kk1 to Kk4; null without pickers
    QMenu* EncryptDecrypt = nullptr;
    QAction* EncryptTxt = nullptr;
    QAction* DecryptTxt = nullptr;
    QAction* CopyToClipboard = nullptr;
    QAction* Exit1 = nullptr;

    // The output buffer of a pass, which overwrites what it lets go; no
    // control.
    MemoryTextHolder Text2;

    // The state a run prepares and its passes advance; overwritten when the
    // run ends, however it ends.
    CipherState cipherState_;
    std::int16_t PassCounter = 0;

private:
    void BuildControls();
    void BuildMenu();
    void RunPasses(Direction direction);
    // False, after the refusal message, for input no run may start from.
    bool CheckRunInput(std::u16string_view pin, const std::vector<std::u16string>& keyTexts);
    void Refuse(const QString& message);
    void SetLocked(bool locked);
    void EndWithSlide();

    const Edition edition_;
    Desktop& desktop_;
    bool running_ = false;
    bool ending_ = false;
    bool placed_ = false;
    QPointer<QWidget> focusBeforeRun_;
    bool copyWasEnabled_ = false;
};

}  // namespace velk::ui

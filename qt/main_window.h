// The window of either edition as Qt widgets: built from the edition's
// description, it is the window port of the edition's handlers.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include <QMainWindow>
#include <QPointer>

#include "ui/cipher_window.h"
#include "ui/edition.h"
#include "ui/port.h"

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;

namespace velk::qt {

class MainWindow final : public QMainWindow, public ui::WindowPort {
    Q_OBJECT
public:
    explicit MainWindow(const ui::Edition& edition, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Routes the menu, the PIN box, Text1's pastes and closing the window to
    // `form`'s handlers; until then they do nothing.
    void Attach(ui::CipherWindow& form);

    // ui::WindowPort
    std::u16string text(ui::Control control) const override;
    void setText(ui::Control control, std::u16string_view text) override;
    void addItem(ui::Control list, std::u16string_view item) override;
    void showLabel(ui::Control label, bool visible) override;
    void enableItem(ui::MenuItem item, bool enabled) override;
    void setLocked(bool locked) override;
    ui::WindowGeometry windowGeometry() const override;
    void setWindowGeometry(const ui::WindowGeometry& geometry) override;
    int screenWidth() const override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void BuildControls(const ui::Edition& edition);
    void BuildMenu();
    QWidget* Widget(ui::Control control) const;
    QComboBox* List(ui::Control control) const;
    QLabel* Label(ui::Control control) const;

    std::array<QWidget*, ui::ControlCount> controls_{};  // null where the edition has none
    QLineEdit* txtKey = nullptr;
    QPlainTextEdit* Text1 = nullptr;
    QMenu* EncryptDecrypt = nullptr;
    std::array<QAction*, 4> menuItems_{};  // by ui::MenuItem
    ui::CipherWindow* form_ = nullptr;
    bool placed_ = false;
    bool resizable_ = false;
    QPointer<QWidget> focusBeforeLock_;
};

}  // namespace velk::qt

// The window of either edition in the page: built from the edition's
// description, it is the window port of the edition's handlers.
#pragma once

#include <string>
#include <string_view>

#include "ui/edition.h"
#include "ui/port.h"

namespace velk::web {

class WebWindow final : public ui::WindowPort {
public:
    // Builds the window, its controls and its menu, not yet shown.
    explicit WebWindow(const ui::Edition& edition);

    // Shows the window centred in the page, the focus in the PIN box.
    void Show();

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
};

// The length of `text` as the page's side takes it.
int Length(std::u16string_view text);

}  // namespace velk::web

// The page's side of the windowing layer (web/library_velk.js over the
// page script's VelkDom), as the C++ side calls it. Text goes as UTF-16
// units with a length; control, menu item and style numbers are the values
// of ui::Control and ui::MenuItem.
#pragma once

#include <cstdint>

extern "C" {

// The window: its title and client size in pixels.
void velk_dom_window(const char16_t* caption, int captionLength, int clientWidth, int clientHeight);
// A control of `kind` ("pin", "text", "list" or "label") named `name`, with its place
// (left, top, width, height in pixels), a label's caption, its tool tip, its
// font (face, points, bold; an empty face for the window's own), and what
// screen readers call it: a label names the control called `names` (ASCII,
// empty for none); an input that no label names goes by `accessibleName`.
// A box takes at most `maxLength` characters (0: no limit of its own).
void velk_dom_control(int control, const char* kind, const char* name, const int* place,
                      const char16_t* caption, int captionLength, const char16_t* toolTip,
                      int toolTipLength, const char16_t* face, int faceLength, double points,
                      int bold, int visible, const char* names, const char16_t* accessibleName,
                      int accessibleNameLength, int maxLength);
// The menu's title, then its entries in order; `item` is -1 for a separator.
void velk_dom_menu(const char* name, const char16_t* title, int titleLength);
void velk_dom_menu_entry(const char* name, const char16_t* caption, int captionLength, int item);
// The window's layout for fingers (ui::TouchLayout), where the page uses it.
void velk_dom_touch_layout(int targetPixels, int textPixels, int text1HeightPercent);
// Centres the window in the page and shows it, the focus in the first control.
void velk_dom_show();

// The text of a control, in a buffer from malloc() that the caller frees;
// returns its length.
int velk_dom_text(int control, char16_t** text);
void velk_dom_set_text(int control, const char16_t* text, int length);
void velk_dom_add_item(int list, const char16_t* item, int length);
void velk_dom_show_label(int label, int visible);
void velk_dom_enable_item(int item, int enabled);
void velk_dom_set_locked(int locked);
// Left, Top, Width and Height of the window's frame in pixels.
void velk_dom_geometry(int* geometry);
void velk_dom_set_geometry(int left, int top, int width, int height);
int velk_dom_screen_width();

// The desktop. The calls named velk_dom_wait_* wait for the page (the
// program sleeps through Asyncify meanwhile, which the build gives them by
// that name): the message box, the pending events, the clipboard. A message
// box is critical (an error) or else informs.
void velk_dom_wait_message_box(const char16_t* prompt, int promptLength, int critical,
                               const char16_t* title, int titleLength);
void velk_dom_beep();
void velk_dom_busy(int busy);
void velk_dom_wait_events();
int velk_dom_wait_clipboard(const char16_t* text, int length);
void velk_dom_end_program(int status);

// Hands the page the program's entry points (velk_* in program.cpp).
void velk_dom_bind();
}

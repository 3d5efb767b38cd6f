// What sets one edition's window apart: captions, titles and layout.
#pragma once

#include <array>
#include <optional>

#include <QString>

namespace velk::ui {

// A control's place and size in twips, from the top-left corner of the
// client area (below the menu bar).
struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

inline constexpr int TwipsPerPixel = 15;

// Twips to logical pixels, rounded to the nearest pixel.
constexpr int TwipsToPixels(int twips) {
    return twips >= 0 ? (twips + TwipsPerPixel / 2) / TwipsPerPixel
                      : -((-twips + TwipsPerPixel / 2) / TwipsPerPixel);
}

struct KeyPickerLayout {
    std::array<TwipsRect, 4> places;  // Kk1 to Kk4
    std::array<QString, 4> toolTips;
};

struct Edition {
    QString caption;       // window title
    QString refusalTitle;  // title of every refusal message
    int clientWidth = 0;   // twips
    int clientHeight = 0;  // twips
    TwipsRect txtKey;
    QString txtKeyToolTip;
    TwipsRect text1;
    TwipsRect label1;  // "Enter Pin"
    TwipsRect label2;  // bottom strip
    TwipsRect label3;  // status line
    TwipsRect label4;  // "Number Of Times"
    TwipsRect combo1;
    std::optional<KeyPickerLayout> keyPickers;  // editions with a key library
};

// The title of the copy confirmation, the same in every edition.
inline const QString CopyConfirmationTitle = QStringLiteral(" Velk Encrypt Decrypt ");

}  // namespace velk::ui

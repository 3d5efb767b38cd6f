// The PIN box as assistive technology sees it.
#pragma once

#include <functional>

#include <QString>

class QLineEdit;

namespace velk::qt {

// Puts a text in place of the box's characters `start` to `end`, under the
// box's rules.
using PinBoxReplace = std::function<void(int start, int end, const QString& text)>;

// Gives `box` an accessible of its own, in place of Qt's. Qt's writes a text
// with setText, which neither the PIN box's guard nor its validator sees
// (nor its length, which the box cuts silently). Screen readers read the PIN
// through this one as from any line edit; every edit they ask for goes to
// `replace`.
void InstallPinBoxAccessible(QLineEdit& box, const PinBoxReplace& replace);

}  // namespace velk::qt

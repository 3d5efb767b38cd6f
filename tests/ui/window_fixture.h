// A second-edition window over a recording desktop, and its controls by name.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "engine/key_library.h"
#include "engine/key_preparation.h"
#include "engine/passes.h"
#include "tests/ui/recording_desktop.h"
#include "ui/form1.h"
#include "ui/text_box_holder.h"

// Failures show texts as texts.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace velk::ui::testing {

class WindowTest : public ::testing::Test {
protected:
    RecordingDesktop desktop;
    std::unique_ptr<Form1> window = std::make_unique<Form1>(desktop);

    template <class T>
    T& Find(const char* name) const {
        T* found = window->findChild<T*>(QString::fromLatin1(name));
        if (found == nullptr) {
            throw std::runtime_error(std::string("no control ") + name);
        }
        return *found;
    }
    QLineEdit& Pin() const { return Find<QLineEdit>("txtKey"); }
    QPlainTextEdit& Text1() const { return Find<QPlainTextEdit>("Text1"); }
    QComboBox& List(const char* name) const { return Find<QComboBox>(name); }
    QAction& Action(const char* name) const { return Find<QAction>(name); }
    QLabel& Label(const char* name) const { return Find<QLabel>(name); }

    QString BoxContents() const { return BoxText(Text1()); }
    void SetBoxContents(const QString& text) { Text1().setPlainText(text); }

    // The input of a run that passes every check.
    void EnterRun(const QString& text, const QString& pin, const QString& passes = "01") {
        SetBoxContents(text);
        Pin().setText(pin);
        List("Combo1").setCurrentText(passes);
    }
};

// What the engine alone makes of `text` with the library keys named.
inline QString EngineRun(const QString& text, const QString& pin,
                         const std::array<QString, 4>& keys, int passes, bool forward) {
    KeyLibrary library;
    FillKeyLibrary(library);
    std::vector<std::u16string> keyTexts;
    keyTexts.reserve(keys.size());
    for (const QString& key : keys) {
        keyTexts.push_back(key.toStdU16String());
    }
    CipherState state;
    MemoryTextHolder text1(text.toStdU16String());
    MemoryTextHolder text2;
    for (int pass = 0; pass < passes; ++pass) {
        PreparePass(state, library, pin.toStdU16String(), keyTexts);
        if (forward) {
            ForwardPass(state, text1, text2);
        } else {
            InversePass(state, text1, text2);
        }
    }
    return QString::fromStdU16String(text1.ReadText());
}

}  // namespace velk::ui::testing

// The two text holders a pass works on (the text and the output buffer).
#pragma once

#include <string>
#include <utility>

#include "engine/wipe.h"

namespace velk {

// A text holder offers two operations, reading the whole text and replacing
// it. Either may throw; a pass lets the exception through and leaves the
// text it was given intact.
class TextHolder {
public:
    virtual ~TextHolder() = default;
    virtual std::u16string ReadText() const = 0;
    virtual void ReplaceText(std::u16string text) = 0;
    // Reads the text for a caller that replaces it next: a holder that keeps
    // it in memory may hand it over, emptied until then, instead of a copy.
    virtual std::u16string TakeText() { return ReadText(); }
};

// A holder that keeps its text in memory and overwrites each text it lets
// go. What ReadText hands out is the caller's to wipe.
class MemoryTextHolder final : public TextHolder {
public:
    MemoryTextHolder() = default;
    explicit MemoryTextHolder(std::u16string text) : text_(std::move(text)) {}
    MemoryTextHolder(const MemoryTextHolder&) = delete;
    MemoryTextHolder& operator=(const MemoryTextHolder&) = delete;
    ~MemoryTextHolder() override { Wipe(text_); }

    std::u16string ReadText() const override { return text_; }
    // Never throws: a pass that took the text can always put its result back.
    void ReplaceText(std::u16string text) override { Replace(text_, std::move(text)); }
    // Hands the text over and leaves the holder empty.
    std::u16string TakeText() override { return std::exchange(text_, {}); }

private:
    std::u16string text_;
};

}  // namespace velk

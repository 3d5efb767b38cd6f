// Overwriting secrets in memory once they are no longer needed.
#pragma once

#include <cstddef>
#include <string>
#include <type_traits>
#include <vector>

namespace velk {

// Overwrites `size` bytes at `data` with zeros, in a way the optimiser cannot
// drop as dead stores.
void WipeBytes(void* data, std::size_t size);

// Overwrites the whole allocation of `text` (its capacity, not only its
// length) and leaves it empty. Copies the string made earlier while growing
// are out of reach; reserve first where that matters.
void Wipe(std::u16string& text);
void Wipe(std::string& text);
void Wipe(std::vector<std::u16string>& texts);

// Puts `text` in place of `secret` and overwrites the text `secret` held,
// where an assignment would free it as it was.
void Replace(std::u16string& secret, std::u16string text);

template <class T>
concept PlainObject = std::is_trivially_copyable_v<T>;
template <PlainObject T>
void Wipe(T& object) {
    WipeBytes(&object, sizeof object);
}

// Wipes what it holds when it goes out of scope, on every way out.
template <class T>
class WipedAtEnd {
public:
    explicit WipedAtEnd(T& secret) : secret_(secret) {}
    ~WipedAtEnd() { Wipe(secret_); }
    WipedAtEnd(const WipedAtEnd&) = delete;
    WipedAtEnd& operator=(const WipedAtEnd&) = delete;

private:
    T& secret_;
};

}  // namespace velk

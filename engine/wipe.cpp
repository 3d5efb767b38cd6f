#include "engine/wipe.h"

#include <cstring>

namespace velk {

namespace {

template <class Char>
void WipeString(std::basic_string<Char>& text) {
    // Growing to the capacity reaches the bytes past the length too (also
    // those of a short string kept inside the object) without reallocating.
    text.resize(text.capacity());
    WipeBytes(text.data(), text.size() * sizeof(Char));
    text.clear();
}

}  // namespace

// One store at a time through a volatile pointer cost a pass about a fifth of
// its time; memset is as fast as memory allows. The empty assembly statement
// then tells the compiler that the zeros are read, so it keeps the memset.
void WipeBytes(void* data, std::size_t size) {
    if (size == 0) {
        return;
    }
    std::memset(data, 0, size);
    asm volatile("" : : "r"(data) : "memory");
}

void Wipe(std::u16string& text) {
    WipeString(text);
}

void Wipe(std::string& text) {
    WipeString(text);
}

void Wipe(std::vector<std::u16string>& texts) {
    for (auto& text : texts) {
        Wipe(text);
    }
}

void Replace(std::u16string& secret, std::u16string text) {
    secret.swap(text);
    Wipe(text);
}

}  // namespace velk

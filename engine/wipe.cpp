#include "engine/wipe.h"

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

void WipeBytes(void* data, std::size_t size) {
    auto* bytes = static_cast<volatile unsigned char*>(data);
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = 0;
    }
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

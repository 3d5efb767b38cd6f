#include "cli/utf8.h"

#include <vector>

#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>
#include <QStringEncoder>

#include "engine/wipe.h"

namespace velk::cli {

namespace {

// A kept byte order mark is the only way a text that starts with one comes
// back unchanged; stateless, so that a sequence cut short at the end counts
// as an error instead of waiting for more input.
constexpr auto DecoderFlags =
    QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom;

QByteArrayView View(std::string_view bytes) {
    return {bytes.data(), static_cast<qsizetype>(bytes.size())};
}

// The length of the longest prefix of `bytes` made of whole valid sequences.
// QStringDecoder reports only that an error happened, so the bytes are fed
// once more one at a time: each byte that completes a character moves the
// end of the valid prefix, until the decoder flags an error.
std::size_t ValidPrefixLength(std::string_view bytes) {
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    std::vector<QChar> out(static_cast<std::size_t>(decoder.requiredSpace(1)));
    std::size_t valid = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const QChar* end = decoder.appendToBuffer(out.data(), View(bytes.substr(i, 1)));
        if (decoder.hasError()) {
            break;
        }
        if (end != out.data()) {
            valid = i + 1;
        }
    }
    return valid;
}

}  // namespace

NotUtf8::NotUtf8(std::size_t offset)
    : std::runtime_error("not UTF-8 from byte offset " + std::to_string(offset)), offset_(offset) {}

std::u16string DecodeUtf8(std::string_view bytes) {
    QStringDecoder decoder(QStringConverter::Utf8, DecoderFlags);
    QString decoded = decoder.decode(View(bytes));
    const bool valid = !decoder.hasError();
    std::u16string text = valid ? decoded.toStdU16String() : std::u16string();
    // Qt's copy of the text is wiped before it is freed, as the caller's are.
    WipeBytes(decoded.data(), sizeof(QChar) * static_cast<std::size_t>(decoded.size()));
    if (!valid) {
        throw NotUtf8(ValidPrefixLength(bytes));
    }
    return text;
}

std::string EncodeUtf8(std::u16string_view text) {
    QStringEncoder encoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QByteArray encoded =
        encoder.encode(QStringView(text.data(), static_cast<qsizetype>(text.size())));
    const bool valid = !encoder.hasError();
    std::string bytes = valid ? encoded.toStdString() : std::string();
    // As in DecodeUtf8.
    WipeBytes(encoded.data(), static_cast<std::size_t>(encoded.size()));
    if (!valid) {
        throw std::invalid_argument("text with an unpaired surrogate has no UTF-8 form");
    }
    return bytes;
}

}  // namespace velk::cli

#include "Cp1251.h"

#include <stdexcept>

#include <QList>

namespace transcalc {

namespace {

constexpr char kCodePage[] = "windows-1251";

}  // namespace

QStringEncoder Cp1251Encoder() {
    QStringEncoder encoder(kCodePage);
    if (!encoder.isValid()) {
        throw std::runtime_error("windows-1251 is not available");
    }
    return encoder;
}

QStringDecoder Cp1251Decoder() {
    QStringDecoder decoder(kCodePage);
    if (!decoder.isValid()) {
        throw std::runtime_error("windows-1251 is not available");
    }
    return decoder;
}

QByteArray EncodeCp1251(QStringEncoder& encoder, const QString& text) {
    // One character at a time: the encoder marks a missing character with
    // byte 26 and keeps its error flag set for good, so only the byte itself
    // tells which character was missing.
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const char32_t codePoint : text.toUcs4()) {
        const QByteArray one = encoder(QString::fromUcs4(&codePoint, 1));
        const bool single = one.size() == 1 && one.front() != kEndOfFileByte;
        bytes += single ? one.front() : '?';
    }
    return bytes;
}

}  // namespace transcalc

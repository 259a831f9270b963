#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>
#include <QStringEncoder>

namespace transcalc {

// Ctrl-Z: it ends the state file on reading, and Qt's encoder puts it where a
// character has no windows-1251 byte.
inline constexpr char kEndOfFileByte = 26;

// Converters for windows-1251, the code page of the state file. Each throws
// std::runtime_error when the platform lacks the code page.
QStringEncoder Cp1251Encoder();
QStringDecoder Cp1251Decoder();

// The windows-1251 bytes of a text. A character the code page lacks, and the
// control character 26, become "?": byte 26 would end the file on reading.
QByteArray EncodeCp1251(QStringEncoder& encoder, const QString& text);

}  // namespace transcalc

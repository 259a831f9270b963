#include <cerrno>
#include <string>

#include <QFile>
#include <QStringDecoder>

#include "Cp1251.h"
#include "FileReader.h"
#include "StateFile.h"
#include "StateLines.h"

namespace transcalc {

struct StateFileParser::Decoder {
    QStringDecoder decoder = Cp1251Decoder();
};

StateFileParser::StateFileParser(WindowState& state)
    : state_(state), decoder_(std::make_unique<Decoder>()) {}

StateFileParser::~StateFileParser() = default;

void StateFileParser::EndLine() {
    const StateLine& line = kStateLines[lineIndex_++];
    const auto text = [&] {
        return QString(decoder_->decoder.decode(
            QByteArrayView(line_.data(), static_cast<qsizetype>(line_.size()))));
    };
    switch (line.kind) {
        case LineKind::Text:
            TextOf(state_, line) = text();
            break;
        case LineKind::Mode:
            state_.mode = text().toStdString();
            break;
        case LineKind::Flag:
            if (line_ == "1") {
                FlagOf(state_, line) = true;
            }
            break;
        case LineKind::Picture:
            FlagOf(state_, line) = line_ == "1";
            break;
    }
    line_.clear();
    done_ = done_ || lineIndex_ == kStateLines.size();
}

// A line ends at LF; CR is dropped wherever it stands; byte 26 ends the file.
// What a line holds beyond the longest field text is skipped to its end.
bool StateFileParser::Feed(std::string_view bytes) {
    for (const char byte : bytes) {
        if (done_) {
            break;
        }
        if (++bytesTaken_ > kMaxStateFileBytes || byte == kEndOfFileByte) {
            done_ = true;
        } else if (byte == '\n') {
            EndLine();
        } else if (byte != '\r' && line_.size() < kMaxLineLength) {
            line_ += byte;
        }
    }
    return !done_;
}

void StateFileParser::Finish() {
    while (lineIndex_ < kStateLines.size()) {
        EndLine();
    }
}

bool ReadStateFile(WindowState& state, const QString& path) {
    StateFileParser parser(state);
    files::ReadEnd end = files::ReadEnd::Missing;
    try {
        end = files::ReadRegularFile(QFile::encodeName(path).toStdString(), kMaxStateFileBytes,
                                     [&](std::string_view bytes) { return parser.Feed(bytes); });
    } catch (const files::FileFailure& failure) {
        if (failure.Error() == ENOTDIR) {
            return false;  // no folder, no saved state
        }
        throw FileError::FromFailure(failure);
    }
    if (end == files::ReadEnd::Missing) {
        return false;  // no saved state: the window keeps its design state
    }
    parser.Finish();
    return true;
}

}  // namespace transcalc

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include <QFile>
#include <QStringDecoder>

#include "Cp1251.h"
#include "StateFile.h"
#include "StateLines.h"

namespace transcalc {

namespace {

// The state file opened for reading; released on every path out, so that a
// later save can replace it.
class InputFile {
public:
    explicit InputFile(int descriptor) : descriptor_(descriptor) {}
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;
    ~InputFile() {
        if (descriptor_ >= 0) {
            ::close(descriptor_);
        }
    }

    int Descriptor() const { return descriptor_; }

    // The next bytes, or none at the end of the file.
    std::string_view Read() {
        for (;;) {
            const ssize_t count = ::read(descriptor_, buffer_, sizeof buffer_);
            if (count >= 0) {
                return {buffer_, static_cast<std::size_t>(count)};
            }
            if (errno != EINTR) {
                throw FileError::FromErrno(errno);
            }
        }
    }

    void Close() {
        const int descriptor = descriptor_;
        descriptor_ = -1;
        if (::close(descriptor) != 0) {
            throw FileError::FromErrno(errno);
        }
    }

private:
    int descriptor_;
    char buffer_[4096];
};

}  // namespace

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
    // Non-blocking, so that a FIFO by the file's name cannot stall the start.
    const int descriptor =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) {
        if (errno == ENOENT || errno == ENOTDIR) {
            return false;  // no saved state: the window keeps its design state
        }
        throw FileError::FromErrno(errno);
    }
    InputFile file(descriptor);
    struct stat status {};
    if (::fstat(file.Descriptor(), &status) != 0) {
        throw FileError::FromErrno(errno);
    }
    if (!S_ISREG(status.st_mode)) {
        throw FileError::FromErrno(EACCES);  // a folder, FIFO, device or socket
    }

    StateFileParser parser(state);
    for (;;) {
        const std::string_view bytes = file.Read();
        if (bytes.empty() || !parser.Feed(bytes)) {
            break;
        }
    }
    parser.Finish();
    file.Close();
    return true;
}

}  // namespace transcalc

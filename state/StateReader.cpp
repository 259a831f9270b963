#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include <QAbstractButton>
#include <QFile>
#include <QLabel>
#include <QLineEdit>

#include "Cp1251.h"
#include "StateFile.h"
#include "StateLayout.h"

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

void SetCaption(QWidget& form, const char* label, const QString& caption) {
    auto& control = FindControl<QLabel>(form, label);
    control.setText(caption);
    control.adjustSize();
}

void SetVisible(QWidget& form, const char* control, bool visible) {
    FindControl<QWidget>(form, control).setVisible(visible);
}

bool IsShown(QWidget& form, const char* control) {
    return !FindControl<QWidget>(form, control).isHidden();
}

void ApplyLine(QWidget& form, std::string& mode, QStringDecoder& decoder, const StateLine& line,
               std::string_view bytes) {
    const auto text = [&] {
        return decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    };
    switch (line.kind) {
        case LineKind::Text:
            FindControl<QLineEdit>(form, line.control).setText(text());
            return;
        case LineKind::Caption:
            SetCaption(form, line.control, text());
            return;
        case LineKind::Mode:
            mode = QString(text()).toStdString();
            return;
        case LineKind::Flag:
            if (bytes == "1") {
                SetVisible(form, line.control, true);
            }
            return;
        case LineKind::Picture:
            SetVisible(form, line.control, bytes == "1");
            return;
    }
}

// The stored visibility of the pictures decides the core layout, whatever
// the file said about the dimension fields and their captions.
void ApplyCoreLayout(QWidget& form) {
    if (IsShown(form, "BitBtn2")) {
        SetVisible(form, "BitBtn3", false);
        SetVisible(form, "BitBtn4", false);
        for (const char* control : {"Label1", "Label2", "Label3", "Edit1", "Edit2", "Edit3"}) {
            SetVisible(form, control, true);
        }
        SetVisible(form, "Label4", false);
        SetVisible(form, "Edit4", false);
        SetCaption(form, "Label1", QStringLiteral("D1"));
        SetCaption(form, "Label2", QStringLiteral("D2"));
        SetCaption(form, "Label3", QStringLiteral("H"));
    }
    if (IsShown(form, "BitBtn3") || IsShown(form, "BitBtn4")) {
        SetVisible(form, "BitBtn2", false);
        for (const char* control :
             {"Label1", "Label2", "Label3", "Label4", "Edit1", "Edit2", "Edit3", "Edit4"}) {
            SetVisible(form, control, true);
        }
        SetCaption(form, "Label1", QStringLiteral("H1"));
        SetCaption(form, "Label2", QStringLiteral("H2"));
        SetCaption(form, "Label3", QStringLiteral("L1"));
        SetCaption(form, "Label4", QStringLiteral("L2"));
    }
}

}  // namespace

void ReadStateFile(QWidget& form, std::string& mode, const QString& path) {
    const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) {
        if (errno == ENOENT || errno == ENOTDIR) {
            return;  // no saved state: the window keeps its design state
        }
        throw FileError::FromErrno(errno);
    }
    InputFile file(descriptor);
    QStringDecoder decoder = Cp1251Decoder();

    // A line ends at LF; CR is dropped wherever it stands; byte 26 ends the
    // file. Lines the file lacks read as empty.
    std::size_t lineIndex = 0;
    std::string line;
    bool atEnd = false;
    while (!atEnd && lineIndex < kStateLines.size()) {
        const std::string_view bytes = file.Read();
        atEnd = bytes.empty();
        for (const char byte : bytes) {
            if (byte == kEndOfFileByte) {
                atEnd = true;
                break;
            }
            if (byte == '\n') {
                ApplyLine(form, mode, decoder, kStateLines[lineIndex++], line);
                line.clear();
                if (lineIndex == kStateLines.size()) {
                    break;
                }
            } else if (byte != '\r') {
                line += byte;
            }
        }
    }
    while (lineIndex < kStateLines.size()) {
        ApplyLine(form, mode, decoder, kStateLines[lineIndex++], line);
        line.clear();
    }
    file.Close();

    ApplyCoreLayout(form);
}

}  // namespace transcalc

// Arbitrary bytes as the state file: reading must neither crash nor throw,
// since a regular file that can be opened is always readable to its end.

#include <cstddef>
#include <cstdint>
#include <string>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include "DesignForm.h"
#include "StateFile.h"

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
// Font lookup keeps caches in libfontconfig (and a desktop bus connection in
// libdbus-1) that are never freed; nothing of ours.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig\nleak:libdbus-1\n";
}
#endif
#endif

namespace {

QApplication& Application() {
    static int argc = 1;
    static char name[] = "fuzz_state_reader";
    static char* argv[] = {name, nullptr};
    static QApplication* application = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);
    }();
    return *application;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Application();
    static const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("zentu.pallomir"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) !=
                static_cast<qint64>(size)) {
            qFatal("cannot write the input file");
        }
    }
    const auto form = transcalc::testing::BuildDesignForm();
    std::string mode;
    transcalc::ReadStateFile(*form, mode, path);
    return 0;
}

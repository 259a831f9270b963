#include "DesignFile.h"

#include <cerrno>
#include <string>

#include "Files.h"

namespace transcalc {
namespace {

// Far beyond any design (twelve fields of at most 32,767 characters): a
// bigger file is no design, and reading it would only cost memory.
constexpr std::size_t kMaxDesignBytes = 4 * 1024 * 1024;

std::string Quoted(const std::filesystem::path& path) {
    return "\"" + path.string() + "\"";
}

[[noreturn]] void FailToRead(const std::filesystem::path& path, const std::string& why) {
    throw DocumentError("Design file " + Quoted(path) + ": " + why);
}

}  // namespace

Design LoadDesign(const std::filesystem::path& path) {
    files::FileText file;
    try {
        file = files::ReadFileText(path, kMaxDesignBytes);
    } catch (const files::FileFailure& failure) {
        FailToRead(path, failure.what());
    }
    if (!file.found) {
        FailToRead(path, files::FileFailure::FromErrno(ENOENT).what());
    }
    if (file.cut) {
        FailToRead(path, "too large for a design");
    }
    return ParseDesignText(file.bytes, path.string());
}

Design ReadDesign(int descriptor, const std::string& source) {
    files::DescriptorText text;
    try {
        text = files::ReadDescriptor(descriptor, kMaxDesignBytes);
    } catch (const files::FileFailure& failure) {
        FailToRead(source, failure.what());
    }
    if (text.cut) {
        FailToRead(source, "too large for a design");
    }
    return ParseDesignText(text.bytes, source);
}

void SaveDesign(const Design& document, const std::filesystem::path& path) {
    const std::string text = DesignText(document, path.string());
    try {
        files::ReplaceRegularFile(path, text);
    } catch (const files::FileFailure& failure) {
        throw DocumentError("Design file " + Quoted(path) + " not saved: " + failure.what());
    }
}

}  // namespace transcalc

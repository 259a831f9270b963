#include "FileReader.h"

#include <fcntl.h>

#include <chrono>
#include <functional>
#include <stdexcept>

#include "FilesFixture.h"

namespace transcalc::files::testing {
namespace {

// "read: BYTES", "cut: BYTES", "missing", or the failure's text.
std::string Outcome(const fs::path& path, std::size_t maxBytes) {
    try {
        const FileText text = ReadFileText(path, maxBytes);
        if (!text.found) {
            return "missing";
        }
        return (text.cut ? "cut: " : "read: ") + text.bytes;
    } catch (const FileFailure& failure) {
        return failure.what();
    }
}

using FileReaderTest = FilesTest;

TEST_F(FileReaderTest, ReadsOnlyARegularFileAndNeverBlocks) {
    Write(Path("file"), "0123456789");
    fs::create_symlink("file", Path("link"));
    fs::create_directory(Path("folder"));
    MakeFifo("fifo");
    MakeSocket("socket");
    fs::create_symlink("fifo", Path("link-to-fifo"));
    const struct {
        const char* name;
        std::size_t maxBytes;
        std::string outcome;
    } cases[] = {
        {"file", 100, "read: 0123456789"},
        {"file", 10, "read: 0123456789"},  // exactly the bound: whole
        {"file", 4, "cut: 0123"},
        {"link", 100, "read: 0123456789"},
        {"absent", 100, "missing"},
        {"folder", 100, "Is a directory"},
        {"fifo", 100, "not a regular file"},
        {"link-to-fifo", 100, "not a regular file"},
        {"socket", 100, "not a regular file"},
        {"file/below", 100, "Not a directory"},
    };
    for (const auto& c : cases) {
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(Outcome(Path(c.name), c.maxBytes), c.outcome) << c.name;
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(500))
            << c.name;
    }
}

// The lowest free descriptor: a file left open would take it.
int NextDescriptor() {
    const int descriptor = ::open("/", O_RDONLY | O_CLOEXEC);
    ::close(descriptor);
    return descriptor;
}

TEST_F(FileReaderTest, TheTakerCanStopAndTheFileIsClosedOnEveryPath) {
    Write(Path("file"), std::string(200'000, 'x'));
    const int free = NextDescriptor();
    std::size_t taken = 0;
    EXPECT_EQ(ReadRegularFile(Path("file"), 1'000'000,
                              [&](std::string_view bytes) {
                                  taken += bytes.size();
                                  return false;
                              }),
              ReadEnd::Stopped);
    EXPECT_EQ(taken, 65536u);
    EXPECT_THROW(ReadRegularFile(Path("file"), 1'000'000,
                                 [](std::string_view) -> bool { throw std::runtime_error("no"); }),
                 std::runtime_error);
    EXPECT_EQ(Outcome(Path("file"), 10), "cut: xxxxxxxxxx");
    EXPECT_EQ(NextDescriptor(), free);
}

// A pipe's bytes as a child writes them, after a pause, so that a reader
// left non-blocking meets an empty pipe first.
std::string DescriptorOutcome(const std::string& bytes, std::size_t maxBytes, bool nonBlocking) {
    int ends[2];
    if (::pipe(ends) != 0) {
        return "no pipe";
    }
    const pid_t writer = ::fork();
    if (writer == 0) {
        ::close(ends[0]);
        ::usleep(20'000);
        [[maybe_unused]] const ssize_t written = ::write(ends[1], bytes.data(), bytes.size());
        ::_exit(0);
    }
    ::close(ends[1]);
    if (nonBlocking) {
        ::fcntl(ends[0], F_SETFL, O_NONBLOCK);
    }
    const DescriptorText text = ReadDescriptor(ends[0], maxBytes);
    ::close(ends[0]);
    ::waitpid(writer, nullptr, 0);
    return (text.cut ? "cut: " : "read: ") + text.bytes;
}

TEST(DescriptorReaderTest, ReadsAPipeUpToTheBound) {
    const struct {
        std::string bytes;
        std::size_t maxBytes;
        bool nonBlocking;
        std::string outcome;
    } cases[] = {
        {"0123456789", 100, false, "read: 0123456789"},
        {"0123456789", 10, false, "read: 0123456789"},  // exactly the bound: whole
        {"0123456789", 4, false, "cut: 0123"},
        {"", 4, false, "read: "},
        {"0123456789", 100, true, "read: 0123456789"},
        {"0123456789", 0, true, "cut: "},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DescriptorOutcome(c.bytes, c.maxBytes, c.nonBlocking), c.outcome)
            << c.bytes.size() << " bytes, bound " << c.maxBytes;
    }
}

}  // namespace
}  // namespace transcalc::files::testing

#pragma once

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace transcalc::files::testing {

namespace fs = std::filesystem;

// Runs what in a child process that has given up root, if it had it (root
// writes into any folder), and returns the text it reports.
inline std::string AsNobody(const std::function<std::string()>& what) {
    int pipeFds[2];
    if (::pipe(pipeFds) != 0) {
        return "no pipe";
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeFds[0]);
        const std::string text = ::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)
                                     ? "still root"
                                     : what();
        [[maybe_unused]] const ssize_t written = ::write(pipeFds[1], text.data(), text.size());
        ::_exit(0);
    }
    ::close(pipeFds[1]);
    std::string text;
    char buffer[512];
    for (ssize_t n; (n = ::read(pipeFds[0], buffer, sizeof buffer)) > 0;) {
        text.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(pipeFds[0]);
    ::waitpid(child, nullptr, 0);
    return text;
}

// A folder of its own for each test, with what stands in it.
class FilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "transcalc-files-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
    }
    void TearDown() override {
        fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(folder_);
    }

    fs::path Path(const std::string& name) const { return folder_ / name; }

    static void Write(const fs::path& path, const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
    }
    static std::string Read(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    std::vector<std::string> Names(const fs::path& folder = {}) const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder.empty() ? folder_ : folder)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    void MakeFifo(const std::string& name) const {
        ASSERT_EQ(::mkfifo(Path(name).c_str(), 0644), 0);
    }
    // A twin of /dev/null of our own; only root may make one.
    bool MakeDevice(const std::string& name) const {
        return ::geteuid() == 0 && ::mknod(Path(name).c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0;
    }
    // A listening socket's name; the socket itself closes at once.
    void MakeSocket(const std::string& name) const {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        ASSERT_GE(fd, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const std::string path = Path(name).string();
        ASSERT_LT(path.size(), sizeof address.sun_path);
        std::copy(path.begin(), path.end(), address.sun_path);
        ASSERT_EQ(::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
        ::close(fd);
    }

    fs::path folder_;
};

}  // namespace transcalc::files::testing

#pragma once

// Runs the real programs for the command line's tests.

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <optional>
#include <string>
#include <vector>

struct CliRun {
    std::string out;
    std::string err;
    int status = -1;
};

inline std::string ReadAll(int fd) {
    std::string text;
    char buffer[4096];
    for (ssize_t n; (n = read(fd, buffer, sizeof buffer)) > 0;) {
        text.append(buffer, n);
    }
    close(fd);
    return text;
}

// Runs a program with the arguments exactly as given, in the C locale, with
// any further environment variables and nothing on its standard input, or
// the input that a process of its own writes into a pipe.
inline CliRun RunProgram(const char* program, std::vector<std::string> arguments,
                         std::vector<std::string> environment = {},
                         const std::optional<std::string>& input = std::nullopt) {
    int out[2];
    int err[2];
    int in[2];
    if (pipe(out) != 0 || pipe(err) != 0 || pipe(in) != 0) {
        return {};
    }
    // The writer ends when the program stops reading, by SIGPIPE.
    const pid_t writer = input ? fork() : -1;
    if (writer == 0) {
        close(in[0]);
        close(out[1]);
        close(err[1]);
        for (std::size_t at = 0; at < input->size();) {
            const ssize_t n = write(in[1], input->data() + at, input->size() - at);
            if (n <= 0) {
                _exit(1);
            }
            at += static_cast<std::size_t>(n);
        }
        _exit(0);
    }
    close(in[1]);
    const pid_t child = fork();
    if (child == 0) {
        dup2(input ? in[0] : open("/dev/null", O_RDONLY), 0);
        dup2(out[1], 1);
        dup2(err[1], 2);
        close(out[0]);
        close(err[0]);
        std::vector<char*> argv = {const_cast<char*>(program)};
        for (std::string& argument : arguments) {
            argv.push_back(argument.data());
        }
        argv.push_back(nullptr);
        environment.push_back("LC_ALL=C");
        std::vector<char*> envp;
        for (std::string& variable : environment) {
            envp.push_back(variable.data());
        }
        envp.push_back(nullptr);
        execve(program, argv.data(), envp.data());
        _exit(127);
    }
    close(in[0]);
    close(out[1]);
    close(err[1]);
    CliRun run;
    run.out = ReadAll(out[0]);
    run.err = ReadAll(err[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (writer > 0) {
        waitpid(writer, nullptr, 0);
    }
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

inline CliRun RunCli(std::vector<std::string> arguments,
                     std::vector<std::string> environment = {}) {
    return RunProgram(TRANSCALC_CLI, std::move(arguments), std::move(environment));
}

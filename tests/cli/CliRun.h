#pragma once

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

// Runs the command-line programs as a user would, for the end-to-end tests.

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
// any further environment variables and nothing on its standard input.
inline CliRun RunProgram(const char* program, std::vector<std::string> arguments,
                         std::vector<std::string> environment = {}) {
    int out[2];
    int err[2];
    if (pipe(out) != 0 || pipe(err) != 0) {
        return {};
    }
    const pid_t child = fork();
    if (child == 0) {
        const int nothing = open("/dev/null", O_RDONLY);
        dup2(nothing, 0);
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
    close(out[1]);
    close(err[1]);
    CliRun run;
    run.out = ReadAll(out[0]);
    run.err = ReadAll(err[0]);
    int status = 0;
    waitpid(child, &status, 0);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

inline CliRun RunCli(std::vector<std::string> arguments,
                     std::vector<std::string> environment = {}) {
    return RunProgram(TRANSCALC_CLI, std::move(arguments), std::move(environment));
}

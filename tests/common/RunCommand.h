#pragma once
// Runs a shell command line and collects its exit code and merged output.

#include <cstdio>
#include <string>
#include <sys/wait.h>

namespace termora::testing {

struct CommandResult {
    int exitCode = -1;
    std::string output;
};

inline CommandResult runCommand(const std::string& commandLine) {
    CommandResult result;
    FILE* pipe = ::popen((commandLine + " 2>&1").c_str(), "r");
    if (pipe == nullptr) return result;
    char buffer[4096];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) result.output += buffer;
    const int status = ::pclose(pipe);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

}  // namespace termora::testing

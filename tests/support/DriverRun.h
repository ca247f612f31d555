#pragma once

// Runs a program of the output folder (the headless driver, usually) as a separate process
// and collects what it writes.

#include <cstddef>
#include <string>
#include <vector>

struct DriverRun {
    int exitCode = -1;   // -1 when the process did not end by itself (a signal)
    std::string output;  // standard output
    std::string errors;  // standard error

    // The JSON state lines of the output, in order.
    std::vector<std::string> stateLines() const;
};

// `commandLine` is run by the shell from the current folder (the output folder in ctest).
DriverRun runProgram(const std::string& commandLine);

// 64-bit FNV-1a of some bytes, and of a file's bytes (0 if it cannot be read).
unsigned long long hashBytes(const unsigned char* bytes, size_t count);
unsigned long long hashFile(const std::string& path);

// The whole of a text file; empty if it cannot be read.
std::string readTextFile(const std::string& path);

// The integer field `name` of a state line, or `fallback` when it is missing.
long long stateField(const std::string& line, const std::string& name, long long fallback = -999);
// The 64 kinds of a game-screen state line (empty if the line has none).
std::vector<int> stateKinds(const std::string& line);

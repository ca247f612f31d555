#include "support/DriverRun.h"

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

#include "support/HeadlessApp.h"

std::vector<std::string> DriverRun::stateLines() const
{
    std::vector<std::string> lines;
    std::istringstream in(output);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line[0] == '{')
            lines.push_back(line);
    }
    return lines;
}

DriverRun runProgram(const std::string& commandLine)
{
    DriverRun run;
    TemporaryFolder folder;
    const std::string errorFile = (folder.path() / "stderr.txt").string();
    FILE* pipe = popen((commandLine + " 2>'" + errorFile + "'").c_str(), "r");
    if (!pipe)
        return run;
    std::array<char, 65536> buffer{};
    size_t got = 0;
    while ((got = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        run.output.append(buffer.data(), got);
    const int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.errors = readTextFile(errorFile);
    return run;
}

unsigned long long hashBytes(const unsigned char* bytes, size_t count)
{
    unsigned long long hash = 0xCBF29CE484222325ULL;
    for (size_t i = 0; i < count; ++i) {
        hash ^= bytes[i];
        hash *= 0x100000001B3ULL;
    }
    return hash;
}

unsigned long long hashFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return 0;
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return hashBytes(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
}

std::string readTextFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

long long stateField(const std::string& line, const std::string& name, long long fallback)
{
    const std::string key = "\"" + name + "\":";
    const auto at = line.find(key);
    if (at == std::string::npos)
        return fallback;
    const std::string rest = line.substr(at + key.size());
    if (rest.rfind("true", 0) == 0)
        return 1;
    if (rest.rfind("false", 0) == 0)
        return 0;
    char* end = nullptr;
    const long long value = std::strtoll(rest.c_str(), &end, 10);
    return end == rest.c_str() ? fallback : value;
}

std::vector<int> stateKinds(const std::string& line)
{
    std::vector<int> kinds;
    const auto at = line.find("\"kinds\":[");
    if (at == std::string::npos)
        return kinds;
    std::istringstream in(line.substr(at + 9));
    int kind = 0;
    char separator = 0;
    while (in >> kind) {
        kinds.push_back(kind);
        if (!(in >> separator) || separator != ',')
            break;
    }
    return kinds;
}

// Where a test finds the source tree and its build folder, and a scratch folder of its own.
#pragma once

#include <string>
#include <vector>

// An environment variable's value; fallback when it is unset or empty.
std::string Env(const char* name, const char* fallback = "");

std::string SourceDir();
std::string BinaryDir();
// A fresh empty folder for one test, below the build folder; made the current
// directory while the returned guard lives, as the programs read their files there.
class ScratchDir {
public:
    explicit ScratchDir(const std::string& name);
    ~ScratchDir();
    const std::string& Path() const { return m_path; }
    std::string File(const std::string& name) const { return m_path + "/" + name; }

private:
    std::string m_path;
    std::string m_previous;
};

void WriteFile(const std::string& path, const std::string& bytes);
std::string ReadFile(const std::string& path);
// The fields of a file that another program appends to, each ended by separator
// (a field not yet ended does not count), once there are n of them or timeoutMs
// has passed.
std::vector<std::string> WaitForFields(const std::string& path, size_t n, int timeoutMs, char separator = '\n');

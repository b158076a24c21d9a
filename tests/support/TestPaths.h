// Where a test finds the source tree and its build folder, and a scratch folder of its own.
#pragma once

#include <string>

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

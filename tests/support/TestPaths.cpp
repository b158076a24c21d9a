#include "TestPaths.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

namespace fs = std::filesystem;

std::string Env(const char* name, const char* fallback)
{
    const char* v = std::getenv(name);
    return v && *v ? v : fallback;
}

std::string SourceDir() { return Env("KELVANE_SOURCE_DIR", "."); }
std::string BinaryDir() { return Env("KELVANE_BINARY_DIR", "."); }

namespace {
// The folder becomes the current one, which a relative path would then miss.
std::string FromRoot(const fs::path& path)
{
    return (path.has_root_directory() ? path : fs::absolute(path)).string();
}
} // namespace

ScratchDir::ScratchDir(const std::string& name)
    : m_path(FromRoot(fs::path(BinaryDir()) / "scratch" / name)), m_previous(fs::current_path().string())
{
    fs::remove_all(m_path);
    fs::create_directories(m_path);
    fs::current_path(m_path);
}

ScratchDir::~ScratchDir()
{
    std::error_code ec;
    fs::current_path(m_previous, ec);
}

void WriteFile(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

std::vector<std::string> WaitForFields(const std::string& path, size_t n, int timeoutMs, char separator)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        std::vector<std::string> fields;
        const std::string text = ReadFile(path);
        for (size_t start = 0, end; (end = text.find(separator, start)) != std::string::npos; start = end + 1)
            fields.push_back(text.substr(start, end - start));
        if (fields.size() >= n || std::chrono::steady_clock::now() > deadline)
            return fields;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

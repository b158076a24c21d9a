#include "TestPaths.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

static std::string Env(const char* name, const char* fallback)
{
    const char* v = std::getenv(name);
    return v && *v ? v : fallback;
}

std::string SourceDir() { return Env("KELVANE_SOURCE_DIR", "."); }
std::string BinaryDir() { return Env("KELVANE_BINARY_DIR", "."); }

ScratchDir::ScratchDir(const std::string& name)
    : m_path((fs::path(BinaryDir()) / "scratch" / name).string()), m_previous(fs::current_path().string())
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

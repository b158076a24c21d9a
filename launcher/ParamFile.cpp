#include "ParamFile.h"

#include <cstdio>

#include "framework/FileReplace.h"

const char kParamFileName[] = "q2kelvane.dat";
const char kDefaultParams[] = "+set game kelvane\r\n+set deathmatch 1";

static const char kCR = '\r';
static const char kLF = '\n';
static const char kCtrlZ = '\x1A';

std::string EncodeParams(const std::string& text)
{
    std::string bytes;
    bytes.reserve(text.size() + text.size() / 8);
    for (char c : text) {
        if (c == kLF)
            bytes += kCR;
        bytes += c;
    }
    return bytes;
}

std::string DecodeParams(const std::string& bytes)
{
    std::string text;
    text.reserve(bytes.size());
    for (size_t i = 0; i < bytes.size(); ++i) {
        char c = bytes[i];
        if (c == kCtrlZ)
            break;
        if (c == kCR && i + 1 < bytes.size() && bytes[i + 1] == kLF)
            continue; // the LF that follows stands for the pair
        text += c;
    }
    return text;
}

std::string ReadParamFile(const std::string& path)
{
    std::string bytes;
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return bytes;
    char chunk[4096];
    size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        bytes.append(chunk, n);
    std::fclose(file);
    return DecodeParams(bytes);
}

bool WriteParamFile(const std::string& path, const std::string& text)
{
    const std::string bytes = EncodeParams(text);
    return ReplaceFileWhole(path.c_str(), "wb", [&bytes](FILE* file) {
        return std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    });
}

std::string ParamsOrDefault(const std::string& loaded)
{
    return loaded.empty() ? std::string(kDefaultParams) : loaded;
}

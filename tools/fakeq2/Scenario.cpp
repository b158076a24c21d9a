#include "Scenario.h"

#include "Escape.h"

#include <set>
#include <sstream>

namespace {

const unsigned kMaxDelayMs = 600000;

[[noreturn]] void Fail(int line, const std::string& message)
{
    throw ScenarioError("line " + std::to_string(line) + ": " + message);
}

// A whole-token unsigned number no larger than max.
bool ReadNumber(const std::string& token, unsigned long max, unsigned long& value)
{
    if (token.empty() || token.size() > 10 || token.find_first_not_of("0123456789") != std::string::npos)
        return false;
    value = std::stoul(token);
    return value <= max;
}

// Splits off the first space-separated word; the rest keeps its inner spaces.
std::string NextWord(std::string& rest)
{
    size_t start = rest.find_first_not_of(' ');
    if (start == std::string::npos) {
        rest.clear();
        return {};
    }
    size_t end = rest.find(' ', start);
    std::string word = rest.substr(start, end == std::string::npos ? std::string::npos : end - start);
    rest = end == std::string::npos ? std::string() : rest.substr(end + 1);
    return word;
}

void AddDefaultKeys(ServerSetup& server)
{
    server.keys = {{"hostname", "Fake server " + std::to_string(server.port)},
                   {"mapname", "q2dm1"},
                   {"game", "kelvane"},
                   {"dll_version", "4.5"},
                   {"maxclients", "16"}};
}

class Parser {
public:
    std::vector<ServerSetup> Run(std::istream& in)
    {
        std::string text;
        while (std::getline(in, text)) {
            ++m_line;
            if (!text.empty() && text.back() == '\r') text.pop_back();
            for (char& c : text)
                if (c == '\t') c = ' ';
            size_t first = text.find_first_not_of(' ');
            if (first == std::string::npos || text[first] == '#') continue;
            std::string rest = text.substr(first);
            Directive(NextWord(rest), rest);
        }
        for (ServerSetup& server : m_servers)
            if (server.keys.empty()) AddDefaultKeys(server);
        return std::move(m_servers);
    }

private:
    void Directive(const std::string& word, std::string& rest)
    {
        if (word == "server") {
            uint16_t port = Port(NextWord(rest));
            AddServer(port, rest);
            m_inBlock = true;
        } else if (word == "fleet") {
            Fleet(rest);
            m_inBlock = false;
        } else if (word == "key") {
            std::string name = NextWord(rest);
            if (name.empty()) Fail(m_line, "key needs a name");
            Content().keys.emplace_back(name, Unescaped(rest));
        } else if (word == "player") {
            Player(rest);
        } else if (word == "raw") {
            Content().playerText += Unescaped(rest);
        } else if (word == "after") {
            std::string countText = NextWord(rest);
            unsigned long count;
            if (!ReadNumber(countText, 1000000, count) || count == 0) Fail(m_line, "bad reply count '" + countText + "'");
            Block().later.push_back({static_cast<unsigned>(count), ReplyContent()});
        } else {
            Fail(m_line, "unknown directive '" + word + "'");
        }
    }

    // What key, player and raw lines add to: the last "after" stage of the block, if any.
    ReplyContent& Content()
    {
        ServerSetup& server = Block();
        return server.later.empty() ? static_cast<ReplyContent&>(server) : server.later.back().second;
    }

    ServerSetup& Block()
    {
        if (!m_inBlock) Fail(m_line, "no server block to add to");
        return m_servers.back();
    }

    uint16_t Port(const std::string& token)
    {
        unsigned long port;
        if (!ReadNumber(token, 65535, port) || port == 0) Fail(m_line, "bad port '" + token + "'");
        return static_cast<uint16_t>(port);
    }

    void AddServer(uint16_t port, std::string options)
    {
        if (!m_ports.insert(port).second) Fail(m_line, "port " + std::to_string(port) + " used twice");
        ServerSetup server;
        server.port = port;
        for (std::string option = NextWord(options); !option.empty(); option = NextWord(options))
            Option(option, server);
        m_servers.push_back(std::move(server));
    }

    void Option(const std::string& option, ServerSetup& server)
    {
        static const std::pair<const char*, ServerMode> modes[] = {
            {"reply", ServerMode::Reply},         {"silent", ServerMode::Silent},
            {"garbage", ServerMode::Garbage},     {"oversize", ServerMode::Oversize},
            {"otherport", ServerMode::OtherPort}, {"closed", ServerMode::Closed}};
        unsigned long delay;
        if (option.rfind("delay=", 0) == 0) {
            if (!ReadNumber(option.substr(6), kMaxDelayMs, delay)) Fail(m_line, "bad delay '" + option + "'");
            server.delayMs = static_cast<unsigned>(delay);
            return;
        }
        if (option.rfind("mode=", 0) == 0) {
            for (const auto& mode : modes)
                if (option.substr(5) == mode.first) {
                    server.mode = mode.second;
                    return;
                }
        }
        Fail(m_line, "bad option '" + option + "'");
    }

    void Fleet(std::string& rest)
    {
        uint16_t first = Port(NextWord(rest));
        std::string countText = NextWord(rest);
        unsigned long count;
        if (!ReadNumber(countText, 65536 - first, count) || count == 0) Fail(m_line, "bad count '" + countText + "'");
        for (unsigned long i = 0; i < count; ++i) AddServer(static_cast<uint16_t>(first + i), rest);
    }

    void Player(std::string& rest)
    {
        std::string score = NextWord(rest);
        std::string ping = NextWord(rest);
        if (score.empty() || ping.empty()) Fail(m_line, "player needs a score, a ping and a name");
        Content().playerText += score + " " + ping + " \"" + Unescaped(rest) + "\"\n";
    }

    // Servers send any byte: the scenario writes the others C-escaped.
    std::string Unescaped(const std::string& text)
    {
        std::optional<std::string> bytes = UnescapeText(text);
        if (!bytes) Fail(m_line, "bad escape in '" + text + "'");
        return *bytes;
    }

    std::vector<ServerSetup> m_servers;
    std::set<uint16_t> m_ports;
    bool m_inBlock = false;
    int m_line = 0;
};

} // namespace

std::vector<ServerSetup> ParseScenario(std::istream& in)
{
    return Parser().Run(in);
}

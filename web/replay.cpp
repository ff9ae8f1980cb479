// Plays a list of page events on the native rules, for comparing with the
// page's own module:
//   pairon-web-replay SEED < events
// Each input line is one event, "kind<TAB>name<TAB>index<TAB>value"; the first
// line may instead be "start<TAB>" followed by the remembered choices, with
// "\n" and "\t" written as such. After the start and after every event one
// line goes out: whether the event was taken, the window's state and what
// the event did.

#include <charconv>
#include <cstdint>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "web/web_game.h"

namespace {

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t from = 0;
    while (true) {
        const std::size_t tab = line.find('\t', from);
        fields.push_back(line.substr(from, tab == std::string::npos ? std::string::npos : tab - from));
        if (tab == std::string::npos) return fields;
        from = tab + 1;
    }
}

std::string Unescaped(const std::string& text) {
    std::string out;
    for (std::size_t k = 0; k < text.size(); ++k) {
        if (text[k] == '\\' && k + 1 < text.size()) {
            const char next = text[++k];
            out += next == 'n' ? '\n' : next == 't' ? '\t' : next;
        } else {
            out += text[k];
        }
    }
    return out;
}

}  // namespace

int main(int argc, char* argv[]) {
    std::optional<std::uint64_t> seed;
    if (argc == 2) {
        std::uint64_t value = 0;
        const std::string text = argv[1];
        const auto [at, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (error != std::errc() || at != text.data() + text.size()) {
            std::cerr << "pairon-web-replay: the seed must be a whole number\n";
            return 2;
        }
        seed = value;
    } else {
        std::cerr << "usage: pairon-web-replay SEED < events\n";
        return 2;
    }
    pairon::WebGame game(seed);
    std::string line;
    bool started = false;
    while (std::getline(std::cin, line)) {
        const std::vector<std::string> fields = Fields(line);
        if (!started) {
            started = true;
            const std::string remembered = fields[0] == "start" && fields.size() > 1 ? Unescaped(fields[1]) : "";
            const std::string ignored = game.Start(remembered);
            std::cout << "{\"ignored\":" << ignored << ",\"state\":" << game.State() << "}\n";
            if (fields[0] == "start") continue;
        }
        if (fields.size() != 4) {
            std::cerr << "pairon-web-replay: an event has four fields: " << line << "\n";
            return 2;
        }
        int index = -1;
        std::from_chars(fields[2].data(), fields[2].data() + fields[2].size(), index);
        const bool taken = game.Handle(fields[0], fields[1], index, fields[3]);
        std::cout << "{\"taken\":" << (taken ? "true" : "false") << ",\"state\":" << game.State()
                  << ",\"did\":" << game.Happenings() << "}\n";
    }
    if (!started) std::cout << "{\"ignored\":" << game.Start("") << ",\"state\":" << game.State() << "}\n";
    return 0;
}

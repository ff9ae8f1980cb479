#include "window/language_choice.h"

#include <algorithm>
#include <cctype>
#include <string_view>

namespace pairon {

namespace {

bool AllOf(std::string_view text, int (*kind)(int)) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [kind](char c) {
        return kind(static_cast<unsigned char>(c)) != 0;
    });
}

std::string Cased(std::string_view text, int (*change)(int)) {
    std::string out;
    for (char c : text) out += static_cast<char>(change(static_cast<unsigned char>(c)));
    return out;
}

// A wanted language as a catalogue would be named: its language in small
// letters, and after a "_" its country in capitals where it names one.
struct Named {
    std::string language;
    std::string full;
};

Named NameOf(std::string_view wanted) {
    // What follows the language's name on a desktop: ".UTF-8", "@euro".
    wanted = wanted.substr(0, wanted.find_first_of(".@"));
    std::vector<std::string_view> parts;
    while (!wanted.empty()) {
        const std::size_t cut = wanted.find_first_of("-_");
        parts.push_back(wanted.substr(0, cut));
        wanted = cut == std::string_view::npos ? std::string_view() : wanted.substr(cut + 1);
    }
    if (parts.empty() || !AllOf(parts[0], [](int c) { return std::isalpha(c); })) return {};
    Named named{Cased(parts[0], [](int c) { return std::tolower(c); }), {}};
    named.full = named.language;
    // A script ("Hant") may come before the country ("TW", "419").
    for (std::size_t k = 1; k < parts.size(); ++k) {
        const std::string_view part = parts[k];
        const bool country = (part.size() == 2 && AllOf(part, [](int c) { return std::isalpha(c); })) ||
                             (part.size() == 3 && AllOf(part, [](int c) { return std::isdigit(c); }));
        if (country) {
            named.full += "_" + Cased(part, [](int c) { return std::toupper(c); });
            break;
        }
    }
    return named;
}

}  // namespace

std::string ChooseCatalogue(const std::vector<std::string>& wanted, const std::vector<std::string>& spoken) {
    const auto speaks = [&spoken](const std::string& name) {
        return std::find(spoken.begin(), spoken.end(), name) != spoken.end();
    };
    for (const std::string& tag : wanted) {
        const Named named = NameOf(tag);
        // A name that is no language's is passed over.
        if (named.language.empty()) continue;
        if (named.language == "en" || named.language == "c" || named.language == "posix") return {};
        if (speaks(named.full)) return named.full;
        if (speaks(named.language)) return named.language;
        for (const std::string& catalogue : spoken) {
            if (catalogue.substr(0, catalogue.find('_')) == named.language) return catalogue;
        }
    }
    return {};
}

}  // namespace pairon

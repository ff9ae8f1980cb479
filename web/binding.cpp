// The page's way into the game: the same rules and window model as the
// desktop game, compiled to WebAssembly, and nothing of the game's in
// JavaScript.

#include <emscripten/bind.h>

#include <charconv>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sounds/cue_drawing.h"
#include "web/web_game.h"
#include "window/wording.h"
#include "window/help_pages.h"

namespace {

std::optional<std::uint64_t> SeedOf(const std::string& text) {
    std::uint64_t seed = 0;
    const char* end = text.data() + text.size();
    const auto [at, error] = std::from_chars(text.data(), end, seed);
    if (text.empty() || error != std::errc() || at != end) return std::nullopt;
    return seed;
}

// One game of the page's. An empty or unreadable seed deals by the clock.
class PageGame {
public:
    explicit PageGame(const std::string& seed) : game_(SeedOf(seed)) {}

    std::string Start(const std::string& remembered) { return game_.Start(remembered); }
    bool Handle(const std::string& kind, const std::string& name, int index, const std::string& value) {
        return game_.Handle(kind, name, index, value);
    }
    std::string State() const { return game_.State(); }
    std::string Happenings() const { return game_.Happenings(); }
    std::string Choices() const { return game_.ChoicesToKeep(); }
    std::string Spoken(const std::string& what) const { return game_.Spoken(what); }
    std::string CardWords(int position) const { return game_.CardWords(position); }
    int MarkAfterKey(int from, const std::string& key) const { return game_.MarkAfterKey(from, key); }
    int MarkAfterGone(int gone) const { return game_.MarkAfterGone(gone); }

private:
    pairon::WebGame game_;
};

// The samples of cue `number` (in the order of the cue table), from -1 to 1.
emscripten::val CueSamples(int number) {
    static std::vector<float> samples;
    samples.clear();
    if (number >= 0 && number < pairon::kCueCount) {
        for (std::int16_t s : pairon::DrawCue(pairon::kCueFiles[static_cast<std::size_t>(number)].cue)) {
            samples.push_back(static_cast<float>(s) / 32768.0f);
        }
    }
    // A copy, so the page keeps it whatever the module's memory does next.
    return emscripten::val::global("Float32Array")
        .new_(emscripten::typed_memory_view(samples.size(), samples.data()));
}

std::string CueNames() {
    std::string out = "[";
    for (std::size_t k = 0; k < pairon::kCueFiles.size(); ++k) {
        const pairon::CueFile& file = pairon::kCueFiles[k];
        out += std::string(k ? "," : "") + "{\"file\":" + pairon::JsonString(std::string(file.file)) +
               ",\"audibleMs\":" + std::to_string(file.audibleMs) + "}";
    }
    return out + "]";
}

int CueSampleRate() { return pairon::kCueSampleRate; }

std::string Line(std::string_view text, const std::string& argument = {}) {
    std::string out = "{\"text\":" + pairon::JsonString(std::string(text));
    if (!argument.empty()) out += ",\"args\":[" + pairon::JsonString(argument) + "]";
    return out + "}";
}

// The six pages of the help, in English, as the catalogues know them: each
// page's tab and its paragraphs, and the paragraph a text leaves out on the
// page.
std::string HelpPages() {
    std::string out = "[";
    for (const pairon::HelpTextPage& page : pairon::HelpTextPages()) {
        std::string line = Line(page.text);
        // The page has no zoom keys: it always fills the browser's window.
        if (&page == &pairon::HelpTextPages().front()) {
            line.insert(line.size() - 1, ",\"leaveOut\":" + std::to_string(pairon::kZoomKeysParagraph));
        }
        out += "{\"tab\":" + pairon::JsonString(std::string(page.tab)) + ",\"lines\":[" + line + "]},";
    }
    const pairon::AboutTexts& about = pairon::About();
    out += "{\"tab\":" + pairon::JsonString(std::string(pairon::AboutTab())) + ",\"lines\":[" + Line(about.designer) +
           "," + Line(about.product, PAIRON_VERSION) + "," + Line(about.license) + "," + Line(about.internet) + "]}";
    return out + "]";
}

int PluralFormOf(const std::string& language, int count) { return pairon::PluralForm(language, count); }

}  // namespace

EMSCRIPTEN_BINDINGS(pairon) {
    emscripten::class_<PageGame>("Game")
        .constructor<std::string>()
        .function("start", &PageGame::Start)
        .function("handle", &PageGame::Handle)
        .function("state", &PageGame::State)
        .function("happenings", &PageGame::Happenings)
        .function("choices", &PageGame::Choices)
        .function("spoken", &PageGame::Spoken)
        .function("cardWords", &PageGame::CardWords)
        .function("markAfterKey", &PageGame::MarkAfterKey)
        .function("markAfterGone", &PageGame::MarkAfterGone);
    emscripten::function("layout", &pairon::LayoutJson);
    emscripten::function("cueSamples", &CueSamples);
    emscripten::function("cueNames", &CueNames);
    emscripten::function("cueSampleRate", &CueSampleRate);
    emscripten::function("helpPages", &HelpPages);
    emscripten::function("shownText", &pairon::ShownTextJson);
    emscripten::function("pluralForm", &PluralFormOf);
    emscripten::function("controlWords", &pairon::ControlWordsJson);
    emscripten::function("scoreWords", &pairon::ScoreWordsJson);
    emscripten::function("boardDescription", &pairon::BoardDescriptionJson);
    emscripten::function("chooseCatalogue", &pairon::ChooseCatalogueOf);
}

#include "web/web_game.h"

#include <algorithm>
#include <charconv>
#include <functional>
#include <cstdio>
#include <string_view>
#include <variant>

#include "board/board.h"
#include "board/board_mark.h"
#include "game/game_rules.h"
#include "game/window_layout.h"
#include "opponent/opponent.h"
#include "pictures/picture_files.h"
#include "window/cue_plan.h"
#include "window/language_choice.h"
#include "window/remembered_choices.h"
#include "window/setup_flow.h"
#include "window/wording.h"

namespace pairon {

std::string JsonString(const std::string& text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                if (c < 0x20) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                    out += escaped;
                } else {
                    out += static_cast<char>(c);
                }
        }
    }
    return out + "\"";
}

namespace {

std::string Bool(bool value) { return value ? "true" : "false"; }
std::string Number(long long value) { return std::to_string(value); }

std::string Strings(const std::vector<std::string>& texts) {
    std::string out = "[";
    for (std::size_t k = 0; k < texts.size(); ++k) out += (k ? "," : "") + JsonString(texts[k]);
    return out + "]";
}

std::string Key(const ControlLayout& c) { return c.index < 0 ? c.name : c.name + "_" + std::to_string(c.index); }

std::string ControlState(const ControlRef& ref) {
    return std::visit(
        [](auto control) -> std::string {
            using T = std::remove_pointer_t<decltype(control)>;
            if constexpr (std::is_same_v<T, std::monostate>) {
                return "null";
            } else if constexpr (std::is_same_v<T, Button> || std::is_same_v<T, Panel>) {
                return "{\"caption\":" + JsonString(control->caption) + ",\"visible\":" + Bool(control->visible) + "}";
            } else if constexpr (std::is_same_v<T, Label>) {
                return "{\"text\":" + JsonString(control->text) + ",\"visible\":" + Bool(control->visible) +
                       ",\"bold\":" + Bool(control->bold) + "}";
            } else if constexpr (std::is_same_v<T, DropDown>) {
                return "{\"listIndex\":" + Number(control->listIndex) + ",\"text\":" + JsonString(control->Text()) +
                       ",\"visible\":" + Bool(control->visible) + "}";
            } else if constexpr (std::is_same_v<T, CheckBox>) {
                return "{\"value\":" + Number(control->value) + ",\"visible\":" + Bool(control->visible) + "}";
            } else if constexpr (std::is_same_v<T, TextBox>) {
                return "{\"text\":" + JsonString(control->text) + ",\"visible\":" + Bool(control->visible) + "}";
            } else if constexpr (std::is_same_v<T, Slider>) {
                return "{\"value\":" + Number(control->value) + ",\"min\":" + Number(control->min) +
                       ",\"max\":" + Number(control->max) + ",\"visible\":" + Bool(control->visible) + "}";
            } else if constexpr (std::is_same_v<T, Picture>) {
                // The face a card shows, 0 for a back, read from its file's name.
                return "{\"file\":" + JsonString(control->file) + ",\"loads\":" + Number(control->loads) +
                       ",\"visible\":" + Bool(control->visible) +
                       ",\"face\":" + Number(FaceOfPictureFile(control->file)) + "}";
            } else if constexpr (std::is_same_v<T, DrawingBox>) {
                return "{\"file\":" + JsonString(control->file) + ",\"loads\":" + Number(control->loads) +
                       ",\"visible\":" + Bool(control->visible) + ",\"lines\":" + Strings(control->lines) + "}";
            } else if constexpr (std::is_same_v<T, TextList>) {
                std::vector<std::string> items;
                for (std::size_t k = 0; k < control->Count(); ++k) items.push_back(control->Read(k));
                return "{\"items\":" + Strings(items) + "}";
            } else if constexpr (std::is_same_v<T, Timer>) {
                return "{\"enabled\":" + Bool(control->enabled) + ",\"interval\":" + Number(control->interval) +
                       ",\"run\":" + Number(control->run) + "}";
            }
        },
        ref);
}

const char* KindName(HappeningKind kind) {
    switch (kind) {
        case HappeningKind::GameDealt: return "GameDealt";
        case HappeningKind::PlayStarted: return "PlayStarted";
        case HappeningKind::CardShown: return "CardShown";
        case HappeningKind::PairFound: return "PairFound";
        case HappeningKind::Missed: return "Missed";
        case HappeningKind::CardsTurnedBack: return "CardsTurnedBack";
        case HappeningKind::GameWon: return "GameWon";
        case HappeningKind::GameDrawn: return "GameDrawn";
        case HappeningKind::GameFinished: return "GameFinished";
        case HappeningKind::GameLeft: return "GameLeft";
    }
    return "";
}

const char* ControlKindName(ControlKind kind) {
    switch (kind) {
        case ControlKind::Button: return "Button";
        case ControlKind::Panel: return "Panel";
        case ControlKind::Label: return "Label";
        case ControlKind::DropDown: return "DropDown";
        case ControlKind::CheckBox: return "CheckBox";
        case ControlKind::TextBox: return "TextBox";
        case ControlKind::Picture: return "Picture";
        case ControlKind::DrawingBox: return "DrawingBox";
        case ControlKind::List: return "List";
        case ControlKind::Timer: return "Timer";
        case ControlKind::Slider: return "Slider";
    }
    return "";
}

const char* FontName(FontRole role) {
    switch (role) {
        case FontRole::Default: return "Default";
        case FontRole::Button: return "Button";
        case FontRole::PanelCaption: return "PanelCaption";
        case FontRole::Bold: return "Bold";
        case FontRole::Outcome: return "Outcome";
    }
    return "";
}

const char* BackdropName(Backdrop backdrop) {
    switch (backdrop) {
        case Backdrop::Plain: return "Plain";
        case Backdrop::Transparent: return "Transparent";
        case Backdrop::DisplayBox: return "DisplayBox";
        case Backdrop::CountBox: return "CountBox";
    }
    return "";
}

const char* AlignmentName(Alignment alignment) {
    switch (alignment) {
        case Alignment::Left: return "Left";
        case Alignment::Centre: return "Centre";
        case Alignment::Right: return "Right";
    }
    return "";
}

const ControlLayout* LayoutOf(std::string_view name, int index) {
    for (const ControlLayout& c : MainWindowLayout()) {
        if (c.name == name && c.index == index) return &c;
    }
    return nullptr;
}

bool ShownInModel(MainForm& form, std::string_view name, int index) {
    return std::visit(
        [](auto control) {
            using T = std::remove_pointer_t<decltype(control)>;
            if constexpr (std::is_same_v<T, std::monostate> || std::is_same_v<T, TextList> || std::is_same_v<T, Timer>) {
                return false;
            } else {
                return control->visible;
            }
        },
        FindControl(form, name, index));
}

// Whether a player could reach the control now: it and every panel it lies
// on are shown. A page sends nothing else, and whatever else comes is
// turned away rather than acted on.
bool Reachable(MainForm& form, std::string_view name, int index) {
    const ControlLayout* c = LayoutOf(name, index);
    for (int depth = 0; c && depth < 8; ++depth) {
        if (!ShownInModel(form, c->name, c->index)) return false;
        if (c->container.empty()) return true;
        c = LayoutOf(c->container, -1);
    }
    return false;
}

std::optional<int> WholeNumber(const std::string& text) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [at, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || at != end || text.empty()) return std::nullopt;
    return value;
}

CheckBox* CheckBoxNamed(MainForm& form, const std::string& name) {
    if (name == "chkHighlight") return &form.chkHighlight;
    if (name == "chkMultiple") return &form.chkMultiple;
    if (name == "chkBackground") return &form.chkBackground;
    if (name == "chkSound") return &form.chkSound;
    return nullptr;
}

std::string WordsJson(const Words& words) {
    std::string out = "{\"context\":" + JsonString(words.context) + ",\"source\":" + JsonString(words.source);
    if (!words.args.empty()) {
        out += ",\"args\":[";
        for (std::size_t k = 0; k < words.args.size(); ++k) out += (k ? "," : "") + WordsJson(words.args[k]);
        out += "]";
    }
    if (words.count >= 0) out += ",\"count\":" + Number(words.count);
    return out + "}";
}

std::string WordsListJson(const std::vector<Words>& list) {
    std::string out = "[";
    for (std::size_t k = 0; k < list.size(); ++k) out += (k ? "," : "") + WordsJson(list[k]);
    return out + "]";
}

const char* CueName(Cue cue) {
    for (const CueFile& file : kCueFiles) {
        if (file.cue == cue) return file.file.data();
    }
    return "";
}

}  // namespace

std::string ShownTextJson(const std::string& name, int index, const std::string& text) {
    for (const ControlLayout& c : MainWindowLayout()) {
        if (c.name == name && c.index == index) return WordsJson(ShownTextWords(c, text));
    }
    return WordsJson(AsItIs(text));
}

std::string ControlWordsJson(const std::string& name, int index) {
    for (const ControlLayout& c : MainWindowLayout()) {
        if (c.name == name && c.index == index) return WordsJson(ControlAccessibleWords(c));
    }
    return WordsJson({});
}

std::string ScoreWordsJson(int seat, const std::string& playerName) {
    return WordsJson(ScoreAccessibleWords(seat, playerName));
}

std::string BoardDescriptionJson() { return WordsJson(BoardDescriptionWords()); }

std::string ChooseCatalogueOf(const std::string& wanted, const std::string& spoken) {
    const auto lines = [](const std::string& text) {
        std::vector<std::string> out;
        std::size_t from = 0;
        while (from <= text.size()) {
            const std::size_t end = std::min(text.find('\n', from), text.size());
            if (end > from) out.push_back(text.substr(from, end - from));
            from = end + 1;
        }
        return out;
    };
    return ChooseCatalogue(lines(wanted), lines(spoken));
}

std::string WebGame::CardWords(int position) const {
    if (position < 0 || position >= kCardSlots) return WordsJson({});
    return WordsJson(CardSlotWords(position, form_->imgCard[static_cast<std::size_t>(position)]));
}

int WebGame::MarkAfterKey(int from, const std::string& key) const {
    const std::optional<MarkMove> move = MarkMoveOfKey(key);
    if (!move) return from;
    return MoveMark(from, *move, [this](int p) { return form_->imgCard[static_cast<std::size_t>(p)].visible; });
}

int WebGame::MarkAfterGone(int gone) const {
    return NearestShownSlot(gone, [this](int p) { return form_->imgCard[static_cast<std::size_t>(p)].visible; });
}

WebGame::WebGame(std::optional<std::uint64_t> seed) {
    if (seed) {
        random_ = std::make_unique<SeededRandom>(*seed);
    } else {
        random_ = std::make_unique<MixingRandom>();
    }
    form_ = std::make_unique<MainForm>(*random_);
}

std::string WebGame::Start(const std::string& remembered) {
    Form_Load(*form_);
    RememberedValues values;
    std::string_view rest = remembered;
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        const std::string_view line = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        if (line.empty()) continue;
        const std::size_t tab = line.find('\t');
        if (tab == std::string_view::npos) {
            values[std::string(line)] = std::nullopt;
        } else {
            values[std::string(line.substr(0, tab))] = std::string(line.substr(tab + 1));
        }
    }
    const RememberedSetup setup = ReadRememberedSetup(values, *form_);
    ApplyRememberedSetup(*form_, setup);
    happened_.clear();
    return Strings(setup.ignored);
}

bool WebGame::Handle(const std::string& kind, const std::string& name, int index, const std::string& value) {
    MainForm& form = *form_;
    std::function<void()> event;
    if (kind == "tick") {
        if (name == "tmrCardDelay" && form.tmrCardDelay.enabled) event = [&form] { tmrCardDelay_Timer(form); };
        if (name == "tmrComputerDelay" && form.tmrComputerDelay.enabled) {
            event = [&form] { tmrComputerDelay_Timer(form); };
        }
    } else if (Reachable(form, name, index)) {
        if (kind == "click") {
            if (name == "cmdNew") event = [&form] { cmdNew_Click(form); };
            if (name == "cmdDone") event = [&form] { cmdDone_Click(form); };
            if (name == "cmdExit") event = [&form] { cmdExit_Click(form); };
            if (name == "imgCard") event = [&form, index] { imgCard_Click(form, index); };
        } else if (kind == "choose") {
            if (name == "cmbWidth") event = [&form, value] { ChooseWidth(form, value); };
            if (name == "cmbHeight") event = [&form, value] { ChooseHeight(form, value); };
            if (name == "cmbPlayers") event = [&form, value] { ChoosePlayers(form, value); };
            if (name == "cmbPlayerType") event = [&form, index, value] { ChoosePlayerType(form, index, value); };
            if (name == "cmbComputerLevel") event = [&form, index, value] { ChooseComputerLevel(form, index, value); };
        } else if (kind == "check") {
            CheckBox* box = CheckBoxNamed(form, name);
            if (box && (value == "0" || value == "1")) {
                event = [&form, box, value] { SetCheckBox(form, *box, value == "1" ? 1 : 0); };
            }
        } else if (kind == "type" && name == "txtPlayer") {
            event = [&form, index, value] { form.txtPlayer[static_cast<std::size_t>(index)].SetText(value); };
        } else if (kind == "slide" && name == "sldSpeed") {
            if (const std::optional<int> position = WholeNumber(value)) {
                event = [&form, position] { MoveSpeedSlider(form, *position); };
            }
        }
    }
    happened_.clear();
    if (!event) return false;
    const GameSnapshot before = TakeGameSnapshot(form);
    event();
    happened_ = WhatHappened(before, TakeGameSnapshot(form), form);
    return true;
}

std::string WebGame::State() const {
    std::string out = "{";
    bool first = true;
    for (const ControlLayout& c : MainWindowLayout()) {
        out += (first ? "" : ",") + JsonString(Key(c)) + ":" + ControlState(FindControl(*form_, c.name, c.index));
        first = false;
    }
    return out + ",\"exitRequested\":" + Bool(form_->exitRequested) + "}";
}

std::string WebGame::Happenings() const {
    std::string out = "{\"happenings\":[";
    for (std::size_t k = 0; k < happened_.size(); ++k) {
        const Happening& h = happened_[k];
        std::string positions = "[";
        for (std::size_t p = 0; p < h.positions.size(); ++p) positions += (p ? "," : "") + Number(h.positions[p]);
        positions += "]";
        out += std::string(k ? "," : "") + "{\"kind\":\"" + KindName(h.kind) + "\",\"seat\":" + Number(h.seat) +
               ",\"position\":" + Number(h.position) + ",\"face\":" + Number(h.face) + ",\"second\":" + Bool(h.second) +
               ",\"computer\":" + Bool(h.computer) + ",\"nextSeat\":" + Number(h.nextSeat) +
               ",\"score\":" + Number(h.score) + ",\"pairsLeft\":" + Number(h.pairsLeft) +
               ",\"positions\":" + positions + "}";
    }
    out += "],\"cues\":[";
    const std::vector<PlannedCue> cues = CuesFor(happened_);
    for (std::size_t k = 0; k < cues.size(); ++k) {
        out += std::string(k ? "," : "") + "{\"cue\":" + JsonString(CueName(cues[k].cue)) +
               ",\"delayMs\":" + Number(cues[k].delayMs) + "}";
    }
    return out + "],\"spoken\":" + WordsListJson(HappeningsWords(happened_, *form_)) + "}";
}

std::string WebGame::Spoken(const std::string& what) const {
    if (what == "state") return WordsListJson(StateWords(*form_));
    if (what == "outcome") return WordsListJson(SpokenOutcomeWords(*form_));
    if (what == "outcomeLines") return WordsListJson(OutcomeWords(form_->picOutcome.lines));
    if (what == "computerPlaying") return WordsListJson({ComputerPlayingWords()});
    if (what == "pressAgain") return WordsListJson({PressAgainWords()});
    if (what == "turnedBack") return WordsListJson({TurnedBackWords()});
    return "[]";
}

std::string WebGame::ChoicesToKeep() const {
    std::string out;
    for (const auto& [key, text] : ChoicesToRemember(*form_)) out += key + "\t" + text + "\n";
    return out;
}

std::string LayoutJson() {
    std::string out = "{\"clientWidth\":" + Number(kMainClientWidth) + ",\"clientHeight\":" + Number(kMainClientHeight) +
                      ",\"unitsPerPixel\":" + Number(kUnitsPerPixel) + ",\"caption\":" +
                      JsonString(std::string(kMainWindowCaption)) + ",\"controls\":[";
    bool first = true;
    for (const ControlLayout& c : MainWindowLayout()) {
        out += std::string(first ? "" : ",") + "{\"name\":" + JsonString(c.name) + ",\"index\":" + Number(c.index) +
               ",\"kind\":\"" + ControlKindName(c.kind) + "\",\"container\":" + JsonString(c.container) +
               ",\"caption\":" + JsonString(c.caption) + ",\"items\":" + Strings(c.items) +
               ",\"visibleAtStart\":" + Bool(c.visibleAtStart) + ",\"left\":" + Number(c.left) +
               ",\"top\":" + Number(c.top) + ",\"width\":" + Number(c.width) + ",\"height\":" + Number(c.height) +
               ",\"font\":\"" + FontName(c.font) + "\",\"backdrop\":\"" + BackdropName(c.backdrop) +
               "\",\"alignment\":\"" + AlignmentName(c.alignment) + "\",\"minimum\":" + Number(c.minimum) +
               ",\"maximum\":" + Number(c.maximum) + ",\"value\":" + Number(c.value) + "}";
        first = false;
    }
    out += "],\"focusOrder\":[";
    first = true;
    for (const ControlName& n : MainWindowFocusOrder()) {
        out += std::string(first ? "" : ",") + "{\"name\":" + JsonString(n.name) + ",\"index\":" + Number(n.index) + "}";
        first = false;
    }
    return out + "]}";
}

}  // namespace pairon

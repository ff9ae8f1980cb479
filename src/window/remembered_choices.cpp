#include "window/remembered_choices.h"

#include <algorithm>
#include <functional>
#include <string_view>

#include "window/setup_flow.h"

namespace pairon {

namespace {

// One setup control as it is remembered: the text it holds, whether it offers
// a given text, and how a player would choose that text.
struct SetupChoice {
    std::string key;
    std::function<std::string(const MainForm&)> current;
    std::function<bool(const MainForm&, const std::string&)> offers;
    std::function<void(MainForm&, const std::string&)> choose;
};

using ListOf = std::function<const DropDown&(const MainForm&)>;

SetupChoice ListChoice(std::string key, ListOf list, std::function<void(MainForm&, std::string_view)> choose) {
    return {std::move(key), [list](const MainForm& form) { return list(form).Text(); },
            [list](const MainForm& form, const std::string& text) {
                const auto& items = list(form).items;
                return std::find(items.begin(), items.end(), text) != items.end();
            },
            [choose](MainForm& form, const std::string& text) { choose(form, text); }};
}

SetupChoice CheckBoxChoice(std::string key, CheckBox MainForm::*box) {
    return {std::move(key), [box](const MainForm& form) { return std::string((form.*box).value != 0 ? "1" : "0"); },
            [](const MainForm&, const std::string& text) { return text == "0" || text == "1"; },
            [box](MainForm& form, const std::string& text) { SetCheckBox(form, form.*box, text == "1" ? 1 : 0); }};
}

// Plain digits only: "+5", " 5" and "5.0" are not what the slider offers.
std::optional<int> SmallWholeNumber(std::string_view text) {
    if (text.empty() || text.size() > 4) return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

SetupChoice SpeedChoice() {
    return {"Options/Speed", [](const MainForm& form) { return std::to_string(form.sldSpeed.value); },
            [](const MainForm& form, const std::string& text) {
                const std::optional<int> value = SmallWholeNumber(text);
                return value && *value >= form.sldSpeed.min && *value <= form.sldSpeed.max;
            },
            [](MainForm& form, const std::string& text) { MoveSpeedSlider(form, *SmallWholeNumber(text)); }};
}

// A name the box could have been given by typing: no control characters, and
// no more characters than the box on screen holds, where a character beyond
// the Basic Multilingual Plane takes two places. A longer name is not cut.
bool FitsNameBox(const TextBox& box, std::string_view text) {
    std::size_t places = 0;
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) return false;
        if ((byte & 0xC0) == 0x80) continue;
        places += byte >= 0xF0 ? 2 : 1;
    }
    return box.maxLength == 0 || places <= box.maxLength;
}

SetupChoice NameChoice(int seat) {
    const auto i = static_cast<std::size_t>(seat);
    return {"Seat" + std::to_string(seat + 1) + "/Name", [i](const MainForm& form) { return form.txtPlayer[i].text; },
            [i](const MainForm& form, const std::string& text) { return FitsNameBox(form.txtPlayer[i], text); },
            [i](MainForm& form, const std::string& text) { form.txtPlayer[i].SetText(text); }};
}

// Every remembered control, in the order its selection is made.
std::vector<SetupChoice> SetupChoices() {
    std::vector<SetupChoice> choices;
    choices.push_back(ListChoice("Board/Height", [](const MainForm& f) -> const DropDown& { return f.cmbHeight; },
                                 ChooseHeight));
    choices.push_back(ListChoice("Board/Width", [](const MainForm& f) -> const DropDown& { return f.cmbWidth; },
                                 ChooseWidth));
    choices.push_back(ListChoice("Options/Players",
                                 [](const MainForm& f) -> const DropDown& { return f.cmbPlayers; }, ChoosePlayers));
    for (int seat = 0; seat < kSeats; ++seat) {
        const auto i = static_cast<std::size_t>(seat);
        const std::string group = "Seat" + std::to_string(seat + 1) + "/";
        choices.push_back(ListChoice(
            group + "Type", [i](const MainForm& f) -> const DropDown& { return f.cmbPlayerType[i]; },
            [seat](MainForm& f, std::string_view text) { ChoosePlayerType(f, seat, text); }));
        choices.push_back(ListChoice(
            group + "Level", [i](const MainForm& f) -> const DropDown& { return f.cmbComputerLevel[i]; },
            [seat](MainForm& f, std::string_view text) { ChooseComputerLevel(f, seat, text); }));
    }
    choices.push_back(CheckBoxChoice("Options/MultiplePairs", &MainForm::chkMultiple));
    choices.push_back(CheckBoxChoice("Options/HighlightSelected", &MainForm::chkHighlight));
    choices.push_back(CheckBoxChoice("Options/Sound", &MainForm::chkSound));
    choices.push_back(CheckBoxChoice("Options/BackgroundPicture", &MainForm::chkBackground));
    choices.push_back(SpeedChoice());
    for (int seat = 0; seat < kSeats; ++seat) choices.push_back(NameChoice(seat));
    return choices;
}

}  // namespace

std::map<std::string, std::string> ChoicesToRemember(const MainForm& form) {
    std::map<std::string, std::string> values;
    for (const SetupChoice& choice : SetupChoices()) values[choice.key] = choice.current(form);
    return values;
}

RememberedSetup ReadRememberedSetup(const RememberedValues& values, const MainForm& form) {
    RememberedSetup setup;
    for (const SetupChoice& choice : SetupChoices()) {
        const auto found = values.find(choice.key);
        if (found == values.end()) continue;
        const std::optional<std::string>& text = found->second;
        if (text && choice.offers(form, *text)) {
            setup.selections.emplace_back(choice.key, *text);
        } else {
            setup.ignored.push_back(choice.key);
        }
    }
    return setup;
}

void ApplyRememberedSetup(MainForm& form, const RememberedSetup& setup) {
    const std::vector<SetupChoice> choices = SetupChoices();
    for (const auto& selection : setup.selections) {
        const std::string& key = selection.first;
        const std::string& text = selection.second;
        const auto choice = std::find_if(choices.begin(), choices.end(), [&](const SetupChoice& c) { return c.key == key; });
        if (choice != choices.end() && choice->offers(form, text)) choice->choose(form, text);
    }
}

}  // namespace pairon

#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace pairon {

// The controls of the main window, as plain values. The game keeps all of its
// state in them; the Qt view only mirrors them on screen.

struct Label {
    std::string text;
    bool visible = true;
    bool bold = false;
};

struct Button {
    std::string caption;
    bool visible = true;
};

struct Panel {
    std::string caption;
    bool visible = true;
};

// An ordered list of texts that is never sorted: items are only ever appended
// at the end. Each item keeps its whole-number value beside its text, so the
// computer player's many reads of the seen cards cost no parsing.
class TextList {
public:
    void Empty() { items_.clear(); }
    void Append(std::string text);
    void Remove(std::size_t k);
    std::size_t Count() const { return items_.size(); }
    const std::string& Read(std::size_t k) const { return items_.at(k).text; }
    int Value(std::size_t k) const { return items_.at(k).value; }

private:
    struct Item {
        std::string text;
        int value;
    };
    std::vector<Item> items_;
};

// A pick-only drop-down list: fixed items, one selected or none.
struct DropDown {
    std::vector<std::string> items;
    int listIndex = -1;
    bool visible = true;

    std::string Text() const;
    // Selects the item with this text; returns whether the selection changed.
    bool SelectText(std::string_view text);
    // Selects item k (-1 for none); returns whether the selection changed.
    bool SelectIndex(int k);
};

struct CheckBox {
    std::string caption;
    int value = 0;
    bool visible = true;
};

struct TextBox {
    std::string text;
    std::size_t maxLength = 0;  // in characters; 0 means no limit
    bool visible = true;

    // Keeps at most maxLength characters, counting a multi-byte UTF-8
    // character as one.
    void SetText(std::string_view newText);
};

struct Slider {
    int min = 0;
    int max = 10;
    int value = 0;
    bool visible = true;
};

// A picture control. `file` names the picture file last loaded into it (empty
// for the picture the window layout gives it) and `loads` counts the loads,
// so a view re-reads the file at every load, as the game asks.
struct Picture {
    std::string file;
    unsigned loads = 0;
    bool visible = true;

    void Load(std::string_view name) {
        file = name;
        ++loads;
    }
};

// A picture box on which lines of text can also be printed.
struct DrawingBox : Picture {
    std::vector<std::string> lines;

    void Clear() { lines.clear(); }
    void Print(std::string_view line) { lines.emplace_back(line); }
};

// A periodic timer. Starting a running timer changes nothing, so it keeps its
// schedule; every real start (and an interval change while it runs) begins a
// new run, which is how a view or a virtual clock knows to count afresh.
struct Timer {
    bool enabled = false;
    int interval = 0;
    unsigned run = 0;

    void Start() {
        if (!enabled) {
            enabled = true;
            ++run;
        }
    }
    void Stop() { enabled = false; }
    void SetInterval(int milliseconds) {
        if (milliseconds == interval) return;
        interval = milliseconds;
        if (enabled) ++run;
    }
};

}  // namespace pairon

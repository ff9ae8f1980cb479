#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "game/main_form.h"

namespace pairon {

// Places and sizes are in layout units: 1440 to the inch, 15 to a pixel.
inline constexpr int kUnitsPerPixel = 15;
inline constexpr int ToPixels(int units) { return units / kUnitsPerPixel; }

inline constexpr std::string_view kMainWindowCaption = "Pairon Game";
inline constexpr int kMainClientWidth = 11880;
inline constexpr int kMainClientHeight = 8595;

enum class ControlKind { Button, Panel, Label, DropDown, CheckBox, TextBox, Picture, DrawingBox, List, Timer, Slider };

enum class FontRole {
    Default,       // the window's regular dialog font
    Button,        // sans-serif 8.25 pt bold
    PanelCaption,  // sans-serif 8.25 pt bold underlined
    Bold,          // 8.25 pt bold
    Outcome,       // sans-serif 9.75 pt bold
};

enum class Backdrop {
    Plain,        // the container's own background
    Transparent,  // caption labels: no background of their own
    DisplayBox,   // single-line border, title-bar-text colour behind
    CountBox,     // single-line border, window-background colour behind
};

enum class Alignment { Left, Centre, Right };

// One control of a window: what it is, where it sits, and how it starts.
struct ControlLayout {
    std::string name;
    int index = -1;         // element of a control array, -1 for a single control
    ControlKind kind = ControlKind::Label;
    std::string container;  // empty for the window's client area
    std::string caption;    // caption or start text
    std::vector<std::string> items;
    bool visibleAtStart = true;
    int left = 0, top = 0, width = 0, height = 0;
    FontRole font = FontRole::Default;
    Backdrop backdrop = Backdrop::Plain;
    Alignment alignment = Alignment::Left;
    int minimum = 0, maximum = 0, value = 0;  // slider range and start; timer interval; text limit; check state
};

struct ControlName {
    std::string name;
    int index = -1;
    bool operator==(const ControlName&) const = default;
};

// The main window's controls. Within one container, a control listed earlier
// lies above the ones listed after it.
const std::vector<ControlLayout>& MainWindowLayout();

// The keyboard focus order of the main window.
const std::vector<ControlName>& MainWindowFocusOrder();

// A control of the window model, found by its name.
using ControlRef = std::variant<std::monostate, Button*, Panel*, Label*, DropDown*, CheckBox*, TextBox*, Picture*,
                                DrawingBox*, TextList*, Timer*, Slider*>;
ControlRef FindControl(MainForm& form, std::string_view name, int index = -1);

// Puts every control of the model into the start state the layout gives it.
void ApplyStartState(MainForm& form);

}  // namespace pairon

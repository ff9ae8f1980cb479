#include "game/window_layout.h"

#include <type_traits>

namespace pairon {

namespace {

using K = ControlKind;

ControlLayout Control(std::string name, K kind, std::string container, std::string caption, bool visible, int left,
                      int top, int width, int height) {
    ControlLayout c;
    c.name = std::move(name);
    c.kind = kind;
    c.container = std::move(container);
    c.caption = std::move(caption);
    c.visibleAtStart = visible;
    c.left = left;
    c.top = top;
    c.width = width;
    c.height = height;
    if (kind == K::Button) c.font = FontRole::Button;
    if (kind == K::Panel) c.font = FontRole::PanelCaption;
    return c;
}

ControlLayout Element(ControlLayout c, int index) {
    c.index = index;
    return c;
}

ControlLayout List(std::string name, std::vector<std::string> items, std::string container, int left, int top,
                   int width, int height) {
    ControlLayout c = Control(std::move(name), K::DropDown, std::move(container), "", true, left, top, width, height);
    c.items = std::move(items);
    return c;
}

ControlLayout Styled(ControlLayout c, Backdrop backdrop, Alignment alignment = Alignment::Left) {
    c.backdrop = backdrop;
    c.alignment = alignment;
    return c;
}

std::vector<ControlLayout> BuildMainWindowLayout() {
    std::vector<ControlLayout> t;

    // The client area, upper controls first.
    t.push_back(Control("cmdHelp", K::Button, "", "Help", true, 240, 5880, 1215, 375));
    t.push_back(Control("fraInvisible", K::Panel, "", "Invisible Objects", false, 2640, 5160, 4695, 1575));
    t.push_back(Control("fraOutcome", K::Panel, "", "Outcome", false, 4080, 1800, 3900, 2625));
    t.push_back(Control("fraPlayers", K::Panel, "", "Player Details", false, 2640, 240, 8775, 6495));
    t.push_back(Control("fraDimensions", K::Panel, "", "Dimensions", true, 240, 240, 2175, 1575));
    t.push_back(Control("fraOptions", K::Panel, "", "Game Options", true, 240, 2040, 2175, 3135));
    t.push_back(Control("fraCommentary", K::Panel, "", "Commentary", true, 240, 240, 2175, 1575));
    t.push_back(Control("fraScore", K::Panel, "", "Score Board", true, 240, 2040, 2175, 3135));
    t.push_back(Control("fraGame", K::Panel, "", "Game Window", true, 2640, 240, 8775, 6495));
    t.push_back(Control("cmdExit", K::Button, "", "Exit", true, 240, 6360, 1215, 375));
    t.push_back(Control("cmdNew", K::Button, "", "New Game", true, 240, 5400, 1215, 375));

    // Dimensions
    t.push_back(List("cmbWidth", {"4", "6", "8", "10"}, "fraDimensions", 960, 480, 735, 315));
    t.push_back(List("cmbHeight", {"2", "3", "4", "5"}, "fraDimensions", 960, 960, 735, 315));
    t.push_back(Styled(Control("Width", K::Label, "fraDimensions", "Width", true, 240, 480, 615, 255),
                       Backdrop::Transparent));
    t.push_back(Styled(Control("Height", K::Label, "fraDimensions", "Height", true, 240, 960, 615, 255),
                       Backdrop::Transparent));

    // Game options
    t.push_back(Control("chkHighlight", K::CheckBox, "fraOptions", "Highlight Selected", true, 240, 1800, 1815, 375));
    ControlLayout sound = Control("chkSound", K::CheckBox, "fraOptions", "Sound", true, 240, 2160, 1815, 375);
    sound.value = 1;
    t.push_back(sound);
    t.push_back(Control("chkMultiple", K::CheckBox, "fraOptions", "Multiple Pairs", true, 240, 1440, 1815, 255));
    t.push_back(List("cmbPlayers", {"1", "2", "3", "4"}, "fraOptions", 960, 480, 735, 315));
    ControlLayout background = Control("chkBackground", K::CheckBox, "fraOptions", "Background Picture", true, 240,
                                       960, 1815, 375);
    background.value = 1;
    t.push_back(background);
    t.push_back(Styled(Control("Players", K::Label, "fraOptions", "Players", true, 240, 480, 735, 255),
                       Backdrop::Transparent));
    // The deck of cards, under the options: which pictures show the faces.
    // No control of the game's, so the game's model has nothing for it; the
    // view adds the player's decks to its one item.
    t.push_back(List("cmbCards", {"Standard"}, "fraOptions", 960, 2580, 1155, 315));
    t.push_back(Styled(Control("Cards", K::Label, "fraOptions", "Cards", true, 240, 2580, 735, 255),
                       Backdrop::Transparent));

    // Commentary
    t.push_back(Styled(Control("lblPairs", K::Label, "fraCommentary", "", true, 1560, 1080, 375, 315),
                       Backdrop::CountBox, Alignment::Right));
    ControlLayout playerTurn = Styled(Control("lblPlayerTurn", K::Label, "fraCommentary", "", true, 240, 600, 1695, 315),
                                      Backdrop::DisplayBox, Alignment::Centre);
    playerTurn.font = FontRole::Bold;
    t.push_back(playerTurn);
    t.push_back(Styled(Control("Player", K::Label, "fraCommentary", "Player to Select Cards", true, 240, 360, 1935, 255),
                       Backdrop::Transparent));
    t.push_back(Styled(Control("Remaining", K::Label, "fraCommentary", "Pairs Remaining", true, 360, 1080, 1215, 255),
                       Backdrop::Transparent));

    // Score board
    ControlLayout speed = Control("sldSpeed", K::Slider, "fraScore", "", true, 840, 2520, 1215, 375);
    speed.minimum = 2;
    speed.maximum = 8;
    speed.value = 5;
    t.push_back(speed);
    t.push_back(Styled(Control("Speed", K::Label, "fraScore", "Game Speed", true, 240, 2520, 735, 495),
                       Backdrop::Transparent));
    for (int i = 0; i < kSeats; ++i) {
        t.push_back(Element(Styled(Control("lblPlayer", K::Label, "fraScore", "", true, 240, 360 + 480 * i, 1335, 255),
                                   Backdrop::Transparent),
                            i));
    }
    for (int i = 0; i < kSeats; ++i) {
        t.push_back(Element(Styled(Control("lblScore", K::Label, "fraScore", "0", true, 1560, 360 + 480 * i, 375, 315),
                                   Backdrop::DisplayBox, Alignment::Right),
                            i));
    }

    // Player details: each level box lies over its seat's name box.
    for (int i = 0; i < kSeats; ++i) {
        ControlLayout level =
            List("cmbComputerLevel", {"Excellent", "Good", "Average", "Poor", "Shocking"}, "fraPlayers", 1680,
                 2880 + 480 * i, 1215, 315);
        level.visibleAtStart = false;
        t.push_back(Element(level, i));
    }
    for (int i = 0; i < kSeats; ++i) {
        t.push_back(Element(List("cmbPlayerType", {"Human", "Computer"}, "fraPlayers", 240, 2880 + 480 * i, 1215, 315), i));
    }
    for (int i = 0; i < kSeats; ++i) {
        ControlLayout name = Control("txtPlayer", K::TextBox, "fraPlayers", "Player " + std::to_string(i + 1), true,
                                     1680, 2880 + 480 * i, 1215, 285);
        name.maximum = 12;
        t.push_back(Element(name, i));
    }
    t.push_back(Control("cmdDone", K::Button, "fraPlayers", "Done", true, 3120, 2880, 1215, 375));
    t.push_back(Control("imgPlayer", K::Picture, "fraPlayers", "", true, 120, 240, 8535, 6135));

    // Game window: every card slot lies above the background picture.
    for (int p = 0; p < kCardSlots; ++p) {
        t.push_back(Element(Control("imgCard", K::Picture, "fraGame", "", false, 240 + 840 * (p % 10),
                                    360 + 1200 * (p / 10), 735, 1095),
                            p));
    }
    t.push_back(Control("imgGame", K::Picture, "fraGame", "", true, 120, 240, 8535, 6135));

    // Outcome: the text box lies over the right-hand part of the picture.
    ControlLayout outcome = Styled(Control("picOutcome", K::DrawingBox, "fraOutcome", "", true, 1920, 600, 1695, 1575),
                                   Backdrop::DisplayBox);
    outcome.font = FontRole::Outcome;
    t.push_back(outcome);
    t.push_back(Styled(Control("picResult", K::DrawingBox, "fraOutcome", "", true, 240, 360, 3495, 2055),
                       Backdrop::DisplayBox));

    // Invisible objects: the game's hidden state holders.
    for (const char* list : {"lstMatches", "lstSelected", "lstIndexes", "lstShuffled", "lstSelection"}) {
        t.push_back(Control(list, K::List, "fraInvisible", "", true, 0, 0, 0, 0));
    }
    ControlLayout cardDelay = Control("tmrCardDelay", K::Timer, "fraInvisible", "", false, 0, 0, 0, 0);
    cardDelay.value = 1500;
    t.push_back(cardDelay);
    ControlLayout computerDelay = Control("tmrComputerDelay", K::Timer, "fraInvisible", "", false, 0, 0, 0, 0);
    computerDelay.value = 2000;
    t.push_back(computerDelay);
    t.push_back(Styled(Control("lblTurn", K::Label, "fraInvisible", "Turn", true, 240, 360, 1215, 315),
                       Backdrop::DisplayBox));
    t.push_back(Styled(Control("lblIndex1", K::Label, "fraInvisible", "Index1", true, 1680, 360, 1215, 315),
                       Backdrop::DisplayBox));
    t.push_back(Styled(Control("lblIndex2", K::Label, "fraInvisible", "Index2", true, 3120, 360, 1215, 315),
                       Backdrop::DisplayBox));
    return t;
}

std::vector<ControlName> BuildFocusOrder() {
    std::vector<ControlName> order = {{"cmdNew"},        {"cmdExit"},      {"chkBackground"}, {"cmbPlayers"},
                                      {"chkMultiple"},   {"chkHighlight"}, {"chkSound"},      {"cmbCards"},
                                      {"cmbHeight"},     {"cmbWidth"},
                                      {"txtPlayer", 3},  {"txtPlayer", 2}, {"txtPlayer", 1},  {"cmdDone"},
                                      {"cmbPlayerType", 0}, {"txtPlayer", 0}};
    for (int i = 1; i < kSeats; ++i) order.push_back({"cmbPlayerType", i});
    for (int i = 0; i < kSeats; ++i) order.push_back({"cmbComputerLevel", i});
    order.push_back({"sldSpeed"});
    order.push_back({"picResult"});
    order.push_back({"picOutcome"});
    order.push_back({"cmdHelp"});
    return order;
}

template <typename T, std::size_t N>
ControlRef Element(std::array<T, N>& controls, int index) {
    if (index < 0 || index >= static_cast<int>(N)) return {};
    return &controls[static_cast<std::size_t>(index)];
}

}  // namespace

const std::vector<ControlLayout>& MainWindowLayout() {
    static const std::vector<ControlLayout> layout = BuildMainWindowLayout();
    return layout;
}

const std::vector<ControlName>& MainWindowFocusOrder() {
    static const std::vector<ControlName> order = BuildFocusOrder();
    return order;
}

ControlRef FindControl(MainForm& f, std::string_view name, int index) {
    if (name == "lblPlayer") return Element(f.lblPlayer, index);
    if (name == "lblScore") return Element(f.lblScore, index);
    if (name == "cmbComputerLevel") return Element(f.cmbComputerLevel, index);
    if (name == "cmbPlayerType") return Element(f.cmbPlayerType, index);
    if (name == "txtPlayer") return Element(f.txtPlayer, index);
    if (name == "imgCard") return Element(f.imgCard, index);
    if (index != -1) return {};

    struct Entry {
        std::string_view name;
        ControlRef control;
    };
    const Entry single[] = {
        {"cmdNew", &f.cmdNew},
        {"cmdHelp", &f.cmdHelp},
        {"cmdExit", &f.cmdExit},
        {"cmdDone", &f.cmdDone},
        {"fraInvisible", &f.fraInvisible},
        {"fraOutcome", &f.fraOutcome},
        {"fraPlayers", &f.fraPlayers},
        {"fraDimensions", &f.fraDimensions},
        {"fraOptions", &f.fraOptions},
        {"fraCommentary", &f.fraCommentary},
        {"fraScore", &f.fraScore},
        {"fraGame", &f.fraGame},
        {"cmbWidth", &f.cmbWidth},
        {"cmbHeight", &f.cmbHeight},
        {"cmbPlayers", &f.cmbPlayers},
        {"Width", &f.Width},
        {"Height", &f.Height},
        {"Players", &f.Players},
        {"chkHighlight", &f.chkHighlight},
        {"chkMultiple", &f.chkMultiple},
        {"chkBackground", &f.chkBackground},
        {"chkSound", &f.chkSound},
        {"lblPairs", &f.lblPairs},
        {"lblPlayerTurn", &f.lblPlayerTurn},
        {"Player", &f.Player},
        {"Remaining", &f.Remaining},
        {"sldSpeed", &f.sldSpeed},
        {"Speed", &f.Speed},
        {"imgPlayer", &f.imgPlayer},
        {"imgGame", &f.imgGame},
        {"picOutcome", &f.picOutcome},
        {"picResult", &f.picResult},
        {"lstMatches", &f.lstMatches},
        {"lstSelected", &f.lstSelected},
        {"lstIndexes", &f.lstIndexes},
        {"lstShuffled", &f.lstShuffled},
        {"lstSelection", &f.lstSelection},
        {"tmrCardDelay", &f.tmrCardDelay},
        {"tmrComputerDelay", &f.tmrComputerDelay},
        {"lblTurn", &f.lblTurn},
        {"lblIndex1", &f.lblIndex1},
        {"lblIndex2", &f.lblIndex2},
    };
    for (const Entry& entry : single) {
        if (entry.name == name) return entry.control;
    }
    return {};
}

void ApplyStartState(MainForm& form) {
    for (const ControlLayout& c : MainWindowLayout()) {
        ControlRef ref = FindControl(form, c.name, c.index);
        std::visit(
            [&c](auto control) {
                using T = std::remove_pointer_t<decltype(control)>;
                if constexpr (std::is_same_v<T, Button>) {
                    *control = Button{c.caption, c.visibleAtStart};
                } else if constexpr (std::is_same_v<T, Panel>) {
                    *control = Panel{c.caption, c.visibleAtStart};
                } else if constexpr (std::is_same_v<T, Label>) {
                    *control = Label{c.caption, c.visibleAtStart, c.font == FontRole::Bold};
                } else if constexpr (std::is_same_v<T, DropDown>) {
                    *control = DropDown{c.items, -1, c.visibleAtStart};
                } else if constexpr (std::is_same_v<T, CheckBox>) {
                    *control = CheckBox{c.caption, c.value, c.visibleAtStart};
                } else if constexpr (std::is_same_v<T, TextBox>) {
                    *control = TextBox{"", static_cast<std::size_t>(c.maximum), c.visibleAtStart};
                    control->SetText(c.caption);
                } else if constexpr (std::is_same_v<T, Slider>) {
                    *control = Slider{c.minimum, c.maximum, c.value, c.visibleAtStart};
                } else if constexpr (std::is_same_v<T, Picture> || std::is_same_v<T, DrawingBox>) {
                    *control = T{};
                    control->visible = c.visibleAtStart;
                } else if constexpr (std::is_same_v<T, TextList>) {
                    control->Empty();
                } else if constexpr (std::is_same_v<T, Timer>) {
                    *control = Timer{false, c.value, 0};
                }
            },
            ref);
    }
}

}  // namespace pairon

#include "soak_events.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <exception>
#include <sstream>

#include "board/board.h"
#include "game/game_rules.h"
#include "game/invariants.h"
#include "game/numbers.h"
#include "opponent/opponent.h"
#include "pictures/picture_files.h"
#include "window/setup_flow.h"

namespace pairon::soak {

namespace {

constexpr std::array<const char*, 4> kWidths = {"4", "6", "8", "10"};
constexpr std::array<const char*, 4> kHeights = {"2", "3", "4", "5"};
constexpr std::array<const char*, 4> kPlayerCounts = {"1", "2", "3", "4"};
constexpr std::array<const char*, 2> kTypes = {"Human", "Computer"};
constexpr std::array<const char*, 5> kLevels = {"Excellent", "Good", "Average", "Poor", "Shocking"};
// Names a player might type: the computer's own name in both cases, nothing
// at all, exactly twelve characters, more than the box takes, and letters
// outside ASCII (two, three and four bytes in UTF-8).
const std::array<std::string, 12> kNames = {
    "Computer", "computer", "", "Ann", "Twelve chars", "ABCDEFGHIJKLMNOP", "Zo\303\253 \303\205ngstr\303\266m",
    "\346\227\245\346\234\254\350\252\236\343\201\256\345\220\215\345\211\215", "\360\237\202\241\360\237\202\261",
    " Computer", "Computer ", "Player 1"};

bool IsFaceFile(const std::string& file) { return file.rfind("Card", 0) == 0 && file.rfind("CardBack", 0) != 0; }

bool OnBoard(const MainForm& form, int code) {
    return code % 10 < BoardWidth(form) && code / 10 < BoardHeight(form);
}

std::vector<int> FaceUpSlots(const MainForm& form) {
    std::vector<int> codes;
    for (int p = 0; p < kCardSlots; ++p) {
        const Picture& slot = form.imgCard[static_cast<std::size_t>(p)];
        if (slot.visible && IsFaceFile(slot.file)) codes.push_back(p);
    }
    return codes;
}

int FaceAt(const MainForm& form, int code) {
    const int index = BoardIndex(code, BoardWidth(form));
    if (index < 0 || static_cast<std::size_t>(index) >= form.lstShuffled.Count()) return 0;
    return form.lstShuffled.Value(static_cast<std::size_t>(index));
}

bool SetupState(const MainForm& form) { return form.cmdNew.caption == kNewGameCaption; }
bool EntryState(const MainForm& form) { return !SetupState(form) && form.fraPlayers.visible; }
bool PlayOrOver(const MainForm& form) { return GameRunning(form) && !form.fraPlayers.visible; }
bool Playing(const MainForm& form) { return PlayOrOver(form) && !form.fraOutcome.visible; }

std::vector<std::string> Texts(const TextList& list) {
    std::vector<std::string> texts;
    for (std::size_t k = 0; k < list.Count(); ++k) texts.push_back(list.Read(k));
    return texts;
}

std::string Quoted(const std::string& text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c >= 0x20 && c < 0x7f) {
            out += static_cast<char>(c);
        } else {
            // Octal escapes stop after three digits, so no following
            // character can be swallowed into them.
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\%03o", c);
            out += escaped;
        }
    }
    return out + "\"";
}

std::string Join(const std::vector<int>& codes) {
    std::string out;
    for (int code : codes) out += (out.empty() ? "" : " ") + std::to_string(code);
    return "{" + out + "}";
}

}  // namespace

std::string Describe(const SoakEvent& e) {
    switch (e.kind) {
        case Kind::ChooseWidth: return "ChooseWidth(" + Quoted(e.text) + ")";
        case Kind::ChooseHeight: return "ChooseHeight(" + Quoted(e.text) + ")";
        case Kind::ChoosePlayers: return "ChoosePlayers(" + Quoted(e.text) + ")";
        case Kind::CheckHighlight: return "CheckHighlight(" + std::to_string(e.a) + ")";
        case Kind::CheckMultiple: return "CheckMultiple(" + std::to_string(e.a) + ")";
        case Kind::CheckBackground: return "CheckBackground(" + std::to_string(e.a) + ")";
        case Kind::MoveSpeed: return "MoveSpeed(" + std::to_string(e.a) + ")";
        case Kind::PressNewGame: return "PressNewGame()";
        case Kind::ChooseType: return "ChooseType(" + std::to_string(e.a) + ", " + Quoted(e.text) + ")";
        case Kind::ChooseLevel: return "ChooseLevel(" + std::to_string(e.a) + ", " + Quoted(e.text) + ")";
        case Kind::TypeName: return "TypeName(" + std::to_string(e.a) + ", " + Quoted(e.text) + ")";
        case Kind::Done: return "Done()";
        case Kind::Click: return "Click(" + std::to_string(e.a) + ")";
        case Kind::Wait: return "Wait(" + std::to_string(e.a) + ")";
        case Kind::Help: return "Help()";
        case Kind::EndHelp: return "EndHelp()";
        case Kind::HelpTab: return "HelpTab(" + std::to_string(e.a) + ")";
        case Kind::CloseHelp: return "CloseHelp()";
        case Kind::Exit: return "Exit()";
    }
    return "?";
}

bool ClickMustBeIgnored(const MainForm& form) {
    return SetupState(form) || form.lblPlayerTurn.text == kComputerName;
}

SoakSnapshot TakeSnapshot(const MainForm& form) {
    SoakSnapshot s;
    s.selection = Texts(form.lstSelection);
    s.indexes = Texts(form.lstIndexes);
    s.selected = Texts(form.lstSelected);
    s.index1 = form.lblIndex1.text;
    s.index2 = form.lblIndex2.text;
    s.turn = form.lblTurn.text;
    s.pairs = form.lblPairs.text;
    s.playerTurn = form.lblPlayerTurn.text;
    s.cardTimer = form.tmrCardDelay.enabled;
    s.computerTimer = form.tmrComputerDelay.enabled;
    for (const Picture& slot : form.imgCard) {
        s.slotFiles.push_back(slot.file);
        s.slotsShown.push_back(slot.visible);
    }
    return s;
}

SoakGame::SoakGame(std::uint64_t seed, ExtraCheck extra)
    : random(seed), form(random), clock(form), checks_(form, random, clock, std::move(extra)) {
    Form_Load(form);
    clock.Sync();
    checks_.After("start-up");
}

bool Possible(const MainForm& form, bool helpShown, const SoakEvent& e) {
    if (form.exitRequested) return false;
    auto listHas = [](const DropDown& list, const std::string& text) {
        return std::find(list.items.begin(), list.items.end(), text) != list.items.end();
    };
    auto seat = [&](int i) { return i >= 0 && i < kSeats; };
    const auto s = static_cast<std::size_t>(e.a);
    switch (e.kind) {
        case Kind::ChooseWidth: return form.fraDimensions.visible && form.cmbWidth.visible && listHas(form.cmbWidth, e.text);
        case Kind::ChooseHeight:
            return form.fraDimensions.visible && form.cmbHeight.visible && listHas(form.cmbHeight, e.text);
        case Kind::ChoosePlayers:
            return form.fraOptions.visible && form.cmbPlayers.visible && listHas(form.cmbPlayers, e.text);
        case Kind::CheckHighlight: return form.fraOptions.visible && form.chkHighlight.visible && (e.a == 0 || e.a == 1);
        case Kind::CheckMultiple: return form.fraOptions.visible && form.chkMultiple.visible && (e.a == 0 || e.a == 1);
        case Kind::CheckBackground:
            return form.fraOptions.visible && form.chkBackground.visible && (e.a == 0 || e.a == 1);
        case Kind::MoveSpeed:
            // The slider lies in the score board, which the options panel covers.
            return form.fraScore.visible && !form.fraOptions.visible && form.sldSpeed.visible &&
                   e.a >= form.sldSpeed.min && e.a <= form.sldSpeed.max;
        case Kind::PressNewGame: return form.cmdNew.visible;
        case Kind::ChooseType:
            return form.fraPlayers.visible && seat(e.a) && form.cmbPlayerType[s].visible &&
                   listHas(form.cmbPlayerType[s], e.text);
        case Kind::ChooseLevel:
            return form.fraPlayers.visible && seat(e.a) && form.cmbComputerLevel[s].visible &&
                   listHas(form.cmbComputerLevel[s], e.text);
        case Kind::TypeName:
            // A shown level box lies over the name box.
            return form.fraPlayers.visible && seat(e.a) && form.txtPlayer[s].visible && !form.cmbComputerLevel[s].visible;
        case Kind::Done: return form.fraPlayers.visible && form.cmdDone.visible;
        case Kind::Click:
            // The player panel and the outcome panel both lie over the board.
            return e.a >= 0 && e.a < kCardSlots && form.imgCard[s].visible && form.fraGame.visible &&
                   !form.fraPlayers.visible && !form.fraOutcome.visible;
        case Kind::Wait: return e.a >= 0;
        case Kind::Help: return form.cmdHelp.visible;
        case Kind::EndHelp:
        case Kind::HelpTab:
        case Kind::CloseHelp: return helpShown && (e.kind != Kind::HelpTab || (e.a >= 0 && e.a < 6));
        case Kind::Exit: return form.cmdExit.visible;
    }
    return false;
}

bool SoakGame::Apply(const SoakEvent& e) {
    const std::size_t index = applied_++;
    if (checks_.Failure() || form.exitRequested) return false;
    if (!Possible(e)) return true;
    checks_.Applied();
    try {
        Run(e);
    } catch (const std::exception& error) {
        checks_.Fail("a handler threw an exception", Describe(e) + ": " + error.what());
    }
    if (checks_.Failure()) checks_.Failure()->event = index;
    return !checks_.Failure() && !form.exitRequested;
}

void SoakGame::Run(const SoakEvent& e) {
    random.draws = 0;
    const auto s = static_cast<std::size_t>(e.a);
    switch (e.kind) {
        case Kind::ChooseWidth:
            pairon::ChooseWidth(form, e.text);
            checks_.BoardLaidOut();
            break;
        case Kind::ChooseHeight:
            pairon::ChooseHeight(form, e.text);
            checks_.BoardLaidOut();
            break;
        case Kind::ChoosePlayers: pairon::ChoosePlayers(form, e.text); break;
        case Kind::CheckHighlight: SetCheckBox(form, form.chkHighlight, e.a); break;
        case Kind::CheckMultiple: SetCheckBox(form, form.chkMultiple, e.a); break;
        case Kind::CheckBackground: SetCheckBox(form, form.chkBackground, e.a); break;
        case Kind::MoveSpeed: MoveSpeedSlider(form, e.a); break;
        case Kind::PressNewGame: {
            const bool starting = SetupState(form);
            cmdNew_Click(form);
            checks_.BoardLaidOut();
            if (starting) checks_.GameStarted();
            break;
        }
        case Kind::ChooseType: ChoosePlayerType(form, e.a, e.text); break;
        case Kind::ChooseLevel: ChooseComputerLevel(form, e.a, e.text); break;
        case Kind::TypeName: form.txtPlayer[s].SetText(e.text); break;
        case Kind::Done:
            checks_.SeatsConfirmed();
            cmdDone_Click(form);
            break;
        case Kind::Click: {
            // A click must change nothing before a game, or while a computer
            // seat is to play.
            std::optional<SoakSnapshot> before;
            if (ClickMustBeIgnored(form)) before = TakeSnapshot(form);
            imgCard_Click(form, e.a);
            if (before && !(*before == TakeSnapshot(form))) {
                checks_.Fail(SetupState(form) ? "a card click before a game changed the game"
                                              : "a card click while a computer seat plays changed the game",
                             Describe(e));
            }
            break;
        }
        case Kind::Wait:
            clock.Sync();
            Wait(e.a);
            return;
        case Kind::Help: helpShown_ = true; break;
        case Kind::EndHelp:
        case Kind::CloseHelp: helpShown_ = false; break;
        case Kind::HelpTab: break;
        case Kind::Exit: cmdExit_Click(form); break;
    }
    clock.Sync();
    if (!checks_.Failure()) checks_.After(Describe(e));
}

void SoakGame::Wait(int milliseconds) {
    const std::int64_t until = clock.Now() + milliseconds;
    int ticks = 0;
    while (!checks_.Failure()) {
        const std::int64_t next = clock.NextTick();
        if (next < 0 || next > until) break;
        if (++ticks > 10000) {
            checks_.Fail("the timers tick without end", "more than 10000 ticks in " + std::to_string(milliseconds) + " ms");
            return;
        }
        // Only a computer tick on a computer seat's turn may pick a card.
        const bool computerMayPick = Playing(form) && form.lblPlayerTurn.text == kComputerName;
        const std::size_t upBefore = FaceUpSlots(form).size();
        const std::string pairsBefore = form.lblPairs.text;
        random.draws = 0;
        clock.FireNext();
        checks_.Ticked();
        if (!computerMayPick && (FaceUpSlots(form).size() > upBefore || form.lblPairs.text != pairsBefore)) {
            checks_.Fail("a timer tick picked a card while no computer seat was to play", "");
            return;
        }
        checks_.After("a timer tick");
    }
    if (!checks_.Failure()) clock.AdvanceTo(until);
}

SoakChecks::SoakChecks(const MainForm& form, const CountingRandom& random, const VirtualClock& clock, ExtraCheck extra)
    : form(form), random_(random), clock_(clock), extra_(std::move(extra)) {}

void SoakChecks::GameStarted() {
    outcomeChecked_ = false;
    ++tally_.gamesStarted;
    tally_.boards.insert({BoardWidth(form), BoardHeight(form)});
    if (form.chkHighlight.value) tally_.highlightGame = true;
    if (form.chkMultiple.value) tally_.multipleGame = true;
}

void SoakChecks::SeatsConfirmed() {
    std::string mix;
    for (int i = 0; i < SeatCount(form); ++i) {
        const auto seat = static_cast<std::size_t>(i);
        const bool human = form.cmbPlayerType[seat].Text() == kHumanType;
        if (human && form.txtPlayer[seat].text == kComputerName) tally_.computerNamedHuman = true;
        mix += human ? 'H' : 'C';
    }
    tally_.seatMixes.insert(mix);
    tally_.seatCounts.insert(SeatCount(form));
}

void SoakChecks::Fail(std::string rule, const std::string& detail) {
    if (failure_) return;
    std::ostringstream where;
    where << detail << (detail.empty() ? "" : "; ") << "at " << clock_.Now() << " ms virtual time";
    failure_ = SoakFailure{std::move(rule), where.str(), 0};
}

void SoakChecks::After(const std::string& what) {
    const std::string after = "after " + what;
    if (random_.draws >= kRandomSelectDrawLimit) {
        Fail("one handler drew the generator a million times: a computer pick found no card",
             after + ": " + std::to_string(random_.draws) + " draws");
        return;
    }
    if (form.fraInvisible.visible) return Fail("the invisible objects panel is shown", after);

    const int speed = form.sldSpeed.value;
    if (form.tmrCardDelay.interval != speed * kCardDelayPerStep ||
        form.tmrComputerDelay.interval != speed * kComputerDelayPerStep) {
        return Fail("the delays do not follow the speed slider",
                    after + ": slider " + std::to_string(speed) + ", delays " +
                        std::to_string(form.tmrCardDelay.interval) + " and " +
                        std::to_string(form.tmrComputerDelay.interval));
    }

    for (int p = 0; p < kCardSlots; ++p) {
        if (form.imgCard[static_cast<std::size_t>(p)].visible && !OnBoard(form, p)) {
            return Fail("a card slot off the board is shown", after + ": slot " + std::to_string(p));
        }
    }

    // Which panels show is the window's state; only these four mixes exist.
    if (SetupState(form)) {
        if (!form.fraDimensions.visible || !form.fraOptions.visible || form.fraPlayers.visible || form.fraOutcome.visible) {
            return Fail("the setup state shows the wrong panels", after);
        }
    } else if (GameRunning(form)) {
        if (form.fraDimensions.visible || form.fraOptions.visible || !form.fraCommentary.visible ||
            !form.fraScore.visible || (form.fraPlayers.visible && form.fraOutcome.visible)) {
            return Fail("a game shows the wrong panels", after);
        }
    } else {
        return Fail("the New Game button reads neither New Game nor End Game", after + ": " + form.cmdNew.caption);
    }

    if (SetupState(form) || EntryState(form)) {
        CheckSetupBoard(after);
    } else {
        for (const std::string& rule : BrokenGameInvariants(form)) {
            Fail(rule, after);
            return;
        }
        CheckPlay(after);
        if (!failure_) CheckOutcome(after);
    }
    if (!failure_ && extra_) {
        std::string rule = extra_(form);
        if (!rule.empty()) Fail(std::move(rule), after);
    }
}

void SoakChecks::CheckSetupBoard(const std::string& after) {
    // Before play the whole board lies face down.
    const std::string back(form.chkHighlight.value != 0 ? kUnseenCardBackFile : kCardBackFile);
    for (int p = 0; p < kCardSlots; ++p) {
        const Picture& slot = form.imgCard[static_cast<std::size_t>(p)];
        if (OnBoard(form, p) && !slot.visible) {
            return Fail("a card slot of the board is hidden before play", after + ": slot " + std::to_string(p));
        }
        if (slot.visible && IsFaceFile(slot.file)) {
            return Fail("a card lies face up before play", after + ": slot " + std::to_string(p));
        }
    }
    if (EntryState(form)) CheckDeal(after);
    if (EntryState(form) && (form.lstSelection.Count() != 0 || form.lstIndexes.Count() != 0 ||
                             !form.lblIndex1.text.empty() || form.lblTurn.text != "0")) {
        Fail("the deal left the last game's turn behind", after);
    }
}

void SoakChecks::CheckDeal(const std::string& after) {
    // W x H cards, faces 1 ... 26, each face on whole pairs, and without
    // Multiple Pairs on one pair only.
    const int cards = BoardWidth(form) * BoardHeight(form);
    if (static_cast<int>(form.lstShuffled.Count()) != cards) return Fail("the deal does not fill the board", after);
    std::array<int, kCardFaces + 1> count{};
    for (std::size_t k = 0; k < form.lstShuffled.Count(); ++k) {
        const int face = form.lstShuffled.Value(k);
        if (face < 1 || face > kCardFaces || form.lstShuffled.Read(k) != DecimalText(face)) {
            return Fail("the deal holds something that is no face", after + ": " + form.lstShuffled.Read(k));
        }
        ++count[static_cast<std::size_t>(face)];
    }
    for (int n : count) {
        if (n % 2 != 0) return Fail("a face lies on an odd number of cards", after);
        if (n > 2 && form.chkMultiple.value == 0) return Fail("a face lies on two pairs without Multiple Pairs", after);
    }
    if (form.lblPairs.text != DecimalText(cards / 2)) return Fail("the pairs remaining are not half the cards", after);
}

void SoakChecks::CheckPlay(const std::string& after) {
    const std::string& where = after;
    // The cards face up are exactly those of the current selection, each
    // showing its own face; every other card shows a back.
    const std::vector<int> up = FaceUpSlots(form);
    const std::size_t n = form.lstSelection.Count();
    std::vector<int> expected;
    for (std::size_t k = form.lstIndexes.Count() >= n ? form.lstIndexes.Count() - n : 0; k < form.lstIndexes.Count(); ++k) {
        expected.push_back(form.lstIndexes.Value(k));
    }
    std::sort(expected.begin(), expected.end());
    if (up != expected) {
        return Fail("the cards face up are not the cards of the current selection",
                    where + ": face up " + Join(up) + ", selected " + Join(expected));
    }
    for (int p : up) {
        if (form.imgCard[static_cast<std::size_t>(p)].file != CardFaceFile(FaceAt(form, p))) {
            return Fail("a card shows another card's face", where + ": slot " + std::to_string(p));
        }
    }
    for (int p = 0; p < kCardSlots; ++p) {
        const Picture& slot = form.imgCard[static_cast<std::size_t>(p)];
        if (!slot.visible || IsFaceFile(slot.file)) continue;
        const bool seen = revealedSinceLayout_.count(p) != 0;
        if (slot.file == kCardBackFile) {
            if (form.chkHighlight.value != 0 && !seen) {
                return Fail("a card never turned up shows the plain back under Highlight Selected",
                            where + ": slot " + std::to_string(p));
            }
        } else if (slot.file == kUnseenCardBackFile) {
            if (form.chkHighlight.value == 0 || seen) {
                return Fail("a card shows the unseen back although it has been seen or Highlight Selected is off",
                            where + ": slot " + std::to_string(p));
            }
        } else {
            return Fail("a card on the board shows neither a face nor a back", where + ": " + slot.file);
        }
    }
    for (int p : up) revealedSinceLayout_.insert(p);

    // The seat to play is named, and is the only one in bold.
    const int seat = CurrentSeat(form);
    for (int i = 0; i < kSeats; ++i) {
        if (form.lblPlayer[static_cast<std::size_t>(i)].bold != (i == seat)) {
            return Fail("the bold name is not the seat to play", where + ": seat " + std::to_string(seat));
        }
    }
    if (form.lblPlayerTurn.text != form.lblPlayer[static_cast<std::size_t>(seat)].text) {
        return Fail("the player to select is not the seat to play", where);
    }
    if (Playing(form) && form.lstSelection.Count() == 2 && !form.tmrCardDelay.enabled) {
        return Fail("two differing cards are up but the card delay does not run", where);
    }
    if (Playing(form) && form.lblPlayerTurn.text == kComputerName && !form.tmrComputerDelay.enabled &&
        !form.tmrCardDelay.enabled) {
        return Fail("a computer seat is to play but no timer runs: the game is stuck", where);
    }
}

void SoakChecks::CheckOutcome(const std::string& after) {
    const bool over = WholeValue(form.lblPairs.text) == 0;
    if (form.fraOutcome.visible != over) {
        return Fail(over ? "the last pair is taken but no outcome is shown" : "the outcome shows while pairs remain", after);
    }
    if (!over || outcomeChecked_) return;
    outcomeChecked_ = true;
    ++tally_.gamesFinished;

    // What the outcome panel must announce, worked out afresh.
    const int seats = SeatCount(form);
    std::vector<std::string> lines;
    std::string picture;
    if (seats == 1) {
        picture = kTrophyFile;
        lines = {"Well Done", form.lblPlayer[0].text + "!", "",
                 "You found " + std::to_string(BoardWidth(form) * BoardHeight(form) / 2) + " ", "pairs in",
                 form.lblTurn.text + " turns"};
    } else {
        int best = -1;
        int winners = 0;
        int winner = 0;
        for (int i = 0; i < kSeats; ++i) {
            const int score = WholeValue(form.lblScore[static_cast<std::size_t>(i)].text);
            if (score > best) {
                best = score;
                winners = 1;
                winner = i;
            } else if (score == best) {
                ++winners;
            }
        }
        const std::string& name = form.lblPlayer[static_cast<std::size_t>(winner)].text;
        if (winners > 1) {
            picture = kFrustratedFile;
            lines = {"It's a bloody", "draw!"};
        } else if (name == kComputerName) {
            picture = kDepressedFile;
            lines = {name, "Wins!", "", "Bad luck!"};
        } else {
            picture = kWinnerFile;
            lines = {name, "Wins!"};
        }
    }
    tally_.resultPictures.insert(form.picResult.file);
    if (form.picResult.file != picture) {
        return Fail("the outcome shows the wrong picture", after + ": " + form.picResult.file + ", not " + picture);
    }
    if (form.picOutcome.lines != lines) return Fail("the outcome prints the wrong lines", after);
}

SoakEvent SoakGenerator::SomeWait() {
    const int r = Below(10);
    if (r == 0) return Wait(0);
    if (r < 5) return Wait(1 + Below(400));
    if (r < 9) return Wait(400 + Below(2100));
    return Wait(2500 + Below(6000));
}

SoakEvent SoakGenerator::SomeClick(const MainForm& f) {
    std::vector<int> shown;
    for (int p = 0; p < kCardSlots; ++p) {
        if (f.imgCard[static_cast<std::size_t>(p)].visible) shown.push_back(p);
    }
    if (shown.empty()) return SomeWait();
    const bool humanToPlay = Playing(f) && f.lblPlayerTurn.text != kComputerName;
    if (humanToPlay && !f.lblIndex1.text.empty() && Chance(0.03)) return Click(WholeValue(f.lblIndex1.text));
    if (humanToPlay && f.lstSelection.Count() == 1 && Chance(0.6)) {
        // A player who remembers where the partner lies.
        const int upCode = WholeValue(f.lblIndex1.text);
        const int upFace = f.lstSelection.Value(0);
        std::vector<int> partners;
        for (int p : shown) {
            if (p != upCode && FaceAt(f, p) == upFace) partners.push_back(p);
        }
        if (!partners.empty()) return Click(partners[static_cast<std::size_t>(Below(static_cast<int>(partners.size())))]);
    }
    return Click(shown[static_cast<std::size_t>(Below(static_cast<int>(shown.size())))]);
}

SoakEvent SoakGenerator::Next(const MainForm& f, bool helpShown) {
    for (int attempt = 0; attempt < 50; ++attempt) {
        SoakEvent e;
        const int r = Below(10000);
        if (r < 1) {
            e = Exit();
        } else if (r < 100) {
            e = Help();
        } else if (r < 150) {
            e = EndHelp();
        } else if (r < 300) {
            e = HelpTab(Below(6));
        } else if (r < 330) {
            e = CloseHelp();
        } else if (SetupState(f)) {
            const int k = Below(100);
            if (k < 12) e = ChooseWidth(kWidths[static_cast<std::size_t>(Below(4))]);
            else if (k < 24) e = ChooseHeight(kHeights[static_cast<std::size_t>(Below(4))]);
            else if (k < 36) e = ChoosePlayers(kPlayerCounts[static_cast<std::size_t>(Below(4))]);
            else if (k < 44) e = CheckHighlight(Below(2));
            else if (k < 52) e = CheckMultiple(Below(2));
            else if (k < 58) e = CheckBackground(Below(2));
            else if (k < 80) e = PressNewGame();
            else if (k < 90) e = SomeClick(f);
            else e = SomeWait();
        } else if (EntryState(f)) {
            const int k = Below(100);
            if (k < 22) {
                e = ChooseType(Below(kSeats), kTypes[static_cast<std::size_t>(Below(2))]);
            } else if (k < 28) {
                // Tables of one kind only take several changes in a row.
                const std::string type = kTypes[static_cast<std::size_t>(Below(2))];
                e = ChooseType(0, type);
                for (int i = 0; i < SeatCount(f); ++i) {
                    if (f.cmbPlayerType[static_cast<std::size_t>(i)].Text() != type) {
                        e = ChooseType(i, type);
                        break;
                    }
                }
            } else if (k < 42) e = ChooseLevel(Below(kSeats), kLevels[static_cast<std::size_t>(Below(5))]);
            else if (k < 62) e = TypeName(Below(kSeats), kNames[static_cast<std::size_t>(Below(static_cast<int>(kNames.size())))]);
            else if (k < 84) e = Done();
            else if (k < 86) e = PressNewGame();
            else if (k < 92) e = MoveSpeed(f.sldSpeed.min + Below(f.sldSpeed.max - f.sldSpeed.min + 1));
            else e = SomeWait();
        } else if (f.fraOutcome.visible) {
            const int k = Below(100);
            if (k < 50) e = PressNewGame();
            else if (k < 65) e = MoveSpeed(f.sldSpeed.min + Below(f.sldSpeed.max - f.sldSpeed.min + 1));
            else e = SomeWait();
        } else {
            const int k = Below(1000);
            if (k < 2) e = PressNewGame();
            else if (k < 20) e = MoveSpeed(f.sldSpeed.min + Below(f.sldSpeed.max - f.sldSpeed.min + 1));
            else if (k < 620) e = SomeClick(f);
            else e = SomeWait();
        }
        if (Possible(f, helpShown, e)) return e;
    }
    return SomeWait();
}

SoakRun RunSoak(std::uint64_t seed, std::size_t count, const ExtraCheck& extra) {
    SoakRun run;
    SoakGame game(seed, extra);
    // The generator's own chance is kept apart from the game's, so a replay
    // of the recorded events needs only the game's seed.
    SoakGenerator generator(seed ^ 0x9e3779b97f4a7c15ULL);
    if (game.Failure()) {
        run.failure = game.Failure();
        return run;
    }
    for (std::size_t i = 0; i < count; ++i) {
        SoakEvent e = generator.Next(game);
        run.events.push_back(e);
        if (!game.Apply(e)) break;
    }
    run.failure = game.Failure();
    run.tally = game.Tally();
    return run;
}

std::optional<SoakFailure> ReplaySoak(std::uint64_t seed, const std::vector<SoakEvent>& events, const ExtraCheck& extra) {
    SoakGame game(seed, extra);
    for (const SoakEvent& e : events) {
        if (!game.Apply(e)) break;
    }
    return game.Failure();
}

std::vector<SoakEvent> ShrinkSoak(std::uint64_t seed, std::vector<SoakEvent> events, const std::string& rule,
                                  const ExtraCheck& extra) {
    // A candidate still fails if its replay breaks the same rule, whatever
    // card or position it names; whatever follows the failing event is
    // dropped at once.
    auto key = [](const std::string& text) {
        std::string out;
        for (char c : text) {
            const bool digit = c >= '0' && c <= '9';
            if (!digit) out += c;
            else if (out.empty() || out.back() != '#') out += '#';
        }
        return out;
    };
    const std::string ruleKey = key(rule);
    auto fails = [&](std::vector<SoakEvent>& candidate) {
        const std::optional<SoakFailure> failure = ReplaySoak(seed, candidate, extra);
        if (!failure || key(failure->rule) != ruleKey) return false;
        if (failure->event + 1 < candidate.size()) candidate.resize(failure->event + 1);
        return true;
    };
    if (!fails(events)) return events;

    std::size_t parts = 2;
    while (events.size() >= 2) {
        const std::size_t chunk = (events.size() + parts - 1) / parts;
        bool reduced = false;
        for (std::size_t start = 0; start < events.size(); start += chunk) {
            std::vector<SoakEvent> candidate(events.begin(), events.begin() + static_cast<std::ptrdiff_t>(start));
            candidate.insert(candidate.end(), events.begin() + static_cast<std::ptrdiff_t>(std::min(start + chunk, events.size())),
                             events.end());
            if (fails(candidate)) {
                events = std::move(candidate);
                parts = std::max<std::size_t>(parts - 1, 2);
                reduced = true;
                break;
            }
        }
        if (!reduced) {
            if (parts >= events.size()) break;
            parts = std::min(events.size(), parts * 2);
        }
    }

    // Then single events, and once the list is short every two events
    // together (New Game pressed twice more is a pair that only goes as one),
    // and two waits in a row as one, until nothing more can go.
    auto without = [&](std::size_t i, std::size_t j) {
        std::vector<SoakEvent> candidate;
        for (std::size_t k = 0; k < events.size(); ++k) {
            if (k != i && k != j) candidate.push_back(events[k]);
        }
        return candidate;
    };
    for (bool changed = true; changed;) {
        changed = false;
        for (std::size_t i = events.size(); i-- > 0;) {
            if (i >= events.size()) continue;
            std::vector<SoakEvent> candidate = without(i, i);
            if (fails(candidate)) {
                events = std::move(candidate);
                changed = true;
            }
        }
        for (std::size_t i = 0; !changed && i + 1 < events.size(); ++i) {
            if (events[i].kind != Kind::Wait || events[i + 1].kind != Kind::Wait) continue;
            std::vector<SoakEvent> candidate = without(i + 1, i + 1);
            candidate[i].a = events[i].a + events[i + 1].a;
            if (fails(candidate)) {
                events = std::move(candidate);
                changed = true;
            }
        }
        if (changed || events.size() > 80) continue;
        for (std::size_t i = 0; !changed && i < events.size(); ++i) {
            for (std::size_t j = i + 1; !changed && j < events.size(); ++j) {
                std::vector<SoakEvent> candidate = without(i, j);
                if (fails(candidate)) {
                    events = std::move(candidate);
                    changed = true;
                }
            }
        }
    }
    // Shorter waits read more easily: halve each while the failure stays.
    for (std::size_t i = 0; i < events.size(); ++i) {
        while (i < events.size() && events[i].kind == Kind::Wait && events[i].a > 0) {
            std::vector<SoakEvent> candidate = events;
            candidate[i].a /= 2;
            if (!fails(candidate)) break;
            events = std::move(candidate);
        }
    }
    return events;
}

std::string DescribeFailure(const std::optional<SoakFailure>& failure) {
    if (!failure) return "";
    return failure->rule + " (" + failure->detail + ", event " + std::to_string(failure->event) + ")";
}

std::string FailureReport(std::uint64_t seed, const SoakFailure& failure, const std::vector<SoakEvent>& shrunk,
                          const ExtraCheck& extra) {
    std::ostringstream out;
    out << "Soak seed " << seed << ": " << failure.rule << "\n  " << failure.detail << ", event " << failure.event
        << " of the generated run\n"
        << "Shortest event list that still fails (" << shrunk.size() << " events):\n"
        << "    using namespace pairon::soak;\n"
        << "    const std::vector<SoakEvent> events = {\n";
    for (const SoakEvent& e : shrunk) out << "        " << Describe(e) << ",\n";
    out << "    };\n"
        << "    // fails with: " << DescribeFailure(ReplaySoak(seed, shrunk, extra)) << "\n";
    out << "    EXPECT_EQ(DescribeFailure(ReplaySoak(" << seed << "u, events)), \"\");\n";
    return out.str();
}

}  // namespace pairon::soak

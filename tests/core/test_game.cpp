#include "test_game.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "board/board.h"
#include "game/game_rules.h"
#include "game/invariants.h"
#include "game/numbers.h"
#include "pictures/picture_files.h"
#include "window/setup_flow.h"

namespace pairon::test {

double ScriptedRandom::Uniform() {
    ++draws_;
    if (queued_.empty()) return fallback_.Uniform();
    double u = queued_.front();
    queued_.pop_front();
    return u;
}

std::vector<std::string> Items(const TextList& list) {
    std::vector<std::string> items;
    for (std::size_t k = 0; k < list.Count(); ++k) items.push_back(list.Read(k));
    return items;
}

std::string FaceFile(int face) { return "Card" + std::to_string(face) + ".bmp"; }

TestGame::TestGame(std::uint64_t seed) : random(seed), form(random), clock(form) {
    Form_Load(form);
    AfterEvent("start-up");
}

void TestGame::AfterEvent(std::string_view event) {
    clock.Sync();
    CheckInvariants(event);
    Hear();
}

void TestGame::Hear() {
    GameSnapshot now = TakeGameSnapshot(form);
    for (Happening& happening : WhatHappened(snapshot_, now, form)) heard.push_back(std::move(happening));
    snapshot_ = now;
}

void TestGame::CheckInvariants(std::string_view event) {
    // The rules hold from Done to the last pair: the button reads "End Game"
    // and the player panel no longer covers the board.
    if (!GameRunning(form) || form.fraPlayers.visible) return;
    for (const std::string& rule : BrokenGameInvariants(form)) {
        ADD_FAILURE() << "after " << event << " at " << clock.Now() << " ms: " << rule;
    }
}

void TestGame::ChooseWidth(std::string_view width) {
    pairon::ChooseWidth(form, width);
    AfterEvent("choosing the width");
}

void TestGame::ChooseHeight(std::string_view height) {
    pairon::ChooseHeight(form, height);
    AfterEvent("choosing the height");
}

void TestGame::ChooseBoard(int width, int height) {
    ChooseWidth(std::to_string(width));
    ChooseHeight(std::to_string(height));
}

void TestGame::ChoosePlayers(int seats) {
    pairon::ChoosePlayers(form, std::to_string(seats));
    AfterEvent("choosing the players");
}

void TestGame::ChooseType(int seat, std::string_view type) {
    pairon::ChoosePlayerType(form, seat, type);
    AfterEvent("choosing a seat type");
}

void TestGame::ChooseLevel(int seat, std::string_view level) {
    pairon::ChooseComputerLevel(form, seat, level);
    AfterEvent("choosing a level");
}

void TestGame::TypeName(int seat, std::string_view name) {
    form.txtPlayer[static_cast<std::size_t>(seat)].SetText(name);
    AfterEvent("typing a name");
}

void TestGame::SetHighlight(bool on) {
    SetCheckBox(form, form.chkHighlight, on ? 1 : 0);
    AfterEvent("toggling Highlight Selected");
}

void TestGame::SetMultiplePairs(bool on) {
    SetCheckBox(form, form.chkMultiple, on ? 1 : 0);
    AfterEvent("toggling Multiple Pairs");
}

void TestGame::SetBackground(bool on) {
    SetCheckBox(form, form.chkBackground, on ? 1 : 0);
    AfterEvent("toggling Background Picture");
}

void TestGame::MoveSpeed(int position) {
    MoveSpeedSlider(form, position);
    AfterEvent("moving the speed slider");
}

void TestGame::NewGame() {
    EXPECT_EQ(form.cmdNew.caption, "New Game") << "New Game pressed while the button reads otherwise";
    cmdNew_Click(form);
    AfterEvent("New Game");
}

void TestGame::Done() {
    EXPECT_TRUE(form.fraPlayers.visible) << "Done pressed while the player panel is hidden";
    cmdDone_Click(form);
    AfterEvent("Done");
}

void TestGame::EndGame() {
    EXPECT_EQ(form.cmdNew.caption, "End Game") << "End Game pressed while the button reads otherwise";
    cmdNew_Click(form);
    AfterEvent("End Game");
}

void TestGame::Exit() {
    cmdExit_Click(form);
    AfterEvent("Exit");
}

void TestGame::Click(int code) {
    if (code < 0 || code >= kCardSlots) return;
    if (!form.imgCard[static_cast<std::size_t>(code)].visible || form.fraPlayers.visible) return;
    imgCard_Click(form, code);
    AfterEvent("a click on card " + std::to_string(code));
}

void TestGame::Advance(std::int64_t milliseconds) {
    const std::int64_t until = clock.Now() + milliseconds;
    while (true) {
        const std::int64_t next = clock.NextTick();
        if (next < 0 || next > until) break;
        clock.FireNext();
        CheckInvariants("a timer tick");
        Hear();
    }
    clock.AdvanceTo(until);
}

void TestGame::Start(int width, int height, const std::vector<Seat>& seats, std::vector<int> faces) {
    ChooseBoard(width, height);
    ChoosePlayers(static_cast<int>(seats.size()));
    NewGame();
    for (std::size_t i = 0; i < seats.size(); ++i) {
        const int seat = static_cast<int>(i);
        if (seats[i].computer) {
            ChooseType(seat, "Computer");
            ChooseLevel(seat, seats[i].text);
        } else {
            ChooseType(seat, "Human");
            TypeName(seat, seats[i].text);
        }
    }
    ScriptDeal(std::move(faces));
    Done();
}

void TestGame::ScriptDeal(std::vector<int> faces) {
    ASSERT_EQ(form.cmdNew.caption, "End Game") << "a deal is scripted after New Game";
    ASSERT_EQ(static_cast<int>(faces.size()), Width() * Height()) << "a scripted deal fills the whole board";
    std::map<int, int> count;
    for (int face : faces) {
        ASSERT_TRUE(face >= 1 && face <= kCardFaces) << "no card has face " << face;
        ++count[face];
    }
    for (const auto& [face, n] : count) ASSERT_EQ(n % 2, 0) << "face " << face << " lies on an odd number of cards";
    form.lstShuffled.Empty();
    for (int face : faces) form.lstShuffled.Append(DecimalText(face));
}

int TestGame::Width() const { return BoardWidth(form); }
int TestGame::Height() const { return BoardHeight(form); }

int TestGame::Code(int boardIndex) const { return (boardIndex / Width()) * 10 + boardIndex % Width(); }

std::vector<int> TestGame::PositionsOf(int face) const {
    std::vector<int> codes;
    for (std::size_t k = 0; k < form.lstShuffled.Count(); ++k) {
        if (form.lstShuffled.Value(k) == face) codes.push_back(Code(static_cast<int>(k)));
    }
    return codes;
}

int TestGame::FirstOf(int face) const {
    std::vector<int> codes = PositionsOf(face);
    EXPECT_EQ(codes.size(), 2u) << "face " << face << " is not on exactly one pair";
    return codes.empty() ? -1 : codes[0];
}

int TestGame::SecondOf(int face) const {
    std::vector<int> codes = PositionsOf(face);
    EXPECT_EQ(codes.size(), 2u) << "face " << face << " is not on exactly one pair";
    return codes.size() < 2 ? -1 : codes[1];
}

void TestGame::TakePair(int face) {
    std::vector<int> shown;
    for (int code : PositionsOf(face)) {
        if (SlotShown(code)) shown.push_back(code);
    }
    ASSERT_GE(shown.size(), 2u) << "no pair of face " << face << " left on the board";
    Click(shown[0]);
    Click(shown[1]);
}

void TestGame::Miss(int faceA, int faceB) {
    ASSERT_NE(faceA, faceB);
    for (int face : {faceA, faceB}) {
        std::vector<int> codes = PositionsOf(face);
        auto shown = std::find_if(codes.begin(), codes.end(), [this](int code) { return SlotShown(code); });
        ASSERT_NE(shown, codes.end()) << "no card of face " << face << " left on the board";
        Click(*shown);
    }
    Advance(form.tmrCardDelay.interval);
}

std::vector<int> TestGame::FacesLeft() const {
    std::set<int> faces;
    for (std::size_t k = 0; k < form.lstShuffled.Count(); ++k) {
        if (SlotShown(Code(static_cast<int>(k)))) faces.insert(form.lstShuffled.Value(k));
    }
    return {faces.begin(), faces.end()};
}

void TestGame::QueueRandomPick(int code) { random.QueueItem(code, Height() * 10); }

bool TestGame::SlotShown(int code) const { return form.imgCard.at(static_cast<std::size_t>(code)).visible; }

std::string TestGame::SlotPicture(int code) const { return form.imgCard.at(static_cast<std::size_t>(code)).file; }

int TestGame::FaceShown(int code) const {
    const std::string file = SlotPicture(code);
    for (int face = 1; face <= kCardFaces; ++face) {
        if (file == FaceFile(face)) return face;
    }
    return 0;
}

std::vector<int> TestGame::ShownSlots() const {
    std::vector<int> codes;
    for (int code = 0; code < kCardSlots; ++code) {
        if (SlotShown(code)) codes.push_back(code);
    }
    return codes;
}

std::vector<int> TestGame::FaceUpSlots() const {
    std::vector<int> codes;
    for (int code : ShownSlots()) {
        if (FaceShown(code) != 0) codes.push_back(code);
    }
    return codes;
}

std::vector<int> TestGame::BoldSeats() const {
    std::vector<int> seats;
    for (int i = 0; i < kSeats; ++i) {
        if (form.lblPlayer[static_cast<std::size_t>(i)].bold) seats.push_back(i);
    }
    return seats;
}

}  // namespace pairon::test

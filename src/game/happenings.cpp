#include "game/happenings.h"

#include <algorithm>
#include <string_view>

#include "game/game_rules.h"
#include "game/numbers.h"
#include "pictures/picture_files.h"

namespace pairon {

namespace {

bool IsComputer(const MainForm& form, int seat) {
    return seat >= 0 && seat < kSeats && form.lblPlayer[static_cast<std::size_t>(seat)].text == kComputerName;
}

int SeatOf(const GameSnapshot& snapshot, int turns) { return snapshot.seats > 0 ? turns % snapshot.seats : 0; }

}  // namespace

GameSnapshot TakeGameSnapshot(const MainForm& form) {
    GameSnapshot s;
    for (std::size_t p = 0; p < s.cards.size(); ++p) {
        const Picture& card = form.imgCard[p];
        s.cards[p] = {FaceOfPictureFile(card.file), card.loads, card.visible};
    }
    for (std::size_t i = 0; i < s.scores.size(); ++i) s.scores[i] = WholeValue(form.lblScore[i].text);
    s.turns = WholeValue(form.lblTurn.text);
    s.seats = std::max(1, SeatCount(form));
    s.pairsLeft = WholeValue(form.lblPairs.text);
    s.selected = static_cast<int>(form.lstSelection.Count());
    s.dealt = form.cmdNew.caption == kEndGameCaption;
    s.playing = s.dealt && !form.fraPlayers.visible;
    s.outcome = form.fraOutcome.visible;
    return s;
}

std::vector<Happening> WhatHappened(const GameSnapshot& before, const GameSnapshot& after, const MainForm& form) {
    std::vector<Happening> happened;
    if (before.dealt && !after.dealt) {
        happened.push_back({HappeningKind::GameLeft});
        return happened;
    }
    if (!before.dealt && after.dealt) {
        happened.push_back({HappeningKind::GameDealt});
        return happened;
    }
    if (!after.playing) return happened;
    if (!before.playing) {
        Happening started{HappeningKind::PlayStarted};
        started.nextSeat = SeatOf(after, after.turns);
        started.computer = IsComputer(form, started.nextSeat);
        happened.push_back(started);
        return happened;
    }

    const int player = SeatOf(before, before.turns);
    const bool computer = IsComputer(form, player);

    Happening turnedBack{HappeningKind::CardsTurnedBack};
    for (int p = 0; p < kCardSlots; ++p) {
        const auto& was = before.cards[static_cast<std::size_t>(p)];
        const auto& is = after.cards[static_cast<std::size_t>(p)];
        if (was.visible && was.face > 0 && is.visible && is.face == 0 && is.loads != was.loads) {
            turnedBack.positions.push_back(p);
        }
    }
    if (!turnedBack.positions.empty()) happened.push_back(turnedBack);

    for (int p = 0; p < kCardSlots; ++p) {
        const auto& was = before.cards[static_cast<std::size_t>(p)];
        const auto& is = after.cards[static_cast<std::size_t>(p)];
        if (is.loads == was.loads || is.face == 0) continue;
        Happening shown{HappeningKind::CardShown};
        shown.seat = player;
        shown.computer = computer;
        shown.position = p;
        shown.face = is.face;
        shown.second = before.selected == 1;
        happened.push_back(shown);
    }

    for (int seat = 0; seat < kSeats; ++seat) {
        const auto i = static_cast<std::size_t>(seat);
        if (after.scores[i] <= before.scores[i]) continue;
        Happening pair{HappeningKind::PairFound};
        pair.seat = seat;
        pair.computer = IsComputer(form, seat);
        pair.score = after.scores[i];
        pair.pairsLeft = after.pairsLeft;
        for (int p = 0; p < kCardSlots; ++p) {
            const auto& was = before.cards[static_cast<std::size_t>(p)];
            const auto& is = after.cards[static_cast<std::size_t>(p)];
            if (was.visible && !is.visible) {
                pair.positions.push_back(p);
                pair.face = is.face;
            }
        }
        happened.push_back(pair);
    }

    if (after.turns > before.turns) {
        Happening missed{HappeningKind::Missed};
        missed.seat = player;
        missed.computer = computer;
        missed.nextSeat = SeatOf(after, after.turns);
        happened.push_back(missed);
    }

    if (!before.outcome && after.outcome) {
        const std::string& result = form.picResult.file;
        Happening end{HappeningKind::GameWon};
        if (result == kFrustratedFile) {
            end.kind = HappeningKind::GameDrawn;
        } else if (result == kTrophyFile) {
            end.kind = HappeningKind::GameFinished;
            end.seat = 0;
        } else {
            end.seat = static_cast<int>(std::max_element(after.scores.begin(), after.scores.end()) - after.scores.begin());
        }
        end.computer = IsComputer(form, end.seat);
        happened.push_back(end);
    }
    return happened;
}

}  // namespace pairon

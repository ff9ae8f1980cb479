#include "board/board_mark.h"

namespace pairon {

namespace {

constexpr int kSlots = kCardSlots;

// Slot centres lie 840 layout units apart across and 1200 down.
constexpr long long kColumnStep = 840;
constexpr long long kRowStep = 1200;

int FirstShown(const std::function<bool(int)>& shown) {
    for (int p = 0; p < kSlots; ++p) {
        if (shown(p)) return p;
    }
    return -1;
}

int LastShown(const std::function<bool(int)>& shown) {
    for (int p = kSlots - 1; p >= 0; --p) {
        if (shown(p)) return p;
    }
    return -1;
}

}  // namespace

std::optional<MarkMove> MarkMoveOfKey(std::string_view key) {
    if (key == "ArrowLeft") return MarkMove::Left;
    if (key == "ArrowRight") return MarkMove::Right;
    if (key == "ArrowUp") return MarkMove::Up;
    if (key == "ArrowDown") return MarkMove::Down;
    if (key == "Home") return MarkMove::First;
    if (key == "End") return MarkMove::Last;
    return std::nullopt;
}

int MoveMark(int from, MarkMove move, const std::function<bool(int)>& shown) {
    const int first = FirstShown(shown);
    if (first < 0) return -1;
    if (move == MarkMove::Last) return LastShown(shown);
    if (move == MarkMove::First || from < 0 || from >= kSlots) return first;

    const int row = from / kBoardColumns;
    const int column = from % kBoardColumns;
    for (int step = 1; step < kSlots; ++step) {
        int next = -1;
        switch (move) {
            case MarkMove::Right: next = (from + step) % kSlots; break;
            case MarkMove::Left: next = (from - step + kSlots) % kSlots; break;
            case MarkMove::Down:
                if (step >= kBoardRows) return from;
                next = ((row + step) % kBoardRows) * kBoardColumns + column;
                break;
            case MarkMove::Up:
                if (step >= kBoardRows) return from;
                next = ((row - step + kBoardRows) % kBoardRows) * kBoardColumns + column;
                break;
            case MarkMove::First:
            case MarkMove::Last: break;
        }
        if (shown(next)) return next;
    }
    return from;
}

int NearestShownSlot(int gone, const std::function<bool(int)>& shown) {
    int best = -1;
    long long bestDistance = 0;
    int bestFollowing = 0;
    for (int p = 0; p < kSlots; ++p) {
        if (!shown(p)) continue;
        const long long across = (p % kBoardColumns - gone % kBoardColumns) * kColumnStep;
        const long long down = (p / kBoardColumns - gone / kBoardColumns) * kRowStep;
        const long long distance = across * across + down * down;
        const int following = (p - gone + kSlots) % kSlots;
        if (best < 0 || distance < bestDistance || (distance == bestDistance && following < bestFollowing)) {
            best = p;
            bestDistance = distance;
            bestFollowing = following;
        }
    }
    return best;
}

}  // namespace pairon

#include "pictures/deck_faces.h"

#include <algorithm>
#include <numeric>
#include <utility>

#include "pictures/picture_files.h"

namespace pairon {

namespace {

// A small generator of the deck's own (SplitMix64): the same seed, the same
// pictures, on any platform.
class Draws {
public:
    explicit Draws(std::uint64_t seed) : state_(seed) {}
    // A whole number in [0, n).
    std::size_t Below(std::size_t n) {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        z ^= z >> 31;
        return static_cast<std::size_t>(z % n);
    }

private:
    std::uint64_t state_;
};

}  // namespace

void DeckFaces::Choose(std::vector<DeckPicture> pictures) {
    pictures_ = std::move(pictures);
    faces_.clear();
    Deal(0);
}

void DeckFaces::Deal(std::uint64_t seed) {
    std::vector<std::size_t> order(pictures_.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    // The first min(26, n) places of a shuffle: each picture is as likely as
    // any other to show, and none shows twice.
    Draws draws(seed);
    const std::size_t shown = std::min<std::size_t>(order.size(), kCardFaces);
    for (std::size_t k = 0; k < shown; ++k) std::swap(order[k], order[k + draws.Below(order.size() - k)]);
    order.resize(shown);
    faces_ = std::move(order);
}

const DeckPicture* DeckFaces::Instead(std::string_view file) const {
    for (std::size_t face = 1; face <= faces_.size(); ++face) {
        if (file == CardFaceFile(static_cast<int>(face))) return &pictures_[faces_[face - 1]];
    }
    return nullptr;
}

}  // namespace pairon

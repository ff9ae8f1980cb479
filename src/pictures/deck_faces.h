#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace pairon {

// One picture of a deck the player made: the card-sized copies drawn for a
// screen at 100 percent, for a sharp one and for the largest window, and the
// name it reads as.
struct DeckPicture {
    std::string normalPath;
    std::string sharpPath;
    std::string largePath;
    std::string name;
};

// Which picture shows each face while a deck of the player's own is chosen.
// The game still loads "Card7.bmp" for face 7; this says what that name
// shows instead. A deck of 26 pictures or more gives every face a picture,
// drawn afresh at each deal; a smaller one gives faces 1 ... n a picture each
// and leaves the others their standard ones.
//
// The draw uses a generator of its own, so the rules' random draws are the
// same with any deck.
class DeckFaces {
public:
    // The pictures of the chosen deck; none for the standard cards.
    void Choose(std::vector<DeckPicture> pictures);
    bool Empty() const { return pictures_.empty(); }
    std::size_t Size() const { return pictures_.size(); }

    // Gives the faces their pictures for the next game.
    void Deal(std::uint64_t seed);

    // The deck's picture that shows instead of the standard picture file
    // `file`, or nullptr where the standard picture shows.
    const DeckPicture* Instead(std::string_view file) const;

private:
    std::vector<DeckPicture> pictures_;
    std::vector<std::size_t> faces_;  // face n shows pictures_[faces_[n - 1]]
};

}  // namespace pairon

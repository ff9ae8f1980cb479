#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "pictures/deck_faces.h"
#include "pictures/picture_files.h"

namespace pairon {

// The ends of the file names of a picture's copies: NAME.bmp for a screen at
// 100 percent, NAME@2x.bmp for a sharp one, NAME@6x.bmp for the largest
// window.
inline constexpr const char* kNormalCopyEnd = ".bmp";
inline constexpr const char* kSharpCopyEnd = "@2x.bmp";
static_assert(kPictureScale == 2, "a deck's sharp copy is named for the picture scale");
inline constexpr const char* kLargeCopyEnd = "@6x.bmp";
// The longest name a picture of a deck gets, in bytes of its file name: with
// its copies' ends and a number to tell it from another of the same name,
// it fits the 255 bytes a file's name can have.
inline constexpr int kLongestPictureName = 230;
// The longest name a deck can have, in characters: any 60 characters, with
// a number to tell it from another deck of the same name, fit a file's name.
inline constexpr int kLongestDeckName = 60;

// What removing a deck did.
enum class DeckRemoval {
    Removed,   // the deck's folder and its pictures are gone
    NotThere,  // no such deck
    Linked,    // the deck is a link to a folder elsewhere: nothing was touched
    KeptOthers,  // its pictures are gone; files the game did not make stay, and so does the folder
    Failed,    // a picture or the folder could not be deleted
};

// The decks a player has made, one folder each under a common folder, each
// holding card-sized copies of every picture (see kNormalCopyEnd). Folders
// whose names start with a dot are imports still under way and are no decks.
// A deck's folder may be a link to a folder elsewhere, put there by hand: it
// is played as any other, but never removed.
class DeckStore {
public:
    // $XDG_DATA_HOME/pairon/decks, normally ~/.local/share/pairon/decks.
    static QString UsualFolder();

    explicit DeckStore(QString folder) : folder_(std::move(folder)) {}
    const QString& Folder() const { return folder_; }

    // The decks, by name, in alphabetical order.
    QStringList Names() const;
    bool Has(const QString& name) const;
    // The pictures of a deck, in the order of their names; none for a deck
    // that is not there.
    std::vector<DeckPicture> Pictures(const QString& name) const;
    // Deletes what the game wrote of a deck: the copies of its pictures and
    // then its folder. Nothing else is deleted, no link is followed, and the
    // photos it was made from are never touched.
    DeckRemoval Remove(const QString& name);
    // Where a deck's folder is, or where its link leads.
    QString PathOf(const QString& name) const;

    // Whether a typed name is too long for a deck (kLongestDeckName).
    static bool NameTooLong(const QString& typed);
    // A name for a new deck, as close to `wanted` as the folder allows, that
    // the list of decks shows: no slashes or control characters, no leading
    // dot or space, not the standard deck's name, and not taken ("Holiday
    // (2)" after "Holiday").
    QString FreeName(const QString& wanted) const;

private:
    QString folder_;
};

// The name the remembered choices give the standard cards.
inline constexpr const char* kStandardDeckName = "Standard";

}  // namespace pairon

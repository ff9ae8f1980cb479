#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "pictures/deck_faces.h"

namespace pairon {

// The decks a player has made, one folder each under a common folder, each
// holding a card-sized copy of every picture for a screen at 100 percent
// (NAME.bmp) and one for a sharp screen (NAME@2x.bmp). Folders whose names
// start with a dot are imports still under way and are no decks.
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
    // Deletes a deck and its pictures; the photos it was made from are
    // never touched.
    bool Remove(const QString& name);

    // A name for a new deck, as close to `wanted` as the folder allows: no
    // slashes, no leading dot, not the standard deck's name, and not taken
    // ("Holiday (2)" after "Holiday").
    QString FreeName(const QString& wanted) const;

private:
    QString folder_;
};

// The name the remembered choices give the standard cards.
inline constexpr const char* kStandardDeckName = "Standard";

}  // namespace pairon

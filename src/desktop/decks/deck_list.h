#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <set>
#include <string>

#include "decks/deck_store.h"
#include "pictures/deck_faces.h"

class QComboBox;
class QPixmap;
class QWidget;

namespace pairon {

class ChoicesFile;
struct MainForm;

// The "Cards" list of the game options: "Standard", then each deck the player
// has made, then "Add pictures..." and, while there is a deck, "Remove
// deck...". It decides which picture shows each face and nothing else: the
// game never hears of it.
class DeckList : public QObject {
    Q_OBJECT
public:
    // What the list asks the player, and how it tells the outcome. The
    // desktop's dialogs unless a test gives its own.
    struct Asking {
        std::function<QString()> folder;                         // empty: nothing chosen
        std::function<QString(const QString& proposed)> name;    // empty: cancelled
        std::function<QString(const QStringList& decks, const QString& current)> deckToRemove;
        std::function<bool(const QString& deck)> confirmRemove;  // false: kept
        std::function<void(const QString&)> tell;
    };

    // `list` is the window's list, with the standard deck as its one item.
    DeckList(QComboBox* list, DeckStore store, QWidget* window);
    ~DeckList() override;

    // Each question `asking` answers replaces the desktop's dialog for it;
    // the others keep theirs.
    void SetAsking(Asking asking);
    // The generator of each deal's pictures; the clock's by default.
    void SetSeeds(std::function<std::uint64_t()> seeds) { seeds_ = std::move(seeds); }

    // Chooses the deck the choices file remembers; a deck that is no longer
    // there leaves the standard cards, told in one line on stderr.
    void Restore(ChoicesFile* choices);

    // Follows the game after each event: the list can change only in the
    // setup state, and a new deal draws the deck's pictures afresh.
    void Follow(const MainForm& form);

    // The name of the chosen deck; kStandardDeckName for the standard cards.
    QString Chosen() const { return chosen_; }
    bool Choose(const QString& name);

    // The picture that shows instead of a standard picture file, read afresh
    // from the copy drawn for `pictureScale` (pixels of the screen to a pixel
    // of the layout) and carrying that copy's factor as its device pixel
    // ratio; null where the standard picture shows. A copy that can't be
    // loaded gives null too: the standard picture shows, and the face reads
    // as the standard one until its picture loads again.
    QPixmap PictureInstead(const std::string& file, double pictureScale);
    // The path of that copy; empty where the standard picture shows.
    QString PathInstead(const std::string& file, double pictureScale) const;
    // What a face that shows a deck's picture reads as; empty where the
    // standard picture shows.
    QString NameInstead(const std::string& file) const;

    // Runs "Add pictures..." and "Remove deck..." as choosing them does.
    void AddPictures();
    void RemoveDeck();

    const DeckStore& Store() const { return store_; }

private:
    void Fill();
    void Activated(int index);
    void Keep();

    QPointer<QComboBox> list_;
    DeckStore store_;
    QWidget* window_;
    Asking asking_;
    std::function<std::uint64_t()> seeds_;
    DeckFaces faces_;
    std::set<std::string> unloadable_;  // the pictures, by their first copy, that did not load
    QString chosen_ = QLatin1String(kStandardDeckName);
    ChoicesFile* choices_ = nullptr;
    bool inGame_ = false;
    bool busy_ = false;
};

// The texts of the list's own items, in the player's language.
QString StandardDeckText();
QString AddPicturesText();
QString RemoveDeckText();
// Every text the list's own dialogs show, in the player's language.
QStringList DeckListTexts();
// What the player is told when a typed name is too long for a deck, and
// when removing a deck did not delete all of it.
QString DeckNameTooLongText();
QString RemoveConfirmText(const QString& deck);
QString RemovalReport(DeckRemoval removal, const QString& deck, const QString& path);

}  // namespace pairon

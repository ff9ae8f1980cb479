#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

#include "decks/deck_store.h"
#include "pictures/deck_faces.h"

class QComboBox;
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
        std::function<void(const QString&)> tell;
    };

    // `list` is the window's list, with the standard deck as its one item.
    DeckList(QComboBox* list, DeckStore store, QWidget* window);
    ~DeckList() override;

    void SetAsking(Asking asking) { asking_ = std::move(asking); }
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

    // The picture that shows instead of a standard picture file, as the path
    // for a screen at 100 percent or a sharp one; empty where the standard
    // picture shows.
    QString PathInstead(const std::string& file, bool sharp) const;
    // What a face that shows a deck's picture reads as; empty otherwise.
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

}  // namespace pairon

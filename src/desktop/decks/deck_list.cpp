#include "desktop/decks/deck_list.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <cstdio>

#include "game/game_rules.h"
#include "game/main_form.h"
#include "files/choices_file.h"
#include "desktop/decks/deck_import_dialog.h"

namespace pairon {

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("Decks", text); }

constexpr const char* kRememberedKey = "Options/Cards";

QString DialogTitle() { return Tr(QT_TRANSLATE_NOOP("Decks", "Add pictures")); }
QString NameQuestion() { return Tr(QT_TRANSLATE_NOOP("Decks", "Name of the new deck:")); }
QString RemoveQuestion() {
    return Tr(QT_TRANSLATE_NOOP(
        "Decks", "Remove this deck? Its card pictures are deleted; the photos it was made of stay where they are."));
}
QString MissingDeckLine(const QString& deck, const QString& folder) {
    return Tr(QT_TRANSLATE_NOOP("Decks", "Pairon: the deck \"%1\" is no longer in %2; playing with the standard cards."))
        .arg(deck, QDir::toNativeSeparators(folder));
}

// What an item of the list stands for, beside its shown text.
enum ItemKind { kDeckItem = 0, kAddItem = 1, kRemoveItem = 2 };

}  // namespace

namespace {

constexpr const char* kAddPictures = QT_TRANSLATE_NOOP("MainWindow", "Add pictures…");
constexpr const char* kRemoveDeck = QT_TRANSLATE_NOOP("MainWindow", "Remove deck…");

}  // namespace

QString StandardDeckText() { return QCoreApplication::translate("MainWindow", kStandardDeckName); }
QString AddPicturesText() { return QCoreApplication::translate("MainWindow", kAddPictures); }
QString RemoveDeckText() { return QCoreApplication::translate("MainWindow", kRemoveDeck); }

QStringList DeckListTexts() {
    return {DialogTitle(), NameQuestion(), RemoveQuestion(), MissingDeckLine(QStringLiteral("Holiday"), QStringLiteral("/decks")),
            DeckImportProgressText(QStringLiteral("Holiday")), DeckImportCancelText()};
}

DeckList::DeckList(QComboBox* list, DeckStore store, QWidget* window)
    : QObject(list), list_(list), store_(std::move(store)), window_(window) {
    seeds_ = [] { return static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch()) * 2654435761u; };
    asking_.folder = [this] {
        return QFileDialog::getExistingDirectory(window_, DialogTitle(), QDir::homePath());
    };
    asking_.name = [this](const QString& proposed) {
        bool ok = false;
        const QString name =
            QInputDialog::getText(window_, DialogTitle(), NameQuestion(), QLineEdit::Normal, proposed, &ok);
        return ok ? name.trimmed() : QString();
    };
    asking_.deckToRemove = [this](const QStringList& decks, const QString& current) {
        bool ok = false;
        const QString name = QInputDialog::getItem(window_, RemoveDeckText(), RemoveQuestion(), decks,
                                                   std::max(0, static_cast<int>(decks.indexOf(current))), false, &ok);
        return ok ? name : QString();
    };
    asking_.tell = [this](const QString& text) {
        QMessageBox::information(window_, DialogTitle(), text);
    };
    connect(list, &QComboBox::activated, this, &DeckList::Activated);
    Fill();
}

DeckList::~DeckList() = default;

void DeckList::Fill() {
    if (!list_) return;
    const QSignalBlocker quiet(list_);
    list_->clear();
    list_->addItem(StandardDeckText(), QString::fromLatin1(kStandardDeckName));
    const QStringList decks = store_.Names();
    for (const QString& deck : decks) list_->addItem(deck, deck);
    list_->addItem(AddPicturesText(), QString());
    list_->setItemData(list_->count() - 1, kAddItem, Qt::UserRole + 1);
    if (!decks.isEmpty()) {
        list_->addItem(RemoveDeckText(), QString());
        list_->setItemData(list_->count() - 1, kRemoveItem, Qt::UserRole + 1);
    }
    list_->setToolTip(chosen_ == QLatin1String(kStandardDeckName) ? QString() : chosen_);
    const int at = chosen_ == QLatin1String(kStandardDeckName) ? 0 : static_cast<int>(decks.indexOf(chosen_)) + 1;
    list_->setCurrentIndex(std::max(0, at));
}

bool DeckList::Choose(const QString& name) {
    if (name != QLatin1String(kStandardDeckName) && !store_.Has(name)) return false;
    chosen_ = name;
    faces_.Choose(name == QLatin1String(kStandardDeckName) ? std::vector<DeckPicture>{} : store_.Pictures(name));
    faces_.Deal(seeds_());
    Fill();
    Keep();
    return true;
}

void DeckList::Keep() {
    if (choices_) choices_->Keep(kRememberedKey, chosen_.toStdString());
}

void DeckList::Restore(ChoicesFile* choices) {
    choices_ = choices;
    if (!choices_) return;
    const std::optional<std::string> remembered = choices_->Held(kRememberedKey);
    if (!remembered) return;
    const QString name = QString::fromStdString(*remembered);
    if (!Choose(name)) {
        std::fprintf(stderr, "%s\n", MissingDeckLine(name, store_.Folder()).toLocal8Bit().constData());
        std::fflush(stderr);
        Choose(QLatin1String(kStandardDeckName));
    }
}

void DeckList::Follow(const MainForm& form) {
    const bool inGame = form.cmdNew.caption == kEndGameCaption;
    // Each game shows another draw of a large deck's pictures.
    if (inGame && !inGame_) faces_.Deal(seeds_());
    inGame_ = inGame;
    if (list_) list_->setEnabled(!inGame && !form.fraPlayers.visible);
}

void DeckList::Activated(int index) {
    if (!list_ || busy_ || inGame_) return;
    const int kind = list_->itemData(index, Qt::UserRole + 1).toInt();
    const QString deck = list_->itemData(index).toString();
    // While its dialogs are open the list goes on showing the deck in use.
    Fill();
    if (kind == kAddItem) {
        AddPictures();
    } else if (kind == kRemoveItem) {
        RemoveDeck();
    } else {
        Choose(deck);
    }
    Fill();
}

void DeckList::AddPictures() {
    busy_ = true;
    const QString folder = asking_.folder();
    if (!folder.isEmpty()) {
        const QString name = asking_.name(store_.FreeName(QFileInfo(QDir::cleanPath(folder)).fileName()));
        if (!name.isEmpty()) {
            const std::optional<QString> made = RunDeckImport(window_, store_, folder, store_.FreeName(name), asking_.tell);
            if (made) Choose(*made);
        }
    }
    busy_ = false;
    Fill();
}

void DeckList::RemoveDeck() {
    const QStringList decks = store_.Names();
    if (decks.isEmpty()) return;
    busy_ = true;
    const QString name = asking_.deckToRemove(decks, chosen_);
    if (!name.isEmpty() && store_.Remove(name) && name == chosen_) Choose(QLatin1String(kStandardDeckName));
    busy_ = false;
    Fill();
}

QString DeckList::PathInstead(const std::string& file, bool sharp) const {
    const DeckPicture* picture = faces_.Instead(file);
    if (!picture) return {};
    return QFile::decodeName(QByteArray::fromStdString(sharp ? picture->sharpPath : picture->normalPath));
}

QString DeckList::NameInstead(const std::string& file) const {
    const DeckPicture* picture = faces_.Instead(file);
    return picture ? QFile::decodeName(QByteArray::fromStdString(picture->name)) : QString();
}

}  // namespace pairon

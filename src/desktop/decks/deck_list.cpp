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
#include <QPixmap>
#include <QPushButton>
#include <cstdio>

#include "game/game_rules.h"
#include "game/main_form.h"
#include "decks/deck_import.h"
#include "files/choices_file.h"
#include "files/picture_loader.h"
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
QString RemoveButtonText() { return Tr(QT_TRANSLATE_NOOP("Decks", "Remove")); }
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

QString DeckNameTooLongText() {
    return Tr(QT_TRANSLATE_NOOP("Decks", "That name is too long: a deck's name can have at most %1 characters."))
        .arg(kLongestDeckName);
}

QString RemoveConfirmText(const QString& deck) {
    return Tr(QT_TRANSLATE_NOOP("Decks", "Remove the deck \"%1\"?")).arg(deck);
}

QString RemovalReport(DeckRemoval removal, const QString& deck, const QString& path) {
    const QString where = QDir::toNativeSeparators(path);
    switch (removal) {
        case DeckRemoval::Linked:
            return Tr(QT_TRANSLATE_NOOP("Decks",
                                        "The deck \"%1\" was not removed: it is a link to %2, and what lies there is "
                                        "not Pairon's to delete."))
                .arg(deck, where);
        case DeckRemoval::KeptOthers:
            return Tr(QT_TRANSLATE_NOOP("Decks",
                                        "The pictures of the deck \"%1\" were removed. Its folder %2 also holds files "
                                        "Pairon did not make; they are still there."))
                .arg(deck, where);
        case DeckRemoval::Failed:
        case DeckRemoval::NotThere:
            return Tr(QT_TRANSLATE_NOOP("Decks", "The deck \"%1\" could not be removed from %2.")).arg(deck, where);
        case DeckRemoval::Removed: break;
    }
    return {};
}

QStringList DeckListTexts() {
    const QString deck = QStringLiteral("Holiday");
    return {DialogTitle(), NameQuestion(), RemoveQuestion(), MissingDeckLine(deck, QStringLiteral("/decks")),
            DeckImportProgressText(deck), DeckImportCancelText(), DeckNameTooLongText(), RemoveConfirmText(deck),
            RemoveButtonText(), RemovalReport(DeckRemoval::Linked, deck, QStringLiteral("/photos")),
            RemovalReport(DeckRemoval::KeptOthers, deck, QStringLiteral("/decks/Holiday")),
            RemovalReport(DeckRemoval::Failed, deck, QStringLiteral("/decks"))};
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
    asking_.confirmRemove = [this](const QString& deck) {
        // Cancel is the default, and Escape answers it: the deck stays.
        QMessageBox box(QMessageBox::Question, RemoveDeckText(), RemoveConfirmText(deck), QMessageBox::Cancel, window_);
        QPushButton* remove = box.addButton(RemoveButtonText(), QMessageBox::DestructiveRole);
        box.setDefaultButton(QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
        box.exec();
        return box.clickedButton() == remove;
    };
    asking_.tell = [this](const QString& text) {
        QMessageBox::information(window_, DialogTitle(), text);
    };
    connect(list, &QComboBox::activated, this, &DeckList::Activated);
    Fill();
}

DeckList::~DeckList() = default;

void DeckList::SetAsking(Asking asking) {
    if (asking.folder) asking_.folder = std::move(asking.folder);
    if (asking.name) asking_.name = std::move(asking.name);
    if (asking.deckToRemove) asking_.deckToRemove = std::move(asking.deckToRemove);
    if (asking.confirmRemove) asking_.confirmRemove = std::move(asking.confirmRemove);
    if (asking.tell) asking_.tell = std::move(asking.tell);
}

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
    unloadable_.clear();
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
        QString proposed = store_.FreeName(QFileInfo(QDir::cleanPath(folder)).fileName());
        if (DeckStore::NameTooLong(proposed)) proposed.truncate(kLongestDeckName);
        QString name = asking_.name(proposed);
        // A name too long is refused before any photo is read, and asked again.
        while (!name.isEmpty() && DeckStore::NameTooLong(name)) {
            asking_.tell(DeckNameTooLongText());
            name = asking_.name(name.trimmed().left(kLongestDeckName));
        }
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
    if (!name.isEmpty() && asking_.confirmRemove(name)) {
        const QString path = store_.PathOf(name);
        const DeckRemoval removal = store_.Remove(name);
        if (removal != DeckRemoval::Linked && name == chosen_) Choose(QLatin1String(kStandardDeckName));
        if (removal != DeckRemoval::Removed) asking_.tell(RemovalReport(removal, name, path));
    }
    busy_ = false;
    Fill();
}

namespace {

// The copy of a picture drawn for a picture scale, and its factor.
std::pair<const std::string*, int> CopyFor(const DeckPicture& picture, double pictureScale) {
    if (pictureScale <= 1.0) return {&picture.normalPath, 1};
    if (pictureScale <= kPictureScale || picture.largePath == picture.sharpPath) {
        return {&picture.sharpPath, kPictureScale};
    }
    return {&picture.largePath, kLargeCardFactor};
}

}  // namespace

QString DeckList::PathInstead(const std::string& file, double pictureScale) const {
    const DeckPicture* picture = faces_.Instead(file);
    if (!picture) return {};
    return QFile::decodeName(QByteArray::fromStdString(*CopyFor(*picture, pictureScale).first));
}

QPixmap DeckList::PictureInstead(const std::string& file, double pictureScale) {
    const DeckPicture* picture = faces_.Instead(file);
    if (!picture) return {};
    const auto [path, factor] = CopyFor(*picture, pictureScale);
    QPixmap pixmap = LoadPictureFile(QFile::decodeName(QByteArray::fromStdString(*path)));
    if (pixmap.isNull()) {
        unloadable_.insert(picture->normalPath);
        return {};
    }
    unloadable_.erase(picture->normalPath);
    pixmap.setDevicePixelRatio(factor);
    return pixmap;
}

QString DeckList::NameInstead(const std::string& file) const {
    const DeckPicture* picture = faces_.Instead(file);
    if (!picture || unloadable_.count(picture->normalPath)) return {};
    return QFile::decodeName(QByteArray::fromStdString(picture->name));
}

}  // namespace pairon

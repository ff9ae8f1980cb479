// Playing with a deck of the player's own: the faces it has show its
// pictures and read as their names, the others show the standard ones, the
// game itself goes exactly as with the standard cards, and the choice is
// made only before a game, remembered, and given up when the deck is gone.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <unistd.h>
#include <functional>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QImageWriter>
#include <QTemporaryDir>
#include <set>

#include "decks/deck_store.h"
#include "pictures/deck_faces.h"
#include "pictures/picture_files.h"
#include "desktop/accessibility/accessibility.h"
#include "files/choices_file.h"
#include "desktop/decks/deck_list.h"
#include "desktop/widgets/picture_widgets.h"
#include "desktop/zoom/window_zoom.h"
#include "desktop/speech/play_by_ear.h"
#include "view/stderr_capture.h"
#include "view/view_fixture.h"

namespace pairon {
namespace {

QString DecksFolder() { return DeckStore::UsualFolder(); }

// A deck as an import leaves it: pictures "Photo 1" ... of one colour each.
void MakeDeck(const QString& name, int pictures) {
    const QDir deck(DecksFolder() + "/" + name);
    ASSERT_TRUE(QDir().mkpath(deck.path()));
    for (int k = 1; k <= pictures; ++k) {
        const QColor colour = QColor::fromHsv((k * 37) % 360, 200, 100 + k % 100);
        QImage normal(49, 73, QImage::Format_RGB32), sharp(98, 146, QImage::Format_RGB32), large(294, 438, QImage::Format_RGB32);
        normal.fill(colour);
        sharp.fill(colour);
        large.fill(colour);
        ASSERT_TRUE(normal.save(deck.filePath(QStringLiteral("Photo %1.bmp").arg(k)), "BMP"));
        ASSERT_TRUE(sharp.save(deck.filePath(QStringLiteral("Photo %1@2x.bmp").arg(k)), "BMP"));
        ASSERT_TRUE(large.save(deck.filePath(QStringLiteral("Photo %1@6x.bmp").arg(k)), "BMP"));
    }
}

void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QString Name(QWidget* widget) { return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name); }

// What the game holds that a deck must not change.
std::string GameState(const MainForm& f) {
    std::string s = f.lblTurn.text + "|" + f.lblIndex1.text + "|" + f.lblIndex2.text + "|" + f.lblPairs.text + "|";
    for (std::size_t k = 0; k < f.lstShuffled.Count(); ++k) s += f.lstShuffled.Read(k) + ",";
    for (const auto& score : f.lblScore) s += score.text + ",";
    for (const auto& card : f.imgCard) s += card.file + (card.visible ? "+" : "-");
    return s;
}

TEST(DeckPlay, AFiveCardDeckShowsItsFacesAndTheRestStandardWhileTheGameGoesAsEver) {
    MakeDeck("Five", 5);
    ViewFixture standard(7), mine(7);
    PlayByEar ear(mine.view);
    mine.view.Decks()->SetSeeds([] { return 11u; });
    ASSERT_TRUE(mine.view.Decks()->Choose("Five"));
    EXPECT_EQ(static_cast<QComboBox*>(mine.Control("cmbCards"))->currentText(), "Five");
    // A damaged picture shows the standard face instead, reads and is heard
    // as the standard face, and the game plays on.
    const QString damagedName = mine.view.Decks()->NameInstead(CardFaceFile(5));
    ASSERT_TRUE(damagedName.startsWith("Photo ")) << damagedName.toStdString();
    for (const double scale : {1.0, 2.0, 6.0}) {
        const QString path = mine.view.Decks()->PathInstead(CardFaceFile(5), scale);
        ASSERT_FALSE(path.isEmpty());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("BM broken");
    }

    int deckFaces = 0, standardFaces = 0;
    for (ViewFixture* ui : {&standard, &mine}) {
        ui->Press("cmdNew");
        ui->Press("cmdDone");
        EXPECT_FALSE(ui->Control("cmbCards")->isVisible());
    }
    // Where the two cards of a face lie.
    auto cardsOf = [&](int face) {
        std::vector<int> codes;
        for (int k = 0; k < 18; ++k) {
            if (standard.form.lstShuffled.Value(static_cast<std::size_t>(k)) == face) codes.push_back((k / 6) * 10 + k % 6);
        }
        return codes;
    };
    auto click = [&](int p) {
        standard.ClickCard(p);
        mine.ClickCard(p);
        ASSERT_EQ(GameState(mine.form), GameState(standard.form)) << "after a click on " << p;
        ASSERT_FALSE(mine.view.Failed());
        const std::string& file = mine.form.imgCard[static_cast<std::size_t>(p)].file;
        const int face = FaceOfPictureFile(file);
        if (face == 0 || !mine.form.imgCard[static_cast<std::size_t>(p)].visible) return;
        const QImage shown = mine.Card(p)->Picture().toImage();
        const QString instead = mine.view.Decks()->NameInstead(file);
        if (face <= 4) {
            ++deckFaces;
            EXPECT_TRUE(instead.startsWith("Photo ")) << face;
            EXPECT_EQ(shown, QImage(mine.view.Decks()->PathInstead(file, 1.0)).convertToFormat(shown.format()));
            EXPECT_TRUE(Name(mine.Card(p)).endsWith(", face up, " + instead)) << Name(mine.Card(p)).toStdString();
            const QString heard = ear.Announcements().Spoken().join(' ') + ear.Announcements().Waiting();
            EXPECT_TRUE(heard.contains(instead)) << heard.toStdString();
        } else {
            ++standardFaces;
            EXPECT_EQ(shown, standard.Card(p)->Picture().toImage()) << face;
            EXPECT_EQ(Name(mine.Card(p)), Name(standard.Card(p))) << face;
            EXPECT_TRUE(instead.isEmpty()) << face;
            const QString heard = ear.Announcements().Spoken().join(' ') + ear.Announcements().Waiting();
            EXPECT_FALSE(heard.contains(damagedName)) << heard.toStdString();
        }
    };
    // A miss first, then every pair.
    std::vector<int> faces;
    for (int face = 1; face <= kCardFaces; ++face) {
        if (cardsOf(face).size() == 2) faces.push_back(face);
    }
    ASSERT_EQ(faces.size(), 9u);
    click(cardsOf(faces[0])[0]);
    click(cardsOf(faces[1])[0]);
    click(cardsOf(faces[1])[0]);  // turns the two back
    for (int face : faces) {
        for (int p : cardsOf(face)) click(p);
    }
    EXPECT_EQ(standard.form.lblPairs.text, "0");
    EXPECT_GT(deckFaces, 0);
    EXPECT_GT(standardFaces, 0);
    // A card face down never gives its picture's name away.
    mine.Press("cmdNew");
    mine.Press("cmdNew");
    mine.Press("cmdDone");
    for (int p : {0, 1, 2}) EXPECT_TRUE(Name(mine.Card(p)).endsWith("face down")) << Name(mine.Card(p)).toStdString();
    QDir(DecksFolder() + "/Five").removeRecursively();
}

TEST(DeckPlay, ALargeDeckShows26DifferentPicturesDrawnAfreshEachGame) {
    DeckFaces faces;
    std::vector<DeckPicture> pictures;
    for (int k = 0; k < 30; ++k) pictures.push_back({"n" + std::to_string(k), "s" + std::to_string(k), "l" + std::to_string(k), std::to_string(k)});
    faces.Choose(pictures);
    std::set<std::set<std::string>> draws;
    for (std::uint64_t seed : {1u, 2u, 3u}) {
        faces.Deal(seed);
        std::set<std::string> shown;
        for (int face = 1; face <= kCardFaces; ++face) {
            const DeckPicture* picture = faces.Instead(CardFaceFile(face));
            ASSERT_NE(picture, nullptr);
            shown.insert(picture->name);
        }
        EXPECT_EQ(shown.size(), 26u);
        EXPECT_EQ(faces.Instead(std::string(kCardBackFile)), nullptr);
        draws.insert(shown);
    }
    EXPECT_GT(draws.size(), 1u);
}

TEST(DeckPlay, TheListChangesOnlyBeforeAGameIsRememberedAndGivesUpAMissingDeck) {
    QTemporaryDir profile;
    const QString path = profile.path() + "/pairon.conf";
    QTemporaryDir photos;
    for (const char* name : {"Grandma.jpg", "Dog.png", "Garden.jpeg"}) {
        QImage photo(400, 300, QImage::Format_RGB32);
        photo.fill(Qt::darkCyan);
        ASSERT_TRUE(photo.save(photos.path() + "/" + name));
    }
    QStringList told;
    {
        ChoicesFile choices(path);
        ViewFixture ui(3, QCoreApplication::applicationDirPath(), &choices);
        auto* list = static_cast<QComboBox*>(ui.Control("cmbCards"));
        // Named by its caption, as the other lists are; it reads as its item.
        EXPECT_EQ(list->accessibleName(), "Cards");
        EXPECT_EQ(static_cast<QLabel*>(ui.Control("Cards"))->buddy(), list);
        DeckList::Asking asking;
        asking.folder = [&] { return photos.path(); };
        asking.name = [](const QString& proposed) { return proposed == "Holiday" ? proposed : QString("Holiday"); };
        asking.deckToRemove = [](const QStringList&, const QString& current) { return current; };
        asking.tell = [&](const QString& text) { told << text; };
        ui.view.Decks()->SetAsking(asking);
        ui.view.Decks()->AddPictures();
        ASSERT_EQ(told.size(), 1);
        EXPECT_EQ(told[0], "Pictures in the deck \"Holiday\": 3.");
        EXPECT_EQ(ui.view.Decks()->Chosen(), "Holiday");
        EXPECT_EQ(list->currentText(), "Holiday");
        EXPECT_EQ(QAccessible::queryAccessibleInterface(list)->text(QAccessible::Value), "Holiday");
        QStringList items;
        for (int k = 0; k < list->count(); ++k) items << list->itemText(k);
        EXPECT_EQ(items, QStringList({"Standard", "Holiday", "Add pictures…", "Remove deck…"}));

        ui.Press("cmdNew");
        EXPECT_FALSE(list->isEnabled());
        // During the game a choice from the list changes nothing.
        emit list->activated(0);
        EXPECT_EQ(ui.view.Decks()->Chosen(), "Holiday");
        ui.Press("cmdDone");  // keeps the choices
    }
    {
        ChoicesFile choices(path);
        ViewFixture ui(3, QCoreApplication::applicationDirPath(), &choices);
        EXPECT_EQ(ui.view.Decks()->Chosen(), "Holiday");
        EXPECT_TRUE(ui.Control("cmbCards")->isEnabled());
        // Removing the chosen deck goes back to the standard cards.
        MakeDeck("Spare", 2);
        ASSERT_TRUE(ui.view.Decks()->Choose("Spare"));
        DeckList::Asking asking;
        asking.deckToRemove = [](const QStringList& decks, const QString& current) {
            return decks == QStringList({"Holiday", "Spare"}) ? current : QString();
        };
        asking.confirmRemove = [](const QString& deck) { return deck == "Spare"; };
        asking.tell = [&](const QString& text) { told << text; };
        ui.view.Decks()->SetAsking(asking);
        ui.view.Decks()->RemoveDeck();
        EXPECT_EQ(ui.view.Decks()->Chosen(), "Standard");
        EXPECT_FALSE(QFileInfo::exists(DecksFolder() + "/Spare"));
        EXPECT_EQ(static_cast<QComboBox*>(ui.Control("cmbCards"))->count(), 4);
        EXPECT_EQ(told.size(), 1) << "a removal that went as asked is not told";
    }
    // The deck's folder went away between two runs.
    ASSERT_TRUE(QDir(DecksFolder() + "/Holiday").removeRecursively());
    StderrCapture captured;
    {
        ChoicesFile choices(path);
        ViewFixture ui(3, QCoreApplication::applicationDirPath(), &choices);
        EXPECT_EQ(ui.view.Decks()->Chosen(), "Standard");
        EXPECT_EQ(static_cast<QComboBox*>(ui.Control("cmbCards"))->currentIndex(), 0);
        ui.Press("cmdNew");
        EXPECT_FALSE(ui.view.Failed());
    }
    const std::string err = captured.Release();
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    EXPECT_NE(err.find("\"Holiday\""), std::string::npos) << err;
}

TEST(DeckPlay, RemovingADeckAsksByNameAndDeletesOnlyWhatTheGameWrote) {
    MakeDeck("Plain", 2);
    // A deck with files of the player's own beside its pictures.
    MakeDeck("Mixed", 2);
    QImage own(300, 200, QImage::Format_RGB32);
    own.fill(Qt::darkGreen);
    ASSERT_TRUE(own.save(DecksFolder() + "/Mixed/Dog.bmp", "BMP"));
    Write(DecksFolder() + "/Mixed/notes.txt", "mine");
    // A deck linked by hand to a folder of the player's: even pictures of a
    // card's size there are the player's.
    QTemporaryDir holiday;
    QImage card(49, 73, QImage::Format_RGB32);
    card.fill(Qt::darkBlue);
    ASSERT_TRUE(card.save(holiday.path() + "/Beach.bmp", "BMP"));
    Write(holiday.path() + "/Beach.jpg", "a photo");
    ASSERT_TRUE(QFile::link(holiday.path(), DecksFolder() + "/Linked"));

    ViewFixture ui(3);
    ASSERT_EQ(ui.view.Decks()->Store().Names(), QStringList({"Linked", "Mixed", "Plain"}));
    QString toRemove;
    bool confirm = false;
    QStringList asked, told;
    DeckList::Asking asking;
    asking.deckToRemove = [&](const QStringList&, const QString&) { return toRemove; };
    asking.confirmRemove = [&](const QString& deck) {
        asked << deck;
        return confirm;
    };
    asking.tell = [&](const QString& text) { told << text; };
    ui.view.Decks()->SetAsking(asking);

    // Asked by its name; answered No, the deck stays.
    toRemove = "Plain";
    ASSERT_TRUE(ui.view.Decks()->Choose("Plain"));
    ui.view.Decks()->RemoveDeck();
    EXPECT_EQ(asked, QStringList{"Plain"});
    EXPECT_EQ(ui.view.Decks()->Chosen(), "Plain");
    EXPECT_EQ(QDir(DecksFolder() + "/Plain").entryList(QDir::Files).size(), 6);
    confirm = true;
    ui.view.Decks()->RemoveDeck();
    EXPECT_FALSE(QFileInfo::exists(DecksFolder() + "/Plain"));
    EXPECT_EQ(ui.view.Decks()->Chosen(), "Standard");
    EXPECT_TRUE(told.isEmpty()) << told.join('\n').toStdString();

    // A link is never followed: the link and all it leads to stay, and the
    // player is told why.
    toRemove = "Linked";
    ui.view.Decks()->RemoveDeck();
    EXPECT_TRUE(QFileInfo(DecksFolder() + "/Linked").isSymLink());
    EXPECT_EQ(QDir(holiday.path()).entryList(QDir::Files), QStringList({"Beach.bmp", "Beach.jpg"}));
    ASSERT_EQ(told.size(), 1);
    EXPECT_EQ(told[0], RemovalReport(DeckRemoval::Linked, "Linked", holiday.path()));
    EXPECT_TRUE(told[0].contains(holiday.path())) << told[0].toStdString();

    // The game's pictures go; the player's own files, and so their folder, stay.
    toRemove = "Mixed";
    ui.view.Decks()->RemoveDeck();
    EXPECT_EQ(QDir(DecksFolder() + "/Mixed").entryList(QDir::Files), QStringList({"Dog.bmp", "notes.txt"}));
    ASSERT_EQ(told.size(), 2);
    EXPECT_EQ(told[1], RemovalReport(DeckRemoval::KeptOthers, "Mixed", DecksFolder() + "/Mixed"));

    // A deck whose folder can't be written is said to be still there.
    if (::geteuid() != 0) {
        MakeDeck("Locked", 1);
        QFile::setPermissions(DecksFolder() + "/Locked", QFile::ReadOwner | QFile::ExeOwner);
        toRemove = "Locked";
        ui.view.Decks()->RemoveDeck();
        ASSERT_EQ(told.size(), 3);
        EXPECT_EQ(told[2], RemovalReport(DeckRemoval::Failed, "Locked", DecksFolder() + "/Locked"));
        EXPECT_TRUE(ui.view.Decks()->Store().Has("Locked"));
        QFile::setPermissions(DecksFolder() + "/Locked", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QDir(DecksFolder() + "/Locked").removeRecursively();
    }
    QFile::remove(DecksFolder() + "/Linked");
    QDir(DecksFolder() + "/Mixed").removeRecursively();
}

TEST(DeckPlay, TheRemovalDialogNamesTheDeckAndEscapeOrCancelKeepIt) {
    MakeDeck("Kept", 1);
    ViewFixture ui(3);
    DeckList::Asking asking;
    asking.deckToRemove = [](const QStringList&, const QString&) { return QString("Kept"); };
    ui.view.Decks()->SetAsking(asking);
    // Each time the question shows, the answer the player gives.
    std::vector<std::function<void(QMessageBox*)>> answers = {
        [](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); },
        [](QMessageBox* box) { box->button(QMessageBox::Cancel)->click(); },
        [](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Return); },  // the default button
        [](QMessageBox* box) {
            for (QAbstractButton* button : box->buttons()) {
                if (box->buttonRole(button) == QMessageBox::DestructiveRole) button->click();
            }
        },
    };
    QStringList questions;
    QTimer player;
    player.setInterval(0);
    QObject::connect(&player, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible() || questions.size() >= static_cast<int>(answers.size())) return;
        questions << box->text();
        answers[static_cast<std::size_t>(questions.size() - 1)](box);
    });
    player.start();
    for (int k = 0; k < 3; ++k) {
        ui.view.Decks()->RemoveDeck();
        EXPECT_TRUE(ui.view.Decks()->Store().Has("Kept")) << "answer " << k;
    }
    ui.view.Decks()->RemoveDeck();
    player.stop();
    EXPECT_FALSE(ui.view.Decks()->Store().Has("Kept"));
    EXPECT_EQ(questions, QStringList(4, RemoveConfirmText("Kept")));
    EXPECT_EQ(RemoveConfirmText("Kept"), "Remove the deck \"Kept\"?");
}

TEST(DeckPlay, ANameTooLongIsRefusedBeforeAnyPhotoIsRead) {
    QTemporaryDir photos;
    QImage photo(400, 300, QImage::Format_RGB32);
    photo.fill(Qt::darkCyan);
    ASSERT_TRUE(photo.save(photos.path() + "/Dog.jpg"));
    ViewFixture ui(3);
    QStringList named, told;
    DeckList::Asking asking;
    asking.folder = [&] { return photos.path(); };
    asking.name = [&](const QString& proposed) {
        named << proposed;
        return named.size() == 1 ? QString(61, 'n') : QString("Short");
    };
    asking.tell = [&](const QString& text) { told << text; };
    ui.view.Decks()->SetAsking(asking);
    ui.view.Decks()->AddPictures();
    ASSERT_EQ(told.size(), 2);
    EXPECT_EQ(told[0], DeckNameTooLongText());
    EXPECT_TRUE(told[0].contains("60")) << told[0].toStdString();
    // Asked again with what fits.
    EXPECT_EQ(named[1], QString(60, 'n'));
    EXPECT_EQ(told[1], "Pictures in the deck \"Short\": 1.");
    EXPECT_EQ(ui.view.Decks()->Store().Names(), QStringList{"Short"});
    QDir(DecksFolder() + "/Short").removeRecursively();
}

// A window at 300 percent on a screen at 200 percent draws a card six times
// its size: a deck's picture shows its six-fold copy, pixel for pixel.
TEST(SharpScreen, ADeckPictureAtThreeHundredPercentShowsItsLargestCopy) {
    MakeDeck("Large", 26);
    ViewFixture ui(3);
    if (ui.view.devicePixelRatioF() != 2) GTEST_SKIP() << "needs QT_SCALE_FACTOR=2";
    ASSERT_TRUE(ui.view.Decks()->Choose("Large"));
    ui.view.resize(ui.view.width() * 3, ui.view.height() * 3);
    ASSERT_EQ(ui.view.Zoom().Zoom(), 3.0);
    ui.Press("cmdNew");
    ui.Press("cmdDone");
    ui.ClickCard(0);
    const std::string& file = ui.form.imgCard[0].file;
    ASSERT_GT(FaceOfPictureFile(file), 0);
    const QImage large(ui.view.Decks()->PathInstead(file, 6.0));
    ASSERT_EQ(large.size(), QSize(294, 438));
    auto* card = static_cast<PictureWidget*>(ui.Card(0));
    EXPECT_TRUE(QTest::qWaitFor([&] { return card->Picture().size() == QSize(294, 438); }, 5000))
        << card->Picture().width() << " x " << card->Picture().height();
    EXPECT_EQ(card->Picture().devicePixelRatio(), 6.0);
    EXPECT_EQ(card->Picture().toImage().convertToFormat(large.format()), large);
    QDir(DecksFolder() + "/Large").removeRecursively();
}

}  // namespace
}  // namespace pairon

// The game in the player's language: every text it can show has a finished
// entry in every catalogue, every translation fits its control, and a game
// in German still plays to its end, the game's state keeping its English.

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyleOption>
#include <QXmlStreamReader>
#include <algorithm>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "game/game_rules.h"
#include "window/virtual_clock.h"
#include "pictures/picture_files.h"
#include "desktop/help_window/help_window.h"
#include "desktop/help_window/tab_strip.h"
#include "desktop/translation/languages.h"
#include "desktop/accessibility/accessibility.h"
#include "desktop/decks/deck_import_dialog.h"
#include "desktop/decks/deck_list.h"
#include "desktop/translation/translation.h"
#include "desktop/zoom/window_zoom.h"
#include "game/window_layout.h"
#include "window/wording.h"
#include "window/zoom.h"
#include "view/view_fixture.h"

namespace pairon {
namespace {

const QStringList kLanguages{"de", "es", "fr", "it", "nl", "pl", "pt_BR", "ru"};

// A text the game asked to have translated.
struct Asked {
    std::string context, source, disambiguation;
    bool numerus;
    bool operator<(const Asked& other) const {
        return std::tie(context, source, disambiguation, numerus) <
               std::tie(other.context, other.source, other.disambiguation, other.numerus);
    }
};

// Answers nothing, so the game stays in English, and notes every text of the
// game's own asked; Qt's own classes, whose names start with Q, have theirs.
class RecordingTranslator : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char* disambiguation, int n) const override {
        if (context && context[0] != 'Q') asked.insert({context, source, disambiguation ? disambiguation : "", n >= 0});
        return {};
    }
    bool isEmpty() const override { return false; }

    mutable std::set<Asked> asked;
};

// The lines the game prints for an outcome, from its own rule.
std::vector<std::string> OutcomeLines(int seats, std::vector<int> scores, std::vector<std::string> names,
                                      const std::string& width = "6", const std::string& height = "3",
                                      const std::string& turns = "12") {
    SeededRandom random(1);
    MainForm form(random);
    form.cmbPlayers.SelectText(std::to_string(seats));
    form.cmbWidth.SelectText(width);
    form.cmbHeight.SelectText(height);
    for (std::size_t i = 0; i < scores.size(); ++i) form.lblScore[i].text = std::to_string(scores[i]);
    for (std::size_t i = 0; i < names.size(); ++i) form.lblPlayer[i].text = names[i];
    form.lblTurn.text = turns;
    DetermineOutcome(form);
    return form.picOutcome.lines;
}

// The outcomes of every kind, for the names and numbers that make the
// longest lines.
std::vector<std::vector<std::string>> EveryOutcome() {
    std::vector<std::vector<std::string>> outcomes;
    const std::string computer(kComputerName);
    outcomes.push_back(OutcomeLines(2, {4, 4}, {"Player 1", "Player 2"}));
    outcomes.push_back(OutcomeLines(3, {2, 5, 2}, {"Player 1", "Player 2", computer}));
    outcomes.push_back(OutcomeLines(4, {1, 2, 3, 6}, {"Player 1", "Player 2", "Player 3", computer}));
    for (const char* turns : {"0", "1", "2", "3", "5", "11", "21", "22", "25", "101", "999"}) {
        outcomes.push_back(OutcomeLines(1, {9}, {"Player 1"}, "10", "5", turns));
        outcomes.push_back(OutcomeLines(1, {9}, {computer}, "4", "2", turns));
    }
    return outcomes;
}

// Runs the game's own code over everything it can show, with `recorder` in
// use: the window through a game's states, the help window, the outcomes
// and the screen-reader texts.
void ShowEverything(RecordingTranslator& recorder) {
    QCoreApplication::installTranslator(&recorder);
    {
        ViewFixture ui;
        static_cast<QComboBox*>(ui.Control("cmbPlayers"))->setCurrentIndex(3);
        ui.Press("cmdNew");
        static_cast<QComboBox*>(ui.Control("cmbPlayerType", 1))->setCurrentIndex(1);
        ui.Press("cmdDone");
        ui.Press("cmdHelp");
    }
    PictureFailureMessage(QStringLiteral("Card1.bmp"));
    // The deck list's items and what an import tells.
    StandardDeckText();
    AddPicturesText();
    RemoveDeckText();
    DeckImportReport(QStringLiteral("Holiday"), 5, {QStringLiteral("a.jpg")});
    DeckImportNothingReport(QStringLiteral("/photos"), {});
    DeckImportFailureReport(QStringLiteral("/decks"));
    DeckListTexts();
    for (const auto& lines : EveryOutcome()) ShownOutcome(lines);
    for (std::string_view file : {kWinnerFile, kDepressedFile, kFrustratedFile, kTrophyFile}) {
        ResultPictureDescription(file);
    }
    for (int face = 1; face <= kCardFaces; ++face) CardSlotName(0, Picture{CardFaceFile(face), 1, true});
    CardSlotName(0, Picture{std::string(kCardBackFile), 1, true});
    CardSlotName(0, Picture{"", 0, false});
    ScoreAccessibleName(0, kComputerName);
    QCoreApplication::removeTranslator(&recorder);
}

QString Placeholders(const QString& text) {
    QStringList found;
    for (const auto& match : QRegularExpression(QStringLiteral("%[0-9n]")).globalMatch(text)) found << match.captured();
    found.sort();
    found.removeDuplicates();
    return found.join(QLatin1Char(' '));
}

// What is wrong with a catalogue source: an entry that is unfinished,
// vanished or obsolete, an empty translation, or one whose placeholders
// differ from its source's.
// The plural forms of `source` under `context` in the catalogue at `path`, in
// the order it lists them.
QStringList NumerusForms(const QString& path, const QString& context, const QString& source) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QXmlStreamReader xml(&file);
    QString inContext, ofSource;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QLatin1String("name")) {
            inContext = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            ofSource = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation") && inContext == context && ofSource == source) {
            QStringList forms;
            while (!xml.atEnd() && !(xml.isEndElement() && xml.name() == QLatin1String("translation"))) {
                xml.readNext();
                if (xml.isStartElement() && xml.name() == QLatin1String("numerusform")) forms << xml.readElementText();
            }
            return forms;
        }
    }
    return {};
}

QStringList CatalogueFaults(const QString& path) {
    QStringList faults;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {QStringLiteral("can't be read")};
    QXmlStreamReader xml(&file);
    QString context, source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        const auto name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            const QString where = context + QStringLiteral(": ") + QString(source).replace('\n', ' ').left(60);
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            if (!type.isEmpty()) faults << type + QStringLiteral(" entry, ") + where;
            // A plain translation, or one form for each kind of number.
            QString plain;
            QStringList forms;
            while (!xml.atEnd() && !(xml.isEndElement() && xml.name() == QLatin1String("translation"))) {
                xml.readNext();
                if (xml.isCharacters()) plain += xml.text();
                if (xml.isStartElement() && xml.name() == QLatin1String("numerusform")) forms << xml.readElementText();
            }
            if (forms.isEmpty()) forms << plain;
            for (const QString& form : forms) {
                if (form.trimmed().isEmpty()) {
                    faults << QStringLiteral("empty translation, ") + where;
                } else if (Placeholders(form) != Placeholders(source)) {
                    faults << QStringLiteral("placeholders %1 instead of %2, ").arg(Placeholders(form), Placeholders(source)) +
                                  where;
                }
            }
        }
    }
    if (xml.hasError()) faults << xml.errorString();
    return faults;
}

TEST(Languages, EveryTextTheGameShowsHasAFinishedEntryInEveryCatalogue) {
    EXPECT_EQ(GameLanguages(), kLanguages);

    RecordingTranslator recorder;
    ShowEverything(recorder);
    // Some of the texts of each kind: the enumeration itself must work.
    for (const Asked& known : {Asked{"MainWindow", "Player to Select Cards", "", false},
                               Asked{"MainWindow", "Add pictures…", "", false},
                               Asked{"Decks", "Pictures in the deck \"%1\": %2.", "", false},
                               Asked{"MainWindow", "Shocking", "", false}, Asked{"MainWindow", "End Game", "", false},
                               Asked{"MainWindow", "Sound", "", false},
                               Asked{"HelpWindow", "About Pairon", "", false},
                               Asked{"Accessibility", "music note", "", false}}) {
        EXPECT_EQ(recorder.asked.count(known), 1u) << known.context << ": " << known.source;
    }
    EXPECT_GT(recorder.asked.size(), 90u);

    for (const QString& language : kLanguages) {
        const QString source = QStringLiteral(PAIRON_TRANSLATIONS_DIR "/pairon_%1.ts").arg(language);
        for (const QString& fault : CatalogueFaults(source)) ADD_FAILURE() << language.toStdString() << ": " << fault.toStdString();

        QTranslator catalogue;
        ASSERT_TRUE(catalogue.load(QStringLiteral(":/translations/pairon_%1.qm").arg(language))) << language.toStdString();
        for (const Asked& text : recorder.asked) {
            for (int n : text.numerus ? std::vector<int>{0, 1, 2, 5, 22} : std::vector<int>{-1}) {
                EXPECT_FALSE(catalogue.translate(text.context.c_str(), text.source.c_str(),
                                                 text.disambiguation.empty() ? nullptr : text.disambiguation.c_str(), n)
                                 .isEmpty())
                    << language.toStdString() << " has no entry for " << text.context << ": "
                    << QString::fromUtf8(text.source.c_str()).replace('\n', ' ').left(60).toStdString();
            }
        }
    }
}

// The room a text has in a control, and whether it fits there whole.
class FitCheck {
public:
    explicit FitCheck(QString language) : language_(std::move(language)) {}

    void Fits(QWidget* widget, const QString& text, const char* what = "") {
        ASSERT_NE(widget, nullptr);
        const QString fault = Fault(widget, text);
        if (!fault.isEmpty()) {
            ADD_FAILURE() << language_.toStdString() << ", " << widget->objectName().toStdString() << what << ": \""
                          << text.toStdString() << "\" " << fault.toStdString();
        }
    }

    void FitLines(QWidget* widget, const QStringList& lines) {
        const QFontMetrics metrics(widget->font());
        for (const QString& line : lines) {
            if (metrics.horizontalAdvance(line) > widget->width()) {
                ADD_FAILURE() << language_.toStdString() << ", " << widget->objectName().toStdString() << ": line \""
                              << line.toStdString() << "\" is " << metrics.horizontalAdvance(line) << " wide, room for "
                              << widget->width();
            }
        }
        const int height = (lines.size() - 1) * metrics.lineSpacing() + metrics.height();
        if (height > widget->height()) {
            ADD_FAILURE() << language_.toStdString() << ", " << widget->objectName().toStdString() << ": "
                          << lines.size() << " lines \"" << lines.join(QStringLiteral(" / ")).toStdString() << "\" take "
                          << height << " pixels, room for " << widget->height();
        }
    }

private:
    static QString TooWide(int needed, int room) {
        return needed > room ? QStringLiteral("needs %1 pixels, has %2").arg(needed).arg(room) : QString();
    }

    static QString Fault(QWidget* widget, const QString& text) {
        const QFontMetrics metrics(widget->font());
        QStyle* style = widget->style();
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            const int indent = std::max(0, label->indent());
            QRect room = label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin() - indent,
                                                        -label->margin());
            // A control that lies over the label's right-hand part, higher in
            // the stack (the speed slider over its caption), leaves it the
            // room to its left.
            const QObjectList& siblings = label->parentWidget()->children();
            for (qsizetype k = siblings.indexOf(label) + 1; k < siblings.size(); ++k) {
                auto* other = qobject_cast<QWidget*>(siblings[k]);
                if (!other || other->isHidden() || !other->geometry().intersects(label->geometry())) continue;
                if (other->x() > label->x()) room.setRight(std::min(room.right(), other->x() - label->x() - 1));
            }
            const int flags = (label->wordWrap() ? Qt::TextWordWrap : 0) | Qt::AlignLeft | Qt::AlignTop;
            const QRect needed = metrics.boundingRect(QRect(0, 0, room.width(), 10000), flags,
                                                      label->textFormat() == Qt::RichText ? QString() : text);
            if (label->textFormat() == Qt::RichText) {
                return label->heightForWidth(label->width()) > label->height()
                           ? QStringLiteral("needs %1 pixels of height, has %2")
                                 .arg(label->heightForWidth(label->width()))
                                 .arg(label->height())
                           : QString();
            }
            if (needed.width() > room.width()) return TooWide(needed.width(), room.width());
            if (needed.height() > room.height()) {
                return QStringLiteral("needs %1 pixels of height, has %2").arg(needed.height()).arg(room.height());
            }
            return {};
        }
        if (auto* button = qobject_cast<QPushButton*>(widget)) {
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = text;
            const QSize needed = style->sizeFromContents(QStyle::CT_PushButton, &option,
                                                         metrics.size(Qt::TextShowMnemonic, text), button);
            return TooWide(needed.width(), button->width());
        }
        if (auto* box = qobject_cast<QCheckBox*>(widget)) {
            const int indicator = style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, box) +
                                  style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, box);
            return TooWide(indicator + metrics.horizontalAdvance(text), box->width());
        }
        if (auto* list = qobject_cast<QComboBox*>(widget)) {
            QStyleOptionComboBox option;
            option.initFrom(list);
            option.frame = true;
            option.editable = false;
            const QRect field = style->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list);
            // The list draws its text a pixel in from each side of the field.
            return TooWide(metrics.horizontalAdvance(text), field.width() - 2);
        }
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            if (edit->maxLength() < text.size()) return QStringLiteral("is longer than %1 characters").arg(edit->maxLength());
            QStyleOptionFrame option;
            option.initFrom(edit);
            option.lineWidth = style->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit);
            const QRect field = style->subElementRect(QStyle::SE_LineEditContents, &option, edit);
            const QMargins margins = edit->textMargins();
            // QLineEdit keeps two pixels free on each side of its text.
            return TooWide(metrics.horizontalAdvance(text), field.width() - margins.left() - margins.right() - 4);
        }
        if (auto* panel = qobject_cast<QGroupBox*>(widget)) {
            QStyleOptionGroupBox option;
            option.initFrom(panel);
            option.text = text;
            option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
            const QRect caption = style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, panel);
            return TooWide(caption.x() + std::max(caption.width(), metrics.horizontalAdvance(text)), panel->width());
        }
        return QStringLiteral("is in a control the check does not know");
    }

    QString language_;
};

// Measures every text of the window and the help window in `language`, with
// the window at `zoom` percent.
void CheckEveryTextFits(const QString& language, int zoom = 100) {
    LanguageCatalogues catalogues;
    ASSERT_TRUE(catalogues.Install(language)) << language.toStdString();
    FitCheck check(QStringLiteral("%1 at %2 %").arg(language).arg(zoom));
    ViewFixture ui;
    ui.view.resize(ZoomedSize(ToPixels(kMainClientWidth), zoom / 100.0),
                   ZoomedSize(ToPixels(kMainClientHeight), zoom / 100.0));
    ASSERT_EQ(ui.view.Zoom().Percent(), zoom);

    for (const ControlLayout& c : MainWindowLayout()) {
        if (c.container == "fraInvisible" || c.name == "fraInvisible") continue;
        QWidget* widget = ui.Control(c.name, c.index);
        if (!c.caption.empty() && c.name != "txtPlayer") check.Fits(widget, ShownText(c, c.caption));
        for (const std::string& item : c.items) check.Fits(widget, ShownText(c, item));
    }
    check.Fits(ui.Control("cmdNew"), QCoreApplication::translate("MainWindow", kEndGameCaption.data()));
    // The deck list's own items, in its field and in its open list, which
    // may be wider than the field.
    auto* cards = static_cast<QComboBox*>(ui.Control("cmbCards"));
    check.Fits(cards, StandardDeckText());
    cards->showPopup();
    QAbstractItemView* popup = cards->view();
    for (int k = 0; k < cards->count(); ++k) {
        const int needed = popup->fontMetrics().horizontalAdvance(cards->itemText(k));
        EXPECT_LE(needed, popup->viewport()->width() - 8)
            << language.toStdString() << ", the open deck list: \"" << cards->itemText(k).toStdString() << "\"";
    }
    cards->hidePopup();

    // Names: the default ones, which the game keeps in English and the window
    // shows in the player's language, and the computer's.
    for (int i = 0; i < kSeats; ++i) {
        const std::string& name = ui.form.txtPlayer[static_cast<std::size_t>(i)].text;
        auto* box = static_cast<QLineEdit*>(ui.Control("txtPlayer", i));
        EXPECT_EQ(name, "Player " + std::to_string(i + 1)) << language.toStdString();
        EXPECT_EQ(box->text(), ShownName(name)) << language.toStdString();
        EXPECT_NE(box->text().toStdString(), name) << language.toStdString();
        check.Fits(box, box->text());
        for (const QString& shown : {ShownName(name), ShownName(kComputerName)}) {
            check.Fits(ui.Control("lblPlayer", i), shown);
            check.Fits(ui.Control("lblPlayerTurn"), shown);
        }
    }
    for (const auto& lines : EveryOutcome()) check.FitLines(ui.Control("picOutcome"), ShownOutcome(lines));

    ui.Press("cmdHelp");
    HelpWindow* help = ui.view.Help();
    ASSERT_NE(help, nullptr);
    TabStrip* tabs = help->Tabs();
    // The tabs share two rows at most, each caption whole within its tab.
    EXPECT_LE(tabs->RowCount(), 2) << language.toStdString();
    for (int k = 0; k < tabs->Count(); ++k) {
        const int needed = tabs->fontMetrics().horizontalAdvance(tabs->TabText(k));
        EXPECT_GT(tabs->TabRect(k).width(), needed) << language.toStdString() << ", tab \"" << tabs->TabText(k).toStdString()
                                                    << "\"";
    }
    for (int k = 0; k < HelpWindow::kPageCount; ++k) {
        for (QLabel* label : help->Page(k)->findChildren<QLabel*>()) check.Fits(label, label->text());
    }
    check.Fits(help->EndButton(), help->EndButton()->text());
}

TEST(Languages, EveryTranslationFitsItsControl) {
    // At every zoom step: text does not grow in step with the zoom, pixel
    // for pixel, so each step is measured on its own.
    for (const int zoom : kZoomSteps) {
        for (const QString& language : GameLanguages()) CheckEveryTextFits(language, zoom);
    }
}

// In a language whose word for the computer is not "Computer": a computer
// seat and the default names are shown in it wherever the game shows a
// seat's name, a name a player typed never is, even where it is one of the
// game's own words, and a computer's name typed into a name box stays typed.
TEST(Languages, InPolishTheComputerIsKomputerAndATypedNameIsShownAsTyped) {
    LanguageCatalogues polish;
    ASSERT_TRUE(polish.Install("pl"));
    auto layout = [](const char* name) {
        for (const ControlLayout& c : MainWindowLayout()) {
            if (c.name == name) return c;
        }
        return ControlLayout{};
    };
    const std::string computer(kComputerName);
    for (const char* control : {"lblPlayer", "lblPlayerTurn", "txtPlayer"}) {
        const bool nameBox = std::string_view(control) == "txtPlayer";
        const std::pair<std::string, QString> names[] = {
            {computer, nameBox ? "Computer" : "Komputer"}, {"Player 2", "Gracz 2"}, {"Exit", "Exit"},
            {"Good", "Good"}, {"Human", "Human"}, {"Player 5", "Player 5"}, {"player 1", "player 1"},
            {"Zoë", "Zoë"}};
        for (const auto& [name, shown] : names) EXPECT_EQ(ShownText(layout(control), name), shown) << control << ", " << name;
    }
    EXPECT_EQ(ShownName(computer), "Komputer");

    const std::pair<std::vector<std::string>, QStringList> outcomes[] = {
        {OutcomeLines(2, {1, 3}, {"Exit", computer}), {"Komputer", "wygrywa!", "", "Ale pech!"}},
        {OutcomeLines(2, {3, 1}, {"Exit", computer}), {"Exit", "wygrywa!"}},
        {OutcomeLines(3, {1, 2, 3}, {"Player 1", "Player 2", "Player 3"}), {"Gracz 3", "wygrywa!"}},
        {OutcomeLines(2, {2, 2}, {"Exit", computer}), {"No proszę,", "remis!"}},
        {OutcomeLines(1, {4}, {computer}, "4", "2", "7"), {"Brawo,", "Komputer!", "", "Par: 4", "Ruchów: 7"}},
        {OutcomeLines(1, {4}, {"Help"}, "4", "2", "1"), {"Brawo,", "Help!", "", "Par: 4", "Ruchów: 1"}},
        {{"Done", "Good"}, {"Done", "Good"}},
    };
    for (const auto& [lines, shown] : outcomes) {
        EXPECT_EQ(ShownOutcome(lines), shown) << QString::fromStdString(lines[0]).toStdString();
    }

    // The same in the window: the score board and the turn after Done.
    ViewFixture ui;
    static_cast<QComboBox*>(ui.Control("cmbPlayers"))->setCurrentText("2");
    ui.Press("cmdNew");
    static_cast<QLineEdit*>(ui.Control("txtPlayer", 0))->setText("Exit");
    static_cast<QComboBox*>(ui.Control("cmbPlayerType", 1))->setCurrentIndex(1);
    ui.Press("cmdDone");
    EXPECT_EQ(static_cast<QLabel*>(ui.Control("lblPlayer", 0))->text(), "Exit");
    EXPECT_EQ(static_cast<QLabel*>(ui.Control("lblPlayer", 1))->text(), "Komputer");
    EXPECT_EQ(static_cast<QLabel*>(ui.Control("lblPlayerTurn"))->text(), "Exit");
}

// The browser edition reads the plural forms from the same catalogues and
// chooses one by the game's own rule: for every count, the form it chooses
// must read as Qt's choice does.
TEST(Languages, ThePluralRuleOfEveryLanguagePicksTheFormQtPicks) {
    const QString source = QStringLiteral("Well Done\n%1!\n\nYou found %2 \npairs in\n%n turns");
    for (const QString& language : GameLanguages()) {
        const QStringList forms =
            NumerusForms(QStringLiteral(PAIRON_TRANSLATIONS_DIR "/pairon_%1.ts").arg(language), "Outcome", source);
        ASSERT_FALSE(forms.isEmpty()) << language.toStdString();
        LanguageCatalogues catalogue;
        ASSERT_TRUE(catalogue.Install(language)) << language.toStdString();
        for (int turns = 0; turns <= 250; ++turns) {
            const int form = std::min<int>(PluralForm(language.toStdString(), turns), static_cast<int>(forms.size()) - 1);
            EXPECT_EQ(QString(forms[form]).replace("%n", QString::number(turns)),
                      QCoreApplication::translate("Outcome", source.toUtf8().constData(), nullptr, turns))
                << language.toStdString() << ", " << turns << " turns";
        }
    }
}

TEST(Languages, AGermanComputerGameReachesTheOutcome) {
    // German from the desktop's languages; English wherever it comes first.
    EXPECT_EQ(ChooseLanguage({"de-DE", "de-Latn-DE", "de"}), "de");
    EXPECT_EQ(ChooseLanguage({"en-US", "de"}), "");
    EXPECT_EQ(ChooseLanguage({"C"}), "");
    EXPECT_EQ(ChooseLanguage({"sv-SE", "ru-RU"}), "ru");
    EXPECT_EQ(ChooseLanguage({"pt-PT"}), "pt_BR");

    LanguageCatalogues german;
    ASSERT_TRUE(german.Install(ChooseLanguage({"de-DE"})));
    if (QFile::exists(QStringLiteral("/usr/share/qt6/translations/qtbase_de.qm"))) {
        EXPECT_TRUE(german.QtCatalogueInstalled());
    }
    ViewFixture ui;
    auto choose = [&](const char* name, int index, int item) {
        static_cast<QComboBox*>(ui.Control(name, index))->setCurrentIndex(item);
    };
    choose("cmbWidth", -1, 0);
    choose("cmbHeight", -1, 0);
    choose("cmbPlayers", -1, 3);
    ui.Press("cmdNew");
    for (int i = 0; i < kSeats; ++i) {
        choose("cmbPlayerType", i, 1);
        choose("cmbComputerLevel", i, i);
    }
    // The lists show German; the game holds its own words.
    EXPECT_EQ(static_cast<QComboBox*>(ui.Control("cmbComputerLevel", 0))->currentText(),
              QCoreApplication::translate("MainWindow", "Excellent"));
    EXPECT_EQ(ui.form.cmbComputerLevel[0].Text(), "Excellent");
    EXPECT_EQ(ui.form.cmbPlayerType[3].Text(), kComputerName);
    EXPECT_EQ(ui.form.cmdNew.caption, kEndGameCaption);
    EXPECT_EQ(static_cast<QPushButton*>(ui.Control("cmdNew"))->text(), "Aufhören");

    VirtualClock clock(ui.form);
    ui.Press("cmdDone");
    clock.Sync();
    for (int ticks = 0; ticks < 2000 && !ui.form.fraOutcome.visible; ++ticks) {
        ui.view.Handle([&clock] { clock.FireNext(); });
    }
    ASSERT_TRUE(ui.Control("fraOutcome")->isVisible());
    EXPECT_EQ(ui.form.cmbWidth.Text(), "4");
    EXPECT_EQ(ui.form.cmbHeight.Text(), "2");
    const std::vector<std::string>& printed = ui.form.picOutcome.lines;
    ASSERT_FALSE(printed.empty());
    EXPECT_TRUE(printed[0] == "It's a bloody" || printed[0] == kComputerName) << printed[0];
    const QStringList shown = static_cast<DrawingBoxWidget*>(ui.Control("picOutcome"))->Lines();
    EXPECT_EQ(shown, ShownOutcome(printed));
    EXPECT_TRUE(shown.join(' ').contains(printed[0] == kComputerName ? "gewinnt" : "Unentschieden"))
        << shown.join(QStringLiteral(" / ")).toStdString();
}

}  // namespace
}  // namespace pairon

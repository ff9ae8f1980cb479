#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QTemporaryDir>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "pictures/picture_files.h"
#include "files/choices_file.h"
#include "window/remembered_choices.h"
#include "window/setup_flow.h"
#include "view/stderr_capture.h"
#include "view/view_fixture.h"

namespace pairon {
namespace {

using Choices = std::map<std::string, std::string>;

// A profile folder of the test's own, named by $XDG_CONFIG_HOME while it lives.
class Profile {
public:
    Profile() : previous_(qgetenv("XDG_CONFIG_HOME")) { PointAt(folder_.path()); }
    ~Profile() { qputenv("XDG_CONFIG_HOME", previous_); }

    void PointAt(const QString& path) { qputenv("XDG_CONFIG_HOME", path.toLocal8Bit()); }
    QString Folder() const { return folder_.path(); }
    QString ChoicesPath() const { return folder_.path() + "/pairon/pairon.conf"; }

    void Write(const QByteArray& bytes) const {
        QDir().mkpath(folder_.path() + "/pairon");
        QFile file(ChoicesPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray Read() const {
        QFile file(ChoicesPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    QTemporaryDir folder_;
    QByteArray previous_;
};

// The game started as main() starts it, with these arguments.
struct Start {
    explicit Start(const QStringList& arguments = {})
        : line(ReadCommandLine(arguments)), choices(line.ChoicesPath()),
          ui(1, QCoreApplication::applicationDirPath(), &ForThisRun(line, choices)) {}

    static ChoicesFile& ForThisRun(const CommandLine& line, ChoicesFile& choices) {
        ChooseForThisRun(line, choices);
        return choices;
    }

    QComboBox* List(std::string_view name, int index = -1) { return static_cast<QComboBox*>(ui.Control(name, index)); }
    Choices Held() const { return ChoicesToRemember(ui.form); }

    CommandLine line;
    ChoicesFile choices;
    ViewFixture ui;
};

Choices BuiltIn() {
    SeededRandom random(1);
    MainForm form(random);
    Form_Load(form);
    return ChoicesToRemember(form);
}

// An INI file as a user would write it: a section for each group.
QByteArray IniText(const Choices& choices) {
    std::ostringstream text;
    std::string section;
    for (const auto& [key, value] : choices) {
        const std::string group = key.substr(0, key.find('/'));
        if (group != section) text << "[" << (section = group) << "]\n";
        text << key.substr(key.find('/') + 1) << "=" << value << "\n";
    }
    return QByteArray::fromStdString(text.str());
}

// The lines the game itself wrote on stderr.
std::vector<std::string> GameLines(const std::string& written) {
    std::vector<std::string> lines;
    std::istringstream in(written);
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with("Pairon:")) lines.push_back(line);
    }
    return lines;
}

// A setup that differs from the built-in one in every remembered value.
const Choices kRemembered = {
    {"Board/Height", "4"},           {"Board/Width", "8"},
    {"Options/Players", "3"},        {"Options/MultiplePairs", "1"},
    {"Options/HighlightSelected", "1"}, {"Options/BackgroundPicture", "0"},
    {"Options/Sound", "0"},          {"Options/Speed", "7"},
    {"Seat1/Type", "Computer"},
    {"Seat1/Level", "Excellent"},    {"Seat1/Name", "Ann"},
    {"Seat2/Type", "Computer"},      {"Seat2/Level", "Good"},
    {"Seat2/Name", "Bo"},            {"Seat3/Type", "Computer"},
    {"Seat3/Level", "Poor"},         {"Seat3/Name", "Zoë"},
    {"Seat4/Type", "Computer"},      {"Seat4/Level", "Shocking"},
    {"Seat4/Name", "Twelve chars"},
};

TEST(RememberedChoices, ASetupChosenByHandComesBackAtTheNextStart) {
    Profile profile;
    {
        Start game;
        EXPECT_EQ(game.Held(), BuiltIn()) << "with nothing remembered, the start is the usual one";
        game.List("cmbHeight")->setCurrentText("4");
        game.List("cmbWidth")->setCurrentText("8");
        game.List("cmbPlayers")->setCurrentText("2");
        game.ui.Press("cmdNew");
        static_cast<QLineEdit*>(game.ui.Control("txtPlayer", 0))->setText("Ann");
        game.List("cmbPlayerType", 1)->setCurrentText("Computer");
        game.List("cmbComputerLevel", 1)->setCurrentText("Good");
        game.ui.Press("cmdDone");
        EXPECT_TRUE(profile.Read().contains("Name=Ann")) << "Done keeps the setup";
        game.ui.ClickCard(0);
        // The slider works during a game; Exit keeps its new place.
        static_cast<QSlider*>(game.ui.Control("sldSpeed"))->setValue(3);
        game.ui.Press("cmdExit");
    }
    {
        Start game;
        for (int p = 0; p < kCardSlots; ++p) EXPECT_EQ(game.ui.Card(p)->isVisible(), p % 10 < 8 && p / 10 < 4) << p;
        EXPECT_EQ(static_cast<QSlider*>(game.ui.Control("sldSpeed"))->value(), 3);
        EXPECT_EQ(game.ui.form.tmrCardDelay.interval, 900);
        game.ui.Press("cmdNew");
        EXPECT_TRUE(game.ui.Control("cmbPlayerType", 1)->isVisible());
        EXPECT_FALSE(game.ui.Control("cmbPlayerType", 2)->isVisible());
        EXPECT_TRUE(game.ui.Control("cmbComputerLevel", 1)->isVisible()) << "the seat's type ran its handler";
        EXPECT_EQ(game.List("cmbComputerLevel", 1)->currentText(), "Good");
        game.ui.Press("cmdDone");
        EXPECT_EQ(static_cast<QLabel*>(game.ui.Control("lblPlayerTurn"))->text(), "Ann");
        EXPECT_EQ(game.ui.form.lblPlayer[1].text, "Computer");
        game.ui.Press("cmdNew");
        static_cast<QCheckBox*>(game.ui.Control("chkMultiple"))->setChecked(true);
        // Closing the window keeps the setup as Exit does.
        game.ui.view.close();
    }
    Start game;
    EXPECT_EQ(game.ui.form.chkMultiple.value, 1);
    EXPECT_EQ(game.ui.form.txtPlayer[0].text, "Ann");
}

TEST(RememberedChoices, EachValueTheGameDoesNotOfferIsIgnoredOnItsOwn) {
    const Choices builtIn = BuiltIn();
    std::vector<std::pair<std::string, std::string>> bad = {
        {"Board/Height", "6"},        {"Board/Width", "7"},
        {"Options/Players", "0"},     {"Seat4/Name", "Ann,Bo"},
        {"Options/MultiplePairs", "2"}, {"Options/HighlightSelected", "yes"},
        {"Options/BackgroundPicture", ""}, {"Options/Sound", "on"},     {"Options/Speed", "99"},
        {"Options/Speed", "5.0"},     {"Seat1/Name", std::string(40, 'n')},
        {"Seat2/Name", "Tab\\there"}, {"Seat3/Name", "😀😀😀😀😀😀😀"},
        // One step beyond what the controls offer.
        {"Options/Speed", "1"},       {"Options/Speed", "9"},
        {"Seat1/Name", "Zoë Łukasiak!"}, {"Seat2/Name", "Bo\x7f"},
    };
    for (int seat = 1; seat <= kSeats; ++seat) {
        bad.emplace_back("Seat" + std::to_string(seat) + "/Type", "Robot");
        bad.emplace_back("Seat" + std::to_string(seat) + "/Level", "Brilliant");
    }
    for (const auto& [key, value] : bad) {
        SCOPED_TRACE(key + "=" + value);
        Profile profile;
        Choices file = kRemembered;
        file[key] = value;
        profile.Write(IniText(file));
        Choices expected = kRemembered;
        expected[key] = builtIn.at(key);

        StderrCapture capture;
        Start game;
        EXPECT_EQ(game.Held(), expected);
        const std::vector<std::string> lines = GameLines(capture.Release());
        EXPECT_EQ(lines.size(), 1u);
        if (!lines.empty()) {
            EXPECT_NE(lines[0].find(key), std::string::npos) << lines[0];
        }
    }
}

// What lies on the edge of what a control offers comes back: the slider's
// two ends, names of exactly as many places as the box holds, in letters
// beyond ASCII. The lists are chosen first, as at every start, so the board
// of the setup shows the usual back whatever Highlight Selected says.
TEST(RememberedChoices, ValuesOnTheEdgeOfWhatTheControlsOfferComeBack) {
    for (const char* speed : {"2", "8"}) {
        SCOPED_TRACE(speed);
        Profile profile;
        Choices file = kRemembered;
        file["Options/Speed"] = speed;
        file["Seat1/Name"] = "Zoë Łukasiak";
        file["Seat2/Name"] = "Ann 😀😀😀😀";
        profile.Write(IniText(file));
        StderrCapture capture;
        Start game;
        EXPECT_EQ(game.Held(), file);
        EXPECT_TRUE(GameLines(capture.Release()).empty());
        EXPECT_EQ(static_cast<QLineEdit*>(game.ui.Control("txtPlayer", 1))->text(), QString::fromUtf8("Ann 😀😀😀😀"));
        EXPECT_EQ(game.ui.form.imgCard[0].file, kCardBackFile);
        game.ui.Press("cmdNew");
        EXPECT_EQ(game.ui.form.imgCard[0].file, kUnseenCardBackFile);
    }
}

// A setup that has not changed leaves the file alone, with what a user
// wrote into it; a changed one is written afresh.
TEST(RememberedChoices, AnUnchangedSetupLeavesTheFileAsTheUserWroteIt) {
    Profile profile;
    const QByteArray written = "; our family's setup\n" + IniText(kRemembered);
    profile.Write(written);
    {
        Start game;
        game.ui.Press("cmdNew");
        game.ui.Press("cmdDone");
        game.ui.Press("cmdExit");
    }
    EXPECT_EQ(profile.Read(), written);
    {
        Start game;
        game.List("cmbWidth")->setCurrentText("10");
        game.ui.Press("cmdExit");
    }
    EXPECT_TRUE(profile.Read().contains("Width=10"));
}

TEST(RememberedChoices, ADamagedFileGivesWhatItCanAndIsWrittenWholeAgain) {
    Profile profile;
    {
        profile.Write("");
        StderrCapture capture;
        Start game;
        EXPECT_EQ(game.Held(), BuiltIn());
        EXPECT_TRUE(GameLines(capture.Release()).empty()) << "an empty file is no trouble";
    }
    profile.Write(QByteArray("\x01\xff garbage without a sign\n[Board]\nWidth=8\nHeight\n=orphan\n") +
                  "[Options]\nSpeed=6\nPlayers=@Variant(\\0\\0\\0\\x7f)\n[[broken\nMultiplePairs=1\n"
                  "[Seat1]\nName=Ann\nLevel=Good\nShoeSize=44\n");
    Choices expected = BuiltIn();
    expected["Board/Width"] = "8";
    expected["Options/Speed"] = "6";
    expected["Seat1/Name"] = "Ann";
    expected["Seat1/Level"] = "Good";
    {
        StderrCapture capture;
        Start game;
        EXPECT_EQ(game.Held(), expected);
        const std::vector<std::string> lines = GameLines(capture.Release());
        ASSERT_EQ(lines.size(), 1u) << "one line, whatever the damage";
        EXPECT_NE(lines[0].find("Options/Players"), std::string::npos) << lines[0];
        EXPECT_NE(lines[0].find("lines that are not settings"), std::string::npos) << lines[0];
        game.ui.Press("cmdNew");
        game.ui.Press("cmdDone");
    }
    StderrCapture capture;
    Start game;
    EXPECT_EQ(game.Held(), expected);
    EXPECT_TRUE(GameLines(capture.Release()).empty()) << "Done wrote the file whole again";
}

TEST(RememberedChoices, AProfileThatCannotHoldTheFileNeverStopsTheGame) {
    Profile profile;
    QFile notAFolder(profile.Folder() + "/config");
    ASSERT_TRUE(notAFolder.open(QIODevice::WriteOnly));
    notAFolder.write("a file where the profile folder should be\n");
    notAFolder.close();
    profile.PointAt(notAFolder.fileName());
    {
        StderrCapture capture;
        Start game;
        EXPECT_EQ(game.Held(), BuiltIn());
        EXPECT_TRUE(GameLines(capture.Release()).empty()) << "nothing to read is no trouble";
    }
    {
        StderrCapture capture;
        Start game;
        game.ui.Press("cmdNew");
        game.ui.Press("cmdDone");
        EXPECT_EQ(game.ui.form.fraPlayers.visible, false) << "the game goes on";
        game.ui.Press("cmdNew");
        game.List("cmbWidth")->setCurrentText("10");
        game.ui.Press("cmdNew");
        game.ui.Press("cmdDone");
        game.ui.Press("cmdExit");
        EXPECT_TRUE(game.ui.form.exitRequested);
        const std::vector<std::string> lines = GameLines(capture.Release());
        ASSERT_EQ(lines.size(), 1u) << "said once, however often it failed";
        EXPECT_NE(lines[0].find("could not save"), std::string::npos) << lines[0];
    }
    QFile kept(notAFolder.fileName());
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "a file where the profile folder should be\n");

    // The file's own place taken by a folder: read and written by no one.
    profile.PointAt(profile.Folder());
    QDir().mkpath(profile.ChoicesPath());
    StderrCapture capture;
    Start game;
    EXPECT_EQ(game.Held(), BuiltIn());
    game.ui.Press("cmdNew");
    game.ui.Press("cmdDone");
    game.ui.Press("cmdExit");
    EXPECT_EQ(GameLines(capture.Release()).size(), 2u) << "one line for the reading, one for the saving";
}

TEST(RememberedChoices, NoRememberStartsAsUsualAndKeepsNothing) {
    Profile profile;
    {
        Start game({"--no-remember"});
        game.ui.Press("cmdNew");
        game.ui.Press("cmdDone");
        game.ui.Press("cmdExit");
    }
    EXPECT_FALSE(QDir(profile.Folder() + "/pairon").exists()) << "nothing written";

    profile.Write(IniText(kRemembered));
    {
        StderrCapture capture;
        Start game({"--no-remember"});
        EXPECT_EQ(game.Held(), BuiltIn());
        game.List("cmbWidth")->setCurrentText("10");
        game.ui.Press("cmdNew");
        game.ui.Press("cmdDone");
        game.ui.view.close();
        EXPECT_TRUE(GameLines(capture.Release()).empty());
    }
    EXPECT_EQ(profile.Read(), IniText(kRemembered)) << "the remembered setup is left as it was";
    Start game;
    EXPECT_EQ(game.Held(), kRemembered);
}

// --no-sound unticks "Sound" for one run; the file keeps what it remembered,
// unless the player changes the box during that run.
TEST(RememberedChoices, NoSoundSilencesOneRunAndKeepsTheRememberedSound) {
    Profile profile;
    Choices remembered = kRemembered;
    remembered["Options/Sound"] = "1";
    profile.Write(IniText(remembered));
    {
        Start game({"--no-sound"});
        EXPECT_EQ(game.ui.form.chkSound.value, 0);
        EXPECT_FALSE(static_cast<QCheckBox*>(game.ui.Control("chkSound"))->isChecked());
        game.List("cmbWidth")->setCurrentText("10");
        game.ui.Press("cmdNew");
        game.ui.Press("cmdDone");
    }
    Choices expected = remembered;
    expected["Board/Width"] = "10";
    {
        Start game;
        EXPECT_EQ(game.Held(), expected) << "the width is kept, the sound as it was";
        EXPECT_EQ(game.ui.form.chkSound.value, 1);
    }
    {
        Start game({"--no-sound"});
        // Ticked for a game, then unticked for the next: the player's own choice.
        auto* sound = static_cast<QCheckBox*>(game.ui.Control("chkSound"));
        sound->click();
        game.ui.Press("cmdNew");
        game.ui.Press("cmdDone");
        game.ui.Press("cmdNew");
        sound->click();
        game.ui.Press("cmdNew");
        game.ui.Press("cmdDone");
    }
    expected["Options/Sound"] = "0";
    Start game;
    EXPECT_EQ(game.Held(), expected) << "the player's own choice is kept";
}

}  // namespace
}  // namespace pairon

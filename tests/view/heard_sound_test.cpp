// The game as heard. HeardSound records what a sound server of the test's own
// plays while the real window plays a game (tests/sound/heard_sound_test.sh
// starts the server); SilentSound plays a game with no server at all. Both
// run only through their own CTest entries.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QAudioDevice>
#include <QFile>
#include <QLibrary>
#include <QMediaDevices>
#include <QProcess>
#include <QSlider>
#include <signal.h>
#include <sys/types.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "stderr_capture.h"
#include "desktop/sound/sound.h"
#include "view_fixture.h"

namespace pairon {
namespace {

using Samples = std::vector<std::int16_t>;
constexpr int kRate = kCueSampleRate;

Samples ReadCue(Cue cue) {
    QFile file(QCoreApplication::applicationDirPath() + QLatin1Char('/') + QLatin1String(CueFileOf(cue).file));
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = file.readAll().mid(44);  // the cue files' header is the plain 44 bytes
    Samples samples(static_cast<std::size_t>(bytes.size() / 2));
    std::memcpy(samples.data(), bytes.constData(), samples.size() * 2);
    return samples;
}

// Where each cue starts in a recording, in order. A stretch of sound is a
// cue where its start matches the start of that cue's file; what sounds
// within a cue already found (its later notes) is part of it.
struct Found {
    Cue cue;
    std::size_t at;
    double match;
};

struct Hearing {
    std::vector<Found> cues;
    std::vector<std::size_t> unknown;  // stretches of sound that are no cue
};

Hearing Hear(const Samples& recording) {
    constexpr std::size_t kWindow = 1024;  // 23 ms of each cue's start
    std::vector<Samples> starts;
    for (const CueFile& file : kCueFiles) {
        Samples cue = ReadCue(file.cue);
        const auto first = std::find_if(cue.begin(), cue.end(), [](std::int16_t s) { return s != 0; });
        starts.emplace_back(first, first + std::min<std::ptrdiff_t>(kWindow, cue.end() - first));
    }
    Hearing hearing;
    std::size_t heardUntil = 0;
    std::size_t i = 0;
    while (i < recording.size()) {
        if (std::abs(recording[i]) < 100) {
            ++i;
            continue;
        }
        const std::size_t onset = i;
        // On to the end of this stretch: 10 ms below the threshold.
        std::size_t quiet = 0;
        while (i < recording.size() && quiet < kRate / 100) {
            quiet = std::abs(recording[i]) < 100 ? quiet + 1 : 0;
            ++i;
        }
        if (onset < heardUntil) continue;
        Found best{Cue::CardUp, 0, 0.0};
        for (std::size_t c = 0; c < starts.size(); ++c) {
            const Samples& start = starts[c];
            double startEnergy = 0;
            for (std::int16_t s : start) startEnergy += double(s) * s;
            for (std::size_t at = onset > 400 ? onset - 400 : 0; at <= onset + 50; ++at) {
                if (at + start.size() > recording.size()) break;
                double product = 0, energy = 0;
                for (std::size_t k = 0; k < start.size(); ++k) {
                    product += double(recording[at + k]) * start[k];
                    energy += double(recording[at + k]) * recording[at + k];
                }
                const double match = energy > 0 ? product / std::sqrt(energy * startEnergy) : 0;
                if (match > best.match) best = {kCueFiles[c].cue, at, match};
            }
        }
        if (best.match > 0.85) {
            hearing.cues.push_back(best);
            heardUntil = best.at + static_cast<std::size_t>(CueFileOf(best.cue).audibleMs - 25) * kRate / 1000;
        } else {
            hearing.unknown.push_back(onset);
        }
    }
    return hearing;
}

std::string Name(Cue cue) { return std::string(CueFileOf(cue).file); }

// Where the four faces of a 4 x 2 board lie: slot codes, two a face.
std::vector<std::vector<int>> PairsOnTheBoard(const MainForm& form) {
    std::vector<std::vector<int>> pairs;
    for (int k = 0; k < 8; ++k) {
        const int face = form.lstShuffled.Value(static_cast<std::size_t>(k));
        const int code = (k / 4) * 10 + k % 4;
        auto same = std::find_if(pairs.begin(), pairs.end(), [&](const std::vector<int>& p) {
            return form.lstShuffled.Value(static_cast<std::size_t>((p[0] / 10) * 4 + p[0] % 10)) == face;
        });
        if (same == pairs.end()) {
            pairs.push_back({code});
        } else {
            same->push_back(code);
        }
    }
    return pairs;
}

// Two human seats on a 4 x 2 board: the first takes a pair, misses, the
// second misses, the first takes the three pairs left and wins. Each click
// waits for the cues of the one before.
void PlayTheScriptedGame(ViewFixture& ui) {
    static_cast<QComboBox*>(ui.Control("cmbWidth"))->setCurrentIndex(0);
    static_cast<QComboBox*>(ui.Control("cmbHeight"))->setCurrentIndex(0);
    static_cast<QComboBox*>(ui.Control("cmbPlayers"))->setCurrentIndex(1);
    static_cast<QSlider*>(ui.Control("sldSpeed"))->setValue(2);
    ui.Press("cmdNew");
    ui.Press("cmdDone");
    const std::vector<std::vector<int>> pairs = PairsOnTheBoard(ui.form);
    ASSERT_EQ(pairs.size(), 4u);
    for (const auto& pair : pairs) ASSERT_EQ(pair.size(), 2u);
    auto click = [&](int code) {
        ui.ClickCard(code);
        QTest::qWait(450);
    };
    auto waitForTurnBack = [&] {
        QElapsedTimer waited;
        waited.start();
        while (ui.form.tmrCardDelay.enabled && waited.elapsed() < 10'000) QTest::qWait(20);
        QTest::qWait(400);
    };
    click(pairs[0][0]);
    click(pairs[0][1]);
    click(pairs[1][0]);
    click(pairs[2][0]);
    waitForTurnBack();
    click(pairs[2][0]);
    click(pairs[3][0]);
    waitForTurnBack();
    for (int face : {1, 2, 3}) {
        click(pairs[static_cast<std::size_t>(face)][0]);
        click(pairs[static_cast<std::size_t>(face)][1]);
    }
    ASSERT_TRUE(ui.form.fraOutcome.visible);
    QTest::qWait(1800);
}

TEST(HeardSound, EachCueSoundsInTheOrderOfTheGameAndNoneWithSoundOff) {
    const QByteArray monitor = qgetenv("PAIRON_SOUND_TEST_MONITOR");
    if (monitor.isEmpty()) GTEST_SKIP() << "run by tests/sound/heard_sound_test.sh, with a sound server of its own";

    QProcess recorder;
    QByteArray recorded;
    QObject::connect(&recorder, &QProcess::readyReadStandardOutput, [&] { recorded += recorder.readAllStandardOutput(); });
    recorder.start(QStringLiteral("parec"), {QStringLiteral("--latency-msec=10"), QStringLiteral("--device=") + monitor,
                                             QStringLiteral("--format=s16le"), QStringLiteral("--channels=1"),
                                             QStringLiteral("--rate=%1").arg(kRate), QStringLiteral("--raw")});
    ASSERT_TRUE(recorder.waitForStarted(5000));
    QElapsedTimer waited;
    waited.start();
    while (recorded.size() < kRate && waited.elapsed() < 10'000) QTest::qWait(20);
    ASSERT_GE(recorded.size(), kRate) << "the recorder records nothing";

    ViewFixture ui;
    GameSound sound(QCoreApplication::applicationDirPath());
    ui.view.Listen(&sound);
    sound.Start();
    QTest::qWait(800);  // the cues load
    const auto heardFrom = static_cast<std::size_t>(recorded.size() / 2);
    PlayTheScriptedGame(ui);
    if (HasFatalFailure()) return;
    const auto heardTo = static_cast<std::size_t>(recorded.size() / 2);

    // The same game with the box unticked, which takes effect at once.
    ui.Press("cmdNew");
    static_cast<QCheckBox*>(ui.Control("chkSound"))->click();
    ASSERT_EQ(ui.form.chkSound.value, 0);
    const auto silentFrom = static_cast<std::size_t>(recorded.size() / 2);
    PlayTheScriptedGame(ui);
    if (HasFatalFailure()) return;
    QTest::qWait(200);
    const auto silentTo = static_cast<std::size_t>(recorded.size() / 2);
    ui.view.StopListening(&sound);
    recorder.terminate();
    recorder.waitForFinished(5000);

    Samples samples(static_cast<std::size_t>(recorded.size() / 2));
    std::memcpy(samples.data(), recorded.constData(), samples.size() * 2);

    const Hearing game = Hear(Samples(samples.begin() + static_cast<std::ptrdiff_t>(heardFrom),
                                      samples.begin() + static_cast<std::ptrdiff_t>(heardTo)));
    using C = Cue;
    const std::vector<Cue> expected = {C::CardUp, C::CardUp, C::Pair,   C::CardUp,   C::CardUp, C::Miss,   C::TurnBack,
                                       C::CardUp, C::CardUp, C::Miss,   C::TurnBack, C::CardUp, C::CardUp, C::Pair,
                                       C::CardUp, C::CardUp, C::Pair,   C::CardUp,   C::CardUp, C::Pair,   C::Winner};
    std::vector<std::string> heardNames, expectedNames;
    for (const Found& f : game.cues) heardNames.push_back(Name(f.cue));
    for (Cue cue : expected) expectedNames.push_back(Name(cue));
    std::string heardAt;
    for (const Found& f : game.cues) heardAt += Name(f.cue) + " " + std::to_string(f.at * 1000 / kRate) + " ms; ";
    for (std::size_t at : game.unknown) heardAt += "? " + std::to_string(at * 1000 / kRate) + " ms; ";
    EXPECT_EQ(heardNames, expectedNames) << heardAt;
    for (const Found& f : game.cues) {
        EXPECT_GT(f.match, 0.93) << Name(f.cue) << " at " << f.at * 1000 / kRate << " ms sounds unlike its file";
    }
    if (const QByteArray keep = qgetenv("PAIRON_SOUND_TEST_RECORDING"); !keep.isEmpty()) {
        QFile file(QString::fromLocal8Bit(keep));
        if (file.open(QIODevice::WriteOnly)) file.write(recorded.mid(static_cast<qsizetype>(heardFrom * 2)));
    }
    EXPECT_TRUE(game.unknown.empty()) << game.unknown.size() << " sounds that are no cue, the first at "
                                      << (game.unknown.empty() ? 0 : game.unknown[0] * 1000 / kRate) << " ms";

    int loudest = 0;
    for (std::size_t k = silentFrom; k < silentTo && k < samples.size(); ++k) loudest = std::max(loudest, std::abs(int(samples[k])));
    EXPECT_LE(loudest, 2) << "a game with the sound off is heard";
    EXPECT_GT(silentTo, silentFrom + 5 * kRate);
}

// What a sink of the test's sound server plays, recorded from its monitor.
class Recording {
public:
    explicit Recording(const QString& monitor) {
        QObject::connect(&recorder_, &QProcess::readyReadStandardOutput, [this] { bytes_ += recorder_.readAllStandardOutput(); });
        recorder_.start(QStringLiteral("parec"), {QStringLiteral("--latency-msec=10"), QStringLiteral("--device=") + monitor,
                                                  QStringLiteral("--format=s16le"), QStringLiteral("--channels=1"),
                                                  QStringLiteral("--rate=%1").arg(kRate), QStringLiteral("--raw")});
    }
    ~Recording() {
        recorder_.terminate();
        recorder_.waitForFinished(5000);
    }
    // Once a second of the sink's silence has come in.
    bool Started() {
        return recorder_.waitForStarted(5000) && QTest::qWaitFor([this] { return bytes_.size() >= 2 * kRate; }, 10'000);
    }
    Samples From(std::size_t at) const {
        Samples samples(static_cast<std::size_t>(bytes_.size() / 2));
        std::memcpy(samples.data(), bytes_.constData(), samples.size() * 2);
        return Samples(samples.begin() + static_cast<std::ptrdiff_t>(std::min(at, samples.size())), samples.end());
    }
    std::size_t Size() const { return static_cast<std::size_t>(bytes_.size() / 2); }

private:
    QProcess recorder_;
    QByteArray bytes_;
};

std::string Pactl(const QStringList& arguments) {
    QProcess pactl;
    pactl.start(QStringLiteral("pactl"), arguments);
    pactl.waitForFinished(10'000);
    return pactl.exitCode() == 0 ? pactl.readAllStandardOutput().trimmed().toStdString() : std::string();
}

// Headphones plugged in, as the sound thread's player meets them: a second
// output, which the system makes its default. The cues go there from the
// next one on, and not before.
TEST(HeardSound, TheCuesFollowTheDefaultOutputWhenItChanges) {
    if (qgetenv("PAIRON_SOUND_TEST_MONITOR").isEmpty()) {
        GTEST_SKIP() << "run by tests/sound/heard_sound_test.sh, with a sound server of its own";
    }
    const std::string module = Pactl({QStringLiteral("load-module"), QStringLiteral("module-null-sink"),
                                      QStringLiteral("sink_name=pairon_headphones"), QStringLiteral("rate=44100"),
                                      QStringLiteral("channels=1")});
    ASSERT_FALSE(module.empty()) << "the second output could not be made";
    auto plugged = [] {
        for (const QAudioDevice& device : QMediaDevices::audioOutputs()) {
            if (device.id() == "pairon_headphones") return true;
        }
        return false;
    };
    {
        Recording headphones(QStringLiteral("pairon_headphones.monitor"));
        ASSERT_TRUE(headphones.Started()) << "the recorder records nothing";
        ASSERT_TRUE(QTest::qWaitFor(plugged, 10'000)) << "Qt never sees the second output";

        QLibrary library(QCoreApplication::applicationDirPath() + QLatin1Char('/') + QLatin1String(kSoundModuleName));
        auto make = reinterpret_cast<MakeCuePlayerFunction>(library.resolve(kMakeCuePlayerSymbol));
        ASSERT_NE(make, nullptr) << library.errorString().toStdString();
        std::unique_ptr<CuePlayerBase> player(make(QCoreApplication::applicationDirPath()));
        player->Load();

        // Before the change: the old output plays the cue, the headphones hear nothing.
        const std::size_t before = headphones.Size();
        player->Play({{Cue::Pair, 0}});
        QTest::qWait(CueFileOf(Cue::Pair).audibleMs + 500);
        int loudest = 0;
        for (std::int16_t s : headphones.From(before)) loudest = std::max(loudest, std::abs(int(s)));
        EXPECT_LE(loudest, 2) << "the headphones play a cue before they are the default";

        // The system makes them its default, as the desktop does when they
        // are plugged in; the player hears of it from the sound server.
        const std::string was = Pactl({QStringLiteral("get-default-sink")});
        Pactl({QStringLiteral("set-default-sink"), QStringLiteral("pairon_headphones")});
        ASSERT_EQ(Pactl({QStringLiteral("get-default-sink")}), "pairon_headphones");
        bool moved = false;
        for (int k = 0; k < 40 && !moved; ++k) {
            const std::size_t from = headphones.Size();
            player->Play({{Cue::CardUp, 0}});
            moved = QTest::qWaitFor([&] { return !Hear(headphones.From(from)).cues.empty(); }, 300);
        }
        ASSERT_TRUE(moved) << "the cues stay on the output that was the default";
        QTest::qWait(CueFileOf(Cue::CardUp).audibleMs + 200);

        const std::size_t after = headphones.Size();
        player->Play({{Cue::Miss, 0}, {Cue::TurnBack, CueFileOf(Cue::Miss).audibleMs + 40}});
        std::vector<std::string> heard;
        const std::vector<std::string> expected = {Name(Cue::Miss), Name(Cue::TurnBack)};
        (void)QTest::qWaitFor([&] {
            heard.clear();
            for (const Found& f : Hear(headphones.From(after)).cues) heard.push_back(Name(f.cue));
            return heard == expected;
        }, 10'000);
        EXPECT_EQ(heard, expected) << "the cues after the change are not all heard on the new default";
        player.reset();
        if (!was.empty()) Pactl({QStringLiteral("set-default-sink"), QString::fromStdString(was)});
    }
    Pactl({QStringLiteral("unload-module"), QString::fromStdString(module)});
}

// A lone player's whole game on the 6 x 3 board, pair after pair; with
// `goneAfter` pairs, the sound server of process `server` is ended.
void PlayAloneToTheOutcome(int goneAfter = -1, pid_t server = 0) {
    StderrCapture err;
    {
        ViewFixture ui;
        GameSound sound(QCoreApplication::applicationDirPath());
        ui.view.Listen(&sound);
        sound.Start();
        QTest::qWait(300);
        ui.Press("cmdNew");
        ui.Press("cmdDone");
        int pairs = 0;
        for (int face = 1; face <= 26; ++face) {
            std::vector<int> codes;
            for (int k = 0; k < 18; ++k) {
                if (ui.form.lstShuffled.Value(static_cast<std::size_t>(k)) == face) codes.push_back((k / 6) * 10 + k % 6);
            }
            if (codes.size() != 2) continue;
            ui.ClickCard(codes[0]);
            QTest::qWait(30);
            ui.ClickCard(codes[1]);
            QTest::qWait(30);
            if (++pairs == goneAfter) {
                ASSERT_EQ(kill(server, SIGTERM), 0);
                QTest::qWait(300);
            }
        }
        EXPECT_TRUE(ui.form.fraOutcome.visible);
        EXPECT_GT(sound.CuesHandedOver(), 18);
        QTest::qWait(500);
        ui.Press("cmdNew");
        ui.view.StopListening(&sound);
    }
    const std::string text = err.Release();
    EXPECT_LE(std::count(text.begin(), text.end(), '\n'), 1) << text;
}

TEST(SilentSound, AWholeGamePlaysToItsOutcomeWithNoSoundServerAndAtMostOneLine) {
    if (qgetenv("PULSE_SERVER").isEmpty()) GTEST_SKIP() << "run by its CTest entry, with no sound server to be found";
    PlayAloneToTheOutcome();
}

TEST(HeardSound, AGamePlaysOnWhenTheSoundServerGoesAway) {
    const QByteArray server = qgetenv("PAIRON_SOUND_TEST_SERVER_PID");
    if (server.isEmpty()) GTEST_SKIP() << "run by tests/sound/heard_sound_test.sh, with a sound server of its own";
    PlayAloneToTheOutcome(3, static_cast<pid_t>(server.toLong()));
}

// The sound server hangs as the game leaves: the game still ends, at once,
// and with the status it would have had without sound.
TEST(SoundAtExit, AHungSoundServerEndsTheGameWithTheStatusItWouldHaveHad) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    auto leave = [](int status) {
        {
            GameSound sound(QStringLiteral(PAIRON_HUNG_SOUND_DIR));
            sound.Start();
            sound.EndWith(status);
        }
        std::exit(99);  // the sound thread ended after all
    };
    // A picture the game needs went missing: a failure, whatever the sound did.
    EXPECT_EXIT(leave(1), testing::ExitedWithCode(1), "the sound thread did not end in time");
    EXPECT_EXIT(leave(0), testing::ExitedWithCode(0), "the sound thread did not end in time");
}

}  // namespace
}  // namespace pairon

// The game's own start-up, as src/app/main.cpp runs it (the same Startup), with time stamps
// along the way. Without options it ends at the first paint of the window.
//
//   --idle setup   stays up after the first paint, waiting for a human at the setup
//   --idle turn    presses New Game and Done after the first paint (the first
//                  seat a human), then waits for that human's first click
//   --with-deck    reads the remembered choices from pairon-deck.conf beside
//                  the usual file, which chooses a deck of the player's own
//
// While idling it prints a line on stderr for every timer event any object
// receives, and one for every paint, so that a quiet run prints nothing.

#include <QApplication>
#include <QPushButton>
#include <cstring>
#include <string>

#include "app/command_line.h"
#include "app/startup.h"
#include "first_paint.h"
#include "game/main_form.h"
#include "game/random.h"
#include "desktop/main_window/main_window_view.h"
#include "files/choices_file.h"
#include "desktop/speech/play_by_ear.h"
#include "desktop/sound/sound.h"

namespace {

// Reports every timer event and paint that happens once the window waits.
class IdleWatch : public QObject {
protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::Timer || event->type() == QEvent::Paint) {
            std::fprintf(stderr, "idle: %s event on %s \"%s\"\n", event->type() == QEvent::Timer ? "timer" : "paint",
                         object->metaObject()->className(), object->objectName().toLocal8Bit().constData());
        }
        return false;
    }
};

}  // namespace

int main(int argc, char* argv[]) {
    pairon::bench::PrintStamp("main");
    // The game's own look at its command line before anything starts.
    if (const auto status = pairon::AnswerAtOnce(argc, argv)) return *status;
    std::string idle;
    bool withDeck = false;
    pairon::CommandLine line;
    for (int k = 1; k < argc; ++k) {
        if (k + 1 < argc && std::strcmp(argv[k], "--idle") == 0) idle = argv[k + 1];
        if (std::strcmp(argv[k], "--with-deck") == 0) withDeck = true;
        if (std::strcmp(argv[k], "--no-sound") == 0) line.sound = false;
    }

    pairon::Startup startup;
    QApplication app(argc, argv);
    startup.ApplicationMade();
    pairon::bench::PrintStamp("application");

    pairon::MixingRandom random;
    pairon::MainForm form(random);
    // The remembered choices, from the profile the bench gives it.
    QString choicesPath = pairon::ChoicesFile::UsualPath();
    if (withDeck) choicesPath.replace(QStringLiteral("pairon.conf"), QStringLiteral("pairon-deck.conf"));
    pairon::ChoicesFile choices(choicesPath);
    pairon::ChooseForThisRun(line, choices);
    pairon::GameSound sound(QCoreApplication::applicationDirPath());
    pairon::MainWindowView window(form, QCoreApplication::applicationDirPath(), &choices);
    if (window.Failed()) return 1;
    // As the game does: whoever listens rather than looks is told what happens,
    // and the game is heard once it is on screen.
    pairon::PlayByEar ear(window);
    window.Listen(&sound);
    sound.StartAfterFirstPaint(&window, form);
    pairon::bench::PrintStamp("window");

    IdleWatch watch;
    std::function<void()> painted;
    if (!idle.empty()) {
        painted = [&] {
            if (idle == "turn") {
                static_cast<QPushButton*>(window.Control("cmdNew"))->click();
                static_cast<QPushButton*>(window.Control("cmdDone"))->click();
            }
            std::printf("idle %s: caption \"%s\", turn of \"%s\", card timer %s, computer timer %s\n", idle.c_str(),
                        form.cmdNew.caption.c_str(), form.lblPlayerTurn.text.c_str(),
                        form.tmrCardDelay.enabled ? "on" : "off", form.tmrComputerDelay.enabled ? "on" : "off");
            std::fflush(stdout);
            // Let the presses paint, then watch from the next pass of the loop on.
            QTimer::singleShot(500, &app, [&app, &watch] {
                app.installEventFilter(&watch);
                std::printf("watching\n");
                std::fflush(stdout);
            });
        };
    }
    pairon::bench::FirstPaint firstPaint(&window, painted);
    window.show();
    pairon::bench::PrintStamp("shown");
    const int status = QApplication::exec();
    return window.Failed() ? 1 : status;
}

#include <QApplication>

#include "app/command_line.h"
#include "app/startup.h"
#include "game/main_form.h"
#include "game/random.h"
#include "desktop/main_window/main_window_view.h"
#include "files/choices_file.h"
#include "desktop/speech/play_by_ear.h"
#include "desktop/sound/sound.h"

int main(int argc, char* argv[]) {
    if (const auto status = pairon::AnswerAtOnce(argc, argv)) return *status;
    pairon::Startup startup;
    QApplication app(argc, argv);
    startup.ApplicationMade();
    // Qt has taken its own options from the line; what is left must be ours.
    const pairon::CommandLine line = pairon::ReadCommandLine(argc, argv);
    if (const auto status = pairon::Answer(line)) return *status;

    pairon::MixingRandom random;
    pairon::MainForm form(random);
    pairon::ChoicesFile choices(line.ChoicesPath());
    pairon::ChooseForThisRun(line, choices);
    // The cues are loaded once the window is on screen.
    pairon::GameSound sound(QCoreApplication::applicationDirPath());
    pairon::MainWindowView window(form, QCoreApplication::applicationDirPath(), &choices);
    if (window.Failed()) {
        sound.EndWith(1);
        return 1;
    }
    pairon::PlayByEar ear(window);
    window.Listen(&sound);
    sound.StartAfterFirstPaint(&window, form);
    window.show();
    const int ended = QApplication::exec();
    const int status = window.Failed() ? 1 : ended;
    sound.EndWith(status);
    return status;
}

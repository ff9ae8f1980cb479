#include <QApplication>

#include "app/startup.h"
#include "game/main_form.h"
#include "game/random.h"
#include "ui/main_window/main_window_view.h"

int main(int argc, char* argv[]) {
    pairon::Startup startup;
    QApplication app(argc, argv);
    startup.ApplicationMade();

    pairon::MixingRandom random;
    pairon::MainForm form(random);
    pairon::MainWindowView window(form, QCoreApplication::applicationDirPath());
    if (window.Failed()) return 1;
    window.show();
    const int status = QApplication::exec();
    return window.Failed() ? 1 : status;
}

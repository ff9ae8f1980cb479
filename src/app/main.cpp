#include <malloc.h>

#include <QApplication>

#include "game/main_form.h"
#include "game/random.h"
#include "ui/main_window/main_window_view.h"

int main(int argc, char* argv[]) {
    // Pictures are decoded afresh at every load; give their buffers back to
    // the system when freed, so memory stays flat across games.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pairon"));
    QApplication::setApplicationVersion(QStringLiteral(PAIRON_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("io.github.pairon.Pairon"));
    // The game decides itself when it ends: Exit, or closing its window.
    QApplication::setQuitOnLastWindowClosed(false);

    pairon::MixingRandom random;
    pairon::MainForm form(random);
    pairon::MainWindowView window(form, QCoreApplication::applicationDirPath());
    if (window.Failed()) return 1;
    window.show();
    const int status = QApplication::exec();
    return window.Failed() ? 1 : status;
}

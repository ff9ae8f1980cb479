#include "app/startup.h"

#include <fontconfig/fontconfig.h>
#include <malloc.h>

#include <QApplication>
#include <system_error>

#include "desktop/translation/languages.h"

namespace pairon {

Startup::Startup() {
    // Pictures are decoded afresh at every load. A fixed threshold keeps
    // glibc from raising it after the first large buffer is freed and then
    // holding twice that much free at the top of the heap: memory stays flat
    // across games. Buffers up to 1 MB (a photograph on a screen at 100
    // percent) come from the heap and are reused game after game; mapping
    // each one afresh would cost New Game a quarter of its time in page faults.
    mallopt(M_MMAP_THRESHOLD, 1024 * 1024);
    // One heap for every thread: the few the game has allocate little, and
    // each heap of its own would keep pages of its own.
    mallopt(M_ARENA_MAX, 1);
    // Fontconfig keeps the configuration it loads for the whole process; Qt's
    // own call then finds it ready. Should Qt get there first, each load is
    // complete and only one is kept.
    try {
        fonts_ = std::thread([] { FcInit(); });
    } catch (const std::system_error&) {
        // No second thread: Qt loads the configuration itself, as usual.
    }
}

Startup::~Startup() { WaitForFonts(); }

void Startup::ApplicationMade() {
    QApplication::setApplicationName(QStringLiteral("Pairon"));
    QApplication::setApplicationVersion(QStringLiteral(PAIRON_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("io.github.pairon.Pairon"));
    // The game decides itself when it ends: Exit, or closing its window.
    QApplication::setQuitOnLastWindowClosed(false);
    // English needs no catalogue, so an English desktop loads none.
    languages_ = std::make_unique<LanguageCatalogues>();
    languages_->InstallForDesktop();
    WaitForFonts();
}

void Startup::WaitForFonts() {
    if (fonts_.joinable()) fonts_.join();
}

}  // namespace pairon

#pragma once

#include <QGuiApplication>
#include <QMessageLogContext>
#include <QString>
#include <cstdlib>

namespace pairon::fuzz {

// Qt's readers stay silent: the fuzzer's own output is what counts.
inline void Discard(QtMsgType, const QMessageLogContext&, const QString&) {}

// Makes the application a fuzz target's pictures need, once for the whole
// process. No display: pictures become pixmaps on the offscreen platform.
// Qt gets arguments of its own, so it cannot take any of the fuzzer's.
inline void StartQuietQt(char* name) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char* argv[] = {name, nullptr};
    new QGuiApplication(argc, argv);  // lives as long as the process
    qInstallMessageHandler(Discard);
}

}  // namespace pairon::fuzz

#include "desktop/decks/deck_import_dialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QProgressDialog>
#include <QThread>
#include <cstdio>
#include <memory>

#ifdef __linux__
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

#include "decks/deck_import.h"
#include "decks/deck_store.h"

namespace pairon {

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("Decks", text); }

// How much lower than the window's the import's thread runs.
constexpr int kImportNiceness = 10;

QString SkippedLine(const QStringList& skipped) {
    if (skipped.isEmpty()) return {};
    return QStringLiteral("\n\n") + Tr(QT_TRANSLATE_NOOP("Decks", "These files could not be read and were left out: %1"))
                                        .arg(skipped.join(QStringLiteral(", ")));
}

// The import's thread runs at a lower priority than the window's: on a busy
// machine the window is still painted and answers Cancel at once, and the
// import takes whatever time is left over, as it did all the time before.
void GiveWayToTheWindow() {
#ifdef __linux__
    // On Linux a nice value belongs to a thread, and this one is the caller.
    setpriority(PRIO_PROCESS, static_cast<id_t>(syscall(SYS_gettid)), kImportNiceness);
#endif
}

}  // namespace

QString DeckImportReport(const QString& deck, int pictures, const QStringList& skipped) {
    return Tr(QT_TRANSLATE_NOOP("Decks", "Pictures in the deck \"%1\": %2.")).arg(deck).arg(pictures) + SkippedLine(skipped);
}

QString DeckImportNothingReport(const QString& folder, const QStringList& skipped) {
    return Tr(QT_TRANSLATE_NOOP("Decks", "No deck was made: %1 holds no JPEG, PNG or BMP picture that could be read."))
               .arg(QDir::toNativeSeparators(folder)) +
           SkippedLine(skipped);
}

QString DeckImportFailureReport(const QString& folder) {
    return Tr(QT_TRANSLATE_NOOP("Decks", "No deck was made: the pictures could not be kept in %1."))
        .arg(QDir::toNativeSeparators(folder));
}

QString DeckImportProgressText(const QString& deck) {
    return Tr(QT_TRANSLATE_NOOP("Decks", "Reading the pictures for \"%1\"...")).arg(deck);
}

QString DeckImportCancelText() { return Tr(QT_TRANSLATE_NOOP("Decks", "Cancel")); }

std::optional<QString> RunDeckImport(QWidget* parent, DeckStore& store, const QString& folder, const QString& name,
                                     const std::function<void(const QString&)>& tell,
                                     const std::function<void(int photo)>& beforePhoto) {
    DeckImport import(folder, store.Folder(), name);
    {
        // Gone before anything is told: its timer would otherwise show it
        // again over the report.
        QProgressDialog progress(DeckImportProgressText(name), DeckImportCancelText(), 0, std::max(1, import.Count()),
                                 parent);
        progress.setWindowTitle(Tr(QT_TRANSLATE_NOOP("Decks", "Add pictures")));
        progress.setWindowModality(Qt::WindowModal);
        // A folder of a few photos is read before a bar could be seen.
        progress.setMinimumDuration(400);
        progress.setAutoReset(false);
        progress.setAutoClose(false);
        progress.setValue(0);
        QEventLoop waiting;
        QObject::connect(&progress, &QProgressDialog::canceled, &waiting, [&import] { import.Cancel(); });
        std::unique_ptr<QThread> reading(QThread::create([&import, &progress, &beforePhoto] {
            GiveWayToTheWindow();
            for (int photo = 0;; ++photo) {
                if (beforePhoto) beforePhoto(photo);
                if (!import.Step()) break;
                const int done = photo + 1;
                QMetaObject::invokeMethod(
                    &progress, [&progress, done] { progress.setValue(done); }, Qt::QueuedConnection);
            }
        }));
        QObject::connect(reading.get(), &QThread::finished, &waiting, &QEventLoop::quit, Qt::QueuedConnection);
        reading->start();
        waiting.exec();
        reading->wait();
        // What the thread asked of the bar and has not been shown is dropped
        // with it.
        QCoreApplication::removePostedEvents(&progress, QEvent::MetaCall);
        if (import.Cancelled()) return std::nullopt;  // the import takes its unfinished deck with it
    }
    if (!import.Error().isEmpty()) {
        std::fprintf(stderr, "Pairon: %s\n", import.Error().toLocal8Bit().constData());
        tell(DeckImportFailureReport(store.Folder()));
        return std::nullopt;
    }
    if (!import.Finish()) {
        if (!import.Error().isEmpty()) {
            std::fprintf(stderr, "Pairon: %s\n", import.Error().toLocal8Bit().constData());
            tell(DeckImportFailureReport(store.Folder()));
        } else {
            tell(DeckImportNothingReport(folder, import.Skipped()));
        }
        return std::nullopt;
    }
    tell(DeckImportReport(name, import.Imported(), import.Skipped()));
    return name;
}

}  // namespace pairon

#include "desktop/sound/sound.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEvent>
#include <QLibrary>
#include <QWidget>
#include <algorithm>
#include <array>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <mutex>

namespace pairon {

namespace {

// Qt's sound code reports a missing server or device, and each failed
// attempt after it, on the message log. The game keeps the first such
// message and says it once, in a line of its own, when a cue is to play:
// a run that plays nothing says nothing. Every other message is passed on.
QtMessageHandler previousHandler = nullptr;
std::atomic<QThread*> soundThread{nullptr};
std::mutex soundTroubleLock;
QString soundTrouble;
bool soundTroubleTold = false;

void TellSoundTrouble() {
    const std::lock_guard lock(soundTroubleLock);
    if (soundTroubleTold || soundTrouble.isEmpty()) return;
    soundTroubleTold = true;
    std::fprintf(stderr, "pairon: sound: %s (the game plays on; no more sound messages this run)\n",
                 soundTrouble.toLocal8Bit().constData());
    std::fflush(stderr);
}

bool IsSoundMessage(const QMessageLogContext& context, const QString& message) {
    if (QThread::currentThread() == soundThread.load()) return true;
    if (context.category && QByteArray(context.category).startsWith("qt.multimedia")) return true;
    for (const char* start : {"PulseAudioService", "No audio device", "\"Stream error", "QSoundEffect", "QAudioSink",
                              "QPulseAudio", "QAudioOutput", "Buffer underflow"}) {
        if (message.startsWith(QLatin1String(start))) return true;
    }
    return false;
}

void FilterSoundMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type != QtFatalMsg && IsSoundMessage(context, message)) {
        const std::lock_guard lock(soundTroubleLock);
        if (soundTrouble.isEmpty()) soundTrouble = QString(message).remove(QLatin1Char('"')).simplified();
        return;
    }
    if (previousHandler) {
        previousHandler(type, context, message);
    } else {
        std::fprintf(stderr, "%s\n", qFormatLogMessage(type, context, message).toLocal8Bit().constData());
    }
}

}  // namespace

// Lives on the sound thread: the sound module and its player.
class SoundSide : public QObject {
public:
    explicit SoundSide(QString folder) : folder_(std::move(folder)) {}
    ~SoundSide() override {
        player_.reset();
        // The module stays loaded: Qt's sound code keeps threads of its own.
    }

    void Load() {
        QLibrary module(folder_ + QLatin1Char('/') + QLatin1String(kSoundModuleName));
        auto make = reinterpret_cast<MakeCuePlayerFunction>(module.resolve(kMakeCuePlayerSymbol));
        if (!make) {
            qWarning("the sound module could not be loaded: %s", qUtf8Printable(module.errorString()));
            return;
        }
        player_.reset(make(folder_));
        player_->Load();
    }
    void Play(const std::vector<PlannedCue>& cues) {
        TellSoundTrouble();
        if (player_) player_->Play(cues);
        TellSoundTrouble();
    }
    void Stop() {
        if (player_) player_->Stop();
    }

private:
    QString folder_;
    std::unique_ptr<CuePlayerBase> player_;
};

GameSound::GameSound(QString folder, QObject* parent) : QObject(parent), folder_(std::move(folder)) {
    thread_.setObjectName(QStringLiteral("sound"));
}

GameSound::~GameSound() {
    if (!started_) return;
    SoundSide* side = side_;
    QMetaObject::invokeMethod(side, [side] {
        delete side;
        QThread::currentThread()->quit();
    });
    // A sound server that hangs must not keep the game from ending, nor
    // change how it ended.
    if (!thread_.wait(QDeadlineTimer(2000))) {
        std::fprintf(stderr, "pairon: sound: the sound thread did not end in time\n");
        std::fflush(nullptr);
        std::quick_exit(exitStatus_);
    }
    soundThread = nullptr;
}

void GameSound::Start() {
    if (started_) return;
    started_ = true;
    if (!previousHandler) previousHandler = qInstallMessageHandler(FilterSoundMessages);
    side_ = new SoundSide(folder_);
    side_->moveToThread(&thread_);
    thread_.start(QThread::LowPriority);
    soundThread = &thread_;
    SoundSide* side = side_;
    QMetaObject::invokeMethod(side, [side] { side->Load(); });
}

void GameSound::StartAfterFirstPaint(QWidget* window, const MainForm& form) {
    if (started_ || !window) return;
    form_ = &form;
    window->installEventFilter(this);
}

bool GameSound::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        // Once the paint is on screen.
        QMetaObject::invokeMethod(
            this, [this] { if (form_->chkSound.value != 0) Start(); }, Qt::QueuedConnection);
    }
    return false;
}

void GameSound::Heard(const std::vector<Happening>& happenings, const MainForm& form) {
    bool leaving = false;
    for (const Happening& h : happenings) {
        leaving = leaving || h.kind == HappeningKind::GameLeft || h.kind == HappeningKind::GameDealt;
    }
    if (leaving) {
        // Back to the setup, or a new board: what still sounds of the last game stops.
        if (started_) {
            SoundSide* side = side_;
            QMetaObject::invokeMethod(side, [side] { side->Stop(); });
        }
        return;
    }
    if (form.chkSound.value == 0) return;
    std::vector<PlannedCue> cues = CuesFor(happenings);
    if (cues.empty()) return;
    Start();
    handedOver_ += static_cast<int>(cues.size());
    SoundSide* side = side_;
    QMetaObject::invokeMethod(side, [side, cues = std::move(cues)] { side->Play(cues); });
}

}  // namespace pairon

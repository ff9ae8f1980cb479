#include "ui/main_window/qt_sound.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEvent>
#include <QFile>
#include <QMediaDevices>
#include <QTimer>
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

// The quiet between two cues of one event.
constexpr int kCueGapMs = 40;

// Two cards can be turned up within one cue's length; each card gets a cue of
// its own rather than cutting the other short.
constexpr int VoicesOf(Cue cue) { return cue == Cue::CardUp ? 2 : 1; }

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

// The samples of a cue file: 16-bit mono PCM at the cues' rate, as the
// game's own drawing writes them; anything else is no cue.
QByteArray ReadCueFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = file.read(8 * 1024 * 1024);
    auto word = [&](qsizetype at, int size) {
        quint32 value = 0;
        for (int b = size - 1; b >= 0; --b) value = (value << 8) | static_cast<unsigned char>(bytes[at + b]);
        return value;
    };
    if (bytes.size() < 44 || !bytes.startsWith("RIFF") || bytes.mid(8, 8) != "WAVEfmt ") return {};
    if (word(20, 2) != 1 || word(22, 2) != 1 || word(24, 4) != kCueSampleRate || word(34, 2) != 16) return {};
    if (bytes.mid(36, 4) != "data") return {};
    const qsizetype size = std::min<qsizetype>(word(40, 4), bytes.size() - 44) & ~qsizetype{1};
    return bytes.mid(44, size);
}

// One cue's sound, and the stream that plays it. Qt 6.4's QSoundEffect
// opens each play's stream with three quarters of the buffer of the play
// before, until the stream runs dry and cues come late, cut or not at all;
// a voice asks for the same buffer at every start.
class CueVoice {
public:
    explicit CueVoice(const QByteArray& samples) : samples_(samples), buffer_(&samples_) {
        QAudioFormat format;
        format.setSampleRate(kCueSampleRate);
        format.setChannelCount(1);
        format.setSampleFormat(QAudioFormat::Int16);
        sink_ = new QAudioSink(QMediaDevices::defaultAudioOutput(), format);
        // Once the last sample is handed over the stream is closed: the
        // silence at the end of the file is what that cuts off.
        QObject::connect(sink_, &QAudioSink::stateChanged, sink_, [sink = sink_](QAudio::State state) {
            if (state == QAudio::IdleState) sink->stop();
        });
    }

    ~CueVoice() { delete sink_; }
    CueVoice(const CueVoice&) = delete;
    CueVoice& operator=(const CueVoice&) = delete;

    void Play() {
        sink_->stop();
        buffer_.close();
        buffer_.open(QIODevice::ReadOnly);
        sink_->setBufferSize(kStreamBufferBytes);
        sink_->start(&buffer_);
    }

    void Stop() {
        if (sink_->state() != QAudio::StoppedState) sink_->stop();
    }

private:
    // 100 ms, of which the server keeps about 70 ms in its buffer.
    static constexpr qsizetype kStreamBufferBytes = kCueSampleRate / 10 * 2;

    QByteArray samples_;
    QBuffer buffer_;
    QAudioSink* sink_;
};

// Lives on the sound thread: holds the loaded cues and plays them.
class CuePlayer : public QObject {
public:
    explicit CuePlayer(QString folder) : folder_(std::move(folder)) {}

    // Reads every cue into memory, where it stays.
    void Load() {
        for (const CueFile& file : kCueFiles) {
            const QString path = folder_ + QLatin1Char('/') + QLatin1String(file.file);
            const QByteArray samples = ReadCueFile(path);
            if (samples.isEmpty()) {
                qWarning("the cue file %s is missing or damaged", qUtf8Printable(path));
                continue;
            }
            auto& voices = voices_[static_cast<std::size_t>(file.cue)];
            for (int v = 0; v < VoicesOf(file.cue); ++v) voices.push_back(std::make_unique<CueVoice>(samples));
        }
    }

    void Play(const std::vector<PlannedCue>& cues) {
        TellSoundTrouble();
        const unsigned generation = generation_;
        for (const PlannedCue& planned : cues) {
            if (planned.delayMs <= 0) {
                Sound(planned.cue);
            } else {
                QTimer::singleShot(planned.delayMs, Qt::PreciseTimer, this, [this, planned, generation] {
                    if (generation == generation_) Sound(planned.cue);
                });
            }
        }
    }

    // Silences every cue, and those still waiting to play.
    void Stop() {
        ++generation_;
        for (auto& voices : voices_) {
            for (auto& voice : voices) voice->Stop();
        }
    }

private:
    void Sound(Cue cue) {
        const auto i = static_cast<std::size_t>(cue);
        auto& voices = voices_[i];
        if (voices.empty()) return;
        voices[next_[i]++ % voices.size()]->Play();
        TellSoundTrouble();
    }

    QString folder_;
    std::array<std::vector<std::unique_ptr<CueVoice>>, kCueCount> voices_{};
    std::array<std::size_t, kCueCount> next_{};
    unsigned generation_ = 0;
};

std::vector<PlannedCue> CuesFor(const std::vector<Happening>& happenings) {
    std::vector<PlannedCue> cues;
    int at = 0;
    auto add = [&](Cue cue) {
        cues.push_back({cue, at});
        at += CueFileOf(cue).audibleMs + kCueGapMs;
    };
    for (const Happening& h : happenings) {
        switch (h.kind) {
            case HappeningKind::CardShown: add(Cue::CardUp); break;
            case HappeningKind::PairFound: add(Cue::Pair); break;
            case HappeningKind::Missed: add(Cue::Miss); break;
            case HappeningKind::CardsTurnedBack: add(Cue::TurnBack); break;
            case HappeningKind::GameWon: add(h.computer ? Cue::BadLuck : Cue::Winner); break;
            case HappeningKind::GameDrawn: add(Cue::Draw); break;
            case HappeningKind::GameFinished: add(Cue::Alone); break;
            case HappeningKind::GameDealt:
            case HappeningKind::PlayStarted:
            case HappeningKind::GameLeft: break;
        }
    }
    return cues;
}

GameSound::GameSound(QString folder, QObject* parent) : QObject(parent), folder_(std::move(folder)) {
    thread_.setObjectName(QStringLiteral("sound"));
}

GameSound::~GameSound() {
    if (!started_) return;
    CuePlayer* player = player_;
    QMetaObject::invokeMethod(player, [player] {
        delete player;
        QThread::currentThread()->quit();
    });
    // A sound server that hangs must not keep the game from ending.
    if (!thread_.wait(QDeadlineTimer(2000))) {
        std::fprintf(stderr, "pairon: sound: the sound thread did not end in time\n");
        std::fflush(stderr);
        std::quick_exit(0);
    }
    soundThread = nullptr;
}

void GameSound::Start() {
    if (started_) return;
    started_ = true;
    if (!previousHandler) previousHandler = qInstallMessageHandler(FilterSoundMessages);
    player_ = new CuePlayer(folder_);
    player_->moveToThread(&thread_);
    thread_.start(QThread::LowPriority);
    soundThread = &thread_;
    CuePlayer* player = player_;
    QMetaObject::invokeMethod(player, [player] { player->Load(); });
}

void GameSound::StartAfterFirstPaint(QWidget* window) {
    if (started_ || !window) return;
    window->installEventFilter(this);
}

bool GameSound::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        // Once the paint is on screen.
        QMetaObject::invokeMethod(this, [this] { Start(); }, Qt::QueuedConnection);
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
            CuePlayer* player = player_;
            QMetaObject::invokeMethod(player, [player] { player->Stop(); });
        }
        return;
    }
    if (form.chkSound.value == 0) return;
    std::vector<PlannedCue> cues = CuesFor(happenings);
    if (cues.empty()) return;
    Start();
    handedOver_ += static_cast<int>(cues.size());
    CuePlayer* player = player_;
    QMetaObject::invokeMethod(player, [player, cues = std::move(cues)] { player->Play(cues); });
}

}  // namespace pairon

// The part of the game's sound that plays through Qt Multimedia, built as a
// module of its own: the game loads it on its sound thread once the window is
// on screen, so the sound libraries cost nothing on the way to the first paint.

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QFile>
#include <QMediaDevices>
#include <QObject>
#include <QTimer>
#include <algorithm>
#include <array>
#include <memory>
#include <vector>

#include "desktop/sound/default_output_watch.h"
#include "desktop/sound/sound_player.h"

namespace pairon {

namespace {

// Two cards can be turned up within one cue's length; each card gets a cue of
// its own rather than cutting the other short.
constexpr int VoicesOf(Cue cue) { return cue == Cue::CardUp ? 2 : 1; }


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
    CueVoice(const QByteArray& samples, const QAudioDevice& output) : samples_(samples), buffer_(&samples_) {
        UseOutput(output);
    }

    ~CueVoice() { delete sink_; }

    // From now on the voice sounds through `output`; what it plays now stops.
    void UseOutput(const QAudioDevice& output) {
        delete sink_;
        QAudioFormat format;
        format.setSampleRate(kCueSampleRate);
        format.setChannelCount(1);
        format.setSampleFormat(QAudioFormat::Int16);
        sink_ = new QAudioSink(output, format);
        // Once the last sample is handed over the stream is closed: the
        // silence at the end of the file is what that cuts off.
        QObject::connect(sink_, &QAudioSink::stateChanged, sink_, [sink = sink_](QAudio::State state) {
            if (state == QAudio::IdleState) sink->stop();
        });
    }
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
    QAudioSink* sink_ = nullptr;
};

// Lives on the sound thread: holds the loaded cues and plays them.
class CuePlayer : public QObject, public CuePlayerBase {
public:
    explicit CuePlayer(QString folder) : folder_(std::move(folder)) {
        // The cues follow the default output as the system changes it,
        // where Qt tells it.
        QObject::connect(&devices_, &QMediaDevices::audioOutputsChanged, this,
                         [this] { DefaultOutputChanged(QMediaDevices::defaultAudioOutput().id()); });
    }

    // Reads every cue into memory, where it stays.
    void Load() override {
        output_ = QMediaDevices::defaultAudioOutput();
        // Where Qt does not tell it, the sound server does.
        watch_ = std::make_unique<DefaultOutputWatch>([this](const QByteArray& id) {
            QMetaObject::invokeMethod(this, [this, id] { Follow(id, kFollowTries); }, Qt::QueuedConnection);
        });
        for (const CueFile& file : kCueFiles) {
            const QString path = folder_ + QLatin1Char('/') + QLatin1String(file.file);
            const QByteArray samples = ReadCueFile(path);
            if (samples.isEmpty()) {
                qWarning("the cue file %s is missing or damaged", qUtf8Printable(path));
                continue;
            }
            auto& voices = voices_[static_cast<std::size_t>(file.cue)];
            for (int v = 0; v < VoicesOf(file.cue); ++v) voices.push_back(std::make_unique<CueVoice>(samples, output_));
        }
    }

    void Play(const std::vector<PlannedCue>& cues) override {
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
    void Stop() override {
        ++generation_;
        for (auto& voices : voices_) {
            for (auto& voice : voices) voice->Stop();
        }
    }

    void DefaultOutputChanged(const QByteArray& id) override {
        QAudioDevice output = QMediaDevices::defaultAudioOutput();
        for (const QAudioDevice& device : QMediaDevices::audioOutputs()) {
            if (device.id() == id) output = device;
        }
        // No output at all (the sound server went away): nothing to follow,
        // and the streams there are stay as they are.
        if (output.isNull() || output == output_) return;
        output_ = output;
        for (auto& voices : voices_) {
            for (auto& voice : voices) voice->UseOutput(output_);
        }
    }

private:
    // How often, a quarter of a second apart, a new default output is looked
    // for among those Qt lists: the server may name it before Qt has it.
    static constexpr int kFollowTries = 20;

    void Follow(const QByteArray& id, int tries) {
        const QList<QAudioDevice> outputs = QMediaDevices::audioOutputs();
        const bool listed = std::any_of(outputs.begin(), outputs.end(), [&id](const QAudioDevice& d) { return d.id() == id; });
        if (!listed) {
            if (tries > 1) QTimer::singleShot(250, this, [this, id, tries] { Follow(id, tries - 1); });
            return;
        }
        DefaultOutputChanged(id);
    }

    void Sound(Cue cue) {
        const auto i = static_cast<std::size_t>(cue);
        auto& voices = voices_[i];
        if (voices.empty()) return;
        voices[next_[i]++ % voices.size()]->Play();
    }

    QString folder_;
    QMediaDevices devices_;
    QAudioDevice output_;
    std::array<std::vector<std::unique_ptr<CueVoice>>, kCueCount> voices_{};
    std::array<std::size_t, kCueCount> next_{};
    unsigned generation_ = 0;
    // Last, so that it stops before anything it could hand a change to.
    std::unique_ptr<DefaultOutputWatch> watch_;
};
}  // namespace

}  // namespace pairon

extern "C" Q_DECL_EXPORT pairon::CuePlayerBase* PaironMakeCuePlayer(const QString& folder) {
    return new pairon::CuePlayer(folder);
}

#include "desktop/speech/announcer.h"

#include <QAccessible>
#include <algorithm>
#include <utility>

namespace pairon {

namespace {

// A usual speaking rate is some fifteen characters a second; a short pause
// ends every utterance.
constexpr qint64 kMillisecondsPerCharacter = 65;
constexpr qint64 kPauseMilliseconds = 350;
// The screen reader says what speaks before what it says: "notification".
constexpr qint64 kNotificationWord = 13 * kMillisecondsPerCharacter;
// Nobody wants to hear what has waited longer than this: it is said at once
// when the estimate runs long.
constexpr qint64 kLongestWait = 6000;

constexpr qsizetype kKept = 100;

void Keep(QStringList& list, const QString& text) {
    list.append(text);
    if (list.size() > kKept) list.removeFirst();
}

QString Joined(const QString& first, const QString& second) {
    if (first.isEmpty()) return second;
    if (second.isEmpty()) return first;
    return first + QLatin1Char(' ') + second;
}

}  // namespace

NotificationLabel::NotificationLabel(QWidget* parent) : QLabel(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setAutoFillBackground(false);
    setGeometry(0, 0, 1, 1);
    hide();
}

void NotificationLabel::paintEvent(QPaintEvent*) {}

Announcer::Announcer(QWidget* window) : label_(new NotificationLabel(window)) {
    label_->setObjectName(QStringLiteral("announcement"));
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, [this] { SpeakWaiting(); });
    clock_.start();
}

bool Announcer::ScreenReaderListening() const { return assumeScreenReader_ || QAccessible::isActive(); }

qint64 Announcer::SpeakingTime(const QString& text) {
    return kPauseMilliseconds + kMillisecondsPerCharacter * text.size();
}

void Announcer::SayNow(const QString& text) {
    if (text.isEmpty()) return;
    Keep(given_, text);
    waiting_.clear();
    timer_.stop();
    Speak(text);
}

void Announcer::SayNext(const QString& text) {
    if (text.isEmpty()) return;
    Keep(given_, text);
    waiting_ = Joined(waiting_, text);
    const qint64 wait = busyUntil_ - clock_.elapsed();
    if (wait <= 0) {
        SpeakWaiting();
        return;
    }
    if (!timer_.isActive()) timer_.start(static_cast<int>(std::min(wait, kLongestWait)));
}

void Announcer::Hold(const QString& text) {
    busyUntil_ = std::max(busyUntil_, clock_.elapsed() + SpeakingTime(text));
    if (!waiting_.isEmpty()) {
        timer_.start(static_cast<int>(std::min(busyUntil_ - clock_.elapsed(), kLongestWait)));
    }
}

qint64 Announcer::TimeToQuiet() const {
    qint64 left = std::max<qint64>(0, busyUntil_ - clock_.elapsed());
    if (!waiting_.isEmpty()) {
        // What waits is said when its timer runs out, then takes its own time.
        left = (timer_.isActive() ? std::max(0, timer_.remainingTime()) : 0) + SpeakingTime(waiting_) +
               kNotificationWord;
    }
    return left;
}

void Announcer::SpeakWaiting() {
    timer_.stop();
    if (waiting_.isEmpty()) return;
    Speak(std::exchange(waiting_, QString()));
}

void Announcer::Speak(const QString& text) {
    busyUntil_ = clock_.elapsed() + SpeakingTime(text) + kNotificationWord;
    Keep(spoken_, text);
    // With no screen reader listening there is nobody to show it to.
    if (!ScreenReaderListening()) return;
    // Hidden, given its text and shown again, the label is spoken anew.
    label_->hide();
    label_->setText(text);
    label_->show();
}

}  // namespace pairon

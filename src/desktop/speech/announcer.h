#pragma once

#include <QElapsedTimer>
#include <QLabel>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

namespace pairon {

// A label nobody sees that a screen reader speaks each time it is shown
// again with a new text: the one way this desktop's screen reader hears a
// program speak of something that does not have the keyboard focus. It
// paints nothing and takes neither clicks nor the focus.
class NotificationLabel : public QLabel {
    Q_OBJECT
public:
    explicit NotificationLabel(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// What the game says to a screen reader user, one utterance at a time. The
// screen reader cuts short whatever it is saying when a new notification
// comes, so what is not the answer to the player's own key waits until the
// last utterance has had time to be heard; whatever waits meanwhile is
// joined into the one utterance that comes next.
class Announcer : public QObject {
    Q_OBJECT
public:
    explicit Announcer(QWidget* window);

    // Spoken at once, in place of anything waiting: what the player's own
    // key did. The key itself already cut the screen reader short.
    void SayNow(const QString& text);
    // Spoken once what is being said has been heard.
    void SayNext(const QString& text);
    // The screen reader is saying `text` of its own accord (a control that
    // took the focus): what comes next waits for it.
    void Hold(const QString& text);

    // The utterance waiting to be spoken, if any.
    const QString& Waiting() const { return waiting_; }
    // About how long, in milliseconds, until all that was given has been
    // heard: what is being said and what waits after it. 0 once it is quiet.
    qint64 TimeToQuiet() const;
    // The latest utterances spoken, and the latest texts given to be said,
    // oldest first, for whoever checks them.
    const QStringList& Spoken() const { return spoken_; }
    const QStringList& Given() const { return given_; }

    // Whether a screen reader listens: one is running, or the announcer was
    // told to act as if one did (as a test does where none can run).
    bool ScreenReaderListening() const;
    void AssumeScreenReader(bool assume) { assumeScreenReader_ = assume; }

    // About how long a screen reader takes to say `text` at its usual rate.
    static qint64 SpeakingTime(const QString& text);

private:
    void Speak(const QString& text);
    void SpeakWaiting();

    NotificationLabel* label_;
    QTimer timer_;
    QElapsedTimer clock_;
    qint64 busyUntil_ = 0;
    QString waiting_;
    QStringList spoken_;
    QStringList given_;
    bool assumeScreenReader_ = false;
};

}  // namespace pairon

#include "desktop/translation/translation.h"

#include <QCoreApplication>

#include "game/game_rules.h"
#include "game/window_layout.h"
#include "window/wording.h"

namespace pairon {

namespace {

// Every fixed text the main window shows, as the layout and the game hold
// them; listed here for the catalogues, translated where shown.
[[maybe_unused]] constexpr const char* kWindowTexts[] = {
    QT_TRANSLATE_NOOP("MainWindow", "Pairon Game"),
    QT_TRANSLATE_NOOP("MainWindow", "New Game"),
    QT_TRANSLATE_NOOP("MainWindow", "End Game"),
    QT_TRANSLATE_NOOP("MainWindow", "Help"),
    QT_TRANSLATE_NOOP("MainWindow", "Exit"),
    QT_TRANSLATE_NOOP("MainWindow", "Done"),
    QT_TRANSLATE_NOOP("MainWindow", "Dimensions"),
    QT_TRANSLATE_NOOP("MainWindow", "Width"),
    QT_TRANSLATE_NOOP("MainWindow", "Height"),
    QT_TRANSLATE_NOOP("MainWindow", "Game Options"),
    QT_TRANSLATE_NOOP("MainWindow", "Players"),
    QT_TRANSLATE_NOOP("MainWindow", "Background Picture"),
    QT_TRANSLATE_NOOP("MainWindow", "Multiple Pairs"),
    QT_TRANSLATE_NOOP("MainWindow", "Highlight Selected"),
    QT_TRANSLATE_NOOP("MainWindow", "Cards"),
    QT_TRANSLATE_NOOP("MainWindow", "Standard"),
    QT_TRANSLATE_NOOP("MainWindow", "Add pictures…"),
    QT_TRANSLATE_NOOP("MainWindow", "Remove deck…"),
    QT_TRANSLATE_NOOP("MainWindow", "Sound"),
    QT_TRANSLATE_NOOP("MainWindow", "Commentary"),
    QT_TRANSLATE_NOOP("MainWindow", "Player to Select Cards"),
    QT_TRANSLATE_NOOP("MainWindow", "Pairs Remaining"),
    QT_TRANSLATE_NOOP("MainWindow", "Score Board"),
    QT_TRANSLATE_NOOP("MainWindow", "Game Speed"),
    QT_TRANSLATE_NOOP("MainWindow", "Player Details"),
    QT_TRANSLATE_NOOP("MainWindow", "Human"),
    QT_TRANSLATE_NOOP("MainWindow", "Computer"),
    QT_TRANSLATE_NOOP("MainWindow", "Excellent"),
    QT_TRANSLATE_NOOP("MainWindow", "Good"),
    QT_TRANSLATE_NOOP("MainWindow", "Average"),
    QT_TRANSLATE_NOOP("MainWindow", "Poor"),
    QT_TRANSLATE_NOOP("MainWindow", "Shocking"),
    QT_TRANSLATE_NOOP("MainWindow", "Game Window"),
    QT_TRANSLATE_NOOP("MainWindow", "Outcome"),
};

QString Translated(const char* context, std::string_view text) {
    return QCoreApplication::translate(context, std::string(text).c_str());
}

// `text` with each %1 ... %9 that has an argument replaced by it, in one pass:
// what an argument brings (a typed name with a % in it) is never read again.
QString Substituted(const QString& text, const QStringList& args) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('%') && i + 1 < text.size() && text[i + 1] >= QLatin1Char('1') &&
            text[i + 1] <= QLatin1Char('9')) {
            const qsizetype k = text[i + 1].unicode() - '1';
            if (k < args.size()) {
                out += args[k];
                ++i;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

}  // namespace

QString Rendered(const Words& words) {
    const QString text = words.context.empty()
                             ? Untranslated(words.source)
                             : QCoreApplication::translate(words.context.c_str(), words.source.c_str(), nullptr, words.count);
    if (words.args.empty()) return text;
    QStringList args;
    for (const Words& arg : words.args) args << Rendered(arg);
    return Substituted(text, args);
}

QStringList SpokenLines(const std::vector<Words>& words) {
    QStringList lines;
    for (const Words& w : words) lines << Rendered(w).split(QLatin1Char('\n'));
    lines.removeAll(QString());
    return lines;
}

QString Spoken(const std::vector<Words>& words) { return SpokenLines(words).join(QLatin1Char(' ')); }

QString ShownName(std::string_view name) { return Rendered(NameWords(name)); }

QString ShownText(const ControlLayout& control, std::string_view text) {
    return Rendered(ShownTextWords(control, text));
}

QStringList ShownOutcome(const std::vector<std::string>& lines) {
    QStringList shown;
    for (const Words& w : OutcomeWords(lines)) shown << Rendered(w).split(QLatin1Char('\n'));
    return shown;
}

QString Untranslated(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString MainWindowCaption() { return Translated("MainWindow", kMainWindowCaption); }

QString PictureFailureMessage(const QString& path) {
    return QCoreApplication::translate("MainWindow", "Pairon: the picture file %1 could not be loaded.").arg(path);
}

QStringList SpokenOutcome(const MainForm& form) { return SpokenLines(SpokenOutcomeWords(form)); }

}  // namespace pairon

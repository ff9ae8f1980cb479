#include "files/choices_file.h"

#include <QCoreApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <cstdio>
#include <utility>

#include "window/remembered_choices.h"
#include "window/zoom.h"

namespace pairon {

namespace {

// The window's zoom sits beside the setup; the setup's own reading passes
// over a key it does not know.
constexpr const char* kZoomKey = "Window/Zoom";

QString Translated(const char* text) { return QCoreApplication::translate("ChoicesFile", text); }

void Tell(const QString& line) {
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
    std::fflush(stderr);
}

}  // namespace

QString ChoicesFile::UsualPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/pairon/pairon.conf");
}

ChoicesFile::ChoicesFile(QString path) : path_(std::move(path)) {}

void ChoicesFile::ChooseForThisRun(std::string key, std::string text) {
    runChoices_[std::move(key)] = {std::move(text), {}};
}

void ChoicesFile::Restore(MainForm& form) {
    RestoreRemembered(form);
    if (runChoices_.empty()) return;
    const std::map<std::string, std::string> remembered = ChoicesToRemember(form);
    RememberedValues values;
    for (auto& [key, choice] : runChoices_) {
        const auto held = remembered.find(key);
        if (held != remembered.end()) choice.remembered = held->second;
        values[key] = choice.text;
    }
    ApplyRememberedSetup(form, ReadRememberedSetup(values, form));
}

void ChoicesFile::RestoreRemembered(MainForm& form) {
    if (path_.isEmpty()) return;
    QSettings settings(path_, QSettings::IniFormat);
    RememberedValues values;
    for (const QString& key : settings.allKeys()) {
        const QVariant value = settings.value(key);
        // A list ("a, b") or a typed value is not what any control holds.
        if (value.typeId() == QMetaType::QString) {
            values[key.toStdString()] = value.toString().toStdString();
            held_[key.toStdString()] = value.toString().toStdString();
        } else {
            values[key.toStdString()] = std::nullopt;
        }
    }
    if (settings.status() == QSettings::AccessError) {
        Tell(Translated("Pairon: could not read the remembered choices in %1; starting as usual.").arg(path_));
        return;
    }
    const RememberedSetup setup = ReadRememberedSetup(values, form);
    ApplyRememberedSetup(form, setup);

    QStringList ignored;
    for (const std::string& key : setup.ignored) ignored << QString::fromStdString(key);
    if (const auto zoom = values.find(kZoomKey); zoom != values.end() && !RememberedZoom()) {
        ignored << QString::fromLatin1(kZoomKey);
    }
    if (settings.status() == QSettings::FormatError) ignored << Translated("lines that are not settings");
    if (!ignored.isEmpty()) {
        Tell(Translated("Pairon: ignored what the game does not offer in %1 (%2); the rest is used.")
                 .arg(path_, ignored.join(QStringLiteral(", "))));
    }
}

std::optional<std::string> ChoicesFile::Held(const std::string& key) const {
    const auto held = held_.find(key);
    if (held == held_.end()) return std::nullopt;
    return held->second;
}

bool ChoicesFile::Save(const MainForm& form) {
    if (path_.isEmpty()) return true;
    std::map<std::string, std::string> choices = ChoicesToRemember(form);
    for (const auto& [key, text] : kept_) choices.emplace(key, text);
    for (auto run = runChoices_.begin(); run != runChoices_.end();) {
        auto chosen = choices.find(run->first);
        if (chosen != choices.end() && chosen->second == run->second.text) {
            chosen->second = run->second.remembered;
            ++run;
        } else {
            // The player has chosen otherwise: from now on it is kept as any choice is.
            run = runChoices_.erase(run);
        }
    }
    if (zoom_) choices[kZoomKey] = std::to_string(*zoom_);
    bool same = true;
    for (const auto& [key, text] : choices) {
        const auto held = held_.find(key);
        if (held == held_.end() || held->second != text) same = false;
    }
    if (same) return true;

    QSettings::Status status = QSettings::NoError;
    {
        QSettings settings(path_, QSettings::IniFormat);
        for (const auto& [key, text] : choices) {
            settings.setValue(QString::fromStdString(key), QString::fromStdString(text));
        }
        settings.sync();
        status = settings.status();
    }
    if (status == QSettings::FormatError) {
        // The damage was read before the file was written afresh, and Qt
        // keeps only the first trouble it meets: the file itself tells
        // whether the new one took its place.
        QSettings written(path_, QSettings::IniFormat);
        written.allKeys();
        status = written.status();
    }
    const bool saved = status == QSettings::NoError;
    if (saved) {
        for (const auto& [key, text] : choices) held_[key] = text;
    } else if (!saveFailureTold_) {
        saveFailureTold_ = true;
        Tell(Translated("Pairon: could not save the choices to %1; the next start will not have them.").arg(path_));
    }
    return saved;
}

std::optional<int> ChoicesFile::RememberedZoom() const {
    const auto held = held_.find(kZoomKey);
    if (held == held_.end()) return std::nullopt;
    return ReadZoomPercent(held->second);
}

void ChoicesFile::KeepZoom(int percent) { zoom_ = KeptZoomPercent(percent); }

}  // namespace pairon

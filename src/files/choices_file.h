#pragma once

#include <QString>
#include <map>
#include <optional>
#include <utility>
#include <string>

#include "game/main_form.h"

namespace pairon {

// The file in which the game keeps a player's setup between runs: a plain
// INI file a user can read and edit, replaced as a whole at every write, so
// a crash or a full disk never leaves half of it behind. Nothing it holds,
// and nothing that goes wrong with it, stops the game: what it can't use is
// ignored value by value, and each kind of trouble is one line on stderr.
class ChoicesFile {
public:
    // The desktop's usual place: $XDG_CONFIG_HOME/pairon/pairon.conf, which is
    // normally ~/.config/pairon/pairon.conf.
    static QString UsualPath();

    // An empty path keeps nothing and restores nothing.
    explicit ChoicesFile(QString path);

    const QString& Path() const { return path_; }

    // Makes the remembered selections on a form that has had its start-up
    // selections; a missing file changes nothing. Then makes the choices
    // given for this run.
    void Restore(MainForm& form);

    // Makes `text` the choice under `key` (such as "Options/Sound") for this
    // run, over what the file remembers, at Restore(). The file goes on
    // holding what it remembered until the player changes that choice.
    void ChooseForThisRun(std::string key, std::string text);

    // Keeps what the setup controls hold now. Writes only when that differs
    // from what the file is known to hold; returns whether the file holds it (true when keeping nothing).
    bool Save(const MainForm& form);

    // What the file held under `key` when it was read, for a choice kept
    // beside those of the setup controls (the deck of cards, say).
    std::optional<std::string> Held(const std::string& key) const;
    // Keeps `text` under `key` from the next Save() on.
    void Keep(const std::string& key, std::string text) { kept_[key] = std::move(text); }
    // The window's zoom in percent as the file held it at Restore(), if it
    // holds one the game offers.
    std::optional<int> RememberedZoom() const;
    // The zoom to keep, written with the setup at the next Save().
    void KeepZoom(int percent);

private:
    struct RunChoice {
        std::string text;        // the choice for this run
        std::string remembered;  // what the file is to keep meanwhile
    };
    void RestoreRemembered(MainForm& form);

    QString path_;
    std::map<std::string, std::string> kept_;
    std::map<std::string, RunChoice> runChoices_;
    std::map<std::string, std::string> held_;  // what the file holds, as last read or written
    bool saveFailureTold_ = false;
    std::optional<int> zoom_;  // the zoom to keep, once it has changed
};

}  // namespace pairon

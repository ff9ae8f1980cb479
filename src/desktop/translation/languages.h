#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

namespace pairon {

// The languages the game speaks besides English, by the names of their
// catalogues ("de", "pt_BR"), in alphabetical order.
QStringList GameLanguages();

// The catalogue for the first of `uiLanguages` (most wanted first, as
// QLocale::uiLanguages() gives them) that the game speaks: that language, or
// another country's variant of it. Empty for English, which needs none, and
// when the game speaks none of them.
QString ChooseLanguage(const QStringList& uiLanguages);

// The game's catalogue of one language and Qt's own (for the standard dialogs
// and context menus, where Qt's is installed), in use while this lives.
class LanguageCatalogues {
public:
    LanguageCatalogues() = default;
    ~LanguageCatalogues();
    LanguageCatalogues(const LanguageCatalogues&) = delete;
    LanguageCatalogues& operator=(const LanguageCatalogues&) = delete;

    // Puts the catalogues of `language`, a name from GameLanguages(), in use.
    // False, and English kept, if the game has no such catalogue.
    bool Install(const QString& language);

    // The catalogues for the desktop's language, through its UI languages
    // (LANGUAGE, LC_ALL, LC_MESSAGES, LANG); nothing for English.
    void InstallForDesktop();

    // Back to English.
    void Remove();

    bool QtCatalogueInstalled() const { return qtInstalled_; }

private:
    QTranslator game_;
    QTranslator qt_;
    bool gameInstalled_ = false;
    bool qtInstalled_ = false;
};

}  // namespace pairon

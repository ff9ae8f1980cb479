#include "desktop/translation/languages.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <string>
#include <vector>

#include "window/language_choice.h"

namespace pairon {

namespace {

// The catalogues are built into the game as resources.
const QString kCatalogueFolder = QStringLiteral(":/translations");
const QString kCataloguePrefix = QStringLiteral("pairon_");

}  // namespace

QStringList GameLanguages() {
    QStringList languages;
    for (const QString& file : QDir(kCatalogueFolder).entryList({kCataloguePrefix + QStringLiteral("*.qm")}, QDir::Files,
                                                                QDir::Name)) {
        languages << file.mid(kCataloguePrefix.size()).chopped(3);
    }
    return languages;
}

QString ChooseLanguage(const QStringList& uiLanguages) {
    // Qt knows the desktop's names of languages best; the choice among the
    // game's catalogues is the same as the browser edition's.
    std::vector<std::string> wanted;
    for (const QString& name : uiLanguages) {
        const QLocale locale(name);
        if (locale.language() == QLocale::English) {
            wanted.emplace_back("en");
        } else if (locale.language() == QLocale::C) {
            // "C" and "POSIX" are the untranslated texts; a name QLocale does
            // not know is passed over.
            if (name == QLatin1String("C") || name == QLatin1String("POSIX")) wanted.emplace_back("C");
        } else {
            wanted.push_back(locale.name().toStdString());  // "de_DE", "pt_BR"
        }
    }
    // English first, or the untranslated texts: no catalogue is wanted, and
    // the start-up need not list them.
    if (wanted.empty() || wanted.front() == "en" || wanted.front() == "C") return {};
    std::vector<std::string> spoken;
    for (const QString& catalogue : GameLanguages()) spoken.push_back(catalogue.toStdString());
    return QString::fromStdString(ChooseCatalogue(wanted, spoken));
}

LanguageCatalogues::~LanguageCatalogues() { Remove(); }

bool LanguageCatalogues::Install(const QString& language) {
    Remove();
    if (language.isEmpty() || !game_.load(kCataloguePrefix + language, kCatalogueFolder)) return false;
    gameInstalled_ = QCoreApplication::installTranslator(&game_);
    qtInstalled_ = qt_.load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
                   QCoreApplication::installTranslator(&qt_);
    return gameInstalled_;
}

void LanguageCatalogues::InstallForDesktop() {
    const QString language = ChooseLanguage(QLocale::system().uiLanguages());
    if (!language.isEmpty()) Install(language);
}

void LanguageCatalogues::Remove() {
    // Once the application has gone, so has its list of catalogues.
    if (!QCoreApplication::instance()) gameInstalled_ = qtInstalled_ = false;
    if (gameInstalled_) QCoreApplication::removeTranslator(&game_);
    if (qtInstalled_) QCoreApplication::removeTranslator(&qt_);
    gameInstalled_ = false;
    qtInstalled_ = false;
}

}  // namespace pairon

#include "desktop/translation/languages.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>

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
    QStringList spoken;
    for (const QString& wanted : uiLanguages) {
        const QLocale locale(wanted);
        if (locale.language() == QLocale::English) return {};
        if (locale.language() == QLocale::C) {
            // "C" and "POSIX" are the untranslated texts; a name QLocale does
            // not know is passed over.
            if (wanted == QLatin1String("C") || wanted == QLatin1String("POSIX")) return {};
            continue;
        }
        if (spoken.isEmpty()) spoken = GameLanguages();
        const QString name = locale.name();  // "de_DE", "pt_BR"
        const QString language = name.section(QLatin1Char('_'), 0, 0);
        if (spoken.contains(name)) return name;
        if (spoken.contains(language)) return language;
        for (const QString& catalogue : spoken) {
            if (catalogue.section(QLatin1Char('_'), 0, 0) == language) return catalogue;
        }
    }
    return {};
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

#include "decks/deck_store.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace pairon {

QString DeckStore::UsualFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/pairon/decks");
}

QStringList DeckStore::Names() const {
    QStringList names;
    for (const QString& name : QDir(folder_).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase)) {
        if (!name.startsWith(QLatin1Char('.')) && name != QLatin1String(kStandardDeckName)) names << name;
    }
    return names;
}

bool DeckStore::Has(const QString& name) const { return Names().contains(name); }

std::vector<DeckPicture> DeckStore::Pictures(const QString& name) const {
    std::vector<DeckPicture> pictures;
    if (!Has(name)) return pictures;
    const QDir deck(QDir(folder_).filePath(name));
    const QString sharpEnd = QStringLiteral("@2x.bmp");
    for (const QString& file : deck.entryList({QStringLiteral("*.bmp")}, QDir::Files, QDir::Name | QDir::IgnoreCase)) {
        if (file.endsWith(sharpEnd)) continue;
        const QString base = file.chopped(4);
        pictures.push_back({QFile::encodeName(deck.filePath(file)).toStdString(),
                            QFile::encodeName(deck.filePath(base + sharpEnd)).toStdString(), base.toStdString()});
    }
    return pictures;
}

bool DeckStore::Remove(const QString& name) {
    if (!Has(name)) return false;
    return QDir(QDir(folder_).filePath(name)).removeRecursively();
}

QString DeckStore::FreeName(const QString& wanted) const {
    QString base = wanted.trimmed();
    base.replace(QLatin1Char('/'), QLatin1Char('-'));
    while (base.startsWith(QLatin1Char('.'))) base.remove(0, 1);
    base = base.trimmed();
    if (base.isEmpty()) base = QStringLiteral("Pictures");
    const QStringList taken = QDir(folder_).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    QString name = base;
    for (int k = 2; taken.contains(name) || name == QLatin1String(kStandardDeckName); ++k) {
        name = QStringLiteral("%1 (%2)").arg(base).arg(k);
    }
    return name;
}

}  // namespace pairon

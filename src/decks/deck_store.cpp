#include "decks/deck_store.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QSet>
#include <QStandardPaths>

#include "decks/deck_import.h"

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
    const QString sharpEnd = QLatin1String(kSharpCopyEnd), largeEnd = QLatin1String(kLargeCopyEnd);
    auto path = [&deck](const QString& file) { return QFile::encodeName(deck.filePath(file)).toStdString(); };
    const QStringList files = deck.entryList({QStringLiteral("*.bmp")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    const QSet<QString> listed(files.begin(), files.end());
    for (const QString& file : files) {
        if (file.endsWith(sharpEnd) || file.endsWith(largeEnd)) continue;
        const QString base = file.chopped(4);
        // A deck made before the large copies were kept has none: its sharp
        // copy serves the largest window.
        const bool large = listed.contains(base + largeEnd);
        pictures.push_back({path(file), path(base + sharpEnd), path(base + (large ? largeEnd : sharpEnd)),
                            base.toStdString()});
    }
    return pictures;
}

QString DeckStore::PathOf(const QString& name) const {
    const QFileInfo deck(QDir(folder_).filePath(name));
    return deck.isSymLink() ? deck.symLinkTarget() : deck.filePath();
}

namespace {

// Whether a file of a deck's folder is a copy the game made of a picture: a
// plain file, no link, named as a copy and holding a bitmap of a copy's size.
bool GameCopy(const QFileInfo& file) {
    if (file.isSymLink() || !file.isFile() || !file.fileName().endsWith(QLatin1String(kNormalCopyEnd))) return false;
    const QString name = file.fileName();
    int factor = 1;
    if (name.endsWith(QLatin1String(kSharpCopyEnd))) factor = kPictureScale;
    if (name.endsWith(QLatin1String(kLargeCopyEnd))) factor = kLargeCardFactor;
    QImageReader reader(file.filePath(), "bmp");
    reader.setAutoDetectImageFormat(false);
    return reader.size() == QSize(kCardPictureWidth, kCardPictureHeight) * factor;
}

}  // namespace

DeckRemoval DeckStore::Remove(const QString& name) {
    if (!Has(name)) return DeckRemoval::NotThere;
    const QString path = QDir(folder_).filePath(name);
    if (QFileInfo(path).isSymLink()) return DeckRemoval::Linked;
    bool others = false, failed = false;
    const QDir deck(path);
    for (const QFileInfo& entry :
         deck.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
        if (!GameCopy(entry)) {
            others = true;
        } else if (!QFile::remove(entry.filePath())) {
            failed = true;
        }
    }
    if (failed) return DeckRemoval::Failed;
    if (others) return DeckRemoval::KeptOthers;
    return QDir(folder_).rmdir(name) ? DeckRemoval::Removed : DeckRemoval::Failed;
}

bool DeckStore::NameTooLong(const QString& typed) { return typed.trimmed().size() > kLongestDeckName; }

QString DeckStore::FreeName(const QString& wanted) const {
    QString base;
    for (const QChar c : wanted) {
        if (c == QLatin1Char('/')) {
            base += QLatin1Char('-');
        } else if (c.category() == QChar::Other_Control || c == QChar::LineSeparator || c == QChar::ParagraphSeparator) {
            base += QLatin1Char(' ');
        } else {
            base += c;
        }
    }
    // Leading dots and spaces, taken away in turn until neither is left: a
    // name such as ". .x" would otherwise still start with a dot, and ". ."
    // would name the decks' own folder.
    base = base.trimmed();
    while (base.startsWith(QLatin1Char('.'))) base = base.mid(1).trimmed();
    if (base.isEmpty()) base = QStringLiteral("Pictures");
    const QStringList taken = QDir(folder_).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    QString name = base;
    for (int k = 2; taken.contains(name) || name == QLatin1String(kStandardDeckName); ++k) {
        name = QStringLiteral("%1 (%2)").arg(base).arg(k);
    }
    return name;
}

}  // namespace pairon

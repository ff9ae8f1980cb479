#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QWidget;

namespace pairon {

class DeckStore;

// What the player is told when an import ends: how many pictures the deck
// has, and each file that could not be read, named once.
QString DeckImportReport(const QString& deck, int pictures, const QStringList& skipped);
// ... when no file of the folder made a picture.
QString DeckImportNothingReport(const QString& folder, const QStringList& skipped);
// ... when the deck's folder could not be written.
QString DeckImportFailureReport(const QString& folder);

// What the progress bar says while it reads the photos, and its button.
QString DeckImportProgressText(const QString& deck);
QString DeckImportCancelText();

// Makes a deck named `name` of the photos in `folder`, showing a progress bar
// with a Cancel button while it reads them. The photos are read on a thread
// of their own, so the window goes on painting and answering, and Cancel
// stops the photo being read. Returns the new deck's name, or nothing when it
// was cancelled or made no deck; `tell` gets the report. `beforePhoto`, if
// given, runs on the import's thread before each photo, with its number
// from 0.
std::optional<QString> RunDeckImport(QWidget* parent, DeckStore& store, const QString& folder, const QString& name,
                                     const std::function<void(const QString&)>& tell,
                                     const std::function<void(int photo)>& beforePhoto = {});

}  // namespace pairon

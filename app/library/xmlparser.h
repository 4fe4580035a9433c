#pragma once

#include "shell/outcome.h"

#include <QList>
#include <QMap>
#include <QObject>
#include <QString>

class QDomDocument;

// One video entry of the library document: attribute name to text, holding those of
// "id", "resolution", "duration", "fileSize", "path" and "filePath" that carry a value.
using MediaItem = QMap<QString, QString>;

// Which list of the library document an operation addresses.
enum ListKind { LibraryList = 0, AlbumList = 1 };

// Owns every access to the library document, the one record of the user's library and album.
// Each change rewrites the whole file atomically, so an interrupted write leaves the previous
// document whole. A document that exists but cannot be read as ours is never written; the
// operation reports it and leaves the file exactly as it was.
class XMLParser : public QObject
{
    Q_OBJECT

public:
    explicit XMLParser(QObject *parent = nullptr);

    // Creates the document with its two empty lists when no file (or an empty one) exists.
    Outcome ensureDocument();
    // Appends an entry to the list of `listKind`.
    Outcome addItem(const QString &id, const QString &filePath, const QString &thumbPath,
                    const QString &fileSize, const QString &resolution, const QString &duration,
                    int listKind);
    // Removes the entries of the list of `listKind` whose id equals `id`, ignoring case.
    Outcome removeItem(const QString &id, int listKind);
    // Empties both lists, then fills the one of `listKind` from the document. Entries before
    // a damaged part are kept and the damage is reported.
    Outcome readList(int listKind);

    QList<MediaItem> libraryItems;
    QList<MediaItem> albumItems;

    // The text of a document with the two empty lists.
    static QString freshDocumentText();

private:
    Outcome load(QDomDocument &document) const;
    Outcome save(const QDomDocument &document) const;
};

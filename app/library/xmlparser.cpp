#include "xmlparser.h"

#include "shell/appfolders.h"

#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QXmlStreamReader>

namespace {

const QString documentElementName = QStringLiteral("orvantis_root");

QDomDocument freshDocument()
{
    QDomDocument document(QStringLiteral("OrvantisXML"));
    QDomElement top = document.createElement(documentElementName);
    document.appendChild(top);
    QDomElement lists = document.createElement(QStringLiteral("left_widget_list"));
    top.appendChild(lists);
    for (const QString &name : {QStringLiteral("Library"), QStringLiteral("Album")}) {
        QDomElement list = document.createElement(QStringLiteral("root"));
        list.setAttribute(QStringLiteral("name"), name);
        lists.appendChild(list);
    }
    return document;
}

// The writer accepts list names in any letter case; the reader (readList) does not.
bool matchesKind(const QDomElement &list, int listKind)
{
    const QString name = list.attribute(QStringLiteral("name")).toLower();
    return (name == QLatin1String("library") && listKind == LibraryList)
        || (name == QLatin1String("album") && listKind == AlbumList);
}

QList<QDomElement> elementsNamed(const QDomDocument &document, const QString &tag)
{
    QList<QDomElement> result;
    const QDomNodeList nodes = document.elementsByTagName(tag);
    for (int i = 0; i < nodes.size(); ++i)
        result.append(nodes.at(i).toElement());
    return result;
}

QString shownPath()
{
    return QDir::toNativeSeparators(libraryFilePath());
}

} // namespace

XMLParser::XMLParser(QObject *parent)
    : QObject(parent)
{
}

QString XMLParser::freshDocumentText()
{
    return freshDocument().toString(1);
}

Outcome XMLParser::ensureDocument()
{
    const QFileInfo file(libraryFilePath());
    // An empty file holds nothing to keep; left alone it would hide every later entry.
    if (file.exists() && !(file.isFile() && file.size() == 0))
        return Outcome::success();
    return save(freshDocument());
}

Outcome XMLParser::load(QDomDocument &document) const
{
    QFile file(libraryFilePath());
    if (!file.exists() || (QFileInfo(file).isFile() && QFileInfo(file).size() == 0)) {
        document = freshDocument();
        return Outcome::success();
    }
    if (!file.open(QIODevice::ReadOnly))
        return Outcome::failure(QStringLiteral("The library file \"%1\" could not be read: %2")
                                    .arg(shownPath(), file.errorString()));

    QString error;
    int line = 0;
    int column = 0;
    if (!document.setContent(&file, &error, &line, &column))
        return Outcome::failure(
            QStringLiteral("The library file \"%1\" is damaged (line %2, column %3: %4). "
                           "It has been left as it is.")
                .arg(shownPath())
                .arg(line)
                .arg(column)
                .arg(error));
    if (document.documentElement().tagName() != documentElementName)
        return Outcome::failure(
            QStringLiteral("The file \"%1\" is not an Orvantis library. It has been left as it is.")
                .arg(shownPath()));
    return Outcome::success();
}

Outcome XMLParser::save(const QDomDocument &document) const
{
    // Written beside the old file and renamed over it: a crash or a full disk midway
    // leaves the previous document whole.
    QSaveFile file(libraryFilePath());
    if (file.open(QIODevice::WriteOnly)) {
        const QByteArray text = document.toString(1).toUtf8();
        if (file.write(text) == text.size() && file.commit())
            return Outcome::success();
    }
    return Outcome::failure(QStringLiteral("The library file \"%1\" could not be written: %2")
                                .arg(shownPath(), file.errorString()));
}

Outcome XMLParser::addItem(const QString &id, const QString &filePath, const QString &thumbPath,
                           const QString &fileSize, const QString &resolution,
                           const QString &duration, int listKind)
{
    QDomDocument document;
    if (Outcome loaded = load(document); !loaded)
        return loaded;

    bool added = false;
    for (QDomElement &list : elementsNamed(document, QStringLiteral("root"))) {
        if (!matchesKind(list, listKind))
            continue;
        QDomElement child = document.createElement(QStringLiteral("child"));
        child.setAttribute(QStringLiteral("id"), id);
        child.setAttribute(QStringLiteral("path"), thumbPath);
        child.setAttribute(QStringLiteral("selected"), QStringLiteral("false"));
        child.setAttribute(QStringLiteral("fileSize"), fileSize);
        child.setAttribute(QStringLiteral("resolution"), resolution);
        child.setAttribute(QStringLiteral("duration"), duration);
        child.setAttribute(QStringLiteral("filePath"), filePath);
        list.appendChild(child);
        added = true;
    }
    if (!added)
        return Outcome::failure(
            QStringLiteral("The library file \"%1\" has no %2 list; the video was not added.")
                .arg(shownPath(), listKind == AlbumList ? QStringLiteral("Album") : QStringLiteral("Library")));
    return save(document);
}

Outcome XMLParser::removeItem(const QString &id, int listKind)
{
    QDomDocument document;
    if (Outcome loaded = load(document); !loaded)
        return loaded;

    bool removed = false;
    const QList<QDomElement> children = elementsNamed(document, QStringLiteral("child"));
    for (QDomElement &list : elementsNamed(document, QStringLiteral("root"))) {
        if (!matchesKind(list, listKind))
            continue;
        for (const QDomElement &child : children) {
            if (child.parentNode() == list
                && child.attribute(QStringLiteral("id")).compare(id, Qt::CaseInsensitive) == 0) {
                list.removeChild(child);
                removed = true;
            }
        }
    }
    // Nothing matched: the file is not touched at all.
    return removed ? save(document) : Outcome::success();
}

Outcome XMLParser::readList(int listKind)
{
    QFile file(libraryFilePath());
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return Outcome::failure(QStringLiteral("The library file \"%1\" could not be read: %2")
                                    .arg(shownPath(), file.errorString()));

    libraryItems.clear();
    albumItems.clear();
    QList<MediaItem> &items = listKind == AlbumList ? albumItems : libraryItems;
    const QString wanted = listKind == AlbumList ? QStringLiteral("Album") : QStringLiteral("Library");
    static const QStringList keys{QStringLiteral("id"),       QStringLiteral("resolution"),
                                  QStringLiteral("duration"), QStringLiteral("fileSize"),
                                  QStringLiteral("path"),     QStringLiteral("filePath")};

    if (file.size() == 0)
        return Outcome::success();

    QXmlStreamReader reader(&file);
    QString currentList;
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes attributes = reader.attributes();
        if (reader.name() == QLatin1String("root")) {
            const QString name = attributes.value(QLatin1String("name")).toString();
            if (!name.isEmpty())
                currentList = name;
        } else if (reader.name() == QLatin1String("child") && currentList == wanted
                   && (listKind == LibraryList || listKind == AlbumList)) {
            MediaItem item;
            for (const QString &key : keys) {
                const QString value = attributes.value(key).toString();
                if (!value.isEmpty())
                    item.insert(key, value);
            }
            items.append(item);
        }
    }
    if (reader.hasError())
        return Outcome::failure(
            QStringLiteral("The library file \"%1\" is damaged (line %2: %3); only the videos "
                           "before that point are shown.")
                .arg(shownPath())
                .arg(reader.lineNumber())
                .arg(reader.errorString()));
    return Outcome::success();
}

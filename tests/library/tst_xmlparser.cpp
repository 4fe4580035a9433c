#include "library/xmlparser.h"
#include "shell/appfolders.h"
#include "testutils.h"

#include <QtTest>

#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

ino_t inodeOf(const QString &path)
{
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_ino : 0;
}

Outcome addSample(XMLParser &parser, const QString &id, int kind, const QString &file = QStringLiteral("/v/clip.avi"))
{
    return parser.addItem(id, file, QStringLiteral("/v/thumb/clip.jpg"), QStringLiteral("11.7738 mb"),
                          QStringLiteral("640x480"), QStringLiteral("00:02:05"), kind);
}

const QString idA = QStringLiteral("{0c6e5f0e-3bd2-4d6f-9a3b-7d1c2a4e8f10}");
const QString idB = QStringLiteral("{9a0b7c1d-0000-4000-8000-abcdefabcdef}");

} // namespace

class TestXmlParser : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        home = std::make_unique<TestHome>();
        QVERIFY(setUpDataFolders().ok);
    }
    void cleanup() { home.reset(); }

    void freshDocumentText();
    void addItemToEachList_data();
    void addItemToEachList();
    void entriesKeepFileOrder();
    void removeItemIgnoresLetterCase();
    void removeItemLeavesOtherListAndFileAlone();
    void capitalListNames();
    void readListEmptiesTheOtherList();
    void nonAsciiPathsSurvive();
    void missingOrEmptyFileStartsFresh_data();
    void missingOrEmptyFileStartsFresh();
    void foreignDocumentIsNeverWritten_data();
    void foreignDocumentIsNeverWritten();
    void rewriteReplacesTheFileWhole();
    void readListKeepsEntriesBeforeDamage();
    void readListOfMissingFileKeepsLists();

private:
    std::unique_ptr<TestHome> home;
};

void TestXmlParser::freshDocumentText()
{
    XMLParser parser;
    QVERIFY(parser.ensureDocument().ok);
    const QByteArray text = readAll(libraryFilePath());
    QCOMPARE(text, QByteArray("<!DOCTYPE OrvantisXML>\n<orvantis_root>\n <left_widget_list>\n"
                              "  <root name=\"Library\"/>\n  <root name=\"Album\"/>\n"
                              " </left_widget_list>\n</orvantis_root>\n"));
    QVERIFY(!text.contains("<?xml"));

    // An existing document, whatever it holds, is left alone.
    QVERIFY(writeFile(libraryFilePath(), "not ours"));
    QVERIFY(parser.ensureDocument().ok);
    QCOMPARE(readAll(libraryFilePath()), QByteArray("not ours"));
}

void TestXmlParser::addItemToEachList_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("library") << int(LibraryList);
    QTest::newRow("album") << int(AlbumList);
}

void TestXmlParser::addItemToEachList()
{
    QFETCH(int, kind);
    XMLParser parser;
    QVERIFY(parser.ensureDocument().ok);
    QVERIFY(addSample(parser, idA, kind).ok);

    QVERIFY(parser.readList(kind).ok);
    const QList<MediaItem> &items = kind == AlbumList ? parser.albumItems : parser.libraryItems;
    QCOMPARE(items.size(), 1);
    const MediaItem expected{{QStringLiteral("id"), idA},
                             {QStringLiteral("filePath"), QStringLiteral("/v/clip.avi")},
                             {QStringLiteral("path"), QStringLiteral("/v/thumb/clip.jpg")},
                             {QStringLiteral("fileSize"), QStringLiteral("11.7738 mb")},
                             {QStringLiteral("resolution"), QStringLiteral("640x480")},
                             {QStringLiteral("duration"), QStringLiteral("00:02:05")}};
    QCOMPARE(items.first(), expected);

    QVERIFY(parser.readList(1 - kind).ok);
    QVERIFY(parser.libraryItems.isEmpty() && parser.albumItems.isEmpty());

    QVERIFY(readAll(libraryFilePath()).contains("selected=\"false\""));
}

void TestXmlParser::entriesKeepFileOrder()
{
    XMLParser parser;
    QVERIFY(parser.ensureDocument().ok);
    for (int i = 0; i < 5; ++i)
        QVERIFY(addSample(parser, QString::number(i), LibraryList, QStringLiteral("/v/%1.avi").arg(i)).ok);
    QVERIFY(parser.readList(LibraryList).ok);
    QCOMPARE(parser.libraryItems.size(), 5);
    for (int i = 0; i < 5; ++i)
        QCOMPARE(parser.libraryItems.at(i).value(QStringLiteral("filePath")), QStringLiteral("/v/%1.avi").arg(i));
}

void TestXmlParser::removeItemIgnoresLetterCase()
{
    XMLParser parser;
    QVERIFY(parser.ensureDocument().ok);
    QVERIFY(addSample(parser, idA, LibraryList).ok);
    QVERIFY(addSample(parser, idB, LibraryList).ok);

    QVERIFY(parser.removeItem(idA.toUpper(), LibraryList).ok);
    QVERIFY(parser.readList(LibraryList).ok);
    QCOMPARE(parser.libraryItems.size(), 1);
    QCOMPARE(parser.libraryItems.first().value(QStringLiteral("id")), idB);
}

void TestXmlParser::removeItemLeavesOtherListAndFileAlone()
{
    XMLParser parser;
    QVERIFY(parser.ensureDocument().ok);
    QVERIFY(addSample(parser, idA, AlbumList).ok);
    const QByteArray before = readAll(libraryFilePath());
    const ino_t inode = inodeOf(libraryFilePath());

    QVERIFY(parser.removeItem(idA, LibraryList).ok);
    QVERIFY(parser.removeItem(QStringLiteral("{no-such-id}"), AlbumList).ok);
    QCOMPARE(readAll(libraryFilePath()), before);
    QCOMPARE(inodeOf(libraryFilePath()), inode); // not even rewritten

    QVERIFY(parser.readList(AlbumList).ok);
    QCOMPARE(parser.albumItems.size(), 1);
}

void TestXmlParser::capitalListNames()
{
    // The writer compares list names ignoring case, the reader exactly.
    QVERIFY(writeFile(libraryFilePath(), "<!DOCTYPE OrvantisXML>\n<orvantis_root>\n <left_widget_list>\n"
                                         "  <root name=\"LIBRARY\"/>\n  <root name=\"ALBUM\"/>\n"
                                         " </left_widget_list>\n</orvantis_root>\n"));
    XMLParser parser;
    QVERIFY(addSample(parser, idA, LibraryList).ok);
    QVERIFY(addSample(parser, idB, AlbumList).ok);
    QCOMPARE(readAll(libraryFilePath()).count("<child "), 2);

    QVERIFY(parser.readList(LibraryList).ok);
    QVERIFY(parser.libraryItems.isEmpty());
    QVERIFY(parser.readList(AlbumList).ok);
    QVERIFY(parser.albumItems.isEmpty());
}

void TestXmlParser::readListEmptiesTheOtherList()
{
    XMLParser parser;
    QVERIFY(parser.ensureDocument().ok);
    QVERIFY(addSample(parser, idA, AlbumList).ok);
    QVERIFY(parser.readList(AlbumList).ok);
    QCOMPARE(parser.albumItems.size(), 1);

    QVERIFY(parser.readList(LibraryList).ok);
    QVERIFY(parser.albumItems.isEmpty());
}

void TestXmlParser::nonAsciiPathsSurvive()
{
    const QString video = home->data() + QStringLiteral("/Import/Ünïcødé Видео/日本の旅 ☃.avi");
    const QString thumb = home->data() + QStringLiteral("/Import/Ünïcødé Видео/thumb/日本の旅 ☃.jpg");
    XMLParser parser;
    QVERIFY(parser.ensureDocument().ok);
    QVERIFY(parser.addItem(idA, video, thumb, QStringLiteral("1 mb"), QStringLiteral("320x240"),
                           QStringLiteral("00:00:03"), LibraryList).ok);

    QVERIFY(readAll(libraryFilePath()).contains(video.toUtf8()));
    XMLParser other;
    QVERIFY(other.readList(LibraryList).ok);
    QCOMPARE(other.libraryItems.size(), 1);
    QCOMPARE(other.libraryItems.first().value(QStringLiteral("filePath")), video);
    QCOMPARE(other.libraryItems.first().value(QStringLiteral("path")), thumb);
}

void TestXmlParser::missingOrEmptyFileStartsFresh_data()
{
    QTest::addColumn<bool>("emptyFile");
    QTest::newRow("missing") << false;
    QTest::newRow("empty") << true;
}

void TestXmlParser::missingOrEmptyFileStartsFresh()
{
    QFETCH(bool, emptyFile);
    if (emptyFile)
        QVERIFY(writeFile(libraryFilePath(), QByteArray()));

    XMLParser parser;
    QVERIFY(parser.readList(LibraryList).ok == emptyFile); // an empty file simply lists nothing
    QVERIFY(addSample(parser, idA, LibraryList).ok);
    QVERIFY(parser.readList(LibraryList).ok);
    QCOMPARE(parser.libraryItems.size(), 1);
    QVERIFY(readAll(libraryFilePath()).startsWith("<!DOCTYPE OrvantisXML>\n<orvantis_root>"));

    // An empty file is replaced by the fresh document at start, too.
    QVERIFY(writeFile(libraryFilePath(), QByteArray()));
    QVERIFY(parser.ensureDocument().ok);
    QCOMPARE(readAll(libraryFilePath()), XMLParser::freshDocumentText().toUtf8());
}

void TestXmlParser::foreignDocumentIsNeverWritten_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("operation");

    const QByteArray truncated = XMLParser::freshDocumentText().toUtf8().left(60);
    const QByteArray foreign("<!DOCTYPE html>\n<html><root name=\"Library\"/></html>\n");
    const QByteArray garbage("\x89PNG\r\n\x1a\n binary junk \xff\xfe");
    for (const QString &operation : {QStringLiteral("add"), QStringLiteral("remove")}) {
        QTest::addRow("truncated, %s", qPrintable(operation)) << truncated << operation;
        QTest::addRow("other root, %s", qPrintable(operation)) << foreign << operation;
        QTest::addRow("not XML, %s", qPrintable(operation)) << garbage << operation;
    }
}

void TestXmlParser::foreignDocumentIsNeverWritten()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, operation);
    QVERIFY(writeFile(libraryFilePath(), content));

    XMLParser parser;
    QVERIFY(parser.ensureDocument().ok);
    const Outcome outcome = operation == QLatin1String("add") ? addSample(parser, idA, LibraryList)
                                                              : parser.removeItem(idA, LibraryList);
    QVERIFY(!outcome.ok);
    QVERIFY2(outcome.message.contains(libraryFilePath()), qPrintable(outcome.message));
    QCOMPARE(readAll(libraryFilePath()), content);
    QCOMPARE(QDir(home->data()).entryList(QDir::Files), QStringList{QStringLiteral("Orvantis.xml")});
}

void TestXmlParser::rewriteReplacesTheFileWhole()
{
    XMLParser parser;
    QVERIFY(parser.ensureDocument().ok);
    QVERIFY(addSample(parser, idA, LibraryList).ok);
    const QByteArray before = readAll(libraryFilePath());

    // A second name for the same file shows whether the rewrite went into the old file:
    // an in-place truncate and write would change it, a replace leaves it whole.
    const QString witness = home->path() + QStringLiteral("/witness.xml");
    QCOMPARE(::link(QFile::encodeName(libraryFilePath()).constData(), QFile::encodeName(witness).constData()), 0);

    QVERIFY(addSample(parser, idB, LibraryList).ok);
    QCOMPARE(readAll(witness), before);
    QVERIFY(parser.readList(LibraryList).ok);
    QCOMPARE(parser.libraryItems.size(), 2);

    QVERIFY(parser.removeItem(idA, LibraryList).ok);
    QCOMPARE(readAll(witness), before);
    QVERIFY(parser.readList(LibraryList).ok);
    QCOMPARE(parser.libraryItems.size(), 1);

    // No temporary files are left beside the document.
    QCOMPARE(QDir(home->data()).entryList(QDir::Files), QStringList{QStringLiteral("Orvantis.xml")});
}

void TestXmlParser::readListKeepsEntriesBeforeDamage()
{
    XMLParser parser;
    QVERIFY(parser.ensureDocument().ok);
    for (const QString &id : {idA, idB, QStringLiteral("third")})
        QVERIFY(addSample(parser, id, LibraryList).ok);
    QByteArray text = readAll(libraryFilePath());
    text.truncate(text.lastIndexOf("<child ") + 12);
    QVERIFY(writeFile(libraryFilePath(), text));

    const Outcome outcome = parser.readList(LibraryList);
    QVERIFY(!outcome.ok);
    QVERIFY(outcome.message.contains(libraryFilePath()));
    QCOMPARE(parser.libraryItems.size(), 2);
    QCOMPARE(parser.libraryItems.at(1).value(QStringLiteral("id")), idB);
}

void TestXmlParser::readListOfMissingFileKeepsLists()
{
    XMLParser parser;
    parser.albumItems.append(MediaItem{{QStringLiteral("id"), idA}});
    QVERIFY(!parser.readList(LibraryList).ok);
    QCOMPARE(parser.albumItems.size(), 1);
}

QTEST_GUILESS_MAIN(TestXmlParser)
#include "tst_xmlparser.moc"

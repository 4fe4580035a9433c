#include "library/cimportwidget.h"
#include "library/videoloader.h"
#include "library/videoprobe.h"
#include "library/xmlparser.h"
#include "shell/appfolders.h"
#include "testutils.h"

#include <QFileSystemModel>
#include <QGridLayout>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTreeView>
#include <QtTest>

#include <functional>
#include <memory>
#include <unistd.h>

namespace {

// Runs `action` once, the first time `ready` holds while events are processed; the import
// loop processes events once per file, so this lands between two copies.
class DuringRun : public QObject
{
public:
    DuringRun(std::function<bool()> ready, std::function<void()> action)
        : ready(std::move(ready))
        , action(std::move(action))
    {
        connect(&timer, &QTimer::timeout, this, [this] {
            if (done || !this->ready())
                return;
            done = true;
            this->action();
        });
        timer.start(0);
    }
    bool done = false;

private:
    std::function<bool()> ready;
    std::function<void()> action;
    QTimer timer;
};

QProgressDialog *visibleProgress()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        auto *progress = qobject_cast<QProgressDialog *>(widget);
        if (progress && progress->objectName() == QLatin1String("progress") && progress->isVisible())
            return progress;
    }
    return nullptr;
}

// True once the copy of `files` files of the run has been handled.
std::function<bool()> afterFiles(int files)
{
    return [files] {
        QProgressDialog *progress = visibleProgress();
        return progress && progress->value() >= files;
    };
}

QList<MediaItem> libraryEntries()
{
    XMLParser parser;
    parser.readList(LibraryList);
    return parser.libraryItems;
}

QStringList entryNames()
{
    QStringList names;
    for (const MediaItem &item : libraryEntries())
        names << QFileInfo(item.value(QStringLiteral("filePath"))).fileName();
    return names;
}

QStringList signalTexts(const QSignalSpy &spy)
{
    QStringList texts;
    for (const QList<QVariant> &arguments : spy)
        texts << arguments.first().toString();
    return texts;
}

} // namespace

class TestImportWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void startFolder_data();
    void startFolder();
    void folderShowsTilesThreePerRow();
    void clicksThatKeepTiles_data();
    void clicksThatKeepTiles();
    void rootFolderIsMyLibrary();
    void tileOutline_data();
    void tileOutline();
    void tileTogglesOnPress();
    void selection();
    void importIntoNumberedFolder();
    void failedCopiesAreReported_data();
    void failedCopiesAreReported();
    void targetFolderCannotBeMade();
    void abortCopy_data();
    void abortCopy();
    void importPaths_data();
    void importPaths();
    void importPathsDuringRun();

private:
    template <typename T> T *child(const char *name) { return dialog->findChild<T *>(QLatin1String(name)); }
    QTreeView *tree() { return child<QTreeView>("treeView"); }
    QFileSystemModel *model() { return qobject_cast<QFileSystemModel *>(tree()->model()); }
    QString putClip(const QString &path) const
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile::remove(path);
        return QFile::copy(clip, path) ? path : QString();
    }
    QString folderOfClips(const QString &name, const QStringList &files)
    {
        const QString folder = home->path() + QStringLiteral("/") + name;
        for (const QString &file : files)
            putClip(folder + QStringLiteral("/") + file);
        return folder;
    }
    void clickFolder(const QString &path)
    {
        const QModelIndex index = model()->index(path);
        QVERIFY2(index.isValid(), qPrintable(path));
        emit tree()->clicked(index);
    }
    // The tiles in grid order, row by row.
    QList<videoLoader *> gridTiles()
    {
        auto *grid = child<QWidget>("middleUpper")->findChild<QGridLayout *>(QStringLiteral("tileGrid"));
        QList<videoLoader *> result;
        for (int row = 0; row < grid->rowCount(); ++row) {
            for (int column = 0; column < grid->columnCount(); ++column) {
                QLayoutItem *item = grid->itemAtPosition(row, column);
                if (item && item->widget())
                    result << qobject_cast<videoLoader *>(item->widget());
            }
        }
        return result;
    }
    void showDialog()
    {
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    }
    // Shows the dialog on the folder of `files` and clicks their tiles in the order given.
    void chooseClips(const QStringList &files)
    {
        const QString folder = folderOfClips(QStringLiteral("Source"), files);
        showDialog();
        clickFolder(folder);
        const QList<videoLoader *> shown = gridTiles();
        for (const QString &file : files) {
            for (videoLoader *tile : shown) {
                if (QFileInfo(tile->videoPath()).fileName() == file)
                    QTest::mouseClick(tile, Qt::LeftButton);
            }
        }
        QVERIFY(child<QPushButton>("importButton")->isEnabled());
    }

    QTemporaryDir clipFolder;
    QString clip;
    std::unique_ptr<TestHome> home;
    std::unique_ptr<CImportWidget> dialog;
};

void TestImportWidget::initTestCase()
{
    QVERIFY(clipFolder.isValid());
    clip = clipFolder.path() + QStringLiteral("/clip.avi");
    QVERIFY(makeTestClip(clip, 2.0));
}

void TestImportWidget::init()
{
    home = std::make_unique<TestHome>();
    QVERIFY(setUpDataFolders().ok);
    QVERIFY(XMLParser().ensureDocument().ok);
    dialog = std::make_unique<CImportWidget>();
}

void TestImportWidget::cleanup()
{
    // Thumbnails are written in the background; let them land before the folder goes.
    for (const MediaItem &item : libraryEntries()) {
        const QString thumb = item.value(QStringLiteral("path"));
        if (!QTest::qWaitFor([&] { return QFileInfo(thumb).size() > 0; }, 5000))
            qWarning("No thumbnail at %s", qPrintable(thumb));
    }
    dialog.reset();
    home.reset();
}

void TestImportWidget::startFolder_data()
{
    QTest::addColumn<bool>("havePictures");
    QTest::newRow("Pictures folder") << true;
    QTest::newRow("no Pictures folder: home") << false;
}

void TestImportWidget::startFolder()
{
    QFETCH(bool, havePictures);
    const QString pictures = home->path() + QStringLiteral("/Pictures");
    if (havePictures)
        QVERIFY(QDir().mkpath(pictures));
    const QString expected = havePictures ? pictures : home->path();
    QCOMPARE(CImportWidget::startFolderPath(), expected);

    dialog = std::make_unique<CImportWidget>();
    QVERIFY(tree()->isExpanded(model()->index(expected)));
}

void TestImportWidget::folderShowsTilesThreePerRow()
{
    const QString folder = home->path() + QStringLiteral("/Holiday");
    for (const char *name : {"d.mov", "a.avi", "notes.txt", "c.mkv", "b.MP4", "report.avi.txt"})
        QVERIFY(writeFile(folder + QStringLiteral("/") + QLatin1String(name), "x"));
    QVERIFY(QDir().mkpath(folder + QStringLiteral("/sub.avi")));

    clickFolder(folder);
    const QList<videoLoader *> shown = gridTiles();
    QStringList names;
    for (videoLoader *tile : shown)
        names << QFileInfo(tile->videoPath()).fileName();
    QCOMPARE(names, (QStringList{"a.avi", "b.MP4", "c.mkv", "d.mov"}));
    auto *grid = child<QWidget>("middleUpper")->findChild<QGridLayout *>(QStringLiteral("tileGrid"));
    QCOMPARE(grid->itemAtPosition(1, 0)->widget(), shown.at(3));
    QVERIFY(!grid->itemAtPosition(1, 1));
    QCOMPARE(shown.at(0)->videoPath(), folder + QStringLiteral("/a.avi"));

    QCOMPARE(child<QLineEdit>("nameEdit")->text(), QStringLiteral("Holiday"));
    QCOMPARE(child<QLineEdit>("descriptionEdit")->text(), QStringLiteral("4 Video(s)"));
    QVERIFY(child<QPushButton>("selectAllButton")->isEnabled());
    QVERIFY(child<QPushButton>("clearAllButton")->isEnabled());
    QVERIFY(!child<QPushButton>("importButton")->isEnabled());

    // The next folder replaces the tiles.
    const QString other = home->path() + QStringLiteral("/Other");
    QVERIFY(writeFile(other + QStringLiteral("/e.flv"), "x"));
    clickFolder(other);
    QCOMPARE(gridTiles().size(), 1);
    QCOMPARE(dialog->findChildren<videoLoader *>().size(), 1);
}

void TestImportWidget::clicksThatKeepTiles_data()
{
    QTest::addColumn<bool>("onFile");
    QTest::newRow("folder without videos") << false;
    QTest::newRow("a file") << true;
}

void TestImportWidget::clicksThatKeepTiles()
{
    QFETCH(bool, onFile);
    const QString folder = home->path() + QStringLiteral("/Holiday");
    for (const char *name : {"a.avi", "b.avi"})
        QVERIFY(writeFile(folder + QStringLiteral("/") + QLatin1String(name), "x"));
    const QString second = home->path() + QStringLiteral("/Notes");
    QVERIFY(writeFile(second + QStringLiteral("/notes.txt"), "x"));

    showDialog();
    clickFolder(folder);
    const QList<videoLoader *> before = gridTiles();
    QCOMPARE(before.size(), 2);
    QTest::mouseClick(before.first(), Qt::LeftButton);
    QVERIFY(child<QPushButton>("importButton")->isEnabled());

    const QModelIndex index = model()->index(second);
    QVERIFY(index.isValid());
    if (onFile) {
        // The tree lists folders only; a file turns up where the model still shows a folder.
        QVERIFY(removeFolderTree(second));
        QVERIFY(writeFile(second, "now a file"));
    }
    emit tree()->clicked(index);

    QCOMPARE(gridTiles(), before);
    QVERIFY(!child<QPushButton>("selectAllButton")->isEnabled());
    QVERIFY(!child<QPushButton>("clearAllButton")->isEnabled());
    QCOMPARE(child<QPushButton>("importButton")->isEnabled(), !onFile);
    QCOMPARE(child<QLineEdit>("nameEdit")->text(), onFile ? QString() : QStringLiteral("Holiday"));
    QCOMPARE(child<QLineEdit>("descriptionEdit")->text(), onFile ? QString() : QStringLiteral("2 Video(s)"));
}

void TestImportWidget::rootFolderIsMyLibrary()
{
    const QString file = QStringLiteral("/orvantis-import-test-%1.avi").arg(::getpid());
    if (!writeFile(file, "x"))
        QSKIP("The root folder is not writable here.");
    const auto removeFile = qScopeGuard([&] { QFile::remove(file); });

    clickFolder(QStringLiteral("/"));
    QCOMPARE(child<QLineEdit>("nameEdit")->text(), QStringLiteral("MyLibrary"));
    bool found = false;
    for (videoLoader *tile : gridTiles())
        found = found || tile->videoPath() == file;
    QVERIFY(found);
}

void TestImportWidget::tileOutline_data()
{
    QTest::addColumn<bool>("hover");
    QTest::addColumn<bool>("selected");
    QTest::addColumn<QColor>("outline");
    QTest::newRow("plain") << false << false << QColor();
    QTest::newRow("hover") << true << false << QColor(249, 153, 95);
    QTest::newRow("selected") << false << true << QColor(0, 158, 255);
    QTest::newRow("hover wins over selected") << true << true << QColor(249, 153, 95);
}

void TestImportWidget::tileOutline()
{
    QFETCH(bool, hover);
    QFETCH(bool, selected);
    QFETCH(QColor, outline);

    videoLoader tile;
    tile.setPath(home->path() + QStringLiteral("/clip.avi"));
    QCOMPARE(tile.size(), QSize(120, 140));
    tile.setSelected(selected);
    if (hover) {
        QEnterEvent enter(QPointF(60, 70), QPointF(60, 70), QPointF(60, 70));
        QApplication::sendEvent(&tile, &enter);
    }
    QCOMPARE(tile.isHovered(), hover);

    // Left edge, beside the icon and clear of the name: only the outline paints there.
    const QImage picture = tile.grab().toImage();
    const QColor edge = picture.pixelColor(1, 50);
    if (outline.isValid()) {
        QCOMPARE(edge, outline);
    } else {
        QVERIFY(edge != QColor(249, 153, 95) && edge != QColor(0, 158, 255));
    }

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&tile, &leave);
    QVERIFY(!tile.isHovered());
}

void TestImportWidget::tileTogglesOnPress()
{
    videoLoader tile;
    tile.setPath(home->path() + QStringLiteral("/a folder/clip.avi"));
    tile.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tile));
    QSignalSpy chosen(&tile, &videoLoader::selectedVideo);
    QSignalSpy dropped(&tile, &videoLoader::unselectedVideo);

    QEnterEvent enter(QPointF(60, 70), QPointF(60, 70), QPointF(60, 70));
    QApplication::sendEvent(&tile, &enter);
    QTest::mouseClick(&tile, Qt::LeftButton);
    QVERIFY(tile.isSelected());
    QVERIFY2(!tile.isHovered(), "a press shows the selection, not the hover");
    QCOMPARE(chosen.size(), 1);
    QCOMPARE(chosen.first().first().value<videoLoader *>(), &tile);
    QVERIFY(dropped.isEmpty());

    QTest::mouseClick(&tile, Qt::LeftButton);
    QVERIFY(!tile.isSelected());
    QCOMPARE(chosen.size(), 1);
    QCOMPARE(dropped.size(), 1);
    QCOMPARE(tile.videoPath(), home->path() + QStringLiteral("/a folder/clip.avi"));
}

void TestImportWidget::selection()
{
    const QString folder = home->path() + QStringLiteral("/Holiday");
    for (const char *name : {"a.avi", "b.avi", "c.avi", "d.avi"})
        QVERIFY(writeFile(folder + QStringLiteral("/") + QLatin1String(name), "x"));
    showDialog();
    clickFolder(folder);
    const QList<videoLoader *> shown = gridTiles();
    QCOMPARE(shown.size(), 4);
    auto *importButton = child<QPushButton>("importButton");

    child<QPushButton>("selectAllButton")->click();
    QVERIFY(importButton->isEnabled());
    for (videoLoader *tile : shown)
        QVERIFY(tile->isSelected());

    QTest::mouseClick(shown.at(1), Qt::LeftButton);
    QVERIFY(!shown.at(1)->isSelected());
    QVERIFY(importButton->isEnabled());

    child<QPushButton>("clearAllButton")->click();
    QVERIFY(!importButton->isEnabled());
    for (videoLoader *tile : shown)
        QVERIFY(!tile->isSelected());

    QTest::mouseClick(shown.at(2), Qt::LeftButton);
    QVERIFY(importButton->isEnabled());
    QTest::mouseClick(shown.at(2), Qt::LeftButton);
    QVERIFY(!importButton->isEnabled());

    // A chosen tile of a folder left behind is no longer chosen: Import has nothing to do
    // (and must not reach the deleted tile).
    QTest::mouseClick(shown.at(0), Qt::LeftButton);
    const QString other = home->path() + QStringLiteral("/Other");
    QVERIFY(writeFile(other + QStringLiteral("/e.avi"), "x"));
    clickFolder(other);
    QVERIFY(!importButton->isEnabled());
    QSignalSpy succeeded(dialog.get(), &CImportWidget::importSuccess);
    dialog->onClickImport();
    QVERIFY(succeeded.isEmpty());
    QVERIFY(QDir(importFolderPath()).entryList(QDir::AllDirs | QDir::NoDotAndDotDot).isEmpty());

    // Cancel forgets the choice and hides the dialog.
    QTest::mouseClick(gridTiles().first(), Qt::LeftButton);
    child<QPushButton>("cancelButton")->click();
    QVERIFY(dialog->isHidden());
    QVERIFY(!gridTiles().first()->isSelected());
    QVERIFY(!importButton->isEnabled());
}

void TestImportWidget::importIntoNumberedFolder()
{
    for (const char *name : {"Untitled", "Trip"})
        QVERIFY(QDir(importFolderPath()).mkdir(QLatin1String(name)));
    const QStringList order{"three.avi", "one.avi", "two.avi"};
    chooseClips(order);

    ModalWatcher watcher;
    QSignalSpy succeeded(dialog.get(), &CImportWidget::importSuccess);
    child<QPushButton>("importButton")->click();

    const QString target = importFolderPath() + QStringLiteral("/Untitled- 3");
    QCOMPARE(signalTexts(succeeded), QStringList{target});
    QVERIFY(watcher.texts.isEmpty());
    QVERIFY(dialog->isHidden());
    QVERIFY(!visibleProgress());
    QVERIFY(dialog->importFinished);
    QVERIFY(!dialog->isImporting());

    const QList<MediaItem> entries = libraryEntries();
    QCOMPARE(entries.size(), 3);
    const QRegularExpression bracedUuid(
        QStringLiteral("^\\{[0-9a-f]{8}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{12}\\}$"));
    QSet<QString> ids;
    for (int i = 0; i < 3; ++i) {
        const MediaItem &entry = entries.at(i);
        const QString dest = target + QStringLiteral("/") + order.at(i);
        QCOMPARE(entry.value(QStringLiteral("filePath")), dest);
        QCOMPARE(readAll(dest), readAll(clip));
        QCOMPARE(entry.value(QStringLiteral("path")), thumbnailPathFor(dest));
        QCOMPARE(entry.value(QStringLiteral("fileSize")), sizeText(QFileInfo(clip).size()));
        QCOMPARE(entry.value(QStringLiteral("resolution")), QStringLiteral("320x240"));
        QCOMPARE(entry.value(QStringLiteral("duration")), QStringLiteral("00:00:02"));
        QVERIFY2(bracedUuid.match(entry.value(QStringLiteral("id"))).hasMatch(),
                 qPrintable(entry.value("id")));
        ids.insert(entry.value(QStringLiteral("id")));
        // Leave all source videos was checked.
        QVERIFY(QFileInfo::exists(home->path() + QStringLiteral("/Source/") + order.at(i)));
    }
    QCOMPARE(ids.size(), 3);
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(entries.first().value(QStringLiteral("path"))).size() > 0, 10000);

    // The run leaves nothing chosen behind.
    QVERIFY(!child<QPushButton>("importButton")->isEnabled());
    for (videoLoader *tile : gridTiles())
        QVERIFY(!tile->isSelected());
}

void TestImportWidget::failedCopiesAreReported_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<int>("failing");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<bool>("finished");

    // A file of the same name appears in the target folder before the copy: the copy fails
    // with the source still there.
    QTest::newRow("middle copy fails") << "in the way" << 1 << "already copied" << true;
    QTest::newRow("last copy fails") << "in the way" << 2 << "already copied" << false;
    QTest::newRow("source vanished") << "vanished" << 1 << "no longer exists" << true;
}

void TestImportWidget::failedCopiesAreReported()
{
    QFETCH(QString, fault);
    QFETCH(int, failing);
    QFETCH(QString, reason);
    QFETCH(bool, finished);

    const QStringList names{"a.avi", "b.avi", "c.avi"};
    chooseClips(names);
    child<QRadioButton>("deleteSourcesRadio")->setChecked(true);
    const QString source = home->path() + QStringLiteral("/Source/");
    const QString target = importFolderPath() + QStringLiteral("/Untitled");
    const QString blocker = target + QStringLiteral("/") + names.at(failing);

    std::unique_ptr<DuringRun> inject;
    if (fault == QLatin1String("vanished"))
        QVERIFY(QFile::remove(source + names.at(failing)));
    else
        inject = std::make_unique<DuringRun>(afterFiles(failing), [&] { writeFile(blocker, "in the way"); });

    ModalWatcher watcher;
    QSignalSpy succeeded(dialog.get(), &CImportWidget::importSuccess);
    child<QPushButton>("importButton")->click();

    // The run ends as any other: progress closed, dialog hidden, the others in the library.
    QVERIFY(!visibleProgress());
    QVERIFY(dialog->isHidden());
    QCOMPARE(signalTexts(succeeded), QStringList{target});
    QStringList others = names;
    others.removeAt(failing);
    QCOMPARE(entryNames(), others);
    QCOMPARE(dialog->importFinished, finished);

    QCOMPARE(watcher.texts.size(), 1);
    const QString notice = watcher.texts.first();
    QVERIFY2(notice.contains(QDir::toNativeSeparators(source + names.at(failing))), qPrintable(notice));
    QVERIFY2(notice.contains(reason), qPrintable(notice));
    for (const QString &other : others)
        QVERIFY2(!notice.contains(other), qPrintable(notice));

    // Sources go only once their copy is in the library; what was in the way stays as it was.
    for (const QString &other : others)
        QVERIFY(!QFileInfo::exists(source + other));
    if (inject) {
        QVERIFY(inject->done);
        QVERIFY(QFileInfo::exists(source + names.at(failing)));
        QCOMPARE(readAll(blocker), QByteArray("in the way"));
    }
}

void TestImportWidget::targetFolderCannotBeMade()
{
    chooseClips({"a.avi", "b.avi"});
    child<QRadioButton>("deleteSourcesRadio")->setChecked(true);
    // Tests may run as root, whom no permission stops: a file where the folder must go does.
    QVERIFY(removeFolderTree(importFolderPath()));
    QVERIFY(writeFile(importFolderPath(), "not a folder"));

    ModalWatcher watcher;
    QSignalSpy succeeded(dialog.get(), &CImportWidget::importSuccess);
    child<QPushButton>("importButton")->click();

    QVERIFY(succeeded.isEmpty());
    QVERIFY(!visibleProgress());
    QVERIFY(dialog->isHidden());
    QVERIFY(!dialog->importFinished);
    QCOMPARE(watcher.texts.size(), 1);
    QVERIFY2(watcher.texts.first().contains(QDir::toNativeSeparators(importFolderPath())) &&
                 watcher.texts.first().contains(QStringLiteral("could not be created")),
             qPrintable(watcher.texts.first()));
    QVERIFY(libraryEntries().isEmpty());
    for (const char *name : {"a.avi", "b.avi"})
        QVERIFY(QFileInfo::exists(home->path() + QStringLiteral("/Source/") + QLatin1String(name)));
}

void TestImportWidget::abortCopy_data()
{
    QTest::addColumn<int>("copiedBeforeAbort");
    QTest::newRow("before the first copy") << 0;
    QTest::newRow("after the first copy") << 1;
}

void TestImportWidget::abortCopy()
{
    QFETCH(int, copiedBeforeAbort);
    const QStringList names{"a.avi", "b.avi", "c.avi"};
    chooseClips(names);

    DuringRun abort(afterFiles(copiedBeforeAbort), [] {
        QProgressDialog *progress = visibleProgress();
        QPushButton *button = progress ? progress->findChild<QPushButton *>() : nullptr;
        QVERIFY(button);
        QCOMPARE(button->text(), QStringLiteral("Abort Copy"));
        button->click();
    });
    ModalWatcher watcher;
    QSignalSpy succeeded(dialog.get(), &CImportWidget::importSuccess);
    child<QPushButton>("importButton")->click();

    QVERIFY(abort.done);
    const QString target = importFolderPath() + QStringLiteral("/Untitled");
    const QStringList expected = copiedBeforeAbort ? QStringList{QString(), target} : QStringList{QString()};
    QCOMPARE(signalTexts(succeeded), expected);
    QCOMPARE(entryNames(), names.mid(0, copiedBeforeAbort));
    QCOMPARE(dialog->importFinished, copiedBeforeAbort > 0);
    QVERIFY(watcher.texts.isEmpty());
    QVERIFY(dialog->isHidden());
    QVERIFY(!visibleProgress());
    for (const QString &name : names.mid(copiedBeforeAbort))
        QVERIFY(!QFileInfo::exists(target + QStringLiteral("/") + name));
    // An aborted run that copied nothing leaves no empty folder behind.
    QCOMPARE(QFileInfo(target).isDir(), copiedBeforeAbort > 0);
}

void TestImportWidget::importPaths_data()
{
    QTest::addColumn<QStringList>("videos");
    QTest::addColumn<QStringList>("others");
    QTest::addColumn<QStringList>("dropped");
    QTest::addColumn<QStringList>("imported");
    QTest::addColumn<QString>("notice");

    QTest::newRow("folder with subfolders")
        << QStringList{"drop/a.avi", "drop/sub/b.mp4", "drop/sub/deeper/c.MKV"}
        << QStringList{"drop/notes.txt", "drop/sub/report.avi.txt"} << QStringList{"drop"}
        << QStringList{"a.avi", "b.mp4", "c.MKV"} << QString();
    QTest::newRow("capital suffix") << QStringList{"movie.AVI"} << QStringList{} << QStringList{"movie.AVI"}
                                    << QStringList{"movie.AVI"} << QString();
    QTest::newRow("text file") << QStringList{} << QStringList{"notes.txt"} << QStringList{"notes.txt"}
                               << QStringList{} << "Video not found";
    QTest::newRow("avi inside a longer suffix") << QStringList{} << QStringList{"drop/report.avi.txt"}
                                                << QStringList{"drop"} << QStringList{} << "Video not found";
    QTest::newRow("missing path") << QStringList{} << QStringList{} << QStringList{"nowhere"} << QStringList{}
                                  << "Video not found";
    QTest::newRow("the same file twice")
        << QStringList{"drop/a.avi"} << QStringList{} << QStringList{"drop", "drop/a.avi"}
        << QStringList{"a.avi"} << QString();
    QTest::newRow("one name in two folders")
        << QStringList{"drop/x/clip.avi", "drop/y/clip.avi"} << QStringList{} << QStringList{"drop"}
        << QStringList{"clip.avi"} << "drop/y/clip.avi: it could not be copied: a file of the same name";
}

void TestImportWidget::importPaths()
{
    QFETCH(QStringList, videos);
    QFETCH(QStringList, others);
    QFETCH(QStringList, dropped);
    QFETCH(QStringList, imported);
    QFETCH(QString, notice);

    const QString root = home->path() + QStringLiteral("/");
    for (const QString &video : videos)
        QVERIFY(!putClip(root + video).isEmpty());
    for (const QString &other : others)
        QVERIFY(writeFile(root + other, "just text"));
    QStringList paths;
    for (const QString &path : dropped)
        paths << root + path;
    // Dropped files are never deleted, whatever the dialog holds.
    child<QRadioButton>("deleteSourcesRadio")->setChecked(true);

    ModalWatcher watcher;
    QSignalSpy succeeded(dialog.get(), &CImportWidget::importSuccess);
    dialog->importPaths(paths);

    QStringList names = entryNames();
    names.sort();
    QCOMPARE(names, imported);
    QCOMPARE(signalTexts(succeeded), imported.isEmpty()
                                         ? QStringList{}
                                         : QStringList{importFolderPath() + QStringLiteral("/Untitled")});
    if (notice.isEmpty()) {
        QVERIFY2(watcher.texts.isEmpty(), qPrintable(watcher.texts.join('\n')));
    } else {
        QCOMPARE(watcher.texts.size(), 1);
        QVERIFY2(watcher.texts.first().contains(QDir::toNativeSeparators(notice)),
                 qPrintable(watcher.texts.first()));
    }
    if (imported.isEmpty())
        QVERIFY(QDir(importFolderPath()).entryList(QDir::AllDirs | QDir::NoDotAndDotDot).isEmpty());
    for (const QString &file : videos + others)
        QVERIFY(QFileInfo::exists(root + file));
    QVERIFY(dialog->isHidden());
    QVERIFY(dialog->findChildren<videoLoader *>().isEmpty());
}

void TestImportWidget::importPathsDuringRun()
{
    // The webcam link may hand over a recording while an import is copying; it deletes the
    // recording's folder as soon as importPaths returns.
    chooseClips({"a.avi", "b.avi"});
    const QString roll = home->path() + QStringLiteral("/roll");
    QVERIFY(!putClip(roll + QStringLiteral("/WebCamRecord.mp4")).isEmpty());

    DuringRun recording(afterFiles(1), [&] {
        dialog->importPaths({roll});
        QVERIFY(removeFolderTree(roll));
    });
    ModalWatcher watcher;
    QSignalSpy succeeded(dialog.get(), &CImportWidget::importSuccess);
    child<QPushButton>("importButton")->click();

    QVERIFY(recording.done);
    QCOMPARE(signalTexts(succeeded), (QStringList{importFolderPath() + QStringLiteral("/Untitled- 2"),
                                                  importFolderPath() + QStringLiteral("/Untitled")}));
    const QStringList expected{"a.avi", "WebCamRecord.mp4", "b.avi"};
    QCOMPARE(entryNames(), expected);
    QVERIFY(QFileInfo::exists(importFolderPath() + QStringLiteral("/Untitled- 2/WebCamRecord.mp4")));
    QVERIFY(watcher.texts.isEmpty());
    QVERIFY(!visibleProgress());
    QVERIFY(!dialog->isImporting());
}

QTEST_MAIN(TestImportWidget)
#include "tst_importwidget.moc"

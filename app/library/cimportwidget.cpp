#include "cimportwidget.h"

#include "videoloader.h"
#include "videoprobe.h"
#include "xmlparser.h"

#include "shell/appfolders.h"
#include "shell/messageboxes.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileSystemModel>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSet>
#include <QStandardPaths>
#include <QThread>
#include <QTreeView>
#include <QUuid>
#include <QVBoxLayout>
#include <QWindow>

#include <memory>

namespace {

constexpr int columnsPerRow = 3;
constexpr int sidePanelWidth = 250;
constexpr int copyTimerMs = 100;
// How long an import waits for its progress dialog to reach the screen before the first
// copy, which blocks the window while it runs.
constexpr int showProgressWaitMs = 250;

const QString untitled = QStringLiteral("Untitled");

QFrame *makeFrame(const char *name, QFrame::Shape shape, const char *background, QWidget *parent)
{
    auto *frame = new QFrame(parent);
    frame->setObjectName(QLatin1String(name));
    frame->setFrameShape(shape);
    frame->setStyleSheet(QStringLiteral("QFrame#%1{background-color: %2;}")
                             .arg(QLatin1String(name), QLatin1String(background)));
    return frame;
}

QPushButton *makeButton(const char *name, const QString &text, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    // Enter in one of the text fields must not start an import.
    button->setAutoDefault(false);
    return button;
}

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

QString problem(const QFileInfo &source, const QString &why)
{
    return shown(source.absoluteFilePath()) + QStringLiteral(": ") + why;
}

void waitUntilShown(QWidget *widget)
{
    const QDeadlineTimer deadline(showProgressWaitMs);
    QCoreApplication::processEvents();
    while (widget->isVisible() && !(widget->windowHandle() && widget->windowHandle()->isExposed()) &&
           !deadline.hasExpired()) {
        QThread::msleep(5);
        QCoreApplication::processEvents();
    }
    QCoreApplication::processEvents();
}

// The folder newImportFolder() failed on, for telling the user.
QString folderThatFailed()
{
    const QString importFolder = importFolderPath();
    if (!QFileInfo(importFolder).isDir())
        return importFolder;
    return importFolder + QStringLiteral("/") + uniqueImportAlbumName(untitled);
}

} // namespace

CImportWidget::CImportWidget(QWidget *parent)
    : QDialog(parent)
{
    buildLayout();
    copyTimer.setInterval(copyTimerMs);

    connect(treeView, &QTreeView::clicked, this, &CImportWidget::onTreeItemClick);
    connect(cancelButton, &QPushButton::clicked, this, &CImportWidget::onClickCancel);
    connect(importButton, &QPushButton::clicked, this, &CImportWidget::onClickImport);
    connect(selectAllButton, &QPushButton::clicked, this, &CImportWidget::onClickSelectAll);
    connect(clearAllButton, &QPushButton::clicked, this, &CImportWidget::onClickClearAll);
    connect(&copyTimer, &QTimer::timeout, this, &CImportWidget::updateProgressBar);
}

CImportWidget::~CImportWidget() = default;

void CImportWidget::buildLayout()
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint);
    setObjectName(QStringLiteral("this"));
    setStyleSheet(QStringLiteral("QDialog#this{background-color: rgb(100, 100, 100);}"
                                 "QLabel, QRadioButton, QCheckBox, QGroupBox{color: gray;}"));
    setWindowTitle(QStringLiteral("Import"));
    resize(1000, 600);

    // Left: the folder tree.
    QFrame *left = makeFrame("left", QFrame::Box, "rgb(76, 76, 76)", this);
    left->setFixedWidth(sidePanelWidth);
    fileModel = new QFileSystemModel(this);
    fileModel->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    fileModel->setRootPath(QStringLiteral("/"));
    treeView = new QTreeView(left);
    treeView->setObjectName(QStringLiteral("treeView"));
    treeView->setStyleSheet(
        QStringLiteral("QTreeView#treeView{background-color: rgb(76, 76, 76); color: gray;}"));
    treeView->setModel(fileModel);
    treeView->setAnimated(true);
    treeView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    treeView->setHeaderHidden(true);
    for (int column = 1; column <= 4; ++column)
        treeView->hideColumn(column);
    treeView->setColumnWidth(0, sidePanelWidth);
    const QModelIndex start = fileModel->index(startFolderPath());
    treeView->scrollTo(start);
    treeView->expand(start);
    auto *leftLayout = new QVBoxLayout(left);
    leftLayout->addWidget(treeView);

    // Middle: the tiles, with Select All and Clear All below.
    QFrame *middle = makeFrame("middle", QFrame::NoFrame, "rgb(76, 76, 76)", this);
    auto *scrollArea = new QScrollArea(middle);
    scrollArea->setObjectName(QStringLiteral("scrollArea"));
    scrollArea->setWidgetResizable(true);
    QFrame *middleUpper = makeFrame("middleUpper", QFrame::Box, "rgb(60, 60, 60)", scrollArea);
    tileGrid = new QGridLayout(middleUpper);
    tileGrid->setObjectName(QStringLiteral("tileGrid"));
    tileGrid->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    scrollArea->setWidget(middleUpper);
    QFrame *middleLower = makeFrame("middleLower", QFrame::Box, "rgb(60, 60, 60)", middle);
    middleLower->setFixedHeight(50);
    selectAllButton = makeButton("selectAllButton", QStringLiteral("Select All"), middleLower);
    clearAllButton = makeButton("clearAllButton", QStringLiteral("Clear All"), middleLower);
    auto *lowerLayout = new QHBoxLayout(middleLower);
    lowerLayout->addStretch();
    lowerLayout->addWidget(selectAllButton);
    lowerLayout->addWidget(clearAllButton);
    auto *middleLayout = new QVBoxLayout(middle);
    middleLayout->addWidget(scrollArea);
    middleLayout->addWidget(middleLower);

    // Right: the name fields and what becomes of the sources.
    QFrame *right = makeFrame("right", QFrame::Box, "rgb(76, 76, 76)", this);
    right->setFixedWidth(sidePanelWidth);
    auto *names = new QGroupBox(QStringLiteral("Name and Descriptions"), right);
    nameEdit = new QLineEdit(names);
    nameEdit->setObjectName(QStringLiteral("nameEdit"));
    descriptionEdit = new QLineEdit(names);
    descriptionEdit->setObjectName(QStringLiteral("descriptionEdit"));
    auto *namesLayout = new QVBoxLayout(names);
    namesLayout->addWidget(new QLabel(QStringLiteral("Library Name:"), names));
    namesLayout->addWidget(nameEdit);
    namesLayout->addWidget(new QLabel(QStringLiteral("Library Descriptions:"), names));
    namesLayout->addWidget(descriptionEdit);
    auto *after = new QGroupBox(QStringLiteral("After importing, you want to"), right);
    leaveSourcesRadio = new QRadioButton(QStringLiteral("Leave all source videos"), after);
    leaveSourcesRadio->setObjectName(QStringLiteral("leaveSourcesRadio"));
    leaveSourcesRadio->setChecked(true);
    deleteSourcesRadio = new QRadioButton(QStringLiteral("Delete source videos"), after);
    deleteSourcesRadio->setObjectName(QStringLiteral("deleteSourcesRadio"));
    auto *afterLayout = new QVBoxLayout(after);
    afterLayout->addWidget(leaveSourcesRadio);
    afterLayout->addWidget(deleteSourcesRadio);
    afterLayout->addStretch();
    auto *rightLayout = new QVBoxLayout(right);
    rightLayout->addWidget(names);
    rightLayout->addWidget(after);
    rightLayout->addStretch();

    // Bottom: Cancel and Import.
    QFrame *bottom = makeFrame("bottom", QFrame::NoFrame, "transparent", this);
    bottom->setFixedHeight(50);
    cancelButton = makeButton("cancelButton", QStringLiteral("Cancel"), bottom);
    importButton = makeButton("importButton", QStringLiteral("Import"), bottom);
    auto *bottomLayout = new QHBoxLayout(bottom);
    bottomLayout->addStretch();
    bottomLayout->addWidget(cancelButton);
    bottomLayout->addWidget(importButton);

    auto *row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(left);
    row->addWidget(middle);
    row->addWidget(right);
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    outer->addLayout(row);
    outer->addWidget(bottom);

    selectAllButton->setEnabled(false);
    clearAllButton->setEnabled(false);
    importButton->setEnabled(false);
}

const QStringList &CImportWidget::videoNameFilters()
{
    static const QStringList filters{
        QStringLiteral("*.avi"),  QStringLiteral("*.vfw"), QStringLiteral("*.divx"), QStringLiteral("*.mpg"),
        QStringLiteral("*.mpeg"), QStringLiteral("*.m1v"), QStringLiteral("*.m2v"),  QStringLiteral("*.mpv"),
        QStringLiteral("*.dv"),   QStringLiteral("*.3gp"), QStringLiteral("*.mov"),  QStringLiteral("*.mp4"),
        QStringLiteral("*.m4v"),  QStringLiteral("*.mqv"), QStringLiteral("*.dat"),  QStringLiteral("*.vcd"),
        QStringLiteral("*.ogg"),  QStringLiteral("*.ogm"), QStringLiteral("*.ogv"),  QStringLiteral("*.asf"),
        QStringLiteral("*.wmv"),  QStringLiteral("*.vob"), QStringLiteral("*.mkv"),  QStringLiteral("*.ram"),
        QStringLiteral("*.flv")};
    return filters;
}

const QStringList &CImportWidget::importExtensions()
{
    static const QStringList extensions{
        QStringLiteral("avi"),  QStringLiteral("vfw"), QStringLiteral("divx"), QStringLiteral("mpg"),
        QStringLiteral("mpeg"), QStringLiteral("m1v"), QStringLiteral("m2v"),  QStringLiteral("mpv"),
        QStringLiteral("dv"),   QStringLiteral("3gp"), QStringLiteral("mov"),  QStringLiteral("mqv"),
        QStringLiteral("mp4"),  QStringLiteral("ogm"), QStringLiteral("ogv"),  QStringLiteral("vob"),
        QStringLiteral("mkv"),  QStringLiteral("flv"), QStringLiteral("wmv"),  QStringLiteral("3g2")};
    return extensions;
}

bool CImportWidget::isImportableVideo(const QFileInfo &file)
{
    // The last suffix only: "report.avi.txt" is a text file whatever its name holds.
    return importExtensions().contains(file.suffix(), Qt::CaseInsensitive);
}

QString CImportWidget::startFolderPath()
{
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return !pictures.isEmpty() && QFileInfo(pictures).isDir() ? pictures : QDir::homePath();
}

void CImportWidget::onTreeItemClick(const QModelIndex &index)
{
    selectAllButton->setEnabled(false);
    clearAllButton->setEnabled(false);
    // An invalid index has the empty path, which QDir would read as the working directory.
    if (!index.isValid())
        return;
    // Asked afresh: the model's cached entry may be older than what is on disk now.
    currentItem = QFileInfo(fileModel->filePath(index));

    if (currentItem.isFile()) {
        importButton->setEnabled(false);
        nameEdit->clear();
        descriptionEdit->clear();
        return;
    }

    folderEntries = QDir(currentItem.absoluteFilePath())
                        .entryInfoList(videoNameFilters(), QDir::Files, QDir::Name | QDir::IgnoreCase);
    if (folderEntries.isEmpty())
        return;

    removeTiles();
    const QString name = currentItem.fileName();
    nameEdit->setText(name.isEmpty() ? QStringLiteral("MyLibrary") : name);
    descriptionEdit->setText(QString::asprintf("%d Video(s)", int(folderEntries.size())));

    for (int i = 0; i < folderEntries.size(); ++i) {
        const QFileInfo &entry = folderEntries.at(i);
        if (!QFileInfo::exists(entry.absoluteFilePath()))
            continue;
        auto *tile = new videoLoader(this);
        connect(tile, &videoLoader::selectedVideo, this, &CImportWidget::addSelectedVideo);
        connect(tile, &videoLoader::unselectedVideo, this, &CImportWidget::removeSelectedVideo);
        tileGrid->addWidget(tile, i / columnsPerRow, i % columnsPerRow);
        tile->setPath(entry.absoluteFilePath());
        tiles.append(tile);
    }

    selectAllButton->setEnabled(true);
    clearAllButton->setEnabled(true);
}

void CImportWidget::removeTiles()
{
    for (videoLoader *tile : std::as_const(tiles)) {
        // A chosen tile that goes must leave the choice too, or Import would reach a deleted tile.
        selectedTiles.removeAll(tile);
        tileGrid->removeWidget(tile);
        delete tile;
    }
    tiles.clear();
    importButton->setEnabled(!selectedTiles.isEmpty());
}

void CImportWidget::clearSelection()
{
    for (videoLoader *tile : std::as_const(selectedTiles))
        tile->setSelected(false);
    selectedTiles.clear();
    importButton->setEnabled(false);
}

void CImportWidget::onClickSelectAll()
{
    selectedTiles.clear();
    for (videoLoader *tile : std::as_const(tiles)) {
        tile->setSelected(true);
        selectedTiles.append(tile);
    }
    importButton->setEnabled(!tiles.isEmpty());
}

void CImportWidget::onClickClearAll()
{
    importButton->setEnabled(false);
    selectedTiles.clear();
    for (videoLoader *tile : std::as_const(tiles))
        tile->setSelected(false);
}

void CImportWidget::onClickCancel()
{
    clearSelection();
    hide();
}

void CImportWidget::addSelectedVideo(videoLoader *tile)
{
    if (!selectedTiles.contains(tile))
        selectedTiles.append(tile);
    importButton->setEnabled(true);
}

void CImportWidget::removeSelectedVideo(videoLoader *tile)
{
    selectedTiles.removeAll(tile);
    importButton->setEnabled(!selectedTiles.isEmpty());
}

void CImportWidget::updateProgressBar()
{
    if (progressDialog && !progressDialog->wasCanceled())
        progressDialog->show();
}

QString CImportWidget::newImportFolder()
{
    const QString importFolder = importFolderPath();
    if (!QFileInfo(importFolder).isDir() && !QDir().mkdir(importFolder))
        return {};
    const QString target = importFolder + QStringLiteral("/") + uniqueImportAlbumName(untitled);
    if (!QFileInfo(target).isDir() && !QDir().mkdir(target))
        return {};
    return target;
}

void CImportWidget::onClickImport()
{
    QStringList sources;
    for (const videoLoader *tile : std::as_const(selectedTiles))
        sources << tile->videoPath();
    // Nothing chosen: no empty folder, no library rebuild.
    if (sources.isEmpty())
        return;
    runCopy(sources, deleteSourcesRadio->isChecked());
}

void CImportWidget::importPaths(const QStringList &paths)
{
    clearSelection();

    QStringList found;
    QSet<QString> seen;
    const auto take = [&](const QFileInfo &file) {
        // A video named twice (a file and its folder, or a link to it) is copied once.
        const QString key = file.canonicalFilePath();
        if (!seen.contains(key)) {
            seen.insert(key);
            found << file.absoluteFilePath();
        }
    };
    for (const QString &path : paths) {
        if (path.isEmpty())
            continue;
        const QFileInfo info(path);
        if (info.isDir()) {
            QStringList inFolder;
            QDirIterator walk(info.absoluteFilePath(), QDir::Files, QDirIterator::Subdirectories);
            while (walk.hasNext()) {
                const QFileInfo file(walk.next());
                if (isImportableVideo(file))
                    inFolder << file.absoluteFilePath();
            }
            // The walk's own order depends on the file system; this one does not.
            inFolder.sort();
            for (const QString &file : std::as_const(inFolder))
                take(QFileInfo(file));
        } else if (info.isFile() && isImportableVideo(info)) {
            take(info);
        }
    }

    // These tiles are never placed in the grid and go with the run that copies them.
    QList<videoLoader *> made;
    for (const QString &file : std::as_const(found)) {
        auto *tile = new videoLoader(this);
        tile->hide();
        tile->setPath(file);
        tile->setSelected(true);
        selectedTiles.append(tile);
        made.append(tile);
    }

    if (made.isEmpty()) {
        showNotice(QStringLiteral("Video not found"));
        return;
    }
    // Dropped files and recordings are copies the user expects to keep: never delete them.
    runCopy(found, false);
    for (videoLoader *tile : std::as_const(made)) {
        selectedTiles.removeAll(tile);
        delete tile;
    }
}

void CImportWidget::runCopy(const QStringList &sources, bool deleteSources)
{
    ++runDepth;
    importFinished = false;
    lastCopyOk = false;
    copyTimer.start();
    const QString target = newImportFolder();

    auto progress = std::make_unique<QProgressDialog>(QStringLiteral("Copying files..."),
                                                      QStringLiteral("Abort Copy"), 0, int(sources.size()));
    progress->setWindowTitle(messageBoxTitle());
    progress->setObjectName(QStringLiteral("progress"));
    progress->setStyleSheet(
        QStringLiteral("QProgressDialog#progress{background-color:rgb(76, 76, 76); color: gray;}"));
    progress->setWindowModality(Qt::ApplicationModal);
    // The run shows and closes the dialog itself; reaching the maximum must not reset it.
    progress->setAutoReset(false);
    progress->setAutoClose(false);
    progress->setMinimumDuration(0);
    progress->setValue(0);
    const QPointer<QProgressDialog> outerProgress = progressDialog;
    progressDialog = progress.get();
    progress->show();
    waitUntilShown(progress.get());

    QStringList problems;
    bool lastOk = false;
    bool cancelled = false;
    int registered = 0;
    for (int i = 0; i < sources.size() && !target.isEmpty(); ++i) {
        QCoreApplication::processEvents();
        // Asked after the events, so that an Abort Copy just handled stops before another copy.
        if (progress->wasCanceled()) {
            cancelled = true;
            break;
        }

        const QFileInfo source(sources.at(i));
        if (!source.isFile()) {
            problems << problem(source, QStringLiteral("the file no longer exists."));
            progress->setValue(i + 1);
            continue;
        }

        progress->show();
        const QString dest = target + QStringLiteral("/") + source.fileName();
        QString why;
        if (QFileInfo(dest).exists() || QFileInfo(dest).isSymLink()) {
            why = QStringLiteral("a file of the same name was already copied into %1.").arg(shown(target));
        } else {
            QFile file(source.absoluteFilePath());
            if (!file.copy(dest))
                why = file.errorString() + QStringLiteral(".");
        }
        lastOk = why.isEmpty();
        lastCopyOk = lastOk;

        if (!lastOk) {
            problems << problem(source, QStringLiteral("it could not be copied: ") + why);
        } else {
            QStringList probe;
            probeVideo(dest, probe);
            if (probe.size() <= 3) {
                problems << problem(source,
                                    QStringLiteral("it was copied to %1, but its picture size could not be "
                                                   "read, so it was not added to the library.")
                                        .arg(shown(dest)));
            } else {
                const Outcome added =
                    XMLParser().addItem(QUuid::createUuid().toString(QUuid::WithBraces), dest, probe.value(1),
                                        probe.value(2), probe.value(3), probe.value(4), LibraryList);
                if (!added) {
                    problems << problem(source,
                                        QStringLiteral("it was copied to %1, but could not be added to the "
                                                       "library: %2")
                                            .arg(shown(dest), added.message));
                } else {
                    ++registered;
                    QFile original(source.absoluteFilePath());
                    if (deleteSources && !original.remove())
                        problems << problem(
                            source, QStringLiteral("it was imported, but the source file could not be "
                                                   "deleted: %1.")
                                        .arg(original.errorString()));
                }
            }
        }
        progress->setValue(i + 1);
    }

    if (runDepth == 1)
        copyTimer.stop();
    progress->hide();
    progress.reset();
    progressDialog = outerProgress;

    importFinished = lastOk;
    lastCopyOk = lastOk;
    clearSelection();
    if (cancelled)
        emit importSuccess(QString());
    if (registered > 0)
        emit importSuccess(target);
    else if (!target.isEmpty())
        QDir().rmdir(target); // only when nothing at all was left in it
    hide();
    --runDepth;

    if (target.isEmpty()) {
        showNotice(QStringLiteral("The folder \"%1\" could not be created, so no video was imported.")
                       .arg(shown(folderThatFailed())));
    } else if (!problems.isEmpty()) {
        showNotice(QStringLiteral("Not every video could be imported:\n\n") +
                   problems.join(QLatin1Char('\n')));
    }
}

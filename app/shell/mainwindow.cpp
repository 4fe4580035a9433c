#include "mainwindow.h"

#include "ui_mainwindow.h"

#include "appfolders.h"
#include "buttonstyle.h"
#include "caboutwidget.h"
#include "companionbundles.h"
#include "messageboxes.h"
#include "platform.h"
#include "wizard.h"

#include "library/cimportwidget.h"
#include "library/clibrarylabel.h"
#include "media/cexportimages.h"
#include "media/playercommand.h"
#include "watermark/cimagewatermarklabel.h"
#include "watermark/cwatermark.h"
#include "watermark/imagewatermarkdlg.h"
#include "watermark/textwatermarkdlg.h"
#include "watermark/watermarklabel.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QProgressDialog>
#include <QTimer>
#include <QUrl>
#include <QUuid>

namespace {

const QString windowStyle = QStringLiteral(
    "QMainWindow#this {\n background-color: rgb(100, 100, 100);\n}\nQRadioButton {\n color: gray;\n}\n\n"
    "QCheckBox { \n color: gray;\n}\n\nQGroupBox { \n color: gray;\n}\n");

const QString playerName = QStringLiteral("playerProcess");

// How long a slave told to quit may take before it is killed.
constexpr int slaveQuitLimitMs = 2000;

CLibraryLabel *firstSelected(const QList<CLibraryLabel *> &tiles)
{
    const auto found = std::find_if(tiles.begin(), tiles.end(), [](CLibraryLabel *tile) { return tile->isSelected(); });
    return found == tiles.end() ? nullptr : *found;
}

const QString replaceQuestion = QStringLiteral("It will remove your all applied settings,Do you want to continue ?");

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , ui(std::make_unique<Ui::MainWindow>())
{
    ui->setupUi(this);

    QFont titleFont(QStringLiteral("Times"), 14, QFont::Bold);
    titleFont.setStyleHint(QFont::SansSerif);
    for (QLabel *title : {ui->label_2, ui->label_7}) {
        title->setStyleSheet(QStringLiteral("QLabel { color: gray; }"));
        title->setFont(titleFont);
    }
    ui->scrollArea_2->setFrameShape(QFrame::NoFrame);
    ui->scrollArea_3->setFrameShape(QFrame::NoFrame);

    const std::pair<QPushButton *, const char *> toolbar[] = {
        {ui->importBtn, "import"}, {ui->kestrelviewBtn, "device"}, {ui->deleteBtn, "delete"},
        {ui->playBtn, "play"},     {ui->pauseBtn, "pause"},        {ui->stopBtn, "stop"},
        {ui->imgWMBtn, "watermarkvideo"}, {ui->txtWMBtn, "watermarktext"}, {ui->exportBtn, "export"},
        {ui->facebookBtn, "facebook"}, {ui->mailBtn, "email"},     {ui->myspaceBtn, "myspace"},
        {ui->webCamBtn, "webcam"}, {ui->youtubeBtn, "youtube"},    {ui->rotateBtn, "rotateleft"}};
    for (const auto &[button, word] : toolbar) {
        const QString stem = QStringLiteral("icon_%1_01").arg(QLatin1String(word));
        button->setStyleSheet(iconButtonStyle(button->objectName(), stem + QStringLiteral("_32x32.png"),
                                              stem + QStringLiteral("_hover_32x32.png"),
                                              stem + QStringLiteral("_active_32x32.png")));
    }
    setAcceptDrops(true);

    for (const Outcome &step : {setUpDataFolders(), parser.ensureDocument()}) {
        if (!step)
            startupMessages.append(step.message);
    }
    programDir = QDir(programFolderPath());
    unpackCompanionBundles(programDir);

    setObjectName(QStringLiteral("this"));
    setStyleSheet(windowStyle);
    ui->scrollAreaWidgetContents_3->setStyleSheet(
        QStringLiteral("QWidget#scrollAreaWidgetContents_3 {\n background-color: rgb(100, 100, 100);\n}"));

    createImportDialog();
    exportDialog = new CExportImages(this);
    exportDialog->hide();
    connect(exportDialog, &CExportImages::exportSuccess, this, &MainWindow::exportAlbum);

    setVideoControlsEnabled(false);

    ui->viewWdgt->setObjectName(QStringLiteral("viewWdgt"));
    ui->viewWdgt->setStyleSheet(QStringLiteral("QWidget#viewWdgt {\n background-color: rgb(12, 12, 12);\n}\n"));
    ui->viewWdgt->setAttribute(Qt::WA_StyledBackground);
    preview = new watermarkLabel(ui->viewWdgt);
    connect(this, &MainWindow::changeWatemark, preview, &watermarkLabel::chnageWatermark);
    connect(&sizeProbe, &VideoSizeProbe::videoSizeChanged, preview, &watermarkLabel::setVideoSize);
    createEditors();

    toolFolder = toolFolderPath();
    ensureToolFolder();

    setWatermarkControlsEnabled();

    showLibrary();
    showAlbum();

    QTimer::singleShot(3000, this, &MainWindow::initMainWindow);

    loadingDialog = new QProgressDialog(QStringLiteral("Loading video..."), QString(), 0, 0, this);
    loadingDialog->setCancelButton(nullptr);
    loadingDialog->reset(); // no automatic showing: the webcam link decides when it is seen
    loadingDialog->hide();
    loadingDialog->move(rect().center());

    updateDeleteButton();
    playbackTimer.setInterval(1000);
    connect(&playbackTimer, &QTimer::timeout, this, &MainWindow::updateMediaProgressIndicator);
    ui->videoTimeLbl->setText(QStringLiteral(" 00:00:00 "));
    ui->playTimeLbl->setText(QStringLiteral(" 00:00:00 "));
}

MainWindow::~MainWindow()
{
    // No slave outlives the window, neither the player nor one still on its way out.
    for (QProcess *process : findChildren<QProcess *>(playerName)) {
        process->disconnect(this);
        if (process->state() != QProcess::NotRunning) {
            process->kill();
            process->waitForFinished(slaveQuitLimitMs);
        }
    }
}

void MainWindow::createImportDialog()
{
    delete importDialog;
    importDialog = new CImportWidget;
    importDialog->hide();
    connect(importDialog, &CImportWidget::importSuccess, this, &MainWindow::showLibrary);
}

void MainWindow::initMainWindow()
{
    emit stopProcess();
    show();
    QTimer::singleShot(1000, this, &MainWindow::runKestrelviewProcess);
    QTimer::singleShot(1000, this, &MainWindow::startQuickGuid);
    // Told once the window is up, so the message has a window to belong to.
    if (!startupMessages.isEmpty())
        QTimer::singleShot(0, this, [this] { showNotice(startupMessages.join(QStringLiteral("\n\n"))); });
}

void MainWindow::runKestrelviewProcess()
{
    bundleBrowserProcess = new QProcess(this);
    bundleBrowserProcess->start(programDir.absolutePath() + QStringLiteral("/Kestrelview.app/Contents/MacOS/Kestrelview"),
                                {});
}

void MainWindow::startQuickGuid()
{
    if (!Wizard::isWizardSwitchedOff())
        Wizard::runQuickStartGuide();
}

void MainWindow::setVideoControlsEnabled(bool on)
{
    for (QWidget *control : std::initializer_list<QWidget *>{ui->playBtn, ui->pauseBtn, ui->stopBtn, ui->mailBtn,
                                                             ui->facebookBtn, ui->myspaceBtn, ui->rotateBtn,
                                                             ui->youtubeBtn})
        control->setEnabled(on);
    for (QAction *action : {ui->actionPlay, ui->actionPause, ui->actionStop, ui->actionEmail})
        action->setEnabled(on);
    ui->menuPublish->setEnabled(on);
}

void MainWindow::setWatermarkControlsEnabled()
{
    ui->menuWatermark->setEnabled(videoLoaded);
    ui->imgWMBtn->setEnabled(videoLoaded);
    ui->txtWMBtn->setEnabled(videoLoaded);
    ui->rotateBtn->setEnabled(videoLoaded);
    ui->deleteBtn->setEnabled(!videoLoaded);
    ui->exportBtn->setEnabled(false);
    for (CImageWatermarkLabel *thumbnail : std::as_const(thumbnails))
        thumbnail->setHighlightEnabled(videoLoaded);
}

bool MainWindow::watermarksApplied() const
{
    return !preview->appliedWatermarks().isEmpty();
}

void MainWindow::reportLibraryProblem(const Outcome &outcome)
{
    if (outcome || libraryProblemShown)
        return;
    libraryProblemShown = true;
    if (isVisible())
        showNotice(outcome.message);
    else
        startupMessages.append(outcome.message);
}

void MainWindow::rebuildPanel(Panel panel)
{
    const bool library = panel == Panel::Library;
    QVBoxLayout *layout = library ? ui->LibLayout : ui->AlbumLayout;
    QList<CLibraryLabel *> &tiles = library ? libraryTiles : albumTiles;

    emptyLayout(layout);
    preview->clear();
    preview->hide();

    reportLibraryProblem(parser.readList(library ? LibraryList : AlbumList));
    tiles.clear();

    const QList<MediaItem> &items = library ? parser.libraryItems : parser.albumItems;
    for (int i = 0; i < items.size(); ++i) {
        const MediaItem &item = items.at(i);
        const QString path = item.value(QStringLiteral("filePath"));
        auto *tile = new CLibraryLabel({QFileInfo(path).fileName(), item.value(QStringLiteral("path")),
                                        item.value(QStringLiteral("fileSize")), item.value(QStringLiteral("resolution")),
                                        item.value(QStringLiteral("duration"))});
        tile->setFilePath(path.isEmpty() ? QString() : QFileInfo(path).absoluteFilePath());
        tile->setId(item.value(QStringLiteral("id")));
        connect(tile, &CLibraryLabel::selectedLib, this, library ? &MainWindow::selectedLib : &MainWindow::selectedAlbum);
        connect(tile, &CLibraryLabel::libSelectedPlay, this, library ? &MainWindow::playLib : &MainWindow::playAlbum);
        layout->insertWidget(i, tile);
        tiles.append(tile);
        // The first library tile becomes current; the first album tile only when the
        // library has none.
        if (i == 0 && (library || ui->LibLayout->count() <= 1)) {
            tile->setSelected(true);
            selectTile(tile);
        }
    }
    layout->addItem(new QSpacerItem(20, 40, QSizePolicy::Minimum, QSizePolicy::Expanding));
}

void MainWindow::showLibrary(const QString &)
{
    rebuildPanel(Panel::Library);
}

void MainWindow::showAlbum(const QString &)
{
    rebuildPanel(Panel::Album);
}

bool MainWindow::confirmDroppingWatermarks(CLibraryLabel *tile)
{
    if (!watermarksApplied() || askYesNo(this, replaceQuestion) == AnswerYes)
        return true;
    tile->setSelected(false);
    if (currentTile)
        currentTile->setSelected(true);
    return false;
}

void MainWindow::deselectAllBut(CLibraryLabel *tile)
{
    const bool tileInLibrary = libraryTiles.contains(tile);
    for (CLibraryLabel *other : libraryTiles + albumTiles) {
        // Only tile itself (or a twin entry with its id in the same panel) stays selected.
        if (libraryTiles.contains(other) != tileInLibrary || other->id() != tile->id())
            other->setSelected(false);
    }
}

void MainWindow::selectTile(CLibraryLabel *tile)
{
    if (!confirmDroppingWatermarks(tile))
        return;
    deselectAllBut(tile);
    currentTile = tile;
    on_stopBtn_clicked();
    currentVideoPath = tile->filePath();
    if (!currentVideoPath.isEmpty()) {
        setVideoControlsEnabled(true);
        // Watermarks are drawn at the video's own size: know it before any editor opens.
        startSizeProbe();
    }
    preview->show();
    ui->videoTimeLbl->setText(QStringLiteral(" ") + tile->durationText().remove(QStringLiteral("Duration: ")).trimmed()
                              + QStringLiteral(" "));
    ui->playTimeLbl->setText(QStringLiteral(" 00:00:00 "));
}

void MainWindow::selectedLib(CLibraryLabel *tile)
{
    selectTile(tile);
}

void MainWindow::selectedAlbum(CLibraryLabel *tile)
{
    selectTile(tile);
}

void MainWindow::playTile(CLibraryLabel *tile)
{
    if (currentTile && tile->id() == currentTile->id() && exportDialogShown)
        return;
    if (!confirmDroppingWatermarks(tile))
        return;
    deselectAllBut(tile);
    currentTile = tile;
    on_stopBtn_clicked();
    currentVideoPath = tile->filePath();
    if (!currentVideoPath.isEmpty())
        setVideoControlsEnabled(true);
    on_playBtn_clicked();
}

void MainWindow::playLib(CLibraryLabel *tile)
{
    playTile(tile);
}

void MainWindow::playAlbum(CLibraryLabel *tile)
{
    playTile(tile);
}

void MainWindow::exportAlbum(const QString &)
{
    on_stopBtn_clicked();
    showAlbum();
    if (albumTiles.isEmpty())
        return;
    for (CLibraryLabel *tile : std::as_const(libraryTiles))
        tile->setSelected(false);
    CLibraryLabel *newest = albumTiles.last();
    newest->setSelected(true);
    currentVideoPath = newest->filePath();
    selectedAlbum(newest);
    if (!currentVideoPath.isEmpty())
        setVideoControlsEnabled(true);
}

void MainWindow::clearAllWatermarks()
{
    emptyLayout(ui->watermarkLayout);
    preview->clear();
    preview->removeImageWatermarks();
    preview->removeTextWatermarks();
    preview->discardNewText();
    preview->discardNewImage();
}

void MainWindow::startSizeProbe()
{
    sizeProbe.startSizeProbe(currentVideoPath);
}

void MainWindow::emptyLayout(QLayout *layout)
{
    while (QLayoutItem *item = layout->takeAt(0)) {
        delete item->widget();
        delete item;
    }
}

void MainWindow::removeMediaFile(const QString &path)
{
    const QFileInfo file(path);
    if (!file.isFile())
        return;
    QFile::remove(path);
    QDir folder = file.absoluteDir();
    if (folder.entryList(QDir::Files | QDir::Hidden | QDir::System).isEmpty())
        QDir().rmdir(folder.absolutePath());
}

void MainWindow::updateDeleteButton()
{
    ui->deleteBtn->setEnabled(ui->LibLayout->count() > 1 || ui->AlbumLayout->count() > 1);
    if (libraryTiles.isEmpty() && albumTiles.isEmpty()) {
        setVideoControlsEnabled(false);
        ui->videoTimeLbl->setText(QStringLiteral("00:00:00"));
    }
}

void MainWindow::deleteTiles(const QList<CLibraryLabel *> &tiles, int listKind)
{
    for (CLibraryLabel *tile : tiles) {
        const Outcome removed = parser.removeItem(tile->id(), listKind);
        if (!removed) {
            // The entry stays listed, so its files stay too.
            showNotice(removed.message);
            return;
        }
        removeMediaFile(tile->thumbPath());
        removeMediaFile(tile->filePath());
    }
}

void MainWindow::on_deleteBtn_clicked()
{
    if (playing || askYesNo(this, QStringLiteral("Are you sure you want to delete?")) != AnswerYes)
        return;
    if (CLibraryLabel *selected = firstSelected(libraryTiles)) {
        deleteTiles({selected}, LibraryList);
        showLibrary();
        showAlbum();
    }
    updateDeleteButton();
}

void MainWindow::deleteFromPanel(Panel panel, const QString &question, bool selectedOnly)
{
    // These commands ask first and then look at the player; the Delete button the other way round.
    if (askYesNo(this, question) != AnswerYes || playing)
        return;
    const bool library = panel == Panel::Library;
    const QList<CLibraryLabel *> &tiles = library ? libraryTiles : albumTiles;
    if (!selectedOnly) {
        deleteTiles(tiles, library ? LibraryList : AlbumList);
        rebuildPanel(panel);
    } else if (CLibraryLabel *selected = firstSelected(tiles)) {
        deleteTiles({selected}, library ? LibraryList : AlbumList);
        rebuildPanel(panel);
    }
    updateDeleteButton();
}

void MainWindow::on_actionDelete_All_Library_triggered()
{
    deleteFromPanel(Panel::Library, QStringLiteral("Are you sure you want to delete all libraries?"), false);
}

void MainWindow::on_actionDelete_Selected_Album_triggered()
{
    deleteFromPanel(Panel::Album, QStringLiteral("Are you sure you want to delete?"), true);
}

void MainWindow::on_actionDelete_All_Album_triggered()
{
    deleteFromPanel(Panel::Album, QStringLiteral("Are you sure you want to delete all album?"), false);
}

void MainWindow::on_importBtn_clicked()
{
    on_stopBtn_clicked();
    createImportDialog();
    importDialog->show();
}

void MainWindow::on_kestrelviewBtn_clicked()
{
    if (deviceBrowserProcess) {
        deviceBrowserProcess->close();
        deviceBrowserProcess->deleteLater();
    }
    deviceBrowserProcess = new QProcess(this);
    deviceBrowserProcess->setProcessChannelMode(QProcess::MergedChannels);
    deviceBrowserProcess->start(programFolderPath() + QStringLiteral("/Kestrelview"), {});
}

void MainWindow::on_exportBtn_clicked()
{
    if (!currentTile) {
        showNotice(QStringLiteral("Please select video to porcess"));
        return;
    }
    exportDialog->setVideoSizeKb(int(currentTile->sizeText().toFloat() * 1024.0f));
    exportDialog->setControlsEnabled(true);
    exportDialog->setSourceList({currentVideoPath});
    exportDialog->setWatermarkList(preview->appliedWatermarks());
    exportDialogShown = true;
    if (playerProcess && playing)
        togglePause();
    // Watermarks stay as they are while the dialog burns them in.
    const bool wasLoaded = videoLoaded;
    const bool exportWasEnabled = ui->exportBtn->isEnabled();
    videoLoaded = false;
    setWatermarkControlsEnabled();
    exportDialog->exec();
    if (exportDialog->isCreateAlbum()) {
        clearAllWatermarks();
    } else {
        videoLoaded = wasLoaded && playerProcess;
        setWatermarkControlsEnabled();
        ui->exportBtn->setEnabled(exportWasEnabled);
        setVideoControlsEnabled(!currentVideoPath.isEmpty());
    }
}

// Rotation, the webcam and sharing come with their own windows; until then their buttons
// do nothing.
void MainWindow::on_webCamBtn_clicked() {}
void MainWindow::on_rotateBtn_clicked() {}
void MainWindow::on_youtubeBtn_clicked() {}
void MainWindow::on_facebookBtn_clicked() {}
void MainWindow::on_myspaceBtn_clicked() {}
void MainWindow::on_mailBtn_clicked() {}
void MainWindow::on_twitBtn_clicked() {}

int MainWindow::totalSeconds() const
{
    return currentTile ? durationSeconds(currentTile->durationText()) : 0;
}

void MainWindow::clearShadowImages()
{
    const QDir shots(snapshotFolderPath());
    for (const QString &file : shots.entryList(QDir::Files | QDir::Hidden | QDir::System))
        QFile::remove(shots.filePath(file));
}

void MainWindow::setPlayControlsEnabled(bool on)
{
    for (QWidget *control : std::initializer_list<QWidget *>{ui->playBtn, ui->pauseBtn, ui->stopBtn, ui->videoSlider})
        control->setEnabled(on);
    for (QAction *action : {ui->actionPlay, ui->actionPause, ui->actionStop})
        action->setEnabled(on);
}

void MainWindow::startPlayer()
{
    clearShadowImages();
    if (playerProcess)
        return;
    ui->videoSlider->setRange(0, totalSeconds());
    startSizeProbe();

    auto *process = new QProcess(this);
    process->setObjectName(playerName);
    playerProcess = process;
    // Only commands go in; nothing reads what mplayer prints, so it must not pile up.
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    process->setWorkingDirectory(snapshotFolderPath());
    connect(process, &QProcess::finished, this, [this, process](int exitCode) {
        // A slave that Stop let go of has nothing more to say about the player.
        if (process == playerProcess)
            videoStopProcess(exitCode);
        process->deleteLater();
    });
    connect(process, &QProcess::errorOccurred, this, [this, process](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            playerFailedToStart(process);
    });
    process->start(mplayerProgram(), playerArguments(currentVideoPath, quint64(ui->viewWdgt->winId())));

    // A new slave starts at the beginning of the video.
    elapsedSeconds = 0;
    playbackTimer.start();
    playing = true;
}

void MainWindow::playerFailedToStart(QProcess *process)
{
    const QString reason = process->errorString();
    process->deleteLater();
    if (process != playerProcess)
        return;
    playerProcess = nullptr;
    playbackTimer.stop();
    playing = false;
    videoLoaded = false;
    setWatermarkControlsEnabled();
    setPlayControlsEnabled(true);
    preview->show();
    // Told after the start has unwound, so the box does not open inside the process's signal.
    QTimer::singleShot(0, this, [reason] {
        showNotice(QStringLiteral("The video cannot be played: mplayer could not be started (%1). "
                                  "Install mplayer and try again.")
                       .arg(reason));
    });
}

void MainWindow::endSlave(QProcess *process)
{
    if (process->state() == QProcess::NotRunning) {
        process->deleteLater();
        return;
    }
    // Asked first, so it can let go of the window and the sound device; told, then forced,
    // when it does not go.
    process->write(quitCommand());
    process->closeWriteChannel();
    QTimer::singleShot(slaveQuitLimitMs / 4, process, [process] { process->terminate(); });
    QTimer::singleShot(slaveQuitLimitMs, process, [process] { process->kill(); });
}

void MainWindow::on_playBtn_clicked()
{
    if (currentTile)
        ui->videoTimeLbl->setText(QStringLiteral(" ") + currentTile->durationText().remove(QStringLiteral("Duration: ")).trimmed()
                                  + QStringLiteral(" "));
    if (playerProcess && !playing) {
        if (playerProcess->state() != QProcess::Running)
            return;
        playerProcess->write(pauseCommand());
        playbackTimer.start();
        playing = true;
        preview->hide();
        return;
    }
    if (videoLoaded) {
        if (currentVideoPath.isEmpty() || currentVideoPath == lastPlayedPath)
            return;
        if (watermarksApplied())
            return;
        startPlayer();
        videoLoaded = true;
        setWatermarkControlsEnabled();
    } else {
        lastPlayedPath = currentVideoPath;
        if (currentVideoPath.isEmpty())
            return;
        startPlayer();
        videoLoaded = true;
        setWatermarkControlsEnabled();
        setPlayControlsEnabled(true);
        preview->clear();
    }
    preview->hide();
}

void MainWindow::on_pauseBtn_clicked()
{
    togglePause();
}

void MainWindow::togglePause()
{
    if (!playerProcess || playerProcess->state() != QProcess::Running)
        return;
    if (playing) {
        playerProcess->write(screenshotCommand());
        playbackTimer.stop();
    } else {
        playbackTimer.start();
    }
    playerProcess->write(pauseCommand());
    playing = !playing;
    preview->hide();
}

void MainWindow::updateMediaProgressIndicator()
{
    if (!playerProcess || playerProcess->state() != QProcess::Running)
        return;
    const int shown = clockTick(elapsedSeconds, totalSeconds());
    ui->videoSlider->setValue(shown);
    ui->playTimeLbl->setText(elapsedText(shown));
}

void MainWindow::on_videoSlider_sliderReleased()
{
    if (!playerProcess || playerProcess->state() != QProcess::Running)
        return;
    const int second = ui->videoSlider->value();
    playerProcess->write(seekCommand(second));
    ui->playTimeLbl->setText(elapsedText(second));
    elapsedSeconds = second;
    if (!playing) {
        // mplayer leaves its pause for any command; the clock follows it.
        playbackTimer.start();
        playing = true;
        preview->hide();
    }
}

void MainWindow::on_stopBtn_clicked()
{
    videoLoaded = false;
    // An editor about to open has no paused video left to draw on.
    if (textDialog && imageDialog && !textDialog->isVisible() && !imageDialog->isVisible())
        editorPending = false;
    if (playerProcess) {
        QProcess *process = playerProcess;
        playerProcess = nullptr;
        endSlave(process);
        elapsedSeconds = 0;
        playbackTimer.stop();
        ui->videoSlider->setValue(0);
        ui->playTimeLbl->setText(QStringLiteral("00:00:00"));
        // What the slave's end would do, done now: that end no longer reaches the player.
        setPlayControlsEnabled(true);
        preview->show();
        ui->viewWdgt->updateGeometry();
    }
    setWatermarkControlsEnabled();
    clearAllWatermarks();
    playing = false;
}

void MainWindow::videoStopProcess(int)
{
    setPlayControlsEnabled(true);
    // The slave loops without end, so it only ends by itself when something went wrong.
    const bool unexpected = playerProcess != nullptr;
    playerProcess = nullptr;
    videoLoaded = false;
    setWatermarkControlsEnabled();
    playbackTimer.stop();
    playing = false;
    preview->show();
    ui->viewWdgt->updateGeometry();
    if (unexpected)
        QTimer::singleShot(0, this, [] {
            showNotice(QStringLiteral("The video stopped: the player ended unexpectedly."));
        });
}

void MainWindow::updatePlayStatus()
{
    if (watermarksApplied())
        return;
    setPlayControlsEnabled(true);
    // Only a paused slave is resumed; one that plays on would be paused instead.
    if (!playing)
        togglePause();
}

void MainWindow::on_actionImport_triggered() { on_importBtn_clicked(); }
void MainWindow::on_actionImport_from_Device_triggered() { on_kestrelviewBtn_clicked(); }
void MainWindow::on_actionExport_triggered() { on_exportBtn_clicked(); }
void MainWindow::on_actionEmail_triggered() { on_mailBtn_clicked(); }
void MainWindow::on_actionFacebook_triggered() { on_facebookBtn_clicked(); }
void MainWindow::on_actionExit_triggered() { close(); }
void MainWindow::on_actionPlay_triggered() { on_playBtn_clicked(); }
void MainWindow::on_actionPause_triggered() { on_pauseBtn_clicked(); }
void MainWindow::on_actionStop_triggered() { on_stopBtn_clicked(); }
void MainWindow::on_actionDelete_triggered() { on_deleteBtn_clicked(); }
void MainWindow::on_actionImage_Watermark_triggered() { on_imgWMBtn_clicked(); }
void MainWindow::on_actionText_Watermark_triggered() { on_txtWMBtn_clicked(); }
void MainWindow::on_actionTwitter_triggered() { on_twitBtn_clicked(); }

void MainWindow::on_actionQuick_Start_Guide_triggered()
{
    Wizard::runQuickStartGuide();
}

void MainWindow::on_actionONline_Tutorials_triggered()
{
    QDesktopServices::openUrl(QUrl(QStringLiteral("https://orvantis.example.org/tutorials")));
}

void MainWindow::on_actionAbout_Orvantis_triggered()
{
    if (!aboutWindow) {
        aboutWindow = new CAboutWidget(this);
        aboutWindow->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint);
    }
    aboutWindow->show();
    aboutWindow->raise();
    // The centre of the 500 x 420 video area at the origin.
    aboutWindow->move(249, 209);
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasFormat(QStringLiteral("text/uri-list")))
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent *event)
{
    if (!event->mimeData()->hasUrls())
        return;
    QStringList paths;
    for (const QUrl &url : event->mimeData()->urls()) {
        if (url.isLocalFile())
            paths << url.toLocalFile();
    }
    event->acceptProposedAction();
    importDialog->importPaths(paths);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    on_stopBtn_clicked();
    const QDir overlays(overlayFolderPath());
    for (const QString &file : overlays.entryList(QDir::Files | QDir::Hidden | QDir::System))
        QFile::remove(overlays.filePath(file));
    preview->discardNewImage();
    preview->discardNewText();
    preview->close();
    QMainWindow::closeEvent(event);
}

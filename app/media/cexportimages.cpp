#include "cexportimages.h"

#include "ui_cexportimages.h"

#include "library/videoprobe.h"
#include "library/xmlparser.h"
#include "shell/appfolders.h"
#include "shell/messageboxes.h"
#include "shell/platform.h"
#include "watermark/cwatermark.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QUrl>
#include <QUuid>

namespace {

constexpr int specificFolderRow = 5;

const char *const formatExtensions[] = {nullptr, ".avi", ".mpg", ".mpeg", ".mov", ".mp4", ".wmv", ".vob", ".flv"};

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

QString chooseFolderPrompt()
{
    return QStringLiteral("Choose folder...");
}

bool askOverwrite(QWidget *parent, const QString &output)
{
    QMessageBox box(parent);
    box.setIconPixmap(QPixmap(QStringLiteral(":/images/ferravel_images/MainWindow/LumivaneIcon.png")));
    box.setObjectName(QStringLiteral("msgBox"));
    box.setStyleSheet(QStringLiteral("QMessageBox#msgBox{background-color: rgb(76, 76, 76);}"));
    box.setWindowTitle(QStringLiteral("Ferravel"));
    box.setText(output + QStringLiteral(" already exists.\n\nDo you want to overwrite it?"));
    box.addButton(QMessageBox::Yes);
    QPushButton *no = box.addButton(QMessageBox::No);
    box.exec();
    return box.clickedButton() != no;
}

} // namespace

CExportImages::CExportImages(QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::CExportImages>())
{
    ui->setupUi(this);
    setFixedSize(611, 498);
    ui->lblOutputFolderPath->setText(defaultExportFolder());
    ui->progressBar->hide();
    progressTimer.setInterval(50);
    chooseFolder = [this] {
        return QFileDialog::getExistingDirectory(this, QStringLiteral("Open Directory"),
                                                 QDir::homePath() + QStringLiteral("/Desktop"),
                                                 QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
    };

    connect(ui->cmbExportTo, &QComboBox::currentIndexChanged, this, &CExportImages::onCmbExportTo);
    connect(ui->btnChoose, &QPushButton::clicked, this, &CExportImages::onBtnChoose);
    connect(ui->chkPutinSubFolder, &QCheckBox::stateChanged, this, &CExportImages::onChkPutinFolder);
    connect(ui->cmbOutputFormat, &QComboBox::currentIndexChanged, this, &CExportImages::onCmbOutputFormat);
    connect(ui->btnExport, &QPushButton::clicked, this, &CExportImages::onBtnExport);
    connect(ui->btnCancel, &QPushButton::clicked, this, &CExportImages::onBtnCancel);
    connect(&progressTimer, &QTimer::timeout, this, &CExportImages::timerSlotToUpdateProgress);
}

CExportImages::~CExportImages()
{
    // A run still going when the studio closes leaves no half-written video behind.
    if (process)
        stopRun();
}

void CExportImages::setVideoSizeKb(int sizeKb)
{
    videoSizeKb = sizeKb;
}

void CExportImages::setControlsEnabled(bool on)
{
    ui->grbExportLocation->setEnabled(on);
    ui->grbFileSettings->setEnabled(on);
    ui->chkAlbum->setEnabled(on);
    ui->btnExport->setEnabled(on);
}

void CExportImages::setSourceList(const QStringList &sources)
{
    sourceList = sources;
    finished = false;
    if (!sources.isEmpty() && QFileInfo::exists(sources.first()))
        ui->sourceFileNameLEdit->setText(QFileInfo(sources.first()).fileName());
}

void CExportImages::setWatermarkList(const QList<CWatermark *> &list)
{
    watermarks.clear();
    for (CWatermark *watermark : list)
        watermarks.append(watermark);
}

QString CExportImages::exportFolderFor(int row)
{
    switch (row) {
    case 0:
        return exportFolderPath();
    case 1:
        return QDir::homePath();
    case 2:
        return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    case 3:
        return QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    case 4:
        return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    default:
        return {};
    }
}

QString CExportImages::outputPathForFormat(const QString &path) const
{
    const QString extension = outputFormatIndex == 0
                                  ? QStringLiteral(".") + QFileInfo(ui->sourceFileNameLEdit->text()).suffix()
                                  : QLatin1String(formatExtensions[qBound(1, outputFormatIndex, 8)]);
    // Only a dot of the file name starts its extension; a dot in a folder's name does not.
    const int nameStart = path.lastIndexOf(QLatin1Char('/')) + 1;
    const int dot = path.lastIndexOf(QLatin1Char('.'));
    return (dot >= nameStart ? path.left(dot) : path) + extension;
}

void CExportImages::onCmbExportTo(int row)
{
    ui->btnChoose->setEnabled(row == specificFolderRow);
    exportToIndex = row;
    ui->lblOutputFolderPath->setText(row == specificFolderRow ? chooseFolderPrompt() : shown(exportFolderFor(row)));
}

void CExportImages::onBtnChoose()
{
    const QString folder = chooseFolder();
    if (!folder.isEmpty())
        ui->lblOutputFolderPath->setText(shown(folder));
}

void CExportImages::onChkPutinFolder(int state)
{
    ui->txtPutinSubFolder->setEnabled(state != 0);
}

void CExportImages::onCmbOutputFormat(int row)
{
    outputFormatIndex = row;
}

void CExportImages::backToReady()
{
    ui->progressBar->hide();
    setControlsEnabled(true);
}

void CExportImages::onBtnExport()
{
    const QString typed = ui->outputFileNameLEdit->text();
    outputName = typed.trimmed().isEmpty() ? ui->sourceFileNameLEdit->text().trimmed() : typed;

    ui->progressBar->setFormat(QStringLiteral("%p%"));
    ui->progressBar->setRange(0, videoSizeKb);
    ui->progressBar->reset();
    ui->progressBar->setValue(videoSizeKb / 100);
    ui->progressBar->show();
    setControlsEnabled(false);

    if (sourceList.isEmpty() || !QFileInfo::exists(sourceList.first())) {
        showNotice(QStringLiteral("The video to export could not be found."));
        return backToReady();
    }
    if (ui->chkPutinSubFolder->isChecked() && ui->txtPutinSubFolder->text().isEmpty()
        && ui->txtPutinSubFolder->placeholderText().isEmpty()) {
        showNotice(QStringLiteral("Put in sub folder should not be blank if it is selected"));
        return backToReady();
    }
    if (exportToIndex == specificFolderRow && ui->lblOutputFolderPath->text() == chooseFolderPrompt()) {
        showNotice(QStringLiteral("Please choose the folder to export to with \"Choose...\"."));
        return backToReady();
    }

    QString folder = QDir::fromNativeSeparators(ui->lblOutputFolderPath->text());
    if (!QDir().mkpath(folder)) {
        showNotice(QStringLiteral("Could not create destination directory \"%1\"").arg(QFileInfo(folder).absoluteFilePath()));
        return backToReady();
    }
    if (ui->chkPutinSubFolder->isChecked()) {
        QString sub = ui->txtPutinSubFolder->text();
        if (sub.isEmpty())
            sub = ui->txtPutinSubFolder->placeholderText();
        if (exportToIndex == 0)
            sub = uniqueSubfolderName(sub, folder);
        folder += QStringLiteral("/") + sub;
        if (!QDir().mkpath(folder)) {
            showNotice(QStringLiteral("Could not create destination directory \"%1\"").arg(QFileInfo(folder).absoluteFilePath()),
                       QStringLiteral("Ferravel"));
            return backToReady();
        }
    }
    destinationFolder = folder;

    // One run at a time: the dialog is handed one video.
    const QString source = QFileInfo(sourceList.first()).absoluteFilePath();
    const QString name = QFileInfo(outputName.isEmpty() ? source : outputName).fileName();
    const QString output = outputPathForFormat(folder + QStringLiteral("/") + name);
    createAlbum = ui->chkAlbum->isChecked();
    if (!burnVideo(source, output))
        createAlbum = false;
}

bool CExportImages::burnVideo(const QString &source, const QString &output)
{
    if (QFileInfo(output).canonicalFilePath() == QFileInfo(source).canonicalFilePath()) {
        // ffmpeg would write over the very file it reads.
        showNotice(QStringLiteral("\"%1\" is the video being exported. Please choose another output name or folder.")
                       .arg(shown(output)));
        backToReady();
        return false;
    }
    if (QFileInfo::exists(output) && !askOverwrite(this, output)) {
        backToReady();
        return false;
    }

    currentOutputPath = output;
    visibleOverlays.clear();
    for (const QPointer<CWatermark> &watermark : watermarks) {
        // Hidden through the list's check box: left out of this export.
        if (watermark && !watermark->isHidden() && !watermark->overlayFileName().isEmpty())
            visibleOverlays << watermark->overlayFileName();
    }

    progress = BurnProgressParser();
    process = new QProcess(this);
    process->setProcessChannelMode(QProcess::MergedChannels);
    connect(process, &QProcess::finished, this, &CExportImages::reportProcessState);
    connect(process, &QProcess::errorOccurred, this, &CExportImages::errorReport);
    // The overlays are named without a folder: ffmpeg finds them in its working directory.
    process->setWorkingDirectory(roamingForm(overlayFolderPath()));
    process->start(ffmpegProgram(),
                   burnArguments(roamingForm(source), overlayFilterGraph(visibleOverlays), roamingForm(output)));
    progressTimer.start();
    return true;
}

void CExportImages::timerSlotToUpdateProgress()
{
    if (!process || process->state() != QProcess::Running) {
        ui->progressBar->setValue(videoSizeKb);
        progressTimer.stop();
        return;
    }
    const int size = progress.feed(process->readAll());
    if (size > 0) {
        ui->progressBar->setValue(size); // a value above the maximum is ignored by the bar
        ui->progressBar->show();
    }
}

void CExportImages::reportProcessState(int exitCode, QProcess::ExitStatus status)
{
    QProcess *run = process;
    if (!run)
        return;
    progress.feed(run->readAll() + "\n");
    process = nullptr;
    run->deleteLater();
    visibleOverlays.clear();

    // ffmpeg reports its failures through the exit code.
    const bool succeeded = status == QProcess::NormalExit && exitCode == 0;
    if (succeeded) {
        finished = true;
        const QString output = currentOutputPath;
        // Finished files are the user's: nothing deletes them from here on.
        currentOutputPath.clear();
        if (ui->chkAlbum->isChecked()) {
            addExportToAlbumList(output);
            emit exportSuccess(destinationFolder);
        }
        if (ui->chkDestFolder->isChecked())
            QDesktopServices::openUrl(QUrl::fromLocalFile(destinationFolder));
    } else {
        createAlbum = false;
        deletePartialOutput();
        if (status == QProcess::NormalExit)
            showNotice(QStringLiteral("The export failed: ffmpeg stopped with exit code %1.\n\n%2")
                           .arg(exitCode)
                           .arg(progress.lastLines().mid(qMax(0, progress.lastLines().size() - 6)).join(QLatin1Char('\n'))));
    }
    endRun(succeeded);
}

void CExportImages::errorReport(QProcess::ProcessError error)
{
    if (error != QProcess::FailedToStart || !process)
        return;
    QProcess *run = process;
    process = nullptr;
    run->deleteLater();
    createAlbum = false;
    currentOutputPath.clear();
    showNotice(QStringLiteral("The export could not start: ffmpeg (%1) could not be run.\n\n%2")
                   .arg(run->program(), run->errorString()));
    endRun(false);
}

void CExportImages::endRun(bool succeeded)
{
    progressTimer.stop();
    ui->progressBar->hide();
    setControlsEnabled(true);
    if (succeeded)
        ui->outputFileNameLEdit->clear();
    emit exportFinished(succeeded);
    close();
}

void CExportImages::deletePartialOutput()
{
    if (!currentOutputPath.isEmpty() && QFileInfo::exists(currentOutputPath))
        QFile::remove(currentOutputPath);
    currentOutputPath.clear();
}

void CExportImages::stopRun()
{
    createAlbum = false;
    if (QProcess *run = process) {
        // Ends ffmpeg before its file goes, so nothing writes into a deleted file; the
        // finished signal then runs the failure branch.
        disconnect(run, &QProcess::errorOccurred, this, &CExportImages::errorReport);
        run->close();
        if (process == run) { // finished was not delivered
            process = nullptr;
            run->deleteLater();
            endRun(false);
        }
    }
    deletePartialOutput();
}

void CExportImages::onBtnCancel()
{
    stopRun();
    close();
}

void CExportImages::closeEvent(QCloseEvent *event)
{
    if (process) {
        stopRun();
        ui->progressBar->setValue(0);
    } else if (!finished) {
        createAlbum = false;
    }
    event->accept();
    QDialog::closeEvent(event);
}

void CExportImages::addExportToAlbumList(const QString &exportedFile)
{
    const QString copyFolder = importFolderPath() + QStringLiteral("/") + uniqueImportAlbumName(QStringLiteral("Untitled"));
    QDir().mkpath(copyFolder);
    const QString copy = copyFolder + QStringLiteral("/") + QFileInfo(exportedFile).fileName();
    if (!QFile::copy(exportedFile, copy)) {
        showNotice(QStringLiteral("The exported video could not be copied into the album folder \"%1\".").arg(shown(copyFolder)));
        return;
    }

    QStringList probe;
    probeVideo(copy, probe);
    if (probe.size() < 5)
        return;
    XMLParser parser;
    if (Outcome added = parser.addItem(QUuid::createUuid().toString(), copy, probe.at(1), probe.at(2), probe.at(3),
                                       probe.at(4), AlbumList);
        !added)
        showNotice(added.message);
}

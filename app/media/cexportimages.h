#pragma once

#include <QDialog>
#include <QList>
#include <QPointer>
#include <QProcess>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <memory>

#include "burncommand.h"

class CWatermark;

namespace Ui {
class CExportImages;
}

// The export dialog: burns every visible watermark's overlay into a new video with ffmpeg,
// shows its progress and, when asked, adds the result to the album.
class CExportImages : public QDialog
{
    Q_OBJECT

public:
    explicit CExportImages(QWidget *parent = nullptr);
    ~CExportImages() override;

    void setVideoSizeKb(int sizeKb);
    void setControlsEnabled(bool on);
    void setSourceList(const QStringList &sources);
    void setWatermarkList(const QList<CWatermark *> &list);
    // "Create Album" was ticked for an export that succeeded.
    bool isCreateAlbum() const { return createAlbum; }
    bool isRunning() const { return process != nullptr; }

    // The folder a row of "Export To" stands for; "" for the specific folder.
    static QString exportFolderFor(int row);
    // `path` with the extension of the chosen output format in place of its own.
    QString outputPathForFormat(const QString &path) const;

    // How "Choose..." asks for a folder; tests answer it themselves.
    void setFolderChooser(std::function<QString()> chooser) { chooseFolder = std::move(chooser); }

signals:
    void exportSuccess(const QString &folder);
    // Every run ends with this, whatever became of it.
    void exportFinished(bool succeeded);

protected:
    void closeEvent(QCloseEvent *event) override;

private slots:
    void onCmbExportTo(int row);
    void onBtnChoose();
    void onChkPutinFolder(int state);
    void onCmbOutputFormat(int row);
    void onBtnExport();
    void onBtnCancel();
    void timerSlotToUpdateProgress();
    void reportProcessState(int exitCode, QProcess::ExitStatus status);
    void errorReport(QProcess::ProcessError error);

private:
    bool burnVideo(const QString &source, const QString &output);
    void addExportToAlbumList(const QString &exportedFile);
    void backToReady();
    void stopRun();
    void endRun(bool succeeded);
    void deletePartialOutput();

    std::unique_ptr<Ui::CExportImages> ui;
    QStringList sourceList;
    QList<QPointer<CWatermark>> watermarks;
    QStringList visibleOverlays;
    int videoSizeKb = 0;
    int exportToIndex = 0;
    int outputFormatIndex = 0;
    QString outputName;
    QString destinationFolder;
    QString currentOutputPath;
    bool createAlbum = false;
    bool finished = false;
    QProcess *process = nullptr;
    QTimer progressTimer;
    BurnProgressParser progress;
    std::function<QString()> chooseFolder;
};

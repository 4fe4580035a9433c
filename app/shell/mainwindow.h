#pragma once

#include "library/clibrarylabel.h"
#include "library/videosizeprobe.h"
#include "library/xmlparser.h"

#include <QDir>
#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <QProcess>
#include <QString>
#include <QTimer>

#include <memory>

class CAboutWidget;
class CExportImages;
class CImportWidget;
class QProgressDialog;
class watermarkLabel;

namespace Ui {
class MainWindow;
}

// The studio's one top-level window: the library and album panels, the preview with its
// watermarks, the toolbar and menus, and the dialogs they open. Its constructor lays out the
// data folder and the library document before anything reads them.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // Problems met while starting (a folder that could not be made, a damaged library),
    // told to the user once the window is on screen.
    QStringList startupProblems() const { return startupMessages; }

    void setVideoControlsEnabled(bool on);
    void setWatermarkControlsEnabled();
    void updateDeleteButton();
    // Deletes `path` and then its folder when no plain file is left in it.
    static void removeMediaFile(const QString &path);

    QString currentVideo() const { return currentVideoPath; }
    CLibraryLabel *current() const { return currentTile; }
    QList<CLibraryLabel *> libraryTileList() const { return libraryTiles; }
    QList<CLibraryLabel *> albumTileList() const { return albumTiles; }
    watermarkLabel *watermarkPreview() const { return preview; }
    CExportImages *exportDialogWidget() const { return exportDialog; }
    CImportWidget *importDialogWidget() const { return importDialog; }
    bool isPlaying() const { return playing; }
    bool isVideoLoaded() const { return videoLoaded; }
    // The running mplayer slave, or null when nothing is loaded.
    QProcess *player() const { return playerProcess; }
    int elapsed() const { return elapsedSeconds; }

signals:
    void stopProcess();
    void changeWatemark(bool type);

public slots:
    void initMainWindow();
    void runKestrelviewProcess();
    void startQuickGuid();

    void showLibrary(const QString &ignored = QString());
    void showAlbum(const QString &ignored = QString());
    void selectedLib(CLibraryLabel *tile);
    void selectedAlbum(CLibraryLabel *tile);
    void playLib(CLibraryLabel *tile);
    void playAlbum(CLibraryLabel *tile);
    void exportAlbum(const QString &ignored = QString());
    void clearAllWatermarks();
    void startSizeProbe();

    void togglePause();
    void updateMediaProgressIndicator();
    void videoStopProcess(int exitCode);
    void updatePlayStatus();

    void on_importBtn_clicked();
    void on_kestrelviewBtn_clicked();
    void on_webCamBtn_clicked();
    void on_deleteBtn_clicked();
    void on_playBtn_clicked();
    void on_pauseBtn_clicked();
    void on_stopBtn_clicked();
    void on_videoSlider_sliderReleased();
    void on_rotateBtn_clicked();
    void on_imgWMBtn_clicked();
    void on_txtWMBtn_clicked();
    void on_exportBtn_clicked();
    void on_youtubeBtn_clicked();
    void on_facebookBtn_clicked();
    void on_myspaceBtn_clicked();
    void on_mailBtn_clicked();

    void on_actionImport_triggered();
    void on_actionImport_from_Device_triggered();
    void on_actionExport_triggered();
    void on_actionEmail_triggered();
    void on_actionFacebook_triggered();
    void on_actionExit_triggered();
    void on_actionPlay_triggered();
    void on_actionPause_triggered();
    void on_actionStop_triggered();
    void on_actionDelete_triggered();
    void on_actionDelete_All_Library_triggered();
    void on_actionDelete_Selected_Album_triggered();
    void on_actionDelete_All_Album_triggered();
    void on_actionImage_Watermark_triggered();
    void on_actionText_Watermark_triggered();
    void on_actionQuick_Start_Guide_triggered();
    void on_actionONline_Tutorials_triggered();
    void on_actionAbout_Orvantis_triggered();
    void on_actionTwitter_triggered();

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    enum class Panel { Library, Album };
    void rebuildPanel(Panel panel);
    void selectTile(CLibraryLabel *tile);
    void playTile(CLibraryLabel *tile);
    bool confirmDroppingWatermarks(CLibraryLabel *tile);
    void deselectAllBut(CLibraryLabel *tile);
    void deleteTiles(const QList<CLibraryLabel *> &tiles, int listKind);
    void deleteFromPanel(Panel panel, const QString &question, bool selectedOnly);
    bool watermarksApplied() const;
    void reportLibraryProblem(const Outcome &outcome);
    void createImportDialog();
    void startPlayer();
    void clearShadowImages();
    void enablePlayControls();
    void playerFailedToStart(QProcess *process);
    // Tells a slave to quit and makes sure it goes; it no longer counts as the player.
    static void endSlave(QProcess *process);
    int totalSeconds() const;
    // The Twitter post; named like a button slot, but no button of the form has this name.
    void on_twitBtn_clicked();

    std::unique_ptr<Ui::MainWindow> ui;
    XMLParser parser;
    VideoSizeProbe sizeProbe;
    CImportWidget *importDialog = nullptr;
    CExportImages *exportDialog = nullptr;
    QPointer<CAboutWidget> aboutWindow;
    QPointer<QProcess> deviceBrowserProcess;
    QPointer<QProcess> bundleBrowserProcess;
    QDir programDir;
    QString toolFolder;
    QProgressDialog *loadingDialog = nullptr;
    watermarkLabel *preview = nullptr;

    QList<CLibraryLabel *> libraryTiles;
    QList<CLibraryLabel *> albumTiles;
    // Tiles die at every rebuild; a guarded pointer never points at a deleted one.
    QPointer<CLibraryLabel> currentTile;
    QString currentVideoPath;
    bool exportDialogShown = false;
    bool playing = false;
    bool videoLoaded = false;

    // Guarded: a slave that ends deletes itself.
    QPointer<QProcess> playerProcess;
    int elapsedSeconds = 0;
    QTimer playbackTimer;
    QString lastPlayedPath;
    bool libraryProblemShown = false;
    QStringList startupMessages;
};

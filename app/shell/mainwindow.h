#pragma once

#include "library/clibrarylabel.h"
#include "library/videosizeprobe.h"
#include "library/xmlparser.h"
#include "watermark/cimagewatermarklabel.h"

#include <QColor>
#include <QDir>
#include <QFont>
#include <QList>
#include <QMainWindow>
#include <QPoint>
#include <QPointer>
#include <QProcess>
#include <QString>
#include <QTimer>

#include <memory>

class CAboutWidget;
class CEditorDialog;
class CExportImages;
class CImageWatermark;
class CImportWidget;
class CTextWatermark;
class CWatermarkListWidget;
class ImageWatermarkDlg;
class QLayout;
class QProgressDialog;
class TextWatermarkDlg;
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

    TextWatermarkDlg *textEditor() const { return textDialog; }
    ImageWatermarkDlg *imageEditor() const { return imageDialog; }
    QList<CImageWatermarkLabel *> galleryThumbnails() const { return thumbnails; }
    CImageWatermarkLabel *selectedThumbnail() const { return chosenThumbnail; }
    QString chosenPicture() const { return chosenPicturePath; }
    // Where the last image placement put the picture on the preview.
    QPoint imagePosition() const { return {baseX, baseY}; }
    int placementNumber() const { return currentPlacement; }
    QStringList addedPictures() const { return addedPicturePaths; }
    // The rows of the list of applied watermarks, top to bottom.
    QList<CWatermarkListWidget *> watermarkRows() const;

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

    // The text watermark editor.
    void showTextWatermarkDlg();
    void watermarkTxtBox_textChanged();
    void txtWatermarkAplyBtn_clicked();
    void txtWatermarkCancelBtn_clicked();
    void txtP1_clicked();
    void txtP2_clicked();
    void txtP3_clicked();
    void txtP4_clicked();
    void txtP5_clicked();
    void txtP6_clicked();
    void txtP7_clicked();
    void txtP8_clicked();
    void txtP9_clicked();
    void txtXBox_valueChanged(int value);
    void txtYBox_valueChanged(int value);
    void txtRotateSlider_valueChanged(int value);
    void txtOpacitySlider_valueChanged(int value);
    void txtRotateSpin_valueChanged(int value);
    void txtOpacitySpin_valueChanged(int value);
    void fontComboBox_currentFontChanged(const QFont &font);
    void txtSizeBox_valueChanged(int size);
    void boldBtn_clicked();
    void italainBtn_clicked();
    void underlinBtn_clicked();
    void LeftIndentBtn_clicked();
    void centreIndentBtn_clicked();
    void rightIndentBtn_clicked();
    void closeTextWatermark();
    void changeColor(const QColor &color);
    void setTextColor(const QColor &color);
    void editTextWatermark(CTextWatermark *watermark);
    // Places the watermark of the open editor again at the current placement.
    void processMoveProcess();

    // The image watermark editor and its gallery.
    void showImageWatermarkDlg();
    void initClipArt();
    void loadGallery(const QString &folder);
    void imgP1_clicked();
    void imgP2_clicked();
    void imgP3_clicked();
    void imgP4_clicked();
    void imgP5_clicked();
    void imgP6_clicked();
    void imgP7_clicked();
    void imgP8_clicked();
    void imgP9_clicked();
    void imgXBox_valueChanged(int value);
    void imgYBox_valueChanged(int value);
    void imgRotateSlider_valueChanged(int value);
    void imgOpacitySlider_valueChanged(int value);
    void imgRotateSpin_valueChanged(int value);
    void imgOpacitySpin_valueChanged(int value);
    void imgWatermarkAplyBtn_clicked();
    void imgWatermarkCancelBtn_clicked();
    void imageCategoryCombo_currentIndexChanged(int index);
    void addBtn_clicked(const QString &path);
    void deleteBtn_clicked();
    void enableSelectedImageWatermark(CImageWatermarkLabel *thumbnail);
    void refreshWatermark(CImageWatermarkLabel *thumbnail);
    void editImageWatermark(CImageWatermark *watermark);

    void removeWatermark(CWatermarkListWidget *row, CTextWatermark *text, CImageWatermark *image);

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
    void setPlayControlsEnabled(bool on);
    // Deletes every item of `layout` with its widget.
    static void emptyLayout(QLayout *layout);
    void playerFailedToStart(QProcess *process);
    // Tells a slave to quit and makes sure it goes; it no longer counts as the player.
    static void endSlave(QProcess *process);
    int totalSeconds() const;
    // The Twitter post; named like a button slot, but no button of the form has this name.
    void on_twitBtn_clicked();

    void createEditors();
    // Pauses a playing video on the frame the editors draw on.
    void pauseForEditing();
    // Loads the paused frame; mplayer may still be writing it, so a few tries.
    void loadPreviewFrame(int triesLeft);
    // After a discard that left nothing applied: the paused video plays on.
    void resumeAfterEditing();
    void resetTextEditor();
    void resetImageEditor();
    void placeText(int placement);
    void placeImage(int placement);
    void stylePlacement(CEditorDialog *editor, int placement);
    void styleAlignment(int index);
    void styleToggles();
    void showPicture(CImageWatermarkLabel *thumbnail, bool markChanged);
    void playBackImage(const CImageWatermark *watermark);
    void deselectThumbnails();
    void editorFinished(bool image);
    void addRow(CWatermarkListWidget *row);
    // Apply's common part: draws the current watermark's overlay and lists a new one. False,
    // with the user told and the editor kept open, when the overlay could not be written.
    bool commitCurrentWatermark(CEditorDialog *editor, bool editing);

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

    TextWatermarkDlg *textDialog = nullptr;
    ImageWatermarkDlg *imageDialog = nullptr;
    bool boldOn = false;
    bool italicOn = false;
    bool underlineOn = false;
    int currentPlacement = 1;
    bool imageEditorOpen = false;
    // An editor is on its way (the 500 ms after the button) or open.
    bool editorPending = false;
    // The open editor's session ended in an Apply or a discard already.
    bool editorSettled = false;
    CTextWatermark *textBackup = nullptr;
    CImageWatermark *imageBackup = nullptr;
    QList<CImageWatermarkLabel *> thumbnails;
    QPointer<CImageWatermarkLabel> chosenThumbnail;
    QString chosenPicturePath;
    int baseX = 0;
    int baseY = 0;
    QStringList addedPicturePaths;
};

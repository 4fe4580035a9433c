#pragma once

#include <QDialog>
#include <QFileInfo>
#include <QList>
#include <QPointer>
#include <QStringList>
#include <QTimer>

class QFileSystemModel;
class QGridLayout;
class QLineEdit;
class QModelIndex;
class QProgressDialog;
class QPushButton;
class QRadioButton;
class QTreeView;
class videoLoader;

// The import dialog: browse folders, choose videos as tiles and copy them into a new
// subfolder of the import folder, where each copy is probed and added to the library list.
// The same object imports dropped files and webcam recordings without being shown.
class CImportWidget : public QDialog
{
    Q_OBJECT

public:
    explicit CImportWidget(QWidget *parent = nullptr);
    ~CImportWidget() override;

    // Imports every video among `paths`: files, and folders with all their subfolders
    // (symbolic links to folders are not followed). Returns once the copying has ended.
    // Tells the user "Video not found" when there is none. Source files are always kept.
    // Safe to call while another import runs (the webcam link may): the new one runs at once
    // and the other goes on after it.
    void importPaths(const QStringList &paths);

    // Creates the target folder of a new import ("Untitled", or "Untitled- N") in the import
    // folder and returns it; "" when it could not be created.
    QString newImportFolder();

    // The file-name patterns of the folder view.
    static const QStringList &videoNameFilters();
    // The extensions importPaths accepts.
    static const QStringList &importExtensions();
    // Whether importPaths takes `file`: its last suffix is one of importExtensions(), in any
    // letter case (movie.AVI is taken, report.avi.txt is not).
    static bool isImportableVideo(const QFileInfo &file);
    // The folder the tree opens at: the user's Pictures folder, or home without one.
    static QString startFolderPath();

    bool isImporting() const { return runDepth > 0; }

    // Set at the end of every copy run to whether its last attempted copy succeeded (false
    // when it attempted none), cleared when a run starts. The webcam link reads it and sets
    // it back to false.
    bool importFinished = false;

signals:
    // After a run: the target folder when at least one video of it entered the library;
    // "" first when the run was aborted.
    void importSuccess(const QString &folder);

public slots:
    void onTreeItemClick(const QModelIndex &index);
    void onClickSelectAll();
    void onClickClearAll();
    void onClickImport();
    void onClickCancel();
    void addSelectedVideo(videoLoader *tile);
    void removeSelectedVideo(videoLoader *tile);
    void updateProgressBar();

private:
    void buildLayout();
    void removeTiles();
    void clearSelection();
    void runCopy(const QStringList &sources, bool deleteSources);

    QFileSystemModel *fileModel = nullptr;
    QTreeView *treeView = nullptr;
    QGridLayout *tileGrid = nullptr;
    QLineEdit *nameEdit = nullptr;
    QLineEdit *descriptionEdit = nullptr;
    QRadioButton *leaveSourcesRadio = nullptr;
    QRadioButton *deleteSourcesRadio = nullptr;
    QPushButton *selectAllButton = nullptr;
    QPushButton *clearAllButton = nullptr;
    QPushButton *importButton = nullptr;
    QPushButton *cancelButton = nullptr;

    QList<QFileInfo> folderEntries;
    QList<videoLoader *> tiles;
    QList<videoLoader *> selectedTiles;
    QFileInfo currentItem;
    QPointer<QProgressDialog> progressDialog;
    QTimer copyTimer;
    bool lastCopyOk = false;
    // Runs in progress: more than one while an import started from inside another's event
    // processing runs.
    int runDepth = 0;
};

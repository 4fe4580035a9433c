#pragma once

#include <QLabel>
#include <QStringList>
#include <QWidget>

class CLinkLable;

// One video of the library or the album panel: thumbnail, name, size, resolution, length.
class CLibraryLabel : public QWidget
{
    Q_OBJECT

public:
    // `texts`: file name, thumbnail path, size text, resolution text, duration text.
    explicit CLibraryLabel(const QStringList &texts, QWidget *parent = nullptr);

    QString id() const { return itemId; }
    QString filePath() const { return videoPath; }
    QString thumbPath() const { return thumbnailPath; }
    void setId(const QString &id) { itemId = id; }
    void setFilePath(const QString &path) { videoPath = path; }
    // Stores the path and shows the picture found there (after a rotation, say).
    void setThumbPath(const QString &path);
    bool isSelected() const { return selected; }
    void setSelected(bool on);
    bool isHovered() const { return hover; }
    // "Duration: hh:mm:ss"
    QString durationText() const;
    // The size label's number of megabytes, "12.3457".
    QString sizeText() const;
    CLinkLable *nameLine() const { return name; }

signals:
    void selectedLib(CLibraryLabel *tile);
    void libSelectedPlay(CLibraryLabel *tile);

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QString itemId;
    QString videoPath;
    QString thumbnailPath;
    bool selected = false;
    bool hover = false;
    CLinkLable *name = nullptr;
    QLabel *thumbnail = nullptr;
    QLabel *sizeLabel = nullptr;
    QLabel *resolutionLabel = nullptr;
    QLabel *durationLabel = nullptr;
};

#pragma once

#include <QString>
#include <QWidget>

class QLabel;

// One video of the import dialog: an icon above the file name. A press toggles whether it is
// chosen for import; the outline shows hover (orange) before selection (blue).
class videoLoader : public QWidget
{
    Q_OBJECT

public:
    explicit videoLoader(QWidget *parent = nullptr);

    void setPath(const QString &filePath);
    QString videoPath() const { return path; }

    bool isSelected() const { return selectedFlag; }
    bool isHovered() const { return hoverFlag; }
    // Marks the tile chosen or not without telling anyone; the owner keeps its own list.
    void setSelected(bool on);

signals:
    void selectedVideo(videoLoader *tile);
    void unselectedVideo(videoLoader *tile);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QString path;
    QLabel *iconLabel = nullptr;
    QLabel *nameLabel = nullptr;
    bool selectedFlag = false;
    bool hoverFlag = false;
};

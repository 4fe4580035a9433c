#pragma once

#include <QColor>
#include <QLabel>

#include <functional>

// The text editor's colour swatch: a click asks for a colour and tells it on.
class CColorLabel : public QLabel
{
    Q_OBJECT

public:
    explicit CColorLabel(QWidget *parent = nullptr);

    // Shows `color` without telling anyone: the watermark already has it.
    void showColor(const QColor &color);
    QColor color() const { return current; }

    // How a click asks for the colour (the colour dialog); tests answer it themselves.
    using Chooser = std::function<QColor(const QColor &initial, QWidget *parent)>;
    void setColorChooser(Chooser chooser) { choose = std::move(chooser); }

signals:
    void setColor(const QColor &color);

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    void paintSwatch(const QColor &color);

    QColor current;
    Chooser choose;
};

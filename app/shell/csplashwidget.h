#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class CSplashWidget;
}

// The picture shown while the main window is being prepared. It comes with a translucent
// background, so the picture's transparent corners show the desktop.
class CSplashWidget : public QWidget
{
    Q_OBJECT

public:
    explicit CSplashWidget(QWidget *parent = nullptr);
    ~CSplashWidget() override;

private:
    std::unique_ptr<Ui::CSplashWidget> ui;
};

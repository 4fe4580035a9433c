#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class CAboutWidget;
}

// The about window of the Help menu: the program's name, version and notice. The main
// window creates it once and shows it again on each Help › About; OK only hides it.
class CAboutWidget : public QWidget
{
    Q_OBJECT

public:
    // A window of its own above `parent`, with only a close button in its title bar.
    explicit CAboutWidget(QWidget *parent = nullptr);
    ~CAboutWidget() override;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private slots:
    void on_btnOk_clicked();

private:
    std::unique_ptr<Ui::CAboutWidget> ui;
};

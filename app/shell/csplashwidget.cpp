#include "csplashwidget.h"

#include "ui_csplashwidget.h"

#include <QPixmap>

CSplashWidget::CSplashWidget(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::CSplashWidget>())
{
    ui->setupUi(this);
    setWindowFlags(Qt::SplashScreen);
    setAttribute(Qt::WA_TranslucentBackground);
    ui->lblSplash->setPixmap(
        QPixmap(QStringLiteral(":/image/watermarkimages/MainWindow/splash_01_400x200.png")));
}

CSplashWidget::~CSplashWidget() = default;

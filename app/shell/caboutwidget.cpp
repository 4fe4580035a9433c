#include "caboutwidget.h"

#include "ui_caboutwidget.h"

#include "wizard.h"

#include <QKeyEvent>
#include <QPixmap>

CAboutWidget::CAboutWidget(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint)
    , ui(std::make_unique<Ui::CAboutWidget>())
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("this"));
    setStyleSheet(startWindowStyleSheet());
    ui->lblIcon->setPixmap(
        QPixmap(QStringLiteral(":/image/watermarkimages/ButtonIcons/orvantis_aboutus.png")));
    ui->lblBuildDate->setText(QStringLiteral("Version : " ORVANTIS_VERSION));
}

CAboutWidget::~CAboutWidget() = default;

void CAboutWidget::keyPressEvent(QKeyEvent *event)
{
    // A plain widget has no dialog keys of its own: give it those of a message box, whichever
    // child has the focus.
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        switch (event->key()) {
        case Qt::Key_Escape:
            close();
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            ui->btnOk->click();
            return;
        default:
            break;
        }
    }
    QWidget::keyPressEvent(event);
}

void CAboutWidget::on_btnOk_clicked()
{
    close();
}

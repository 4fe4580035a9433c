#include "calertsheetwidget.h"

#include "ui_calertsheetwidget.h"

#include "ceditordialog.h"

CAlertSheetWidget::CAlertSheetWidget(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::CAlertSheetWidget>())
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("this"));
    setFixedSize(406, 99);
    setWindowModality(Qt::ApplicationModal);
    setStyleSheet(editorStyleSheet(QStringLiteral("QWidget#this"), QStringLiteral("rgb(76, 76, 76)")));
    setAttribute(Qt::WA_StyledBackground);
}

CAlertSheetWidget::~CAlertSheetWidget() = default;

void CAlertSheetWidget::on_btnApply_clicked()
{
    emit notifyApply();
    close();
}

void CAlertSheetWidget::on_btnCancel_clicked()
{
    close();
}

void CAlertSheetWidget::on_btnDontApply_clicked()
{
    emit notifyDontApply();
    close();
}

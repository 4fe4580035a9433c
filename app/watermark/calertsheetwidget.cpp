#include "calertsheetwidget.h"

#include "ui_calertsheetwidget.h"

CAlertSheetWidget::CAlertSheetWidget(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::CAlertSheetWidget>())
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("this"));
    setFixedSize(406, 99);
    setWindowModality(Qt::ApplicationModal);
    setStyleSheet(QStringLiteral("QWidget#this {\n background-color: rgb(76, 76, 76);\n}\nQLabel {\n color: gray;\n}\n\n"
                                 "QRadioButton {\n color: gray;\n}\n\nQCheckBox { \n color: gray;\n}\n\n"
                                 "QGroupBox { \n color: gray;\n}\n"));
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

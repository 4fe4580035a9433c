#include "wizard.h"

#include "ui_wizard.h"

#include <iterator>

#include <QPalette>
#include <QPixmap>
#include <QPointer>
#include <QSettings>

namespace {

const char *const stepPictures[] = {
    ":/image/watermarkimages/ButtonIcons/Orvantis_Step 1_New.png",
    ":/image/watermarkimages/ButtonIcons/Orvantis_step 2_New.png",
    ":/image/watermarkimages/ButtonIcons/Orvantis_step 3_New.png",
    ":/image/watermarkimages/ButtonIcons/Orvantis_step 4_New.png",
    ":/image/watermarkimages/ButtonIcons/Orvantis_Step 5_New.png",
};
constexpr int lastStep = int(std::size(stepPictures)) - 1;

const char *const settingsOrganisation = "Orvantis";
const char *const settingsApplication = "wizard";
const char *const settingsGroup = "wizard";
const char *const checkStateKey = "CheckState";

} // namespace

int Wizard::stepIndex = 0;

QString startWindowStyleSheet()
{
    return QStringLiteral("QWidget#this {\n background-color: rgb(76, 76, 76);\n}\n"
                          "QRadioButton {\n color: gray;\n}\n\n"
                          "QCheckBox { \n color: gray;\n}\n\n"
                          "QGroupBox { \n color: gray;\n}\n");
}

Wizard::Wizard(QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::Wizard>())
{
    ui->setupUi(this);
    // Every guide opens at step 1, also after one that ended without closing.
    stepIndex = 0;
    // Only a close button in the title bar; it stays a dialog so window managers treat it as one.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint);
    setObjectName(QStringLiteral("this"));
    setStyleSheet(startWindowStyleSheet());

    QPalette palette = ui->txtLbl->palette();
    palette.setColor(QPalette::Window, Qt::black);
    palette.setColor(QPalette::WindowText, Qt::white);
    ui->txtLbl->setPalette(palette);
    // Black behind the picture, also when a picture is missing.
    ui->txtLbl->setAutoFillBackground(true);

    ui->backBtn->setEnabled(false);
    ui->txtLbl->setPixmap(QPixmap(QString::fromUtf8(stepPictures[0])));
    ui->statucChkbox->setChecked(isWizardSwitchedOff());
}

Wizard::~Wizard() = default;

bool Wizard::isWizardSwitchedOff()
{
    QSettings settings(QString::fromUtf8(settingsOrganisation), QString::fromUtf8(settingsApplication));
    settings.beginGroup(QString::fromUtf8(settingsGroup));
    return settings.value(QString::fromUtf8(checkStateKey), 0).toInt() != 0;
}

void Wizard::runQuickStartGuide()
{
    static QPointer<Wizard> running;
    if (running) {
        running->raise();
        running->activateWindow();
        return;
    }
    Wizard wizard;
    running = &wizard;
    wizard.exec();
}

void Wizard::done(int result)
{
    stepIndex = 0;
    QDialog::done(result);
}

void Wizard::on_contiBtn_clicked()
{
    ui->backBtn->setEnabled(true);
    ++stepIndex;
    if (stepIndex > lastStep) {
        stepIndex = 0;
        close();
        return;
    }
    showStep();
}

void Wizard::on_backBtn_clicked()
{
    if (stepIndex <= 0)
        return;
    --stepIndex;
    showStep();
}

void Wizard::on_statucChkbox_clicked()
{
    // Written at the click, so the choice holds even if the program ends with the guide open.
    QSettings settings(QString::fromUtf8(settingsOrganisation), QString::fromUtf8(settingsApplication));
    settings.beginGroup(QString::fromUtf8(settingsGroup));
    settings.setValue(QString::fromUtf8(checkStateKey), int(ui->statucChkbox->checkState()));
    settings.endGroup();
    settings.sync();
}

void Wizard::showStep()
{
    ui->txtLbl->setPixmap(QPixmap(QString::fromUtf8(stepPictures[stepIndex])));
    ui->contiBtn->setText(stepIndex == lastStep ? QStringLiteral("Close") : QStringLiteral("Next"));
    ui->backBtn->setEnabled(stepIndex > 0);
}

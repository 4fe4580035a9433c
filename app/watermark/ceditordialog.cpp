#include "ceditordialog.h"

#include "calertsheetwidget.h"

#include <QCloseEvent>
#include <QPushButton>

QString editorStyleSheet(const QString &selector, const QString &background)
{
    return selector + QStringLiteral(" {\n background-color: ") + background
           + QStringLiteral(";\n}\nQLabel {\n color: gray;\n}\n\nQRadioButton {\n color: gray;\n}\n\n"
                            "QCheckBox { \n color: gray;\n}\n\nQGroupBox { \n color: gray;\n}\n");
}

CEditorDialog::CEditorDialog(const QString &placementPrefix, QWidget *parent)
    : QDialog(parent)
    , placementPrefix(placementPrefix)
{
    setWindowModality(Qt::ApplicationModal);
}

CEditorDialog::~CEditorDialog() = default;

QPushButton *CEditorDialog::placementButton(int placement) const
{
    return findChild<QPushButton *>(placementPrefix + QString::number(placement));
}

void CEditorDialog::applyFailed()
{
    applied = false;
    changed = true;
}

void CEditorDialog::markApplied()
{
    applied = true;
    discarded = false;
    changed = false;
}

bool CEditorDialog::holdForAlert()
{
    if (applied || discarded || !changed)
        return false;
    if (!alert) {
        alert = std::make_unique<CAlertSheetWidget>();
        connect(alert.get(), &CAlertSheetWidget::notifyApply, this, &CEditorDialog::onAlertClickApply);
        connect(alert.get(), &CAlertSheetWidget::notifyDontApply, this, &CEditorDialog::onAlertClickDontApply);
    }
    alert->move(pos());
    alert->setWindowTitle(windowTitle());
    alert->show();
    return true;
}

void CEditorDialog::closeEvent(QCloseEvent *event)
{
    if (holdForAlert()) {
        event->ignore();
        return;
    }
    closeAccepted();
    QDialog::closeEvent(event);
}

void CEditorDialog::reject()
{
    if (holdForAlert())
        return;
    applied = discarded = changed = false;
    QDialog::reject();
}

void CEditorDialog::onAlertClickApply()
{
    markApplied();
    emitApply();
    alert->close();
    // The main window closes the editor after a successful Apply; a failed one keeps it open.
    if (applied)
        close();
}

void CEditorDialog::onAlertClickDontApply()
{
    discarded = true;
    emitReset();
    alert->close();
    close();
}

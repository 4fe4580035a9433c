#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class CAlertSheetWidget;
}

// Asks what becomes of an editor's changes that were not applied when the editor is closed.
class CAlertSheetWidget : public QWidget
{
    Q_OBJECT

public:
    explicit CAlertSheetWidget(QWidget *parent = nullptr);
    ~CAlertSheetWidget() override;

signals:
    void notifyDontApply();
    void notifyApply();

public slots:
    void on_btnApply_clicked();
    void on_btnCancel_clicked();
    void on_btnDontApply_clicked();

private:
    std::unique_ptr<Ui::CAlertSheetWidget> ui;
};

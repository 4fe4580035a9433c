#pragma once

#include <QDialog>
#include <QString>

#include <memory>

namespace Ui {
class Wizard;
}

// The getting-started guide: five pictures stepped through with Back and Next, and a
// "Don't show again" box that stops the guide from opening by itself at start.
class Wizard : public QDialog
{
    Q_OBJECT

public:
    explicit Wizard(QWidget *parent = nullptr);
    ~Wizard() override;

    // The user ticked "Don't show again".
    static bool isWizardSwitchedOff();

    // Runs a new guide modally and destroys it when it ends. While a guide is already
    // running this only brings it forward: the automatic run at start and Help's Quick Start
    // Guide must never stack two guides that share one step counter.
    static void runQuickStartGuide();

public slots:
    // Every way a guide ends (Close, the close button, Escape) comes through here, so the
    // next guide starts at step 1.
    void done(int result) override;

private slots:
    void on_contiBtn_clicked();
    void on_backBtn_clicked();
    void on_statucChkbox_clicked();

private:
    void showStep();

    std::unique_ptr<Ui::Wizard> ui;
    // One step counter for the whole program, as every guide shows the same slideshow.
    static int stepIndex;
};

// The dark look the guide and the about box share.
QString startWindowStyleSheet();

#pragma once

#include <QDialog>

#include <memory>

class CAlertSheetWidget;
class QPushButton;

// The grey look of the editors and their sheets: `selector` gets `background`, the labels and
// boxes inside it gray text.
QString editorStyleSheet(const QString &selector, const QString &background = QStringLiteral("rgb(100, 100, 100)"));

// What the watermark editors share: they hold no watermark, only whether the changes they
// sent out were applied, discarded or are still waiting; closing with waiting changes asks
// through the alert sheet.
class CEditorDialog : public QDialog
{
    Q_OBJECT

public:
    ~CEditorDialog() override;

    // The placement grid's button `placement` (1 to 9).
    QPushButton *placementButton(int placement) const;
    CAlertSheetWidget *alertSheet() const { return alert.get(); }

    bool isApplied() const { return applied; }
    bool isDiscarded() const { return discarded; }
    bool isChanged() const { return changed; }
    void markChanged() { changed = true; }
    // An Apply the main window could not carry out: the changes still wait to be applied.
    void applyFailed();
    // An Apply that found nothing to apply: nothing was applied, and nothing changed since.
    void applyHadNothing() { applied = false; }

public slots:
    void onAlertClickApply();
    void onAlertClickDontApply();
    // Escape ends here too, so it asks like the window's close button does.
    void reject() override;

protected:
    // `placementPrefix` names the grid's buttons: prefix + "1" to prefix + "9".
    CEditorDialog(const QString &placementPrefix, QWidget *parent);

    void closeEvent(QCloseEvent *event) override;
    // The Apply button: the changes count as applied.
    void markApplied();
    virtual void emitApply() = 0;
    virtual void emitReset() = 0;
    // A close that goes ahead, before the dialog hides.
    virtual void closeAccepted() {}

    bool applied = false;
    bool discarded = false;
    bool changed = false;

private:
    // True when closing now would lose changes: the alert is shown instead.
    bool holdForAlert();

    QString placementPrefix;
    // Made on first need, without a parent (it is a window of its own).
    std::unique_ptr<CAlertSheetWidget> alert;
};

#include "shell/messageboxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace {

struct SeenBox
{
    QString title, objectName, styleSheet, text;
    QList<QMessageBox::StandardButton> buttons;
    bool hasIcon = false;
    QWidget *parent = nullptr;
    Qt::WindowModality modality = Qt::NonModal;
    bool staysOnTop = false;
};

// Waits for the box that the call under test opens, records how it looks, then acts on it.
void whenBoxOpens(SeenBox &seen, std::function<void(QMessageBox *)> act)
{
    QTimer::singleShot(0, [&seen, act] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box) {
            QFAIL("no message box is open");
            return;
        }
        seen.title = box->windowTitle();
        seen.objectName = box->objectName();
        seen.styleSheet = box->styleSheet();
        seen.text = box->text();
        for (QAbstractButton *button : box->buttons())
            seen.buttons << box->standardButton(button);
        seen.hasIcon = !box->iconPixmap().isNull();
        seen.parent = box->parentWidget();
        seen.modality = box->windowModality();
        seen.staysOnTop = box->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
        act(box);
    });
}

} // namespace

class TestMessageBoxes : public QObject
{
    Q_OBJECT

private slots:
    void askYesNoAnswers_data();
    void askYesNoAnswers();
    void askYesNoPresentation();
    void showNoticePresentation();
};

void TestMessageBoxes::askYesNoAnswers_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("expected");

    QTest::newRow("Yes") << "yes" << 3;
    QTest::newRow("No") << "no" << 0;
    QTest::newRow("Escape") << "escape" << 0;
    QTest::newRow("close button") << "close" << 0;
}

void TestMessageBoxes::askYesNoAnswers()
{
    QFETCH(QString, action);
    QFETCH(int, expected);

    SeenBox seen;
    whenBoxOpens(seen, [action](QMessageBox *box) {
        if (action == QLatin1String("yes"))
            box->button(QMessageBox::Yes)->click();
        else if (action == QLatin1String("no"))
            box->button(QMessageBox::No)->click();
        else if (action == QLatin1String("escape"))
            QTest::keyClick(box, Qt::Key_Escape);
        else
            box->close();
    });
    QCOMPARE(askYesNo(nullptr, QStringLiteral("Delete it?")), expected);
}

void TestMessageBoxes::askYesNoPresentation()
{
    QWidget parent;
    SeenBox seen;
    whenBoxOpens(seen, [](QMessageBox *box) { box->button(QMessageBox::No)->click(); });
    askYesNo(&parent, QStringLiteral("Remove the watermarks?"));

    QCOMPARE(seen.title, QStringLiteral("Ferravel Video Vizodiz"));
    QCOMPARE(seen.objectName, QStringLiteral("msgBox"));
    QCOMPARE(seen.styleSheet, QStringLiteral("QMessageBox#msgBox{background-color: rgb(76, 76, 76); color: gray;}"));
    QCOMPARE(seen.text, QStringLiteral("Remove the watermarks?"));
    QCOMPARE(seen.buttons, (QList<QMessageBox::StandardButton>{QMessageBox::Yes, QMessageBox::No}));
    QVERIFY2(seen.hasIcon, "the program icon is compiled in");
    QCOMPARE(seen.parent, &parent);
}

void TestMessageBoxes::showNoticePresentation()
{
    SeenBox seen;
    whenBoxOpens(seen, [](QMessageBox *box) { QTest::keyClick(box, Qt::Key_Return); });
    showNotice(QStringLiteral("Video not found"));

    QCOMPARE(seen.title, QStringLiteral("Ferravel Video Vizodiz"));
    QCOMPARE(seen.objectName, QStringLiteral("msgBox"));
    QCOMPARE(seen.styleSheet, QStringLiteral("QMessageBox#msgBox{background-color: rgb(76, 76, 76);}"));
    QCOMPARE(seen.text, QStringLiteral("Video not found"));
    QCOMPARE(seen.buttons, QList<QMessageBox::StandardButton>{QMessageBox::Ok});
    QVERIFY(seen.hasIcon);
    QCOMPARE(seen.parent, nullptr);
    QCOMPARE(seen.modality, Qt::ApplicationModal);
    QVERIFY(seen.staysOnTop);
}

QTEST_MAIN(TestMessageBoxes)
#include "tst_messageboxes.moc"

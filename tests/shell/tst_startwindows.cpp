#include "shell/caboutwidget.h"
#include "shell/csplashwidget.h"
#include "shell/wizard.h"
#include "testutils.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QtTest>

#include <memory>

namespace {

// The step pictures in the order the guide shows them; the letter case is part of the names.
const QStringList stepPictures{
    QStringLiteral(":/image/watermarkimages/ButtonIcons/Orvantis_Step 1_New.png"),
    QStringLiteral(":/image/watermarkimages/ButtonIcons/Orvantis_step 2_New.png"),
    QStringLiteral(":/image/watermarkimages/ButtonIcons/Orvantis_step 3_New.png"),
    QStringLiteral(":/image/watermarkimages/ButtonIcons/Orvantis_step 4_New.png"),
    QStringLiteral(":/image/watermarkimages/ButtonIcons/Orvantis_Step 5_New.png"),
};

const QString darkStyleSheet = QStringLiteral(
    "QWidget#this {\n background-color: rgb(76, 76, 76);\n}\nQRadioButton {\n color: gray;\n}\n\n"
    "QCheckBox { \n color: gray;\n}\n\nQGroupBox { \n color: gray;\n}\n");

template <typename T> T *child(QWidget &parent, const char *name)
{
    T *found = parent.findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qWarning("no child %s", name);
    return found;
}

// The title-bar hints of a window, less the title and system menu that Qt itself adds to any
// window with a close button.
Qt::WindowFlags titleBarHints(const QWidget &window)
{
    return window.windowFlags() & ~(Qt::WindowType_Mask | Qt::WindowTitleHint | Qt::WindowSystemMenuHint);
}

QImage shown(QLabel *label)
{
    return label ? label->pixmap().toImage() : QImage();
}

QImage resourcePicture(const QString &name)
{
    return QPixmap(name).toImage();
}

// Which step picture the guide shows: 1 to 5, 0 for none of them.
int shownStep(Wizard &wizard)
{
    const QImage picture = shown(child<QLabel>(wizard, "txtLbl"));
    for (int i = 0; i < stepPictures.size(); ++i)
        if (!picture.isNull() && picture == resourcePicture(stepPictures.at(i)))
            return i + 1;
    return 0;
}

QList<Wizard *> visibleWizards()
{
    QList<Wizard *> wizards;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *wizard = qobject_cast<Wizard *>(widget); wizard && wizard->isVisible())
            wizards << wizard;
    return wizards;
}

} // namespace

class TestStartWindows : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void stepPicturesAreCompiledIn();
    void wizardOpensAtStepOne();
    void nextWalksThroughTheStepsAndCloses();
    void backReturnsToEarlierSteps();
    void everyEndingRestartsAtStepOne_data();
    void everyEndingRestartsAtStepOne();
    void switchedOffFollowsTheSetting_data();
    void switchedOffFollowsTheSetting();
    void dontShowAgainIsWrittenAtTheClick();
    void quickStartGuideRunsModallyAndAlone();

    void splashShowsItsPicture();

    void aboutShowsNameVersionAndNotice();
    void aboutHidesAndShowsAgain_data();
    void aboutHidesAndShowsAgain();

private:
    // One HOME for the whole run: QSettings fixes its folder at first use in a process.
    std::unique_ptr<TestHome> home;
    QString settingsFile;
};

void TestStartWindows::initTestCase()
{
    home = std::make_unique<TestHome>();
    settingsFile = home->path() + QStringLiteral("/.config/Orvantis/wizard.conf");
    QCOMPARE(QSettings(QStringLiteral("Orvantis"), QStringLiteral("wizard")).fileName(), settingsFile);
}

void TestStartWindows::init()
{
    QSettings settings(QStringLiteral("Orvantis"), QStringLiteral("wizard"));
    settings.clear();
    settings.sync();
}

void TestStartWindows::cleanupTestCase()
{
    home.reset();
}

void TestStartWindows::stepPicturesAreCompiledIn()
{
    QList<QImage> pictures;
    for (const QString &name : stepPictures) {
        const QImage picture = resourcePicture(name);
        QVERIFY2(!picture.isNull(), qPrintable(name));
        QVERIFY2(!pictures.contains(picture), "each step has a picture of its own");
        pictures << picture;
    }
}

void TestStartWindows::wizardOpensAtStepOne()
{
    Wizard wizard;
    QCOMPARE(wizard.objectName(), QStringLiteral("this"));
    QCOMPARE(wizard.windowTitle(), QStringLiteral("Getting Started"));
    QCOMPARE(wizard.styleSheet(), darkStyleSheet);
    QCOMPARE(wizard.minimumSize(), QSize(650, 415));
    QCOMPARE(wizard.maximumSize(), QSize(650, 415));
    QCOMPARE(wizard.windowType(), Qt::Dialog);
    QCOMPARE(titleBarHints(wizard), Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint);
    QCOMPARE(wizard.parentWidget(), nullptr);

    auto *picture = child<QLabel>(wizard, "txtLbl");
    QVERIFY(picture);
    QCOMPARE(picture->palette().color(QPalette::Active, QPalette::Window), QColor(Qt::black));
    QCOMPARE(picture->palette().color(QPalette::Active, QPalette::WindowText), QColor(Qt::white));
    QCOMPARE(shownStep(wizard), 1);
    QVERIFY(!child<QPushButton>(wizard, "backBtn")->isEnabled());
    QCOMPARE(child<QPushButton>(wizard, "contiBtn")->text(), QStringLiteral("Next"));
    QCOMPARE(child<QCheckBox>(wizard, "statucChkbox")->text(), QStringLiteral("Don't show again"));
    QVERIFY(!child<QCheckBox>(wizard, "statucChkbox")->isChecked());
}

void TestStartWindows::nextWalksThroughTheStepsAndCloses()
{
    Wizard wizard;
    wizard.show();
    auto *next = child<QPushButton>(wizard, "contiBtn");
    auto *back = child<QPushButton>(wizard, "backBtn");
    QVERIFY(next && back);

    for (int step = 2; step <= 5; ++step) {
        QTest::mouseClick(next, Qt::LeftButton);
        QCOMPARE(shownStep(wizard), step);
        QCOMPARE(next->text(), step == 5 ? QStringLiteral("Close") : QStringLiteral("Next"));
        QVERIFY(back->isEnabled());
        QVERIFY(wizard.isVisible());
    }
    QTest::mouseClick(next, Qt::LeftButton);
    QVERIFY(!wizard.isVisible());
}

void TestStartWindows::backReturnsToEarlierSteps()
{
    Wizard wizard;
    wizard.show();
    auto *next = child<QPushButton>(wizard, "contiBtn");
    auto *back = child<QPushButton>(wizard, "backBtn");
    QVERIFY(next && back);
    for (int i = 0; i < 4; ++i)
        next->click();
    QCOMPARE(next->text(), QStringLiteral("Close"));

    for (int step = 4; step >= 1; --step) {
        back->click();
        QCOMPARE(shownStep(wizard), step);
        QCOMPARE(next->text(), QStringLiteral("Next"));
        QCOMPARE(back->isEnabled(), step > 1);
    }
    // From step 1 the guide goes forward again as from a fresh start.
    next->click();
    QCOMPARE(shownStep(wizard), 2);
}

void TestStartWindows::everyEndingRestartsAtStepOne_data()
{
    QTest::addColumn<QString>("ending");
    QTest::newRow("Close on the last step") << QStringLiteral("last");
    QTest::newRow("close button midway") << QStringLiteral("close");
    QTest::newRow("Escape midway") << QStringLiteral("escape");
}

void TestStartWindows::everyEndingRestartsAtStepOne()
{
    QFETCH(QString, ending);
    {
        Wizard wizard;
        wizard.show();
        auto *next = child<QPushButton>(wizard, "contiBtn");
        QVERIFY(next);
        const int clicks = ending == QLatin1String("last") ? 5 : 2;
        for (int i = 0; i < clicks; ++i)
            next->click();
        if (ending == QLatin1String("close"))
            wizard.close();
        else if (ending == QLatin1String("escape"))
            QTest::keyClick(&wizard, Qt::Key_Escape);
        QVERIFY(!wizard.isVisible());
    }
    // The step counter is shared by all guides: the next one must find it back at the start.
    Wizard again;
    again.show();
    QCOMPARE(shownStep(again), 1);
    QVERIFY(!child<QPushButton>(again, "backBtn")->isEnabled());
    child<QPushButton>(again, "contiBtn")->click();
    QCOMPARE(shownStep(again), 2);
}

void TestStartWindows::switchedOffFollowsTheSetting_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<bool>("switchedOff");
    QTest::newRow("never set") << QVariant() << false;
    QTest::newRow("unticked") << QVariant(0) << false;
    QTest::newRow("ticked") << QVariant(2) << true;
    QTest::newRow("not a number") << QVariant(QStringLiteral("yes")) << false;
}

void TestStartWindows::switchedOffFollowsTheSetting()
{
    QFETCH(QVariant, stored);
    QFETCH(bool, switchedOff);
    if (stored.isValid()) {
        QSettings settings(QStringLiteral("Orvantis"), QStringLiteral("wizard"));
        settings.setValue(QStringLiteral("wizard/CheckState"), stored);
    }
    QCOMPARE(Wizard::isWizardSwitchedOff(), switchedOff);
    Wizard wizard;
    QCOMPARE(child<QCheckBox>(wizard, "statucChkbox")->isChecked(), switchedOff);
}

void TestStartWindows::dontShowAgainIsWrittenAtTheClick()
{
    Wizard wizard;
    wizard.show();
    auto *box = child<QCheckBox>(wizard, "statucChkbox");
    QVERIFY(box);

    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
    QVERIFY(box->isChecked());
    // On disk while the guide is still open: ending the program now keeps the choice.
    QVERIFY(wizard.isVisible());
    QVERIFY2(readAll(settingsFile).contains("[wizard]\nCheckState=2"), readAll(settingsFile).constData());
    QCOMPARE(QSettings(QStringLiteral("Orvantis"), QStringLiteral("wizard"))
                 .value(QStringLiteral("wizard/CheckState")),
             QVariant(QStringLiteral("2")));
    QVERIFY(Wizard::isWizardSwitchedOff());
    {
        Wizard fromHelpMenu;
        QVERIFY(child<QCheckBox>(fromHelpMenu, "statucChkbox")->isChecked());
    }

    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
    QVERIFY(!box->isChecked());
    QVERIFY2(readAll(settingsFile).contains("[wizard]\nCheckState=0"), readAll(settingsFile).constData());
    QVERIFY(!Wizard::isWizardSwitchedOff());
}

void TestStartWindows::quickStartGuideRunsModallyAndAlone()
{
    bool sawModalWizard = false;
    bool withoutParent = false;
    int wizardsWhileRunning = -1;
    QPointer<Wizard> ran;
    QObject context; // drops the timers below if the guide never blocks

    QTimer::singleShot(0, &context, [&] {
        ran = qobject_cast<Wizard *>(QApplication::activeModalWidget());
        sawModalWizard = ran && ran->isVisible();
        withoutParent = ran && !ran->parentWidget();
        QTimer::singleShot(0, &context, [&] {
            wizardsWhileRunning = visibleWizards().size();
            for (Wizard *wizard : visibleWizards())
                wizard->close();
        });
        // A second request while the guide runs (the automatic run meeting Help's) must not
        // stack another guide: it returns at once.
        Wizard::runQuickStartGuide();
    });
    Wizard::runQuickStartGuide();

    QVERIFY(sawModalWizard);
    QVERIFY(withoutParent);
    QCOMPARE(wizardsWhileRunning, 1);
    QVERIFY2(ran.isNull(), "the guide is destroyed when its run ends");
    QVERIFY(visibleWizards().isEmpty());
}

void TestStartWindows::splashShowsItsPicture()
{
    CSplashWidget splash;
    QCOMPARE(splash.objectName(), QStringLiteral("CSplashWidget"));
    QCOMPARE(splash.windowTitle(), QStringLiteral("Form"));
    QCOMPARE(splash.windowType(), Qt::SplashScreen);
    QVERIFY(splash.testAttribute(Qt::WA_TranslucentBackground));

    auto *picture = child<QLabel>(splash, "lblSplash");
    QVERIFY(picture);
    const QImage expected =
        resourcePicture(QStringLiteral(":/image/watermarkimages/MainWindow/splash_01_400x200.png"));
    QVERIFY(!expected.isNull());
    QCOMPARE(shown(picture), expected);
    auto *grid = child<QGridLayout>(splash, "gridLayout");
    QVERIFY(grid);
    QCOMPARE(grid->itemAtPosition(0, 0)->widget(), picture);

    splash.show();
    QCOMPARE(splash.size(), QSize(400, 200));
    // No margins: the picture covers the whole window.
    QCOMPARE(picture->geometry(), splash.rect());
}

void TestStartWindows::aboutShowsNameVersionAndNotice()
{
    QWidget mainWindow;
    CAboutWidget about(&mainWindow);
    QCOMPARE(about.parentWidget(), &mainWindow);
    QVERIFY2(about.isWindow(), "a window of its own, not a child drawn inside the main window");
    QCOMPARE(titleBarHints(about), Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint);
    QCOMPARE(about.objectName(), QStringLiteral("this"));
    QCOMPARE(about.styleSheet(), darkStyleSheet);
    QCOMPARE(about.windowTitle(), QStringLiteral("Ferravel Video Vizodiz"));
    QCOMPARE(about.minimumSize(), QSize(380, 158));
    QCOMPARE(about.maximumSize(), QSize(380, 158));

    auto *name = child<QLabel>(about, "lblApp");
    QVERIFY(name);
    QCOMPARE(name->text(), QStringLiteral("Ferravel Video Vizodiz"));
    QCOMPARE(name->font().pointSize(), 11);
    QCOMPARE(child<QLabel>(about, "lblBuildDate")->text(), QStringLiteral("Version : " ORVANTIS_VERSION));

    auto *icon = child<QLabel>(about, "lblIcon");
    QVERIFY(icon);
    const QImage expected =
        resourcePicture(QStringLiteral(":/image/watermarkimages/ButtonIcons/orvantis_aboutus.png"));
    QVERIFY(!expected.isNull());
    QCOMPARE(shown(icon), expected);
    QVERIFY(icon->hasScaledContents());

    // The notice has three lines and no word wrap: each line must fit the label as drawn.
    auto *notice = child<QLabel>(about, "lblCopyRight");
    QVERIFY(notice);
    about.show();
    const QStringList lines = notice->text().split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 3);
    const QFontMetrics metrics(notice->font());
    for (const QString &line : lines)
        QVERIFY2(metrics.horizontalAdvance(line) <= notice->width(), qPrintable(line));
    QVERIFY2(metrics.boundingRect(QRect(0, 0, notice->width(), 1000), 0, notice->text()).height() <=
                 notice->height(),
             "the three lines fit the label's height");
    for (const char *labelName : {"lblApp", "lblBuildDate"}) {
        auto *label = child<QLabel>(about, labelName);
        QVERIFY2(QFontMetrics(label->font()).horizontalAdvance(label->text()) <= label->width(), labelName);
    }

    auto *ok = child<QPushButton>(about, "btnOk");
    QVERIFY(ok);
    QCOMPARE(ok->text(), QStringLiteral("OK"));
    QVERIFY(ok->isDefault());
    QVERIFY(ok->autoDefault());
}

void TestStartWindows::aboutHidesAndShowsAgain_data()
{
    QTest::addColumn<int>("key"); // 0: click OK
    QTest::newRow("OK") << 0;
    QTest::newRow("Escape") << int(Qt::Key_Escape);
    QTest::newRow("Return") << int(Qt::Key_Return);
    QTest::newRow("Enter") << int(Qt::Key_Enter);
}

void TestStartWindows::aboutHidesAndShowsAgain()
{
    QFETCH(int, key);
    QWidget mainWindow;
    QPointer<CAboutWidget> about = new CAboutWidget(&mainWindow);
    about->show();
    QVERIFY(about->isVisible());

    if (key == 0)
        QTest::mouseClick(child<QPushButton>(*about, "btnOk"), Qt::LeftButton);
    else
        QTest::keyClick(about.data(), Qt::Key(key));
    QVERIFY(!about->isVisible());

    // The main window keeps the one about box and shows it again on the next Help › About.
    QCoreApplication::processEvents();
    QVERIFY(about);
    about->show();
    QVERIFY(about->isVisible());
}

QTEST_MAIN(TestStartWindows)
#include "tst_startwindows.moc"

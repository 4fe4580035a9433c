#include "messageboxes.h"

#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>

namespace {

void dress(QMessageBox &box, const char *styleSheet)
{
    box.setIconPixmap(QPixmap(QStringLiteral(":/image/watermarkimages/ButtonIcons/appicon_lumivane_01_32x32.png")));
    box.setObjectName(QStringLiteral("msgBox"));
    box.setStyleSheet(QLatin1String(styleSheet));
    box.setWindowTitle(messageBoxTitle());
}

} // namespace

QString messageBoxTitle()
{
    return QStringLiteral("Ferravel Video Vizodiz");
}

int askYesNo(QWidget *parent, const QString &text)
{
    QMessageBox box(parent);
    dress(box, "QMessageBox#msgBox{background-color: rgb(76, 76, 76); color: gray;}");
    box.setText(text);
    QPushButton *yes = box.addButton(QMessageBox::Yes);
    QPushButton *no = box.addButton(QMessageBox::No);
    box.exec();

    if (box.clickedButton() == yes)
        return AnswerYes;
    if (box.clickedButton() == no)
        return AnswerNo;
    return AnswerNone;
}

void showNotice(const QString &text)
{
    showNotice(text, messageBoxTitle());
}

void showNotice(const QString &text, const QString &title)
{
    QMessageBox box;
    dress(box, "QMessageBox#msgBox{background-color: rgb(76, 76, 76);}");
    box.setWindowTitle(title);
    box.setText(text);
    box.setWindowModality(Qt::ApplicationModal);
    box.setWindowFlags(box.windowFlags() | Qt::WindowStaysOnTopHint);
    box.setModal(true);
    box.exec();
}

// The real message boxes and the real ending.
#include "platform/qt/QtEnding.h"
#include "platform/qt/QtMessageBoxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

namespace {

class CloseCounter : public QWidget
{
public:
    int closes = 0;

protected:
    void closeEvent(QCloseEvent *event) override
    {
        ++closes;
        event->accept();
    }
};

} // namespace

class TestPlatformWidgets : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void messageBoxes_data();
    void messageBoxes();
    void endingClosesEveryWindow();
};

void TestPlatformWidgets::messageBoxes_data()
{
    QTest::addColumn<int>("icon");
    QTest::addColumn<int>("buttons");
    QTest::addColumn<QString>("press"); // "ok", "yes", "no", "esc"
    QTest::addColumn<int>("qtIcon");
    QTest::addColumn<int>("answer");
    using M = MessageBoxes;
    QTest::newRow("stop") << int(M::Icon::Stop) << int(M::Buttons::Ok) << "ok" << int(QMessageBox::Critical)
                          << int(M::Answer::Ok);
    QTest::newRow("information") << int(M::Icon::Information) << int(M::Buttons::Ok) << "ok"
                                 << int(QMessageBox::Information) << int(M::Answer::Ok);
    QTest::newRow("question yes") << int(M::Icon::Question) << int(M::Buttons::YesNo) << "yes"
                                  << int(QMessageBox::Question) << int(M::Answer::Yes);
    QTest::newRow("question no") << int(M::Icon::Question) << int(M::Buttons::YesNo) << "no"
                                 << int(QMessageBox::Question) << int(M::Answer::No);
    QTest::newRow("question Esc answers No") << int(M::Icon::Question) << int(M::Buttons::YesNo) << "esc"
                                             << int(QMessageBox::Question) << int(M::Answer::No);
}

void TestPlatformWidgets::messageBoxes()
{
    QFETCH(int, icon);
    QFETCH(int, buttons);
    QFETCH(QString, press);
    QFETCH(int, qtIcon);
    QFETCH(int, answer);

    const QString text = QStringLiteral("first line\n\nthird line & <b>not bold</b>");
    QString seen;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box) {
            seen = QStringLiteral("no box");
            return;
        }
        QStringList buttonTexts;
        for (QAbstractButton *b : box->buttons())
            buttonTexts << QString::number(box->standardButton(b));
        buttonTexts.sort();
        seen = QStringLiteral("%1|%2|%3|%4|%5")
                   .arg(int(box->icon()))
                   .arg(box->windowTitle(), box->text(), buttonTexts.join(u','),
                        QString::number(int(box->textFormat())));
        if (press == "ok")
            box->button(QMessageBox::Ok)->click();
        else if (press == "yes")
            box->button(QMessageBox::Yes)->click();
        else if (press == "no")
            box->button(QMessageBox::No)->click();
        else
            QTest::keyClick(box, Qt::Key_Escape);
    });
    QtMessageBoxes boxes;
    const auto result
        = boxes.show(MessageBoxes::Icon(icon), MessageBoxes::Buttons(buttons), "Title", text.toStdString());
    QCOMPARE(int(result), answer);
    const QString expectedButtons = buttons == int(MessageBoxes::Buttons::Ok)
        ? QString::number(QMessageBox::Ok)
        : QStringList({QString::number(QMessageBox::No), QString::number(QMessageBox::Yes)}).join(u',');
    QStringList expectedButtonList = expectedButtons.split(u',');
    expectedButtonList.sort();
    QCOMPARE(seen,
             QStringLiteral("%1|Title|%2|%3|%4")
                 .arg(qtIcon)
                 .arg(text, expectedButtonList.join(u','), QString::number(int(Qt::PlainText))));
}

void TestPlatformWidgets::endingClosesEveryWindow()
{
    CloseCounter shown;
    CloseCounter hidden;
    shown.show();
    QtEnding ending;
    QVERIFY(!ending.hasEnded());
    QTimer::singleShot(0, [&] {
        ending.endProgram();
        ending.endProgram(); // a second call does nothing more
    });
    QTimer failsafe;
    failsafe.setSingleShot(true);
    failsafe.start(5000);
    bool timedOut = false;
    connect(&failsafe, &QTimer::timeout, [&] {
        timedOut = true;
        QCoreApplication::exit(1);
    });
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!timedOut);
    QVERIFY(ending.hasEnded());
    QCOMPARE(shown.closes, 1);
    QCOMPARE(hidden.closes, 1);
    QVERIFY(!shown.isVisible());
}

QTEST_MAIN(TestPlatformWidgets)
#include "test_platform_widgets.moc"

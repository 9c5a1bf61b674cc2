#include "ExitQuestion.h"
#include "JapaneseQtTexts.h"

#include <QApplication>
#include <QFontInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <optional>

using namespace Qt::StringLiterals;

class ExitQuestionTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installJapaneseQtTexts(*qApp); }

    void asksAsDesigned()
    {
        const auto box = MessageBoxExitQuestion::create(nullptr);
        QCOMPARE(box->windowTitle(), u"ゼルビノ"_s);
        QCOMPARE(box->text(), u"終了していいですか？"_s);
        QCOMPARE(box->icon(), QMessageBox::NoIcon);
        QCOMPARE(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(box->defaultButton(), box->button(QMessageBox::Yes));
        // As on a Japanese desktop.
        QVERIFY2(box->button(QMessageBox::Yes)->text().startsWith(u"はい"_s),
                 qPrintable(box->button(QMessageBox::Yes)->text()));
        QVERIFY(box->button(QMessageBox::No)->text().startsWith(u"いいえ"_s));
        // The desktop's default font is the Japanese UI face.
        QCOMPARE(QFontInfo(box->font()).family(), u"Ume UI Gothic"_s);
        for (const QWidget *child : box->findChildren<QWidget *>())
            QCOMPARE(child->font(), box->font());
    }

    void theAnswerIsReturned_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("yes");
        QTest::newRow("Enter takes the default, Yes") << int(Qt::Key_Return) << true;
        QTest::newRow("Escape answers No") << int(Qt::Key_Escape) << false;
    }

    void theAnswerIsReturned()
    {
        QFETCH(int, key);
        QFETCH(bool, yes);
        QTimer::singleShot(0, this, [key] {
            QWidget *box = QApplication::activeModalWidget();
            QVERIFY(box);
            QTest::keyClick(box, Qt::Key(key));
        });
        MessageBoxExitQuestion question;
        std::optional<bool> answer;
        question.ask(nullptr, [&answer](bool answeredYes) { answer = answeredYes; });
        QTRY_VERIFY(answer.has_value());
        QCOMPARE(*answer, yes);
    }
};

QTEST_MAIN(ExitQuestionTest)
#include "tst_exitquestion.moc"

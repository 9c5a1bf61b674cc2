#include "ReadAloudForm.h"

#include <QTest>

using namespace Qt::StringLiterals;

class ReadAloudFormTest : public QObject
{
    Q_OBJECT

private slots:
    void readsAsATeacherSaysIt_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("utterances");

        QTest::newRow("a throw: two sentences") << u"大 3、小 5、積は奇数。実験回数 4、積が奇数の回数 1、割合 0.250"_s
                                              << QStringList{u"大 3、小 5、積は奇数。"_s,
                                                             u"実験回数 4、積が奇数の回数 1、割合 0.250"_s};
        QTest::newRow("a question") << u"終了していいですか？"_s << QStringList{u"終了していいですか？"_s};
        QTest::newRow("outcomes, not dates or decimals") << u"１・１、３・５、さいころ大・さいころ小"_s
                                                          << QStringList{u"１と１、３と５、さいころ大・さいころ小"_s};
        QTest::newRow("fractions, both widths") << u"理論値 1/4（0.250）、９／３６ 、"_s
                                                 << QStringList{u"理論値 4分の1（0.250）、３６分の９ 、"_s};
        QTest::newRow("no brackets") << u"［自動］ボタン。【操作方法】"_s
                                     << QStringList{u"自動ボタン。"_s, u"操作方法"_s};
        QTest::newRow("a long sentence without a clause stays whole")
            << QString(50, u'あ') + u'。' << QStringList{QString(50, u'あ') + u'。'};
    }

    void readsAsATeacherSaysIt()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, utterances);
        QCOMPARE(ReadAloudForm::utterances(text), utterances);
    }

    // A list of outcomes is cut after its 、, into pieces as long as they may
    // be, and nothing is lost or repeated.
    void aLongSentenceIsCutAtItsClauses()
    {
        const QString sentence = u"出方は順に、"_s + QStringList(20, u"１・２"_s).join(u'、') + u"の通り。"_s;
        const QStringList cut = ReadAloudForm::utterances(sentence);
        QCOMPARE(cut.join(QString()), QString(sentence).replace(u'・', u'と'));
        for (qsizetype i = 0; i + 1 < cut.size(); ++i) {
            QVERIFY2(cut[i].endsWith(u'、') && cut[i].size() <= ReadAloudForm::LongestUtterance, qPrintable(cut[i]));
            // The next clause would not have fitted.
            const qsizetype next = cut[i + 1].contains(u'、') ? cut[i + 1].indexOf(u'、') + 1 : cut[i + 1].size();
            QVERIFY(cut[i].size() + next > ReadAloudForm::LongestUtterance);
        }
    }
};

QTEST_GUILESS_MAIN(ReadAloudFormTest)
#include "tst_readaloudform.moc"

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
};

QTEST_GUILESS_MAIN(ReadAloudFormTest)
#include "tst_readaloudform.moc"

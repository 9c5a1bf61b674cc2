#include "DrawingSurface.h"
#include "HelpText.h"
#include "HelpWindow.h"
#include "ReadAloudForm.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The blanks of a line outside its indent, as "4I 5I" (U+3000) or "33A" (U+0020).
QString blanksAfterIndent(const QString &line)
{
    qsizetype indent = 0;
    while (indent < line.size() && (line.at(indent) == u'\u3000' || line.at(indent) == u' '))
        ++indent;
    QStringList blanks;
    for (qsizetype i = indent; i < line.size(); ++i) {
        if (line.at(i) == u'\u3000')
            blanks.append(u"%1I"_s.arg(i + 1));
        else if (line.at(i) == u' ')
            blanks.append(u"%1A"_s.arg(i + 1));
    }
    return blanks.join(u' ');
}

QString indentOf(const QString &line)
{
    QString indent;
    for (QChar c : line) {
        if (c == u'\u3000')
            indent += u'I';
        else if (c == u' ')
            indent += u'A';
        else
            break;
    }
    return indent;
}

QString indentText(const QString &line)
{
    qsizetype length = 0;
    while (length < line.size() && (line.at(length) == u'\u3000' || line.at(length) == u' '))
        ++length;
    return line.left(length);
}

// The lines that carry on a sentence of the line before: 7 ideographic blanks,
// or 6 and two ASCII blanks.
const QList<int> ContinuationLines{5, 6, 7, 8, 10, 12, 14, 16, 20, 23};

bool bandIsBlank(const QImage &image, int top, int height)
{
    for (int y = top; y < top + height && y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) != Qt::white)
                return false;
        }
    }
    return true;
}

} // namespace

class HelpWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void theTextIsExactlyAsWritten_data()
    {
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("indent");
        QTest::addColumn<QString>("otherBlanks");

        const QString eight = u"IIIIIIII"_s;
        const QString seven = u"IIIIIII"_s;
        const QString sixAndTwo = u"IIIIIIAA"_s;
        const QList<std::tuple<int, QString, QString>> table{
            {0, {}, {}},          {7, u"I"_s, u"4I 5I"_s}, {41, eight, {}},     {42, eight, u"33A"_s},
            {54, seven, u"54A"_s}, {56, sixAndTwo, {}},    {56, sixAndTwo, {}}, {26, sixAndTwo, u"16I"_s},
            {46, eight, u"46A"_s}, {40, sixAndTwo, {}},    {41, eight, {}},     {29, seven, u"12A 14I 19A 23A"_s},
            {41, eight, {}},       {35, seven, {}},        {42, eight, u"26A 30A"_s}, {14, seven, {}},
            {0, {}, {}},           {7, u"I"_s, {}},        {43, eight, {}},     {19, seven, {}},
            {45, eight, {}},       {43, eight, {}},        {23, seven, {}},     {39, eight, {}},
        };
        for (qsizetype i = 0; i < table.size(); ++i) {
            const auto &[length, indent, others] = table.at(i);
            QTest::addRow("line %d", int(i + 1)) << int(i + 1) << length << indent << others;
        }
    }

    void theTextIsExactlyAsWritten()
    {
        QFETCH(int, line);
        QFETCH(int, length);
        QFETCH(QString, indent);
        QFETCH(QString, otherBlanks);

        QCOMPARE(HelpText().size(), 24);
        const QString text = HelpText().at(line - 1);
        QCOMPARE(text.size(), length);
        QCOMPARE(indentOf(text), indent);
        QCOMPARE(blanksAfterIndent(text), otherBlanks);
        // Every character but the ASCII blank is full-width.
        for (QChar c : text)
            QVERIFY2(c == u' ' || c.unicode() >= 0x3000, qPrintable(text));
    }

    void theHeadingsAndAFewWords()
    {
        QCOMPARE(HelpText().at(1), u"\u3000【問\u3000\u3000題】"_s);
        QCOMPARE(HelpText().at(17), u"\u3000【操作方法】"_s);
        QVERIFY(HelpText().at(11).contains(u"９／３６ 、\u3000約分して １／４ になります。"_s));
        QVERIFY(HelpText().at(23).endsWith(u"やり直せます。"_s));
    }

    // Read aloud: the two sections in order, each sentence whole where it is
    // short, a long one in pieces as long as they may be, the outcomes and
    // fractions as a teacher says them.
    void theTextIsReadAsAPersonReadsIt()
    {
        const QStringList read = ReadAloudForm::utterances(HelpTextAsRead());
        QCOMPARE(read.first(), u"問題。"_s);
        QCOMPARE(read.at(1), u"大小２個のサイコロを同時に投げて、その目の出方を考えてみましょう。"_s);
        QVERIFY(read.contains(u"操作方法。"_s));
        QCOMPARE(read.last(), u"初期化ボタンをクリックすると、実験を最初からやり直せます。"_s);
        const QString whole = read.join(QString());
        QVERIFY(whole.indexOf(u"のでしょうか。操作方法。"_s) > 0);
        for (const QString &said : {u"その目の出方は順に、１と１、１と２、"_s, u"６と６\u3000の３６通りあります。"_s,
                                    u"確率は、数学的には、３６分の９ 、"_s, u"約分して ４分の１ になります。"_s})
            QVERIFY2(whole.contains(said), qPrintable(said));
        QVERIFY(!whole.contains(QRegularExpression(u"[０-９][・／][０-９]"_s)));
        for (qsizetype i = 0; i < read.size(); ++i) {
            QVERIFY2(read[i].size() <= ReadAloudForm::LongestUtterance || !read[i].contains(u'、'), qPrintable(read[i]));
            // A piece cut after its 、 could not have taken the next clause.
            if (read[i].endsWith(u'、')) {
                const QString &next = read[i + 1];
                const qsizetype clause = next.contains(u'、') ? next.indexOf(u'、') + 1 : next.size();
                QVERIFY2(read[i].size() + clause > ReadAloudForm::LongestUtterance, qPrintable(read[i]));
            }
        }
    }

    void theWindowAsDesigned()
    {
        HelpWindow window;
        QCOMPARE(window.windowTitle(), u"  ゼルビノ＿ヘルプ（設問と操作方法）"_s);
        QCOMPARE(window.size(), QSize(570, 445));
        auto *close = window.findChild<QPushButton *>(u"Command1"_s);
        QCOMPARE(close->text(), u"閉じる"_s);
        QCOMPARE(close->geometry(), QRect(504, 0, 57, 25));
        const auto *surface = window.findChild<QWidget *>(u"Picture1"_s);
        QCOMPARE(surface->geometry(), QRect(8, 32, 553, 401));
        QCOMPARE(surface->geometry().right(), close->geometry().right());
        QCOMPARE(surface->font().family(), u"ＭＳ Ｐゴシック"_s);
        QCOMPARE(surface->font().pixelSize(), 15);
        QCOMPARE(surface->font().weight(), QFont::Normal);
        QVERIFY(QFontInfo(surface->font()).family().contains(u"Gothic"_s));

        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(QApplication::focusWidget(), close);
    }

    void theFaceIsTheOneMadeToTheDesignMetrics()
    {
        HelpWindow window;
        const QFont font = window.surface().font();
        QCOMPARE(QFontInfo(font).family(), u"Ume P Gothic"_s);
        // Without it, other Japanese faces still stand in.
        const QStringList substitutes = QFont::substitutes(font.family());
        // Qt keeps the substitutes in lower case.
        const auto rank = [&](const QString &family) { return substitutes.indexOf(family.toLower()); };
        QVERIFY(rank(u"MS PGothic"_s) == 0 && rank(u"Ume P Gothic"_s) == 1);
        QVERIFY(rank(u"IPAPGothic"_s) > 1);
    }

    void everyLineFitsTheDrawingArea_data()
    {
        QTest::addColumn<int>("line");
        for (int line = 1; line <= HelpText().size(); ++line)
            QTest::addRow("line %d", line) << line;
    }

    void everyLineFitsTheDrawingArea()
    {
        QFETCH(int, line);
        HelpWindow window;
        const QFontMetricsF metrics(window.surface().font());
        const qreal advance = metrics.horizontalAdvance(HelpText().at(line - 1));
        const int area = window.surface().contentsRect().width();
        QVERIFY2(advance <= area, qPrintable(u"%1 px in %2 px"_s.arg(advance).arg(area)));
    }

    void continuationLinesStartTogether()
    {
        HelpWindow window;
        const QFontMetricsF metrics(window.surface().font());
        QList<qreal> starts;
        for (int line : ContinuationLines)
            starts.append(metrics.horizontalAdvance(indentText(HelpText().at(line - 1))));
        const auto [first, last] = std::minmax_element(starts.cbegin(), starts.cend());
        qreal widest = 0;
        for (const QString &line : HelpText())
            widest = qMax(widest, metrics.horizontalAdvance(line));
        qInfo("continuation lines start at %.1f to %.1f px; the widest line is %.1f px, line height %.1f px", *first,
              *last, widest, metrics.height());
        QVERIFY(*last - *first <= 1.0);
    }

    void printsTwentyFourLinesFromTheTop()
    {
        HelpWindow window;
        window.showHelpText();
        const QImage &image = window.surface().image();
        const int lineHeight = QFontMetrics(window.findChild<QWidget *>(u"Picture1"_s)->font()).height();

        QVERIFY(bandIsBlank(image, 0, lineHeight));            // line 1 is empty
        QVERIFY(!bandIsBlank(image, lineHeight, lineHeight));  // the problem heading
        QVERIFY(bandIsBlank(image, 16 * lineHeight, lineHeight)); // line 17 is empty
        QVERIFY(!bandIsBlank(image, 17 * lineHeight, lineHeight)); // the operating heading
        QVERIFY(!bandIsBlank(image, 23 * lineHeight, lineHeight)); // the last line
        QVERIFY(bandIsBlank(image, 24 * lineHeight, image.height()));
        // The problem heading starts one full-width blank in from the left edge.
        const int blank = QFontMetrics(window.surface().font()).horizontalAdvance(u'\u3000');
        QVERIFY(bandIsBlank(image.copy(0, lineHeight, blank, lineHeight), 0, lineHeight));
    }

    void everyRedrawLeavesExactlyOneCopy()
    {
        HelpWindow window;
        window.showHelpText();
        const QImage once = window.surface().image().copy();
        window.showHelpText();
        window.showHelpText();
        QCOMPARE(window.surface().image(), once);
    }
};

QTEST_MAIN(HelpWindowTest)
#include "tst_helpwindow.moc"

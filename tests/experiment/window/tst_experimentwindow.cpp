#include "Control.h"
#include "ExperimentWindow.h"
#include "LabelNames.h"
#include "ManualTimerFactory.h"
#ifdef Q_OS_WIN
#include "UiaNotificationAnnouncer.h"

#include <windows.h>
#else
#include "NotificationAnnouncer.h"

#include <QAccessible>
#endif

#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

namespace {

// The design in twips, as drawn up, for comparison with what the window made.
QRect twips(int left, int top, int width, int height)
{
    return QRect(left / 15, top / 15, width / 15, height / 15);
}

const QColor Blue(0, 0, 255);
const QColor Black(0, 0, 0);

bool isOddCell(const QString &name)
{
    return name.size() == 3 && name.startsWith(u'd') && name.at(1).digitValue() % 2 == 1
           && name.at(2).digitValue() % 2 == 1;
}

#ifndef Q_OS_WIN
// Calls back whenever the object it filters is shown.
class ShowWatcher final : public QObject
{
public:
    explicit ShowWatcher(std::function<void()> onShow)
        : shown(std::move(onShow))
    {
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Show)
            shown();
        return false;
    }

private:
    std::function<void()> shown;
};
#endif

} // namespace

class ExperimentWindowTest : public QObject
{
    Q_OBJECT

private:
    ManualTimerFactory timers;
    std::unique_ptr<ExperimentWindow> window;

    template<typename T> T *child(const QString &name) const
    {
        auto *found = window->findChild<T *>(name);
        if (!found)
            qFatal("no control named %s", qPrintable(name));
        return found;
    }

    static void addLabelRows()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("text");

        QTest::newRow("Label15 title") << u"Label15"_s << twips(1920, 0, 3975, 375) << u"ゼルビノ"_s;
        QTest::newRow("Label1 large die") << u"Label1"_s << twips(2040, 1800, 1575, 375) << u"さいころ大"_s;
        QTest::newRow("Label2 small die") << u"Label2"_s << twips(4320, 1800, 1575, 375) << u"さいころ小"_s;
        QTest::newRow("Label3 corner") << u"Label3"_s << twips(480, 2400, 1095, 375) << u"大＼小"_s;
        const QStringList columns{u"Label5"_s, u"Label7"_s, u"Label10"_s, u"Label11"_s, u"Label18"_s, u"Label19"_s};
        const QStringList digits{u"１"_s, u"２"_s, u"３"_s, u"４"_s, u"５"_s, u"６"_s};
        const QList<int> lefts{1560, 2520, 3480, 4440, 5400, 6360};
        for (int i = 0; i < 6; ++i) {
            QTest::addRow("%s column header", qPrintable(columns.at(i)))
                << columns.at(i) << twips(lefts.at(i), 2400, 975, 375) << digits.at(i);
            QTest::addRow("Label%d row header", 21 + i)
                << u"Label%1"_s.arg(21 + i) << twips(480, 2760 + 360 * i, 1095, 375) << digits.at(i);
        }
        for (int a = 1; a <= 6; ++a) {
            for (int b = 1; b <= 6; ++b) {
                QTest::addRow("d%d%d", a, b) << u"d%1%2"_s.arg(a).arg(b)
                                             << twips(1560 + 960 * (b - 1), 2760 + 360 * (a - 1), 975, 375)
                                             << QString();
            }
        }
        QTest::newRow("Label16") << u"Label16"_s << twips(480, 5040, 2535, 375) << u"実　験　回　数 "_s;
        QTest::newRow("Label17") << u"Label17"_s << twips(3000, 5040, 1575, 375) << QString();
        QTest::newRow("Label6") << u"Label6"_s << twips(480, 5400, 2535, 375) << u"積が奇数の回数"_s;
        QTest::newRow("Label4") << u"Label4"_s << twips(3000, 5400, 1575, 375) << QString();
        QTest::newRow("Label9") << u"Label9"_s << twips(480, 5760, 2535, 375) << u"積が奇数の割合"_s;
        QTest::newRow("Label8") << u"Label8"_s << twips(3000, 5760, 1575, 375) << QString();
    }

private slots:
    void init()
    {
        timers.created.clear();
        window = std::make_unique<ExperimentWindow>(timers);
    }

    void cleanup() { window.reset(); }

    void theWindowItself()
    {
        QCOMPARE(window->windowTitle(), u" ゼルビノ"_s);
        QCOMPARE(window->size(), QSize(521, 480));
        QCOMPARE(window->minimumSize(), window->maximumSize());
        QVERIFY(!window->windowIcon().isNull());
        QCOMPARE(window->windowIcon().pixmap(32, 32).size(), QSize(32, 32));
    }

    void labelsStandAsDesigned_data() { addLabelRows(); }

    void labelsStandAsDesigned()
    {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QFETCH(QString, text);

        const auto *label = child<QLabel>(name);
        QCOMPARE(label->geometry(), geometry);
        QCOMPARE(label->text(), text);
        QCOMPARE(label->font().pixelSize(), 21);
        QCOMPARE(label->font().weight(), QFont::Bold);
        QCOMPARE(label->font().family(), u"ＭＳ Ｐゴシック"_s);
        // The design's face is missing here: a real Japanese face stands in.
        QVERIFY2(QFontInfo(label->font()).family().contains(u"Gothic"_s), qPrintable(QFontInfo(label->font()).family()));

        const QColor ink = label->palette().color(QPalette::WindowText);
        if (name.startsWith(u'd'))
            QCOMPARE(ink, isOddCell(name) ? Blue : Black);
        const Qt::Alignment horizontal = label->alignment() & Qt::AlignHorizontal_Mask;
        QCOMPARE(horizontal, name == u"Label3"_s ? Qt::AlignRight : Qt::AlignHCenter);
    }

    void exactlyNineCellsAreBlue()
    {
        QStringList blue;
        for (const QLabel *label : window->findChildren<QLabel *>()) {
            if (label->palette().color(QPalette::WindowText) == Blue)
                blue.append(label->objectName());
        }
        blue.sort();
        QCOMPARE(blue, (QStringList{u"d11"_s, u"d13"_s, u"d15"_s, u"d31"_s, u"d33"_s, u"d35"_s, u"d51"_s, u"d53"_s,
                                    u"d55"_s}));
    }

    void buttonsStandAsDesigned_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("pixelSize");
        QTest::addColumn<bool>("bold");

        QTest::newRow("Command4 exit") << u"Command4"_s << twips(0, 0, 855, 375) << u"終了"_s << 15 << false;
        QTest::newRow("Command7 help") << u"Command7"_s << twips(6120, 0, 855, 375) << u"HELP"_s << 15 << false;
        QTest::newRow("Command5 reset") << u"Command5"_s << twips(6960, 0, 855, 375) << u"初期化"_s << 15 << false;
        QTest::newRow("Command8 throw") << u"Command8"_s << twips(5040, 5040, 1935, 495) << u"さいころ投げる"_s << 16
                                        << true;
        QTest::newRow("Command2 stop dice") << u"Command2"_s << twips(5040, 5640, 1935, 495) << u"さいころ止まる"_s
                                            << 16 << true;
        QTest::newRow("Command6 graph") << u"Command6"_s << twips(720, 6360, 1575, 615) << u"グラフ表示"_s << 16
                                        << true;
        QTest::newRow("Command1 auto") << u"Command1"_s << twips(2760, 6360, 1935, 615) << u"自　動"_s << 16 << true;
        QTest::newRow("Command3 stop auto") << u"Command3"_s << twips(4920, 6360, 1935, 615) << u"停　止"_s << 16
                                            << true;
    }

    void buttonsStandAsDesigned()
    {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QFETCH(QString, text);
        QFETCH(int, pixelSize);
        QFETCH(bool, bold);

        const auto *button = child<QPushButton>(name);
        QCOMPARE(button->geometry(), geometry);
        QCOMPARE(button->text(), text);
        QCOMPARE(button->font().pixelSize(), pixelSize);
        QCOMPARE(button->font().weight(), bold ? QFont::Bold : QFont::Normal);
        QVERIFY(button->isEnabled()); // a freshly created window
        QVERIFY(!text.contains(u'&'));
        // The caption fits its button.
        QVERIFY(button->fontMetrics().horizontalAdvance(text) < geometry.width() - 8);
    }

    void facePicturesAreStackedOnTheirDie()
    {
        for (int face = 1; face <= 6; ++face) {
            QCOMPARE(child<QWidget>(u"Image1(%1)"_s.arg(face))->geometry(), twips(2280, 720, 945, 975));
            QCOMPARE(child<QWidget>(u"Image2(%1)"_s.arg(face))->geometry(), twips(4800, 960, 705, 735));
            // All twelve stand on display until the first activation.
            QVERIFY(!child<QWidget>(u"Image1(%1)"_s.arg(face))->isHidden());
            QVERIFY(!child<QWidget>(u"Image2(%1)"_s.arg(face))->isHidden());
        }
    }

    void ruleRunsAcrossTheWholeWidth()
    {
        const QWidget *rule = child<QWidget>(u"Line1"_s);
        QCOMPARE(rule->y(), 24);
        QCOMPARE(rule->height(), 1);
        QVERIFY(rule->x() < 0);
        QVERIFY(rule->geometry().right() >= 521);
    }

    void keyboardOrderFollowsTheDesign()
    {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        const QStringList expected{u"Command2"_s, u"Command4"_s, u"Command5"_s, u"Command6"_s,
                                   u"Command7"_s, u"Command8"_s, u"Command1"_s, u"Command3"_s};
        QWidget *widget = child<QWidget>(expected.first());
        QStringList order;
        for (int i = 0; i < expected.size(); ++i) {
            order.append(widget->objectName());
            widget = widget->nextInFocusChain();
            while (!qobject_cast<QPushButton *>(widget))
                widget = widget->nextInFocusChain();
        }
        QCOMPARE(order, expected);
        for (const QLabel *label : window->findChildren<QLabel *>())
            QCOMPARE(label->focusPolicy(), Qt::NoFocus);
    }

    void valueLabelsAreWritableAndDescribed()
    {
        // A cell is named by its outcome and count as it changes; the
        // counters keep their text as their name, which Qt reads itself.
        QCOMPARE(child<QLabel>(u"d13"_s)->accessibleName(), u"大 1、小 3：積は奇数"_s);
        window->showText(u"d25"_s, u"3"_s);
        QCOMPARE(child<QLabel>(u"d25"_s)->accessibleName(), u"大 2、小 5：3 回、積は偶数"_s);
        window->showText(u"d25"_s, u"4"_s);
        window->showText(LabelNames::Ratio, u"0.250"_s);
        QCOMPARE(child<QLabel>(u"d25"_s)->text(), u"4"_s);
        QCOMPARE(child<QLabel>(u"d25"_s)->accessibleName(), u"大 2、小 5：4 回、積は偶数"_s);
        QCOMPARE(child<QLabel>(u"Label8"_s)->accessibleName(), QString());
        QVERIFY(!child<QLabel>(u"Label17"_s)->accessibleDescription().isEmpty());
        QCOMPARE(child<QLabel>(u"Label8"_s)->text(), u"0.250"_s);
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, window->showText(u"Label15"_s, u"x"_s));
    }

    // A result reaches the platform's screen readers, while the window looks
    // and behaves as before: nothing painted, no focus taken.
    void resultsReachReadersUnseen()
    {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        child<QPushButton>(u"Command8"_s)->setFocus();
        const QImage before = window->grab().toImage();
        const QStringList sentences{u"大 3、小 5、積は奇数。"_s, u"初期化しました。"_s, u"初期化しました。"_s};
#ifdef Q_OS_WIN
        UiaNotificationAnnouncer announcer(*window);
        // Wine's UI Automation raises no notifications: the announcer finds
        // that out and stays silent.
        const bool underWine = GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
        QCOMPARE(announcer.available(), !underWine);
        for (const QString &sentence : sentences)
            announcer.announce(sentence);
#else
        // Each sentence appears anew, as a notification, also when repeated:
        // appearing is what Orca speaks.
        NotificationAnnouncer announcer(*window);
        QStringList shown;
        ShowWatcher watcher([&] { shown.append(announcer.notification()->accessibleName()); });
        announcer.notification()->installEventFilter(&watcher);
        for (const QString &sentence : sentences)
            announcer.announce(sentence);
        QCOMPARE(shown, sentences);
        QCOMPARE(QAccessible::queryAccessibleInterface(announcer.notification())->role(), QAccessible::Notification);
        QVERIFY(announcer.notification()->testAttribute(Qt::WA_TransparentForMouseEvents));
        QCOMPARE(announcer.notification()->focusPolicy(), Qt::NoFocus);
#endif
        QCOMPARE(window->grab().toImage(), before);
        QCOMPARE(QApplication::focusWidget(), child<QPushButton>(u"Command8"_s));
    }

    void controlsAndTimersFollowTheirFlags()
    {
        QCOMPARE(timers.created.size(), 3);
        QCOMPARE(timers.created.at(0)->interval, 50ms);
        QCOMPARE(timers.created.at(1)->interval, 50ms);
        QCOMPARE(timers.created.at(2)->interval, 100ms);
        for (Control control : {Control::Timer1, Control::Timer2, Control::Timer3})
            QVERIFY(!window->isControlEnabled(control));

        QSignalSpy fired(window.get(), &ExperimentWindow::fired);
        window->setControlEnabled(Control::Timer3, true);
        QVERIFY(timers.created.at(2)->tick());
        QVERIFY(!timers.created.at(0)->tick());
        QCOMPARE(fired.size(), 1);
        QCOMPARE(fired.at(0).at(0).value<Control>(), Control::Timer3);

        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        window->setControlEnabled(Control::Command8, false);
        QTest::mouseClick(child<QPushButton>(u"Command8"_s), Qt::LeftButton);
        QTest::mouseClick(child<QPushButton>(u"Command6"_s), Qt::LeftButton);
        QCOMPARE(fired.size(), 2);
        QCOMPARE(fired.at(1).at(0).value<Control>(), Control::Command6);
        QVERIFY(!window->isControlEnabled(Control::Command8));
    }

    void theScreenShowsTheDesign()
    {
        window->showText(u"d11"_s, u"1"_s);
        window->showText(u"d12"_s, u"1"_s);
        for (int face = 2; face <= 6; ++face) {
            window->setFaceVisible(Die::Large, face, false);
            window->setFaceVisible(Die::Small, face, false);
        }
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        const QImage shot = window->grab().toImage();

        const auto inkIn = [&](const QRect &box) {
            QSet<QRgb> colours;
            for (int y = box.top() + 2; y < box.bottom() - 1; ++y) {
                for (int x = box.left() + 2; x < box.right() - 1; ++x)
                    colours.insert(shot.pixel(x, y) & 0xffffff);
            }
            colours.remove(0xffffff);
            return colours;
        };
        QVERIFY(inkIn(twips(1560, 2760, 975, 375)).contains(QColor(Blue).rgb() & 0xffffff)); // d11
        QVERIFY(!inkIn(twips(1560, 2760, 975, 375)).contains(0x000000));
        QVERIFY(inkIn(twips(2520, 2760, 975, 375)).contains(0x000000)); // d12
        QVERIFY(!inkIn(twips(2520, 2760, 975, 375)).contains(QColor(Blue).rgb() & 0xffffff));

        // Neighbouring frames share one black line: d11's right edge is d12's left.
        QCOMPARE(shot.pixelColor(104 + 64, 190), Black);
        QCOMPARE(shot.pixelColor(104 + 63, 190), Qt::white);
        QCOMPARE(shot.pixelColor(104 + 65, 190), Qt::white);
        // The rule shows between the exit button and the title box.
        QCOMPARE(shot.pixelColor(90, 24), Black);
        QCOMPARE(shot.pixelColor(90, 23), shot.pixelColor(90, 30));
        // Face 1 of the large die: a red pip in the middle of a white face.
        const QRect large = twips(2280, 720, 945, 975);
        QCOMPARE(shot.pixelColor(large.center()), QColor(255, 0, 0));
        QCOMPARE(shot.pixelColor(large.topLeft() + QPoint(3, 3)), Qt::white);
        // The title box is light cyan.
        QCOMPARE(shot.pixelColor(140, 12), QColor(192, 255, 255));
    }
};

QTEST_MAIN(ExperimentWindowTest)
#include "tst_experimentwindow.moc"

#include "ui/test/clock_format_rules.h"
#include "ui/test/faces.h"
#include "ui/test/image_button.h"

#include <QSignalSpy>
#include <QTest>
#include <QWidget>

using namespace ixo;

class TestFrameTest : public QObject
{
    Q_OBJECT

private slots:
    void formatClock_data()
    {
        QTest::addColumn<int>("minutes");
        QTest::addColumn<QString>("text");
        QTest::newRow("0") << 0 << "00:00";
        QTest::newRow("9") << 9 << "00:09";
        QTest::newRow("59") << 59 << "00:59";
        QTest::newRow("60") << 60 << "01:00";
        QTest::newRow("75") << 75 << "01:15";
        QTest::newRow("600") << 600 << "10:00";
        QTest::newRow("998") << 998 << "16:38";
        QTest::newRow("999") << 999 << "16:39";
    }
    void formatClock()
    {
        QFETCH(int, minutes);
        QFETCH(QString, text);
        QCOMPARE(ClockText(minutes), text);
    }

    void everyFaceHasItsCatalogueSize()
    {
        for (int id = 101; id <= 138; ++id) {
            QSize expected(45, 40);
            if (id <= 106 || id == 128 || id == 129)
                expected = QSize(67, 43);
            else if (id >= 118 && id <= 127)
                expected = QSize(162, 30);
            const QHash<int, QSize> special{{112, {46, 40}},  {125, {161, 29}}, {127, {161, 29}},
                                            {130, {96, 9}},   {131, {70, 10}},  {132, {127, 11}},
                                            {133, {112, 9}},  {134, {71, 84}},  {135, {416, 206}},
                                            {136, {618, 29}}};
            expected = special.value(id, expected);
            const QPixmap face = LoadFace(id);
            QVERIFY2(face.size() == expected, qPrintable(QStringLiteral("face %1").arg(id)));
            QCOMPARE(face.toImage().depth(), 32); // drawn 24-bit, held by the pixmap as 32-bit
        }
        QVERIFY(LoadFace(100).isNull());
        QVERIFY(LoadFace(139).isNull());
    }

    void pressShowsPressedFaceReleaseRestoresIt_data()
    {
        QTest::addColumn<QPoint>("releaseAt");
        QTest::addColumn<int>("clicks");
        QTest::newRow("released over the button") << QPoint(10, 10) << 1;
        QTest::newRow("released outside") << QPoint(300, 300) << 0;
    }
    void pressShowsPressedFaceReleaseRestoresIt()
    {
        QFETCH(QPoint, releaseAt);
        QFETCH(int, clicks);
        QWidget parent;
        parent.resize(400, 400);
        ImageButton button(&parent, QStringLiteral("tquit"), face::QuitUp, face::QuitDown);
        QSignalSpy spy(&button, &ImageButton::clicked);
        for (Qt::MouseButton mouse : {Qt::LeftButton, Qt::RightButton}) {
            QTest::mousePress(&button, mouse, {}, QPoint(10, 10));
            QCOMPARE(button.face(), int(face::QuitDown));
            QTest::mouseRelease(&button, mouse, {}, releaseAt);
            QCOMPARE(button.face(), int(face::QuitUp));
        }
        QCOMPARE(spy.count(), 2 * clicks);
    }

    void inactiveButtonKeepsItsFaceAndIgnoresPresses()
    {
        ImageButton button(nullptr, QStringLiteral("stime"), face::TimeUp, face::TimeDown);
        QSignalSpy spy(&button, &ImageButton::clicked);
        button.setFace(face::TimeGrey);
        button.setActive(false);
        QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(button.face(), int(face::TimeGrey));
        QCOMPARE(spy.count(), 0);
    }
};

QTEST_MAIN(TestFrameTest)
#include "tst_test_frame.moc"

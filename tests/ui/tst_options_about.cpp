#include "app/data_files.h"
#include "app/program_folder.h"
#include "app/test_state.h"
#include "data/atomic_file.h"
#include "data/settings.h"
#include "platform/shell.h"
#include "test_support.h"
#include "ui/main/about.h"
#include "ui/main/adv.h"
#include "ui/main/dialogs.h"
#include "ui/message_box.h"

#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

using namespace ixo;
using namespace Qt::StringLiterals;
using ixo::testing::ProgramFolderFixture;

namespace {

template <typename T> T *child(QWidget *w, const char *name)
{
    return w->findChild<T *>(QLatin1String(name));
}

bool checked(QWidget *w, const char *name)
{
    return child<QAbstractButton>(w, name)->isChecked();
}

void deferredDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class OptionsAboutTest : public QObject
{
    Q_OBJECT

private slots:
    void advShowsTheRecord_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("on");
        QTest::newRow("fresh record") << 0 << false;
        QTest::newRow("all set") << -1 << true;
        QTest::newRow("a value the program never writes") << 1 << false;
    }
    void advShowsTheRecord()
    {
        QFETCH(int, value);
        QFETCH(bool, on);
        ProgramFolderFixture fixture;
        SettingsRecord &s = Settings();
        s.RightClickMenu = s.HotKeys = s.SafeMode = s.ShowWordsAuto = static_cast<std::int16_t>(value);
        auto *dialog = new adv;
        for (const char *box : {"aset1", "aset2", "aset3", "op2"})
            QCOMPARE(checked(dialog, box), on);
        QCOMPARE(checked(dialog, "op1"), !on);
        dialog->close();
    }

    void advOkWritesTheWholeRecord_data()
    {
        QTest::addColumn<bool>("change");
        QTest::newRow("changed") << true;
        QTest::newRow("unchanged") << false;
    }
    void advOkWritesTheWholeRecord()
    {
        QFETCH(bool, change);
        ProgramFolderFixture fixture;
        Settings().Language = 1; // changed in memory by the main window since the last write
        Settings().SafeMode = -1;
        QPointer<adv> dialog = new adv;
        dialog->show();
        if (change) {
            QTest::mouseClick(child<QCheckBox>(dialog, "aset2"), Qt::LeftButton);
            QTest::mouseClick(child<QCheckBox>(dialog, "aset3"), Qt::LeftButton);
            QTest::mouseClick(child<QRadioButton>(dialog, "op2"), Qt::LeftButton);
        }
        QTest::mouseClick(child<QPushButton>(dialog, "ok"), Qt::LeftButton);
        deferredDeletes();
        QVERIFY(dialog.isNull());

        const SettingsRecord &s = Settings();
        QCOMPARE(s.RightClickMenu, std::int16_t(0));
        QCOMPARE(s.HotKeys, std::int16_t(change ? -1 : 0));
        QCOMPARE(s.SafeMode, std::int16_t(change ? 0 : -1));
        QCOMPARE(s.ShowWordsAuto, std::int16_t(change ? -1 : 0));
        QCOMPARE(fixture.readFile(SettingsFilePath()), s.toBytes());
        QVERIFY(msg::TakeShown().isEmpty());
    }

    void advCancelAndCloseBoxChangeNothing_data()
    {
        QTest::addColumn<bool>("closeBox");
        QTest::newRow("cancel") << false;
        QTest::newRow("close box") << true;
    }
    void advCancelAndCloseBoxChangeNothing()
    {
        QFETCH(bool, closeBox);
        ProgramFolderFixture fixture;
        fixture.writeDataFile("conf.dat", QByteArray(30, '\0'));
        QPointer<adv> dialog = new adv;
        dialog->show();
        QTest::mouseClick(child<QCheckBox>(dialog, "aset1"), Qt::LeftButton);
        QTest::mouseClick(child<QRadioButton>(dialog, "op2"), Qt::LeftButton);
        if (closeBox)
            dialog->close();
        else
            QTest::mouseClick(child<QPushButton>(dialog, "canc"), Qt::LeftButton);
        deferredDeletes();
        QVERIFY(dialog.isNull());
        QCOMPARE(Settings(), SettingsRecord{});
        QCOMPARE(fixture.readFile(SettingsFilePath()), QByteArray(30, '\0'));
    }

    void advReportsAFailedWrite()
    {
        ProgramFolderFixture fixture;
        fixture.writeDataFile("conf.dat", QByteArray(30, '\0'));
        auto *dialog = new adv;
        dialog->show();
        QTest::mouseClick(child<QCheckBox>(dialog, "aset1"), Qt::LeftButton);
        FailNextAtomicWritesForTesting(1);
        QTest::mouseClick(child<QPushButton>(dialog, "ok"), Qt::LeftButton);
        const QList<msg::Shown> shown = msg::TakeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.first().title, u"IXO"_s);
        QVERIFY2(shown.first().text.contains(SettingsFilePath()), qPrintable(shown.first().text));
        QVERIFY(shown.first().text.contains(u"No space left on device"_s));
        QCOMPARE(fixture.readFile(SettingsFilePath()), QByteArray(30, '\0'));
    }

    void captionsFollowTheLanguage_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<QStringList>("advCaptions");   // title, frame, aset1..3, Label1, op1, op2, ok, canc
        QTest::addColumn<QStringList>("aboutCaptions"); // title, Label3, Label4
        QTest::newRow("english") << 0
                                 << QStringList{"Advanced Options",
                                                "Test Mode Options",
                                                "Enable Right-Click Menu",
                                                "Enable Hot Keys",
                                                "Safe Mode",
                                                "Count Words:",
                                                "Manual",
                                                "Auto",
                                                "OK",
                                                "Cancel"}
                                 << QStringList{"About IXO", "IXO wishes you success in GRE test!", "Release Date:"};
        QTest::newRow("chinese") << 1000 << QStringList{u"高级选项"_s,     u"练习模式选项"_s,
                                                        u"允许右键菜单"_s, u"允许使用快捷键"_s,
                                                        u"安全模式"_s,     u"字数显示方式:"_s,
                                                        u"手动"_s,         u"自动"_s,
                                                        u"确定"_s,         u"取消"_s}
                                 << QStringList{u"关于IXO"_s, u"祝您在GRE考试中取得好成绩：）"_s, u"发布日期："_s};
    }
    void captionsFollowTheLanguage()
    {
        QFETCH(int, offset);
        QFETCH(QStringList, advCaptions);
        QFETCH(QStringList, aboutCaptions);
        ProgramFolderFixture fixture;
        State().LanguageOffset = offset;

        auto *options = new adv;
        QStringList shown{options->windowTitle(), child<QGroupBox>(options, "Frame1")->title()};
        for (const char *name : {"aset1", "aset2", "aset3"})
            shown << child<QAbstractButton>(options, name)->text();
        shown << child<QLabel>(options, "Label1")->text();
        for (const char *name : {"op1", "op2", "ok", "canc"})
            shown << child<QAbstractButton>(options, name)->text();
        QCOMPARE(shown, advCaptions);
        options->close();

        auto *box = new about;
        QCOMPARE((QStringList{box->windowTitle(), child<QLabel>(box, "Label3")->text(),
                              child<QLabel>(box, "Label4")->text()}),
                 aboutCaptions);
        QCOMPARE(child<QLabel>(box, "Label1")->text(), u"Ixoran 1.73"_s);
        QCOMPARE(child<QLabel>(box, "Label5")->text(), u"2007.8.16"_s);
        box->close();
    }

    void aboutClosesOnItsClickableParts_data()
    {
        QTest::addColumn<QString>("target"); // empty: the background
        QTest::addColumn<bool>("closes");
        QTest::newRow("background") << "" << true;
        QTest::newRow("title") << "Label1" << true;
        QTest::newRow("logo") << "Image1" << true;
        QTest::newRow("greeting") << "Label3" << true;
        QTest::newRow("release date") << "Label4" << false;
        QTest::newRow("date") << "Label5" << false;
        QTest::newRow("address") << "Label6" << false;
    }
    void aboutClosesOnItsClickableParts()
    {
        QFETCH(QString, target);
        QFETCH(bool, closes);
        ProgramFolderFixture fixture;
        QPointer<about> box = new about;
        box->show();
        QWidget *widget = target.isEmpty() ? static_cast<QWidget *>(box) : box->findChild<QLabel *>(target);
        QVERIFY(widget);
        // The background between the logo and the greeting.
        const QPoint at = target.isEmpty() ? QPoint(130, 85) : widget->rect().center();
        QVERIFY(target.isEmpty() ? box->childAt(at) == nullptr : true);
        QTest::mouseClick(widget, Qt::LeftButton, {}, at);
        deferredDeletes();
        QCOMPARE(box.isNull(), closes);
        if (box)
            box->close();
    }

    void aboutShowsTheAddressAsPlainText()
    {
        ProgramFolderFixture fixture;
        auto *box = new about;
        QLabel *address = child<QLabel>(box, "Label6");
        QCOMPARE(address->textFormat(), Qt::PlainText);
        QCOMPARE(address->toolTip(), HomepageAddress());
        QVERIFY(address->fontMetrics().horizontalAdvance(address->text()) <= address->width());
        QVERIFY(address->text().startsWith(HomepageAddress().left(4)));
        QVERIFY(address->text().endsWith(u".html"_s)); // shortened in the middle

        QCOMPARE(child<QLabel>(box, "Image1")->pixmap().size(), QSize(100, 60));
        box->close();
    }

    void menuEntriesRunTheDialogsModal()
    {
        ProgramFolderFixture fixture;
        QTimer::singleShot(0, [] {
            auto *box = qobject_cast<about *>(QApplication::activeModalWidget());
            QVERIFY(box);
            QTest::mouseClick(child<QLabel>(box, "Label3"), Qt::LeftButton);
        });
        ExecAbout(nullptr);
        QTimer::singleShot(0, [] {
            auto *options = qobject_cast<adv *>(QApplication::activeModalWidget());
            QVERIFY(options);
            QTest::mouseClick(child<QPushButton>(options, "ok"), Qt::LeftButton);
        });
        ExecAdvancedOptions(nullptr);
        QCOMPARE(QFile(SettingsFilePath()).size(), 30);
    }
};

QTEST_MAIN(OptionsAboutTest)
#include "tst_options_about.moc"

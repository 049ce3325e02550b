// The essay box's guard: right-click menu, drops and the clipboard keys follow the advanced settings; the
// Cut, Paste and Undo buttons work either way.
#include "app/road.h"
#include "app/test_state.h"
#include "test_support.h"
#include "ui/test/edit_guard.h"
#include "ui/test/writing_screen.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

using namespace ixo;

class EditGuardTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<testing::ProgramFolderFixture> m_folder;

    // A writing screen whose box holds "abc def" with "abc" selected.
    QPlainTextEdit *openBox(int rightClickMenu, int hotKeys)
    {
        Settings().RightClickMenu = std::int16_t(rightClickMenu);
        Settings().HotKeys = std::int16_t(hotKeys);
        Settings().IssueMinutes = 45;
        State().MinutesLeft = 44;
        State().SecondsLeft = 60;
        QWidget *screen = ShowScreen(Screen::Pro4);
        auto *box = screen->findChild<QPlainTextEdit *>(QStringLiteral("tin"));
        QTest::keyClicks(box, QStringLiteral("abc def"));
        QTextCursor cursor = box->textCursor();
        cursor.setPosition(0);
        cursor.setPosition(3, QTextCursor::KeepAnchor);
        box->setTextCursor(cursor);
        return box;
    }

private slots:
    void init() { m_folder = std::make_unique<testing::ProgramFolderFixture>(); }
    void cleanup() { m_folder.reset(); }

    void keys_data()
    {
        QTest::addColumn<int>("hotKeys");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("text");      // the box afterwards
        QTest::addColumn<QString>("clipboard"); // the clipboard afterwards ("XYZ" before each key)
        const int ctrl = Qt::ControlModifier, shift = Qt::ShiftModifier;
        const QString untouched = QStringLiteral("abc def");
        QTest::newRow("0: Ctrl+C") << 0 << int(Qt::Key_C) << ctrl << untouched << "XYZ";
        QTest::newRow("0: Ctrl+V") << 0 << int(Qt::Key_V) << ctrl << untouched << "XYZ";
        QTest::newRow("0: Ctrl+X") << 0 << int(Qt::Key_X) << ctrl << untouched << "XYZ";
        QTest::newRow("0: Ctrl+Insert") << 0 << int(Qt::Key_Insert) << ctrl << untouched << "XYZ";
        QTest::newRow("0: Shift+Insert") << 0 << int(Qt::Key_Insert) << shift << untouched << "XYZ";
        QTest::newRow("0: Shift+Delete") << 0 << int(Qt::Key_Delete) << shift << untouched << "XYZ";
        QTest::newRow("0: Ctrl+Z undoes") << 0 << int(Qt::Key_Z) << ctrl << ""
                                          << "XYZ";
        QTest::newRow("0: typing replaces the selection") << 0 << int(Qt::Key_Q) << 0 << "q def"
                                                          << "XYZ";
        QTest::newRow("1 counts as off: Ctrl+V") << 1 << int(Qt::Key_V) << ctrl << untouched << "XYZ";
        QTest::newRow("-1: Ctrl+C") << -1 << int(Qt::Key_C) << ctrl << untouched << "abc";
        QTest::newRow("-1: Ctrl+V") << -1 << int(Qt::Key_V) << ctrl << "XYZ def"
                                    << "XYZ";
        QTest::newRow("-1: Ctrl+X") << -1 << int(Qt::Key_X) << ctrl << " def"
                                    << "abc";
        QTest::newRow("-1: Shift+Insert") << -1 << int(Qt::Key_Insert) << shift << "XYZ def"
                                          << "XYZ";
        QTest::newRow("-1: Ctrl+Z undoes") << -1 << int(Qt::Key_Z) << ctrl << ""
                                           << "XYZ";
    }
    void keys()
    {
        QFETCH(int, hotKeys);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, text);
        QFETCH(QString, clipboard);
        QPlainTextEdit *box = openBox(0, hotKeys);
        QGuiApplication::clipboard()->setText(QStringLiteral("XYZ"));
        QTest::keyClick(box, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(box->toPlainText(), text);
        QCOMPARE(QGuiApplication::clipboard()->text(), clipboard);
    }

    void selectAllWorksWithTheGuard()
    {
        QPlainTextEdit *box = openBox(0, 0);
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(box->textCursor().selectedText(), QStringLiteral("abc def"));
    }

    void buttonsWorkWithTheGuard()
    {
        QPlainTextEdit *box = openBox(0, 0);
        auto *screen = qobject_cast<WritingScreen *>(box->window());
        screen->cut_Click();
        QCOMPARE(box->toPlainText(), QStringLiteral(" def"));
        screen->paste_Click();
        QCOMPARE(box->toPlainText(), QStringLiteral("abc def"));
        screen->undo_Click();
        QCOMPARE(box->toPlainText(), QStringLiteral(" def"));
    }

    void mouse_data()
    {
        QTest::addColumn<int>("rightClickMenu");
        QTest::addColumn<bool>("guarded");
        QTest::newRow("0: guarded") << 0 << true;
        QTest::newRow("-1: the usual menu") << -1 << false;
        QTest::newRow("any other value: not guarded") << 5 << false;
    }
    void mouse()
    {
        QFETCH(int, rightClickMenu);
        QFETCH(bool, guarded);
        QPlainTextEdit *box = openBox(rightClickMenu, -1);
        QWidget *viewport = box->viewport();

        // A right press neither moves the caret nor changes the selection.
        QTest::mousePress(viewport, Qt::RightButton, {}, QPoint(viewport->width() - 5, viewport->height() - 5));
        QTest::mouseRelease(viewport, Qt::RightButton, {}, QPoint(viewport->width() - 5, viewport->height() - 5));
        QCOMPARE(box->textCursor().selectedText(), QStringLiteral("abc"));

        // The context menu: shown (and closed here) only without the guard.
        bool menuShown = false;
        QTimer::singleShot(0, this, [&] {
            if (QWidget *popup = QApplication::activePopupWidget()) {
                menuShown = true;
                popup->close();
            }
        });
        QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, QPoint(5, 5), viewport->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(viewport, &menuEvent);
        QCoreApplication::processEvents();
        QCOMPARE(menuShown, !guarded);

        // Outside text dropped on the box.
        QCOMPARE(viewport->acceptDrops(), !guarded);
        QCOMPARE(box->acceptDrops(), !guarded);
        QMimeData data;
        data.setText(QStringLiteral("dropped "));
        QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &enter);
        QDragMoveEvent move(QPoint(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &move);
        QDropEvent drop(QPointF(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &drop);
        QCOMPARE(box->toPlainText().contains(QStringLiteral("dropped")), !guarded);
    }

    void eachBoxHasItsOwnGuard()
    {
        Settings().QuickStart = -1;
        Settings().ArgumentMinutes = 30;
        QPlainTextEdit *first = openBox(0, 0);
        auto *issue = qobject_cast<WritingScreen *>(first->window());
        issue->squit_Click();
        issue->Image2_Click();
        issue->Image4_Click(); // straight on to Section 2; Section 1 closes after it
        const QList<EditBoxGuard *> firstGuards = first->findChildren<EditBoxGuard *>();
        QWidget *argument = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String("pro7"))
                argument = w;
        QVERIFY(argument);
        auto *second = argument->findChild<QPlainTextEdit *>(QStringLiteral("tin"));
        const QList<EditBoxGuard *> secondGuards = second->findChildren<EditBoxGuard *>();
        QCOMPARE(firstGuards.size(), 1);
        QCOMPARE(secondGuards.size(), 1);
        QVERIFY(firstGuards.first() != secondGuards.first());
        QTest::keyClicks(second, QStringLiteral("x"));
        QTest::keyClick(second, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(second, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(second->toPlainText(), QStringLiteral("x"));
    }
};

QTEST_MAIN(EditGuardTest)
#include "tst_edit_guard.moc"

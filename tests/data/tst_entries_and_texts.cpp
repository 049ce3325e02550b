#include "app/test_state.h"
#include "data/code_page.h"
#include "data/number_entry.h"
#include "data/text_table.h"

#include <QTest>

using namespace ixo;

class EntriesAndTextsTest : public QObject
{
    Q_OBJECT

private slots:
    void numberEntries_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value"); // -99999: not a number
        const int none = -99999;
        QTest::newRow("empty") << "" << none;
        QTest::newRow("blanks") << "   " << none;
        QTest::newRow("letters") << "abc" << none;
        QTest::newRow("plain") << "17" << 17;
        QTest::newRow("blanks around") << " 7 " << 7;
        QTest::newRow("negative") << "-5" << -5;
        QTest::newRow("plus") << "+3" << 3;
        QTest::newRow("half to even down") << "2.5" << 2;
        QTest::newRow("half to even up") << "3.5" << 4;
        QTest::newRow("fraction below half") << "0.4" << 0;
        QTest::newRow("leading point") << ".5" << 0;
        QTest::newRow("trailing point") << "9." << 9;
        QTest::newRow("lone point") << "." << none;
        QTest::newRow("lone sign") << "-" << none;
        QTest::newRow("two points") << "1.2.3" << none;
        QTest::newRow("exponent") << "1e2" << none;
        QTest::newRow("hex") << "0x10" << none;
        QTest::newRow("too large") << "99999" << none;
    }
    void numberEntries()
    {
        QFETCH(QString, text);
        QFETCH(int, value);
        const auto parsed = ParseNumberEntry(text);
        if (value == -99999)
            QVERIFY(!parsed.has_value());
        else
            QCOMPARE(parsed.value_or(-1234), value);
    }

    void textTableColumns()
    {
        QCOMPARE(TextEntry(28), QStringLiteral("START"));
        QCOMPARE(TextEntry(1028), QString::fromUtf8("开 始"));
        QCOMPARE(TextEntry(1042), QString::fromUtf8("题号："));
        QCOMPARE(TextEntry(1066), QString::fromUtf8("祝您在GRE考试中取得好成绩：）"));
        QCOMPARE(TextEntry(83), QStringLiteral("Full screen failed.(640x480 resolution not supported)"));
        for (int missing : {32, 36, 63, 1032})
            QVERIFY(!HasTextEntry(missing));
    }

    void loadTextFollowsLanguage_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("text");
        QTest::newRow("English") << 0 << "Wrong ISSUE Topic Number";
        QTest::newRow("Chinese") << 1 << QString::fromUtf8("ISSUE题号设定错误");
        QTest::newRow("a value never written reads English") << 7 << "Wrong ISSUE Topic Number";
    }
    void loadTextFollowsLanguage()
    {
        QFETCH(int, language);
        QFETCH(QString, text);
        State().LanguageOffset = LanguageOffsetFor(static_cast<std::int16_t>(language));
        QCOMPARE(LoadText(31), text);
        State().LanguageOffset = 0;
    }

    void codePages_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("1252 accents") << int(CodePage::Windows1252) << QString::fromUtf8("caf\u00e9 \u20ac")
                                      << QByteArray("caf\xe9 \x80");
        QTest::newRow("1252 lacks Chinese") << int(CodePage::Windows1252) << QString::fromUtf8("a中b")
                                            << QByteArray("a?b");
        QTest::newRow("GBK") << int(CodePage::Gbk) << QString::fromUtf8("中文") << QByteArray("\xd6\xd0\xce\xc4");
        QTest::newRow("Big5") << int(CodePage::Big5) << QString::fromUtf8("中") << QByteArray("\xa4\xa4");
        QTest::newRow("Shift_JIS") << int(CodePage::ShiftJis) << QString::fromUtf8("日") << QByteArray("\x93\xfa");
        QTest::newRow("Korean") << int(CodePage::Korean949) << QString::fromUtf8("한") << QByteArray("\xc7\xd1");
    }
    void codePages()
    {
        QFETCH(int, page);
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(EncodeText(text, CodePage(page)), bytes);
        if (!bytes.contains('?'))
            QCOMPARE(DecodeText(bytes, CodePage(page)), text);
    }

    void undefinedBytesDecodeAsQuestionMarks()
    {
        QCOMPARE(DecodeText(QByteArray("a\x81z"), CodePage::Windows1252), QStringLiteral("a?z"));
        QCOMPARE(DecodeText(QByteArray("\xd6"), CodePage::Gbk), QStringLiteral("?"));
    }

    void localesChooseTheirCodePage_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("page");
        QTest::newRow("en_US") << "en_US" << int(CodePage::Windows1252);
        QTest::newRow("de_DE") << "de_DE" << int(CodePage::Windows1252);
        QTest::newRow("zh_CN") << "zh_CN" << int(CodePage::Gbk);
        QTest::newRow("zh_SG") << "zh_SG" << int(CodePage::Gbk);
        QTest::newRow("zh_TW") << "zh_TW" << int(CodePage::Big5);
        QTest::newRow("zh_HK") << "zh_HK" << int(CodePage::Big5);
        QTest::newRow("ja_JP") << "ja_JP" << int(CodePage::ShiftJis);
        QTest::newRow("ko_KR") << "ko_KR" << int(CodePage::Korean949);
    }
    void localesChooseTheirCodePage()
    {
        QFETCH(QString, locale);
        QFETCH(int, page);
        QCOMPARE(int(CodePageForLocale(QLocale(locale))), page);
    }
};

QTEST_GUILESS_MAIN(EntriesAndTextsTest)
#include "tst_entries_and_texts.moc"

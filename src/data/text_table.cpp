// The numbered texts of the main window, its dialogs, the Test Review and the Topic Editor.
// English texts sit at their own number; the Chinese text of the same meaning sits at number + 1000.
#include "data/text_table.h"

#include <QHash>

using namespace Qt::StringLiterals;

namespace ixo {

namespace {

struct Entry
{
    int id;
    QString english;
    QString chinese;
};

const QHash<int, QString> &table()
{
    static const QHash<int, QString> texts = [] {
        const Entry entries[] = {
            {1, u"IXO(&A)"_s, u"程序(&A)"_s},
            {2, u"Start Practice...(&S)"_s, u"开始练习...(&S)"_s},
            {3, u"Quit(&Q)"_s, u"退出(&Q)"_s},
            {4, u"Tools(&T)"_s, u"工具(&T)"_s},
            {5, u"Topic Editor...(&E)"_s, u"题库编辑器...(&E)"_s},
            {6, u"Settings(&S)"_s, u"设置(&S)"_s},
            {7, u"Language(&L)"_s, u"语言(&L)"_s},
            {8, u"Chinese(&C)"_s, u"中文(&C)"_s},
            {9, u"English(&E)"_s, u"英文(&E)"_s},
            {10, u"[X]Display...(&R)"_s, u"[X]全屏设置...(&R)"_s},
            {11, u"Default(&D)"_s, u"默认设置(&D)"_s},
            {12, u"Help(&H)"_s, u"帮助(&H)"_s},
            {13, u"IXO Homepage(&W)"_s, u"IXO主页(&W)"_s},
            {14, u"About...(&A)"_s, u"关于...(&A)"_s},
            {15, u"Choose"_s, u"指定题号"_s},
            {16, u"Random"_s, u"随机出题"_s},
            {17, u"Topic:"_s, u"题目:"_s},
            {18, u"Sort"_s, u"分类"_s},
            {19, u"Settings"_s, u"设置"_s},
            {20, u"Timing:"_s, u"定时:"_s},
            {21, u"min"_s, u"分钟"_s},
            {22, u"Options"_s, u"选项"_s},
            {23, u"Skip Issue"_s, u"跳过Issue"_s},
            {24, u"Word Count"_s, u"显示字数"_s},
            {25, u"Full Screen"_s, u"全屏显示"_s},
            {26, u"Quick Start"_s, u"快速开始"_s},
            {27, u"Skip Argument"_s, u"跳过Argument"_s},
            {28, u"START"_s, u"开 始"_s},
            {29, u"Restore default settings?"_s, u"是否恢复到默认设置？"_s},
            {30, u"Wrong Issue Sort"_s, u"Issue分类格式错误"_s},
            {31, u"Wrong ISSUE Topic Number"_s, u"ISSUE题号设定错误"_s},
            {33, u"Wrong ARGUMENT Topic Number"_s, u"ARGUMENT题号设定错误"_s},
            {34, u"Error"_s, u"错误"_s},
            {35, u"Wrong ISSUE Timing"_s, u"ISSUE计时设定错误"_s},
            {37, u"Wrong ARGUMENT Timing"_s, u"ARGUMENT计时设定错误"_s},
            {38, u"Wrong Issue Topic Length"_s, u"Issue题目长度超过限制"_s},
            {39, u"Wrong Argument Topic Length"_s, u"Argument题目长度超过限制"_s},
            {40, u"Topic Search...(&S)"_s, u"题库检索...(&S)"_s},
            {41, u"Topic Editor"_s, u"题库编辑器"_s},
            {42, u"Topic Number:"_s, u"题号："_s},
            {43, u"Sort:"_s, u"分类："_s},
            {44, u"Please Input Keyword:"_s, u"请输入关键词："_s},
            {45, u"Topic Search"_s, u"题目搜索"_s},
            {46, u"Close"_s, u"关闭"_s},
            {47, u"Modify"_s, u"修改"_s},
            {48, u"Error"_s, u"错误"_s},
            {49, u"Please select a topic first"_s, u"请先选择一个题目"_s},
            {50, u"Copy to Clipboard"_s, u"复制到剪切板"_s},
            {51, u"Not Found"_s, u"没有找到"_s},
            {52, u"Search..."_s, u"搜索..."_s},
            {53, u"Save to File"_s, u"保存到文件"_s},
            {54, u"Return"_s, u"返回"_s},
            {55, u"Quit"_s, u"退出"_s},
            {56, u"File already exist, overwrite?"_s, u"文件已存在，是否覆盖原文件？"_s},
            {57, u"File saved to "_s, u"文本已保存到 "_s},
            {58, u"Text empty"_s, u"文本为空"_s},
            {59, u"Test Review"_s, u"练习结果"_s},
            {60, u"[X]Full Screen Display Settings"_s, u"[X]全屏显示设置"_s},
            {61, u"[X]Please select your monitor's Refresh Rate:"_s, u"[X]请在列表中选择您显示器的刷新频率："_s},
            {62, u"OK"_s, u"确定"_s},
            {64, u"Confirmation"_s, u"确认"_s},
            {65, u"About IXO"_s, u"关于IXO"_s},
            {66, u"IXO wishes you success in GRE test!"_s, u"祝您在GRE考试中取得好成绩：）"_s},
            {68, u"Release Date:"_s, u"发布日期："_s},
            {69, u"Advanced...(&A)"_s, u"高级选项...(&A)"_s},
            {70, u"Advanced Options"_s, u"高级选项"_s},
            {71, u"Test Mode Options"_s, u"练习模式选项"_s},
            {72, u"Enable Right-Click Menu"_s, u"允许右键菜单"_s},
            {73, u"Safe Mode"_s, u"安全模式"_s},
            {74, u"Cancel"_s, u"取消"_s},
            {75, u"Enable Hot Keys"_s, u"允许使用快捷键"_s},
            {76, u"TOPIC: "_s, u"题目："_s},
            {77, u"WORDS: "_s, u"字数："_s},
            {78, u"TIME: "_s, u"用时："_s},
            {79, u"DATE: "_s, u"日期："_s},
            {80, u"Count Words:"_s, u"字数显示方式:"_s},
            {81, u"Manual"_s, u"手动"_s},
            {82, u"Auto"_s, u"自动"_s},
            {83, u"Full screen failed.(640x480 resolution not supported)"_s, u"显示器不支持640x480分辨率,无法开启全屏模式"_s},
        };
        QHash<int, QString> map;
        for (const Entry &e : entries) {
            map.insert(e.id, e.english);
            map.insert(e.id + ChineseOffset, e.chinese);
        }
        return map;
    }();
    return texts;
}

} // namespace

QString TextEntry(int number)
{
    return table().value(number);
}

bool HasTextEntry(int number)
{
    return table().contains(number);
}

} // namespace ixo

#pragma once

#include <QStringList>

class QTabWidget;
class QWidget;

// Builds the eleven pages of the main window's tab control. Every control that the program
// addresses carries its name as objectName (编辑框_姓氏, 超级列表框_高分起名, ...); the main
// window and the naming pages find them by that name and connect the behaviour.
namespace MainPages {

const QStringList& NameListColumns();  // 编号 姓名 简体笔划 繁体笔划 五行 五格 三才 评分
const QStringList& EnglishListColumns();  // 编号 英文名 中文读音 相关含义
const QStringList& ModeRadioNames();  // in page order: 经典 高分 超吉 诗词 组合 起小名 起英文名

void AddAllPages(QTabWidget* tabs);

}  // namespace MainPages

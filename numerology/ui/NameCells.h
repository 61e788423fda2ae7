#pragma once

#include <QString>
#include <QStringList>
#include <optional>

struct NameEvaluation;

namespace numerology_ui {

struct NameParts {
    QString surname;
    QString givenName;
};

// The 姓名 cell of the score and record lists: surname, CR LF, given name. The line break keeps
// the two parts apart, so a row can be evaluated again without knowing how long the surname is.
QString RecordedName(const QString& surname, const QString& givenName);
// Nothing for an empty cell or one without a line break, or when either part is empty.
std::optional<NameParts> SplitRecordedName(const QString& cell);

// A generator list's 姓名 cell holds surname and given name run together. The surname is the one
// the run was started with; its length decides the cut: a surname of more than two bytes takes
// four bytes of the cell, any other two. Nothing when the cell leaves no given name.
std::optional<NameParts> SplitGeneratedName(const QString& cell, const QString& runSurname);

// The name as a window caption shows it: the line break of a recorded name becomes a space.
QString CaptionName(const QString& cell);

// The eight cells of a name list row: 编号 姓名 简体笔划 繁体笔划 五行 五格 三才 评分.
QStringList NameListRow(int number, const QString& nameCell, const NameEvaluation& evaluation);

}  // namespace numerology_ui

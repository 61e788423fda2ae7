#include "numerology/ui/NameCells.h"

#include "numerology/NameEvaluation.h"
#include "widgets/QtText.h"

namespace numerology_ui {

namespace {
const QString kLineBreak = QStringLiteral("\r\n");
}

QString RecordedName(const QString& surname, const QString& givenName) {
    return surname + kLineBreak + givenName;
}

std::optional<NameParts> SplitRecordedName(const QString& cell) {
    const qsizetype at = cell.indexOf(kLineBreak);
    if (at < 0) return std::nullopt;
    NameParts parts{cell.left(at), cell.mid(at + kLineBreak.size())};
    if (parts.surname.isEmpty() || parts.givenName.isEmpty()) return std::nullopt;
    return parts;
}

std::optional<NameParts> SplitGeneratedName(const QString& cell, const QString& runSurname) {
    if (cell.isEmpty() || runSurname.isEmpty()) return std::nullopt;
    // The cut is made in the name's GBK bytes, where every Chinese character takes two.
    const std::string name = widgets::ToGbk(cell);
    const std::size_t cut = widgets::ToGbk(runSurname).size() > 2 ? 4 : 2;
    if (name.size() <= cut) return std::nullopt;
    return NameParts{runSurname, widgets::FromGbk(name.substr(cut))};
}

QString CaptionName(const QString& cell) {
    QString caption = cell;
    return caption.replace(kLineBreak, QStringLiteral(" "));
}

QStringList NameListRow(int number, const QString& nameCell, const NameEvaluation& evaluation) {
    const QString grids =
        QStringList{QString::number(evaluation.heavenGrid), QString::number(evaluation.personGrid),
                    QString::number(evaluation.earthGrid), QString::number(evaluation.totalGrid),
                    QString::number(evaluation.outerGrid)}
            .join(QLatin1Char(','));
    return {QString::number(number),
            nameCell,
            QString::number(evaluation.simplifiedTotal),
            QString::number(evaluation.totalGrid),
            widgets::FromGbk(evaluation.elementText),
            grids,
            widgets::FromGbk(evaluation.threeTalents),
            QString::number(static_cast<int>(evaluation.score))};
}

}  // namespace numerology_ui

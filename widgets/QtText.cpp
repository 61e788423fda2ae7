#include "widgets/QtText.h"

#include "text/Gbk.h"

namespace widgets {

QString FromGbk(std::string_view gbk) { return QString::fromStdString(text::GbkToUtf8(gbk)); }

std::string ToGbk(const QString& text) { return text::Utf8ToGbk(text.toStdString()); }

}  // namespace widgets

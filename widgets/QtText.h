#pragma once

#include <QString>
#include <string>
#include <string_view>

// The window's side of the text boundary: the core speaks GBK, Qt speaks UTF-16.
namespace widgets {

QString FromGbk(std::string_view gbk);
std::string ToGbk(const QString& text);

}  // namespace widgets

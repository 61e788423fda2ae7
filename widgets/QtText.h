#pragma once

#include <QString>
#include <string>

// The window's side of the text boundary: the core speaks GBK, Qt speaks UTF-16.
namespace widgets {

QString FromGbk(const std::string& gbk);
std::string ToGbk(const QString& text);

}  // namespace widgets

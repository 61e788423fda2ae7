#pragma once

#include <QWidget>

// "关于软件": what the program is and does. Opened without an owner; closing destroys it.
class AboutWindow : public QWidget {
    Q_OBJECT
  public:
    AboutWindow();
};

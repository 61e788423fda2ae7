#pragma once

class QCoreApplication;

// Qt's own dialogs (save, print, the buttons of message boxes) speak Chinese like the rest of the
// program: installs Qt's zh_CN translations when the system has them, else the dialogs stay in
// English. Returns whether they were installed.
bool InstallChineseQtTexts(QCoreApplication& application);

#include "app/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

bool InstallChineseQtTexts(QCoreApplication& application) {
    // The translator lives as long as the application that uses it.
    auto* texts = new QTranslator(&application);
    if (!texts->load(QStringLiteral("qtbase_zh_CN"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete texts;
        return false;
    }
    return QCoreApplication::installTranslator(texts);
}

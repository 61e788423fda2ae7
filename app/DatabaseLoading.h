#pragma once

#include <QObject>
#include <QString>
#include <string>

#include "namedb/LoadNameDatabase.h"

// The window's ear on the loading thread: the loader's failure arrives here on that thread and
// is handed over to the window thread as a signal, where it is shown as an error box.
class DatabaseLoading : public QObject, public LoadFailureSink {
    Q_OBJECT
  public:
    explicit DatabaseLoading(QObject* parent = nullptr) : QObject(parent) {}

    // Called on the loading thread.
    void ShowLoadFailure(const std::string& gbkText) override;

  signals:
    void Failed(const QString& message);
};

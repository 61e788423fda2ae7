#pragma once

#include <QObject>
#include <QString>
#include <string>

#include "namedb/LoadNameDatabase.h"

// The window's ear on the loading thread: the loader's failure and its end arrive here on that
// thread and are handed over to the window thread as signals, where a failure is shown as an
// error box titled "信息：".
class DatabaseLoading : public QObject, public LoadFailureSink {
    Q_OBJECT
  public:
    explicit DatabaseLoading(QObject* parent = nullptr) : QObject(parent) {}

    // Both are called on the loading thread.
    void ShowLoadFailure(const std::string& gbkText) override;
    void NotifyFinished();

  signals:
    void Failed(const QString& message);
    void Finished();
};

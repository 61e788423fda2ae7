#include "app/DatabaseLoading.h"

#include <QMetaObject>

#include "widgets/QtText.h"

void DatabaseLoading::ShowLoadFailure(const std::string& gbkText) {
    const QString message = widgets::FromGbk(gbkText);
    // Widgets belong to the window thread: hand the message over to it.
    QMetaObject::invokeMethod(
        this, [this, message] { emit Failed(message); }, Qt::QueuedConnection);
}

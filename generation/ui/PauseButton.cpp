#include "generation/ui/PauseButton.h"

namespace generation_ui {

PauseButton::PauseButton(GenerationMode ownMode, const char* objectName, QWidget* parent)
    : QPushButton(QStringLiteral("暂停"), parent), m_ownMode(ownMode) {
    setObjectName(QString::fromUtf8(objectName));
    setEnabled(false);
    connect(this, &QPushButton::clicked, this, [this] {
        if (m_held)
            emit resumeRequested();
        else
            emit holdRequested();
    });
}

void PauseButton::SetRunState(const RunState& state) {
    // Once its run has ended the button has nothing to hold: a pause then would only grey the
    // export of a finished list.
    const bool ownRun = state.IsActiveRunOf(m_ownMode);
    m_held = ownRun && state.IsHeld();
    setText(m_held ? QStringLiteral("继续") : QStringLiteral("暂停"));
    setEnabled(ownRun && state.rowsShown);
}

}  // namespace generation_ui

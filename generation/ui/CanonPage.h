#pragma once

#include <QCheckBox>
#include <QList>
#include <QPushButton>
#include <QWidget>

#include "generation/GenerationInputs.h"
#include "generation/ui/RunState.h"
#include "widgets/ResultListView.h"

namespace generation_ui {

// "典籍起名": the collections names are drawn from (诗经 and 楚辞 ticked at first), 只用常用字, the
// button, and the names with the line each comes from. The page owns its inputs and says what
// is missing before a run.
class CanonPage : public QWidget {
    Q_OBJECT
  public:
    explicit CanonPage(QWidget* parent = nullptr);

    const QList<QCheckBox*>& collectionBoxes() const { return m_collections; }
    QCheckBox* commonOnly() const { return m_commonOnly; }
    QPushButton* generateButton() const { return m_generate; }
    QPushButton* exportButton() const { return m_export; }
    widgets::ResultListView* list() const { return m_list; }

    // Adds the page's own inputs (the collections, 只用常用字) to a run's inputs.
    void AddInputs(GenerationInputs& inputs) const;
    // What the user must still choose before a run ("请至少选择一部典籍"); empty when ready.
    QString MissingInput() const;
    // A 典籍 run disables 生成 and 导出 until it ends.
    void SetRunState(const RunState& state);

  signals:
    void exportRequested();

  private:
    QList<QCheckBox*> m_collections;
    QCheckBox* m_commonOnly;
    QPushButton* m_generate;
    QPushButton* m_export;
    widgets::ResultListView* m_list;
};

}  // namespace generation_ui

#pragma once

#include <QCheckBox>
#include <QList>
#include <QPushButton>
#include <QWidget>

#include "generation/GenerationInputs.h"
#include "generation/ui/PauseButton.h"
#include "generation/ui/RunState.h"
#include "settings/SavedSettings.h"
#include "widgets/ResultListView.h"

namespace generation_ui {

// Page 9, "超吉模式": the five-element filters, the 超吉 list and its buttons. The filters keep
// their own rules: the position group (second, third character) and the all-characters group
// exclude each other, while the two masters of one group may be checked together.
class SuperLuckyPage : public QWidget, public KeepsSavedSettings {
    Q_OBJECT
  public:
    // The four filter groups, in the order of SuperLuckyFilters.
    enum Group { SecondCharacter, ThirdCharacter, MustHave, MustNot, GroupCount };

    explicit SuperLuckyPage(QWidget* parent = nullptr);

    widgets::ResultListView* list() const { return m_list; }
    QPushButton* generateButton() const { return m_generate; }
    PauseButton* pauseButton() const { return m_pause; }
    QPushButton* exportButton() const { return m_export; }
    // "只用常用字": the pools keep only level-1 characters of the standard list
    // that are fit for a name. Off at start.
    QCheckBox* commonOnly() const { return m_commonOnly; }
    // "按八字选五行": asks for the elements of the baby's birth chart.
    QPushButton* chartElementsButton() const { return m_chartElements; }
    QCheckBox* master(Group group) const { return m_masters[group]; }
    // The element boxes of a group, 金 木 水 火 土.
    const QList<QCheckBox*>& elements(Group group) const { return m_elements[group]; }

    // The filters as a run reads them: each group's master and its ticked elements (GBK).
    SuperLuckyFilters Filters() const;

    // Filters the two given-name characters by these elements (their captions, 木 火) alone:
    // both position groups ticked with exactly these boxes, the two whole-name groups off.
    void SelectGivenNameElements(const QStringList& elements);

    // A 超吉 run disables 生成 and 导出 until it ends; 导出 comes back while it is held.
    void SetRunState(const RunState& state);

    void RestoreSettings(const SavedSettings& settings) override;
    void StoreSettings(SavedSettings& settings) const override;

  signals:
    void chartElementsRequested();
    void startRequested();
    void exportRequested();

  private:
    void OnMasterClicked(Group group);

    widgets::ResultListView* m_list;
    QPushButton* m_generate;
    PauseButton* m_pause;
    QPushButton* m_export;
    QCheckBox* m_commonOnly;
    QPushButton* m_chartElements;
    QCheckBox* m_masters[GroupCount] = {};
    QList<QCheckBox*> m_elements[GroupCount];
};

}  // namespace generation_ui

#pragma once

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QWidget>
#include <functional>
#include <utility>
#include <vector>

#include "generation/PoemCatalog.h"
#include "quality/CharacterFitness.h"
#include "widgets/PageView.h"
#include "widgets/ResultListView.h"

class SqliteDatabase;

namespace generation_ui {

// Page 2, "诗词起名": an inner tab control with the poem choice (poets, their poems, the poem
// itself), the poem's characters to tick, and the names made from them.
class PoemNamingPage : public QWidget {
    Q_OBJECT
  public:
    explicit PoemNamingPage(QWidget* parent = nullptr);

    QTabWidget* innerTabs() const { return m_innerTabs; }
    QWidget* choosePage() const { return m_choosePage; }
    QWidget* charactersPage() const { return m_charactersPage; }
    QWidget* resultsPage() const { return m_resultsPage; }
    widgets::ResultListView* poets() const { return m_poets; }
    // 查找诗人: keeps the poets whose name holds the typed text.
    QLineEdit* poetFilter() const { return m_poetFilter; }
    widgets::ResultListView* poems() const { return m_poems; }
    widgets::PageView* poemView() const { return m_poemView; }
    QPushButton* usePoemButton() const { return m_usePoem; }
    QGroupBox* characterGroup() const { return m_characterGroup; }
    QPushButton* selectAllButton() const { return m_selectAll; }
    QPushButton* clearAllButton() const { return m_clearAll; }
    QPushButton* invertButton() const { return m_invert; }
    QPushButton* generateButton() const { return m_generate; }
    widgets::ResultListView* list() const { return m_list; }

    // The boxes of the chosen poem's characters, in reading order, 15 to a row inside a scroll
    // area, so that a long poem fits however many rows it needs.
    const QList<QCheckBox*>& characterBoxes() const { return m_boxes; }
    QScrollArea* characterArea() const { return m_characterArea; }
    // Replaces the boxes: one per character (caption, ticked), repeated characters included.
    void SetPoemCharacters(const std::vector<std::pair<QString, bool>>& characters);
    void RemovePoemCharacters();
    // The captions of the ticked boxes, in reading order.
    QStringList TickedCharacters() const;
    void SelectAllBoxes();
    void ClearAllBoxes();
    void InvertBoxes();

    static constexpr int kBoxesPerRow = 15;

    // Where the poets and poems come from: the loaded name database, or nullptr after telling
    // the user why there is none.
    void SetDatabaseSource(std::function<SqliteDatabase*()> database);
    // The sex of the child, as the mode-selection page says it: a poem's characters that lean to
    // the other sex arrive unticked.
    void SetChildSexSource(std::function<quality::ChildSex()> sex);
    // Fills the poet list and shows the first poet's poems on the choice tab.
    void ListPoets();
    // Shows the poets whose name holds the filter's text (all of them for an empty filter),
    // each with its number in the whole list, and chooses the first.
    void FilterPoets();
    // The poems of the chosen poet; the first is chosen.
    void ListPoems();
    // 使用此诗词: the chosen poem's characters become the boxes to tick.
    void UsePoem();
    // The tab a run's names appear on.
    void ShowResults();

  signals:
    void startRequested();

  private:
    QTabWidget* m_innerTabs;
    std::function<quality::ChildSex()> m_childSex;
    QWidget* m_choosePage;
    QWidget* m_charactersPage;
    QWidget* m_resultsPage;
    widgets::ResultListView* m_poets;
    widgets::ResultListView* m_poems;
    widgets::PageView* m_poemView;
    QPushButton* m_usePoem;
    QGroupBox* m_characterGroup;
    QPushButton* m_selectAll;
    QPushButton* m_clearAll;
    QPushButton* m_invert;
    QPushButton* m_generate;
    widgets::ResultListView* m_list;
    QScrollArea* m_characterArea;
    QWidget* m_boxHolder = nullptr;
    QList<QCheckBox*> m_boxes;

    void Tip(const QString& text, bool error);
    SqliteDatabase* Database() const;

    std::function<SqliteDatabase*()> m_database;
    QLineEdit* m_poetFilter;
    std::vector<QStringList> m_allPoets;  // every poet's row, as listed before filtering
    QString m_poemsPoet;                  // the poet whose poems are listed
    std::vector<poem_catalog::PoemTitle> m_poemTitles;
};

}  // namespace generation_ui

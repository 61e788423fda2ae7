#pragma once

#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <filesystem>

#include "numerology/ui/NamePages.h"
#include "settings/SavedSettings.h"
#include "widgets/DateSelector.h"
#include "widgets/ResultListView.h"

namespace numerology_ui {

// Page 7, "姓名评分": any name the user types, scored into a list. The list's rows hold the name
// as surname, CR LF, given name; a double click on one opens its report.
class ScorePage : public QWidget, public KeepsSavedSettings {
    Q_OBJECT
  public:
    explicit ScorePage(QWidget* parent = nullptr);

    // Where 评分 reads the name database and writes the report page (temp.html).
    void SetDatabase(DatabaseSource database, std::filesystem::path pagesFolder);
    // 评分: asks for a missing surname or given name, evaluates the name and adds its row unless
    // the list holds the name already.
    void Score();

    QLineEdit* surname() const { return m_surname; }
    QLineEdit* givenName() const { return m_givenName; }
    widgets::DateSelector* birthDate() const { return m_birthDate; }
    QPushButton* scoreButton() const { return m_score; }
    widgets::ResultListView* list() const { return m_list; }

    void RestoreSettings(const SavedSettings& settings) override;
    void StoreSettings(SavedSettings& settings) const override;

  private:
    DatabaseSource m_database;
    std::filesystem::path m_pagesFolder;
    QLineEdit* m_surname;
    QLineEdit* m_givenName;
    widgets::DateSelector* m_birthDate;
    QPushButton* m_score;
    widgets::ResultListView* m_list;
};

}  // namespace numerology_ui

#pragma once

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <filesystem>

#include "numerology/ui/NamePages.h"

namespace numerology_ui {

class CharacterPageWindow;

// "汉字查询", the dictionary: the text typed into 编辑框1 is looked up as it stands when 查询 is
// pressed, and its page opens in a window of its own that belongs to this dialog.
class CharacterQueryWindow : public QDialog {
    Q_OBJECT
  public:
    CharacterQueryWindow(DatabaseSource database, std::filesystem::path pagesFolder,
                         QWidget* owner);

    QLineEdit* characterBox() const { return m_character; }
    QPushButton* queryButton() const { return m_query; }

    // Opens the page of the text in the box; nullptr while the database is missing.
    CharacterPageWindow* Query();

  private:
    DatabaseSource m_database;
    std::filesystem::path m_pagesFolder;
    QLineEdit* m_character;
    QPushButton* m_query;
};

}  // namespace numerology_ui

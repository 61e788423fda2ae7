#pragma once

#include <QObject>
#include <QPointer>
#include <filesystem>
#include <functional>

#include "knowledge/ui/Pronunciation.h"

class QWidget;
class SqliteDatabase;

namespace widgets {
class PageView;
class ResultListView;
}  // namespace widgets

namespace knowledge_ui {

class ArticleWindow;

// The window's reading room: the article window of the two knowledge menus, the poem page of the
// poem tab and the read-aloud of English names. The main window hands it the lists and views it
// serves; it keeps no page of its own.
class ReadingRoom : public QObject {
    Q_OBJECT
  public:
    struct Services {
        std::function<SqliteDatabase*()> database;  // the loaded name database, or nullptr
        std::filesystem::path pagesFolder;          // where the shared temp.html lives
        PronunciationSettings pronunciation;
    };

    ReadingRoom(Services services, QWidget* owner);

    // showArticleCategory: opens the article window, or reuses the one that is open.
    void ShowArticleCategory(const QString& table, const QString& category);
    // The open article window, or nullptr.
    ArticleWindow* articleWindow() const;

    // Shows the poem chosen in poems (column 1: title) by the poet chosen in poets (column 1)
    // in view, whenever the chosen poem changes.
    void AttachPoemLists(widgets::ResultListView* poets, widgets::ResultListView* poems,
                         widgets::PageView* view);
    // ShowPoem for the attached lists.
    void ShowPoem();

    // A double-click on an English name (column 1) reads it aloud.
    void AttachEnglishNames(widgets::ResultListView* list);
    Pronunciation* pronunciation() const { return m_pronunciation; }

  private:
    std::filesystem::path PageFile() const;

    Services m_services;
    QWidget* m_owner;
    QPointer<ArticleWindow> m_articleWindow;
    widgets::ResultListView* m_poets = nullptr;
    widgets::ResultListView* m_poems = nullptr;
    widgets::PageView* m_poemView = nullptr;
    Pronunciation* m_pronunciation;
};

}  // namespace knowledge_ui

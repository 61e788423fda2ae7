#include "knowledge/ui/ReadingRoom.h"

#include <QCoreApplication>
#include <QWidget>

#include "files/WriteFileAtomically.h"
#include "knowledge/PoemText.h"
#include "knowledge/ui/ArticleWindow.h"
#include "numerology/ReportPages.h"
#include "widgets/PageView.h"
#include "widgets/QtText.h"
#include "widgets/ResultListView.h"

namespace knowledge_ui {

namespace {
QString CurrentCell(const widgets::ResultListView* list, int column) {
    const QModelIndex current = list ? list->currentIndex() : QModelIndex();
    return current.isValid() ? list->model()->Row(current.row()).value(column) : QString();
}
}  // namespace

ReadingRoom::ReadingRoom(Services services, QWidget* owner)
    : QObject(owner),
      m_services(std::move(services)),
      m_owner(owner),
      m_pronunciation(new Pronunciation(m_services.pronunciation, this)) {
    // Quitting never waits for a dictionary that does not answer.
    connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, m_pronunciation,
            &Pronunciation::Cancel);
}

std::filesystem::path ReadingRoom::PageFile() const {
    return ::PageFile(m_services.pagesFolder, 0);
}

ArticleWindow* ReadingRoom::articleWindow() const { return m_articleWindow.data(); }

void ReadingRoom::ShowArticleCategory(const QString& table, const QString& category) {
    if (!m_articleWindow)
        m_articleWindow = new ArticleWindow(m_services.database, PageFile(), m_owner);
    m_articleWindow->ShowCategory(table, category);
    m_articleWindow->show();
    m_articleWindow->raise();
    m_articleWindow->activateWindow();
}

void ReadingRoom::AttachPoemLists(widgets::ResultListView* poets, widgets::ResultListView* poems,
                                  widgets::PageView* view) {
    m_poets = poets;
    m_poems = poems;
    m_poemView = view;
    connect(poems->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid()) ShowPoem();
            });
}

void ReadingRoom::ShowPoem() {
    if (!m_poems || !m_poemView) return;
    const std::string title = widgets::ToGbk(CurrentCell(m_poems, 1));
    const std::string poet = widgets::ToGbk(CurrentCell(m_poets, 1));
    std::string text;
    if (SqliteDatabase* db = m_services.database ? m_services.database() : nullptr) {
        try {
            // The poems list keeps each poem's Id beside its title: a poet may have two poems
            // of one title, and the boxes beside the poem come from the one of this Id.
            bool known = false;
            const long long id = CurrentCell(m_poems, 2).toLongLong(&known);
            text = known ? knowledge::PoemText(*db, id, title, poet)
                         : knowledge::PoemText(*db, title, poet);
        } catch (const DatabaseError&) {
            // An unreadable poem shows its heading only, as a poem without text does.
        }
    }
    const std::string page = knowledge::PoemHtml(poet, title, text);
    files::WriteFileAtomically(PageFile(), page);
    m_poemView->ShowGbkPage(page);
}

void ReadingRoom::AttachEnglishNames(widgets::ResultListView* list) {
    connect(list, &widgets::ResultListView::rowActivated, this,
            [this, list](int row) { m_pronunciation->Play(list->model()->Row(row).value(1)); });
}

}  // namespace knowledge_ui

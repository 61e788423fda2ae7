#include "generation/ui/NamingController.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QPushButton>
#include <QTabWidget>
#include <QThreadPool>
#include <algorithm>

#include "generation/NameListExport.h"
#include "generation/RunController.h"
#include "generation/ui/CanonPage.h"
#include "generation/ui/ClassicPage.h"
#include "generation/ui/CombinationPage.h"
#include "generation/ui/EnglishNamePage.h"
#include "generation/ui/HighScorePage.h"
#include "generation/ui/ModeSelectionPage.h"
#include "generation/ui/NameListExporter.h"
#include "generation/ui/NamingModes.h"
#include "generation/ui/NicknamePage.h"
#include "generation/ui/PoemNamingPage.h"
#include "generation/ui/SuperLuckyPage.h"
#include "generation/ui/WaitingWindow.h"
#include "namedb/SqliteDatabase.h"
#include "widgets/MessageBoxes.h"
#include "widgets/QtText.h"

namespace generation_ui {

using widgets::FromGbk;
using widgets::ToGbk;

namespace {

const QString kTip = QStringLiteral("提示");

// Image 0 of the name lists: the mark at the start of every row.
QIcon RowIcon() {
    QPixmap pixmap(12, 12);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(226, 88, 120));
    painter.drawEllipse(1, 1, 10, 10);
    return QIcon(pixmap);
}

widgets::MessageBoxes::Icon BoxIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information:
            return widgets::MessageBoxes::Icon::Information;
        case MessageIcon::Warning:
            return widgets::MessageBoxes::Icon::Warning;
        case MessageIcon::Error:
            return widgets::MessageBoxes::Icon::Error;
        case MessageIcon::None:
            break;
    }
    return widgets::MessageBoxes::Icon::None;
}

std::optional<ResultList> ListOfMode(GenerationMode mode) {
    switch (mode) {
        case GenerationMode::HighScore:
            return ResultList::HighScore;
        case GenerationMode::SuperLucky:
            return ResultList::SuperLucky;
        case GenerationMode::Poem:
            return ResultList::Poem;
        case GenerationMode::Combination:
            return ResultList::Combination;
        case GenerationMode::Nickname:
            return ResultList::Nickname;
        case GenerationMode::English:
            return ResultList::English;
        case GenerationMode::Classic:
        case GenerationMode::Canon:
            return ResultList::Canon;
    }
    return std::nullopt;
}

}  // namespace

NamingController::NamingController(NamingPages pages, NamingServices services, QObject* parent)
    : QObject(parent),
      m_pages(pages),
      m_services(std::move(services)),
      m_observer(new QtGenerationObserver(*this, this)),
      m_exporter(new NameListExporter(m_services.exportFolder, m_services.window)) {
    const QIcon icon = RowIcon();
    for (ResultList list :
         {ResultList::HighScore, ResultList::SuperLucky, ResultList::Poem, ResultList::Combination,
          ResultList::Nickname, ResultList::English, ResultList::Canon})
        ListView(list)->model()->SetRowIcon(icon);
    m_pages.poem->poets()->model()->SetRowIcon(icon);
    m_pages.poem->poems()->model()->SetRowIcon(icon);
    m_pages.poem->SetDatabaseSource(m_services.database);
    m_pages.poem->SetChildSexSource([this] {
        return m_pages.modeSelection->ChosenSex() == Sex::Female ? quality::ChildSex::Girl
                                                                 : quality::ChildSex::Boy;
    });
    ConnectPages();
    SetState(m_state);
}

NamingController::~NamingController() { ShutDown(); }

WaitingWindow* NamingController::waitingWindow() const { return m_waiting; }

void NamingController::ConnectPages() {
    connect(m_pages.modeSelection, &ModeSelectionPage::startRequested, this,
            &NamingController::StartNaming);

    const auto startOn = [this](auto* sender, auto signal, GenerationMode mode) {
        connect(sender, signal, this, [this, mode] { StartRun(mode); });
    };
    startOn(m_pages.highScore, &HighScorePage::startRequested, GenerationMode::HighScore);
    startOn(m_pages.superLucky, &SuperLuckyPage::startRequested, GenerationMode::SuperLucky);
    startOn(m_pages.poem, &PoemNamingPage::startRequested, GenerationMode::Poem);
    startOn(m_pages.combination->generateButton(), &QPushButton::clicked,
            GenerationMode::Combination);
    startOn(m_pages.nickname, &NicknamePage::startRequested, GenerationMode::Nickname);
    startOn(m_pages.english->generateButton(), &QPushButton::clicked, GenerationMode::English);
    startOn(m_pages.classic, &ClassicPage::startRequested, GenerationMode::Classic);
    startOn(m_pages.canon->generateButton(), &QPushButton::clicked, GenerationMode::Canon);
    connect(m_pages.canon, &CanonPage::exportRequested, this,
            [this] { m_exporter->ExportList(*m_pages.canon->list()->model(), kCanonExportFile); });

    for (PauseButton* pause :
         {m_pages.highScore->pauseButton(), m_pages.superLucky->pauseButton()}) {
        connect(pause, &PauseButton::holdRequested, this, [this] { m_services.runs->Hold(); });
        connect(pause, &PauseButton::resumeRequested, this, [this] { m_services.runs->Resume(); });
    }

    connect(m_pages.highScore, &HighScorePage::exportRequested, this, [this] {
        m_exporter->ExportList(*m_pages.highScore->list()->model(), kHighScoreExportFile);
    });
    connect(m_pages.superLucky, &SuperLuckyPage::exportRequested, this, [this] {
        m_exporter->ExportList(*m_pages.superLucky->list()->model(), kSuperLuckyExportFile);
    });
    connect(m_pages.classic, &ClassicPage::exportRequested, this,
            [this] { m_exporter->ExportClassicText(m_pages.classic->namesText()); });

    for (ResultList list : {ResultList::HighScore, ResultList::SuperLucky, ResultList::Poem,
                            ResultList::Combination, ResultList::Nickname, ResultList::Canon})
        connect(ListView(list), &widgets::ResultListView::rowActivated, this,
                [this, list](int row) { OnRowActivated(list, row); });
}

// ---- starting ------------------------------------------------------------------------------

GenerationInputs NamingController::ReadInputs(GenerationMode mode) const {
    const ModeSelectionPage* page = m_pages.modeSelection;
    GenerationInputs inputs;
    inputs.mode = mode;
    inputs.surname = ToGbk(page->surname()->text().trimmed());
    inputs.nameLength = page->ChosenNameLength();
    inputs.sex = page->ChosenSex();
    inputs.superLuckyFilters = m_pages.superLucky->Filters();
    for (const QString& character : m_pages.poem->TickedCharacters())
        inputs.tickedPoemCharacters.push_back(ToGbk(character));
    inputs.combinationText = ToGbk(m_pages.combination->characters()->text());
    inputs.nicknamePatterns = m_pages.nickname->Patterns();
    inputs.englishGivenName = ToGbk(m_pages.english->givenName()->text().trimmed());
    inputs.englishSex = m_pages.english->ChosenStyle();
    // 名字长度 3 to 20 are the boxes' ends: there they set no bound, so the defaults keep every
    // name, however short or long.
    const int shortest = m_pages.english->shortest()->currentText().toInt();
    const int longest = m_pages.english->longest()->currentText().toInt();
    const int lowest = m_pages.english->shortest()->itemText(0).toInt();
    const int highest =
        m_pages.english->longest()->itemText(m_pages.english->longest()->count() - 1).toInt();
    inputs.englishShortest = shortest > lowest ? std::min(shortest, longest) : 0;
    inputs.englishLongest = longest < highest ? std::max(shortest, longest) : 0;
    inputs.generationCharacter = page->generationCharacter();
    if (mode == GenerationMode::HighScore)
        inputs.commonOnly = m_pages.highScore->commonOnly()->isChecked();
    else if (mode == GenerationMode::SuperLucky)
        inputs.commonOnly = m_pages.superLucky->commonOnly()->isChecked();
    inputs.shuffleSeed = m_shuffleSeed;
    // The English names do not use the surname, only its box on their own page; the run's
    // "请输入姓氏" must not answer an empty box on another page.
    if (mode == GenerationMode::English)
        inputs.surname = ToGbk(m_pages.english->surname()->text().trimmed());
    if (mode == GenerationMode::Canon) m_pages.canon->AddInputs(inputs);
    return inputs;
}

void NamingController::StartNaming() {
    ModeSelectionPage* page = m_pages.modeSelection;
    if (page->surname()->text().trimmed().isEmpty()) {
        Tip(QStringLiteral("请输入姓氏!"), MessageIcon::Information);
        return;
    }
    const GenerationMode mode = NamingModes()[size_t(page->ChosenMode())].mode;
    QTabWidget* tabs = m_pages.tabs;
    switch (mode) {
        case GenerationMode::Canon:
            m_pages.canon->list()->model()->Clear();
            tabs->setCurrentWidget(m_pages.canon);
            break;
        case GenerationMode::Classic:
            StartRun(mode);
            break;
        case GenerationMode::Poem:
            m_pages.poem->ListPoets();
            tabs->setCurrentWidget(m_pages.poem);
            break;
        case GenerationMode::HighScore:
            if (m_remembered.ChangedAndRemember(ReadInputs(mode)))
                StartRun(mode);
            else
                tabs->setCurrentWidget(m_pages.highScore);
            break;
        case GenerationMode::Combination:
            m_pages.combination->list()->model()->Clear();
            tabs->setCurrentWidget(m_pages.combination);
            break;
        case GenerationMode::Nickname:
            m_pages.nickname->list()->model()->Clear();
            tabs->setCurrentWidget(m_pages.nickname);
            break;
        case GenerationMode::English:
            m_pages.english->surname()->setText(page->surname()->text().trimmed());
            m_pages.english->list()->model()->Clear();
            tabs->setCurrentWidget(m_pages.english);
            break;
        case GenerationMode::SuperLucky:
            if (m_remembered.ChangedAndRemember(ReadInputs(mode))) {
                // Stop first, then empty: a late row of the old run must not land in the new list.
                StopCurrentRun();
                m_pages.superLucky->list()->model()->Clear();
            }
            tabs->setCurrentWidget(m_pages.superLucky);
            break;
    }
}

// The checks a page makes before its run: what is missing is said, and no run starts.
bool NamingController::ReadyToStart(GenerationMode mode) {
    if (mode == GenerationMode::English) {
        if (m_pages.english->surname()->text().trimmed().isEmpty()) {
            Tip(QStringLiteral("请输入姓氏"), MessageIcon::None);
            return false;
        }
        if (m_pages.english->givenName()->text().trimmed().isEmpty()) {
            Tip(QStringLiteral("请输入名字"), MessageIcon::None);
            return false;
        }
    }
    if (mode == GenerationMode::Canon) {
        const QString missing = m_pages.canon->MissingInput();
        if (!missing.isEmpty()) {
            Tip(missing, MessageIcon::Information);
            return false;
        }
    }
    if (mode == GenerationMode::Combination &&
        m_pages.combination->characters()->text().trimmed().isEmpty()) {
        Tip(QStringLiteral("请输入要组合的字"), MessageIcon::Information);
        return false;
    }
    if (mode == GenerationMode::SuperLucky) {
        // Without a filter group every name would be filtered out: the list stays empty and the
        // parent is told what is missing.
        bool filtered = false;
        for (int group = 0; group < SuperLuckyPage::GroupCount; ++group)
            filtered |= m_pages.superLucky->master(SuperLuckyPage::Group(group))->isChecked();
        if (!filtered) {
            Tip(QStringLiteral("请先设置五行筛选条件"), MessageIcon::Information);
            return false;
        }
    }
    return true;
}

void NamingController::StartRun(GenerationMode mode) {
    if (m_shutDown || !ReadyToStart(mode)) return;
    SqliteDatabase* database = m_services.database ? m_services.database() : nullptr;
    if (!database) return;  // the failed load has told the user already

    const GenerationInputs inputs = ReadInputs(mode);
    if (mode == GenerationMode::HighScore || mode == GenerationMode::SuperLucky)
        m_remembered.ChangedAndRemember(inputs);
    // Stop first, then empty.
    StopCurrentRun();
    ClearListFor(mode);
    // The pages follow the new run at once: until its first report no pause may reach it and
    // no export may take its empty list.
    SetState({RunState::Phase::Running, mode, false, RunOutcome::Complete});
    m_services.runs->Start(inputs, *m_observer, *database);
}

void NamingController::StopCurrentRun() {
    // The stop is reported before Stop returns, after whatever the old run sent before it; once
    // Stop has returned the old run delivers nothing more, and anything still on its way belongs
    // to it and is dropped.
    m_services.runs->Stop();
    QCoreApplication::sendPostedEvents(m_observer, QEvent::MetaCall);
    m_observer->BeginRun();
    CloseWaitingWindow();
}

void NamingController::ClearListFor(GenerationMode mode) {
    const std::optional<ResultList> list = ListOfMode(mode);
    if (!list) return;
    ListView(*list)->model()->Clear();
    m_listSurnames[*list] = m_pages.modeSelection->surname()->text().trimmed();
}

void NamingController::ShutDown() {
    if (m_shutDown) return;
    m_shutDown = true;
    // Nothing of the run reaches the window any more, and a run waiting for a box is released,
    // before the run is stopped.
    m_observer->Cancel();
    if (m_services.runs) m_services.runs->Stop();
    CloseWaitingWindow();
}

// ---- the run's reports ---------------------------------------------------------------------

void NamingController::SetState(const RunState& state) {
    m_state = state;
    m_pages.highScore->SetRunState(state);
    m_pages.superLucky->SetRunState(state);
    m_pages.nickname->SetRunState(state);
    m_pages.canon->SetRunState(state);
    emit runStateChanged(state);
}

void NamingController::RunStarted(GenerationMode mode) {
    if (!m_waiting) m_waiting = new WaitingWindow(m_services.window);
    m_waiting->show();
    switch (mode) {
        case GenerationMode::HighScore:
            m_pages.tabs->setCurrentWidget(m_pages.highScore);
            break;
        case GenerationMode::Poem:
            m_pages.poem->ShowResults();
            break;
        case GenerationMode::Classic:
            m_pages.tabs->setCurrentWidget(m_pages.classic);
            m_pages.classic->SetNames({}, {});
            break;
        default:
            break;
    }
    if (!m_state.IsActiveRunOf(mode))
        SetState({RunState::Phase::Running, mode, false, RunOutcome::Complete});
}

void NamingController::ProgressMade(int done, int total) {
    if (m_waiting) m_waiting->ShowProgress(done, total);
}

void NamingController::AppendRows(ResultList list, std::vector<QStringList> rows) {
    QElapsedTimer timer;
    timer.start();
    const bool first = !rows.empty() && !m_state.rowsShown;
    widgets::ResultListView* view = ListView(list);
    if (!view) return;
    view->model()->AppendRows(std::move(rows));
    m_rowFilingNanoseconds += timer.nsecsElapsed();
    if (first) {
        CloseWaitingWindow();
        RunState state = m_state;
        state.rowsShown = true;
        SetState(state);
    }
}

void NamingController::ReplaceRows(ResultList list, std::vector<QStringList> rows) {
    QElapsedTimer timer;
    timer.start();
    widgets::ResultListView* view = ListView(list);
    if (!view) return;
    widgets::ResultListModel* model = view->model();
    // The rows being replaced are freed on a pool thread: 100000 rows of eight strings take
    // longer to free than the window may stall. The copy only shares them.
    auto replaced = std::make_shared<std::vector<QStringList>>(model->Rows());
    model->SetRows(std::move(rows));
    QThreadPool::globalInstance()->start(
        [replaced = std::move(replaced)]() mutable { replaced.reset(); });
    m_rowFilingNanoseconds += timer.nsecsElapsed();
    CloseWaitingWindow();
}

void NamingController::ClassicTextReady(const std::string& gbkText, const QString& text) {
    m_pages.classic->SetNames(gbkText, text);
    CloseWaitingWindow();
}

void NamingController::RunHeld() {
    RunState state = m_state;
    state.phase = RunState::Phase::Held;
    SetState(state);
}

void NamingController::RunResumed() {
    RunState state = m_state;
    state.phase = RunState::Phase::Running;
    SetState(state);
}

void NamingController::RunFinished(GenerationMode mode, RunOutcome outcome,
                                   const QString& message) {
    CloseWaitingWindow();
    SetState({RunState::Phase::Ended, mode, m_state.rowsShown, outcome});
    if (outcome == RunOutcome::Failed)
        widgets::MessageBoxes::Show(m_services.window, message, QStringLiteral("错误"),
                                    widgets::MessageBoxes::Icon::Error);
}

void NamingController::ShowMessage(const QString& text, const QString& title, MessageIcon icon) {
    widgets::MessageBoxes::Show(m_services.window, text, title, BoxIcon(icon));
}

void NamingController::CloseWaitingWindow() {
    if (m_waiting) m_waiting->close();
}

// ---- helpers -------------------------------------------------------------------------------

void NamingController::Tip(const QString& text, MessageIcon icon) {
    widgets::MessageBoxes::Show(m_services.window, text, kTip, BoxIcon(icon));
}

widgets::ResultListView* NamingController::ListView(ResultList list) const {
    switch (list) {
        case ResultList::HighScore:
            return m_pages.highScore->list();
        case ResultList::SuperLucky:
            return m_pages.superLucky->list();
        case ResultList::Poem:
            return m_pages.poem->list();
        case ResultList::Combination:
            return m_pages.combination->list();
        case ResultList::Nickname:
            return m_pages.nickname->list();
        case ResultList::English:
            return m_pages.english->list();
        case ResultList::Canon:
            return m_pages.canon->list();
    }
    return nullptr;
}

// A generated name is split by the surname its list was made for: the surname box may have
// changed since, and a two-character surname (欧阳) must stay whole.
void NamingController::OnRowActivated(ResultList list, int row) {
    const QStringList& cells = ListView(list)->model()->Row(row);
    const QString name = cells.value(1);
    if (name.isEmpty()) return;
    const QString surname = m_listSurnames[list];
    const QString givenName = name.startsWith(surname) ? name.mid(surname.size()) : name;
    emit nameDetailRequested(surname, givenName, cells, true);
}

}  // namespace generation_ui

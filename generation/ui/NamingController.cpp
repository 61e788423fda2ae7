#include "generation/ui/NamingController.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QItemSelectionModel>
#include <QPainter>
#include <QPushButton>
#include <QTabWidget>
#include <QThreadPool>
#include <QUrl>
#include <algorithm>

#include "generation/NameListExport.h"
#include "generation/RunController.h"
#include "generation/ui/ClassicPage.h"
#include "generation/ui/CombinationPage.h"
#include "generation/ui/EnglishNamePage.h"
#include "generation/ui/GenerationCharacterDialog.h"
#include "generation/ui/HighScorePage.h"
#include "generation/ui/ModeSelectionPage.h"
#include "generation/ui/NamingModes.h"
#include "generation/ui/NicknamePage.h"
#include "generation/ui/PoemPage.h"
#include "generation/ui/SuperLuckyPage.h"
#include "generation/ui/WaitingWindow.h"
#include "namedb/SqliteDatabase.h"
#include "widgets/MessageBoxes.h"
#include "widgets/QtText.h"
#include "widgets/WrittenFileNotice.h"

namespace generation_ui {

using widgets::FromGbk;
using widgets::ToGbk;

namespace {

const QString kTip = QStringLiteral("提示");
const QString kPause = QStringLiteral("暂停");
const QString kContinue = QStringLiteral("继续");

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

std::vector<ResultRow> GbkRows(const widgets::ResultListModel& model) {
    std::vector<ResultRow> rows;
    rows.reserve(model.Rows().size());
    for (const QStringList& cells : model.Rows()) {
        ResultRow row;
        row.reserve(size_t(cells.size()));
        for (const QString& cell : cells) row.push_back(ToGbk(cell));
        rows.push_back(std::move(row));
    }
    return rows;
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
            break;
    }
    return std::nullopt;
}

}  // namespace

NamingController::NamingController(NamingPages pages, NamingServices services, QObject* parent)
    : QObject(parent),
      m_pages(pages),
      m_services(std::move(services)),
      m_observer(new QtGenerationObserver(*this, this)) {
    const QIcon icon = RowIcon();
    for (ResultList list : {ResultList::HighScore, ResultList::SuperLucky, ResultList::Poem,
                            ResultList::Combination, ResultList::Nickname, ResultList::English})
        ListView(list)->model()->SetRowIcon(icon);
    m_pages.poem->poets()->model()->SetRowIcon(icon);
    m_pages.poem->poems()->model()->SetRowIcon(icon);
    ResetGenerationCharacter();
    ConnectPages();
}

NamingController::~NamingController() { ShutDown(); }

GenerationCharacterDialog* NamingController::generationCharacterDialog() const { return m_dialog; }

WaitingWindow* NamingController::waitingWindow() const { return m_waiting; }

void NamingController::ConnectPages() {
    ModeSelectionPage* modes = m_pages.modeSelection;
    connect(modes, &ModeSelectionPage::startRequested, this, &NamingController::StartNaming);
    connect(modes, &ModeSelectionPage::generationCharacterRequested, this,
            &NamingController::OpenGenerationCharacterDialog);

    const std::pair<QPushButton*, GenerationMode> starts[] = {
        {m_pages.highScore->regenerateButton(), GenerationMode::HighScore},
        {m_pages.superLucky->generateButton(), GenerationMode::SuperLucky},
        {m_pages.poem->generateButton(), GenerationMode::Poem},
        {m_pages.combination->generateButton(), GenerationMode::Combination},
        {m_pages.nickname->generateButton(), GenerationMode::Nickname},
        {m_pages.english->generateButton(), GenerationMode::English},
        {m_pages.classic->regenerateButton(), GenerationMode::Classic},
    };
    for (const auto& [button, mode] : starts)
        connect(button, &QPushButton::clicked, this, [this, mode] { StartRun(mode); });

    connect(m_pages.highScore->pauseButton(), &QPushButton::clicked, this,
            [this] { OnPauseClicked(GenerationMode::HighScore); });
    connect(m_pages.superLucky->pauseButton(), &QPushButton::clicked, this,
            [this] { OnPauseClicked(GenerationMode::SuperLucky); });
    connect(m_pages.highScore->exportButton(), &QPushButton::clicked, this,
            &NamingController::ExportHighScore);
    connect(m_pages.superLucky->exportButton(), &QPushButton::clicked, this,
            &NamingController::ExportSuperLucky);
    connect(m_pages.classic->exportButton(), &QPushButton::clicked, this,
            &NamingController::ExportClassic);

    PoemPage* poem = m_pages.poem;
    connect(poem->poets()->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &NamingController::ListPoems);
    connect(poem->usePoemButton(), &QPushButton::clicked, this, &NamingController::UsePoem);

    for (ResultList list : {ResultList::HighScore, ResultList::SuperLucky, ResultList::Poem,
                            ResultList::Combination, ResultList::Nickname})
        connect(ListView(list), &widgets::ResultListView::rowActivated, this,
                [this, list](int row) { OnRowActivated(list, row); });
    connect(ListView(ResultList::English), &widgets::ResultListView::rowActivated, this,
            [this](int row) {
                const QStringList& cells = ListView(ResultList::English)->model()->Row(row);
                if (cells.size() > 1) emit englishNameActivated(cells[1]);
            });
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
    inputs.generationCharacter = m_generationCharacter;
    if (mode == GenerationMode::HighScore)
        inputs.commonOnly = m_pages.highScore->commonOnly()->isChecked();
    else if (mode == GenerationMode::SuperLucky)
        inputs.commonOnly = m_pages.superLucky->commonOnly()->isChecked();
    inputs.shuffleSeed = m_shuffleSeed;
    // The English names do not use the surname, only its box on their own page; the run's
    // "请输入姓氏" must not answer an empty box on another page.
    if (mode == GenerationMode::English)
        inputs.surname = ToGbk(m_pages.english->surname()->text().trimmed());
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
        case GenerationMode::Classic:
            StartRun(mode);
            break;
        case GenerationMode::Poem:
            ListPoets();
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
                m_pages.superLucky->pauseButton()->setText(kPause);
                m_pages.superLucky->generateButton()->setEnabled(true);
            }
            tabs->setCurrentWidget(m_pages.superLucky);
            break;
    }
}

void NamingController::StartRun(GenerationMode mode) {
    if (m_shutDown) return;
    if (mode == GenerationMode::English) {
        if (m_pages.english->surname()->text().trimmed().isEmpty()) {
            Tip(QStringLiteral("请输入姓氏"), MessageIcon::None);
            return;
        }
        if (m_pages.english->givenName()->text().trimmed().isEmpty()) {
            Tip(QStringLiteral("请输入名字"), MessageIcon::None);
            return;
        }
    }
    if (mode == GenerationMode::Combination &&
        m_pages.combination->characters()->text().trimmed().isEmpty()) {
        Tip(QStringLiteral("请输入要组合的字"), MessageIcon::Information);
        return;
    }
    if (mode == GenerationMode::SuperLucky) {
        // Without a filter group every name would be filtered out: the list stays empty and the
        // parent is told what is missing.
        bool filtered = false;
        for (int group = 0; group < SuperLuckyPage::GroupCount; ++group)
            filtered |= m_pages.superLucky->master(SuperLuckyPage::Group(group))->isChecked();
        if (!filtered) {
            Tip(QStringLiteral("请先设置五行筛选条件"), MessageIcon::Information);
            return;
        }
    }
    SqliteDatabase* database = m_services.database ? m_services.database() : nullptr;
    if (!database) return;  // the failed load has told the user already

    const GenerationInputs inputs = ReadInputs(mode);
    if (mode == GenerationMode::HighScore || mode == GenerationMode::SuperLucky)
        m_remembered.ChangedAndRemember(inputs);
    BeginRun(mode);
    m_services.runs->Start(inputs, *m_observer, *database);
}

void NamingController::StopCurrentRun() {
    m_services.runs->Stop();
    // Once Stop has returned the old run delivers nothing more. What it sent before is filed
    // now, so a run that had just finished still leaves its list sorted and its controls given
    // back; whatever the caller empties next is emptied after it. Anything else still on its way
    // belongs to the old run and is dropped.
    QCoreApplication::sendPostedEvents(m_observer, QEvent::MetaCall);
    m_observer->BeginRun();
    CloseWaitingWindow();
}

void NamingController::BeginRun(GenerationMode mode) {
    // Stop first, then empty.
    StopCurrentRun();

    // A new run starts with its pause button ready to pause, whatever an earlier run left.
    m_pages.highScore->pauseButton()->setText(kPause);
    m_pages.superLucky->pauseButton()->setText(kPause);
    // The run disables its page's buttons too, but only once it is under way; until then a
    // pause must not reach it before it has written anything.
    if (mode == GenerationMode::HighScore) {
        m_pages.highScore->pauseButton()->setEnabled(false);
        m_pages.highScore->exportButton()->setEnabled(false);
        m_pages.tabs->setCurrentWidget(m_pages.highScore);
    } else if (mode == GenerationMode::SuperLucky) {
        for (QPushButton* button :
             {m_pages.superLucky->pauseButton(), m_pages.superLucky->generateButton(),
              m_pages.superLucky->exportButton()})
            button->setEnabled(false);
    }
    if (const std::optional<ResultList> list = ListOfMode(mode)) {
        ListView(*list)->model()->Clear();
        m_listSurnames[*list] = m_pages.modeSelection->surname()->text().trimmed();
    }
    m_currentMode = mode;
}

// ---- pause, exit ---------------------------------------------------------------------------

void NamingController::OnPauseClicked(GenerationMode ownMode) {
    const bool highScore = ownMode == GenerationMode::HighScore;
    QPushButton* pause =
        highScore ? m_pages.highScore->pauseButton() : m_pages.superLucky->pauseButton();
    QPushButton* exportButton =
        highScore ? m_pages.highScore->exportButton() : m_pages.superLucky->exportButton();
    // Each button holds only the run of its own page; another mode's run goes on.
    const bool ownRun = m_currentMode == ownMode;
    if (pause->text() == kPause) {
        if (ownRun) m_services.runs->Hold();
        m_services.setControlEnabled(WindowControl::ModeSelection, true);
        exportButton->setEnabled(true);
        pause->setText(kContinue);
    } else {
        if (ownRun) m_services.runs->Resume();
        pause->setText(kPause);
        const auto& modes = NamingModes();
        for (size_t i = 0; i < modes.size(); ++i)
            if (modes[i].mode != ownMode)
                m_pages.modeSelection->modeButtons()[int(i)]->setEnabled(true);
        exportButton->setEnabled(false);
    }
}

void NamingController::ShutDown() {
    if (m_shutDown) return;
    m_shutDown = true;
    if (m_services.runs) m_services.runs->Stop();
    m_observer->Cancel();
    if (m_waiting) m_waiting->close();
}

// ---- 诗词 ------------------------------------------------------------------------------------

void NamingController::ListPoets() {
    SqliteDatabase* database = m_services.database ? m_services.database() : nullptr;
    if (!database) return;
    PoemPage* page = m_pages.poem;
    std::vector<QStringList> rows;
    try {
        const std::vector<std::string> poets = poem_catalog::ListPoets(*database);
        rows.reserve(poets.size());
        for (size_t k = 0; k < poets.size(); ++k)
            rows.push_back({QString::number(k + 1), FromGbk(poets[k])});
    } catch (const DatabaseError& error) {
        Tip(QStringLiteral("读取诗人列表失败：") + FromGbk(error.what()), MessageIcon::Error);
    }
    page->poets()->model()->SetRows(std::move(rows));
    m_pages.tabs->setCurrentWidget(page);
    page->innerTabs()->setCurrentWidget(page->choosePage());
    if (page->poets()->model()->rowCount() > 0)
        page->poets()->selectRow(0);  // lists the first poet's poems
    else
        ListPoems();
}

void NamingController::ListPoems() {
    PoemPage* page = m_pages.poem;
    m_poemTitles.clear();
    m_poemsPoet.clear();
    std::vector<QStringList> rows;
    const int poetRow = page->poets()->SelectedRow();
    SqliteDatabase* database = m_services.database ? m_services.database() : nullptr;
    if (poetRow >= 0 && database) {
        m_poemsPoet = page->poets()->model()->Row(poetRow).value(1);
        try {
            m_poemTitles = poem_catalog::ListPoems(*database, ToGbk(m_poemsPoet));
        } catch (const DatabaseError& error) {
            Tip(QStringLiteral("读取诗词列表失败：") + FromGbk(error.what()), MessageIcon::Error);
        }
        rows.reserve(m_poemTitles.size());
        for (size_t k = 0; k < m_poemTitles.size(); ++k)
            rows.push_back({QString::number(k + 1), FromGbk(m_poemTitles[k].title),
                            QString::number(m_poemTitles[k].id)});  // the Id: not shown
    }
    page->poems()->model()->SetRows(std::move(rows));
    if (page->poems()->model()->rowCount() > 0) page->poems()->selectRow(0);
}

void NamingController::UsePoem() {
    PoemPage* page = m_pages.poem;
    page->RemovePoemCharacters();
    const int row = page->poems()->SelectedRow();
    if (row < 0) {
        Tip(QStringLiteral("请选择一首诗词"), MessageIcon::None);
        return;
    }
    // The number column says which poem of the poet this is, however the user sorted the list.
    const int index = page->poems()->model()->Row(row).value(0).toInt() - 1;
    SqliteDatabase* database = m_services.database ? m_services.database() : nullptr;
    if (index < 0 || size_t(index) >= m_poemTitles.size() || !database) return;
    std::optional<poem_catalog::Poem> poem;
    try {
        poem = poem_catalog::FindPoem(*database, m_poemTitles[size_t(index)], ToGbk(m_poemsPoet));
    } catch (const DatabaseError& error) {
        Tip(QStringLiteral("读取诗词失败：") + FromGbk(error.what()), MessageIcon::Error);
    }
    if (!poem) return;
    std::vector<std::pair<QString, bool>> boxes;
    for (const poem_catalog::PoemCharacter& character : poem_catalog::PoemCharacters(*poem))
        boxes.emplace_back(FromGbk(character.character), character.ticked);
    page->SetPoemCharacters(boxes);
    page->innerTabs()->setCurrentWidget(page->charactersPage());
}

// ---- exports -------------------------------------------------------------------------------

void NamingController::ExportHighScore() {
    ExportList(ResultList::HighScore, kHighScoreExportFile);
}

void NamingController::ExportSuperLucky() {
    ExportList(ResultList::SuperLucky, kSuperLuckyExportFile);
}

void NamingController::ExportList(ResultList list, const char* fileName) {
    const std::filesystem::path file = m_services.exportDirectory / fileName;
    ShowExportResult(ExportNameList(GbkRows(*ListView(list)->model()), file, *m_observer), file);
}

void NamingController::ExportClassic() {
    // The run's own text: the text box would give its lines back with LF instead of CR LF.
    const std::filesystem::path file = m_services.exportDirectory / kClassicExportFile;
    ShowExportResult(ExportClassicText(m_classicText, file, *m_observer), file);
}

void NamingController::ShowExportResult(const files::WriteFileResult& result,
                                        const std::filesystem::path& file) {
    if (result.ok())
        emit exportWritten(QString::fromStdU16String(file.u16string()));
    else
        Tip(QString::fromStdString(result.Message()), MessageIcon::Warning);
}

void NamingController::SetDocumentOpener(std::function<void(const std::filesystem::path&)> opener) {
    m_openDocument = std::move(opener);
}

// ---- 设置辈份 --------------------------------------------------------------------------------

void NamingController::OpenGenerationCharacterDialog() {
    if (m_dialog) return;
    m_dialog = new GenerationCharacterDialog(m_generationCharacter, m_services.window);
    m_dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_dialog, &QDialog::finished, this, [this](int result) {
        GenerationCharacterDialog* dialog = m_dialog;
        if (!dialog) return;
        m_generationCharacter = dialog->Setting();
        // 取消 switches the character off but leaves the mark's colour as it was.
        if (result == QDialog::Accepted) {
            const QColor colour =
                m_generationCharacter.active ? QColor(255, 0, 0) : QColor(96, 96, 96);
            m_pages.modeSelection->generationCharacterMark()->setStyleSheet(
                QStringLiteral("color: %1").arg(colour.name()));
        }
    });
    m_dialog->open();
}

void NamingController::ResetGenerationCharacter() {
    m_generationCharacter = GenerationCharacterSetting{};
    m_pages.modeSelection->generationCharacterMark()->setStyleSheet(
        QStringLiteral("color: %1").arg(QColor(96, 96, 96).name()));
}

// ---- the run's calls -----------------------------------------------------------------------

void NamingController::ShowWaitingWindow() {
    if (!m_waiting) m_waiting = new WaitingWindow(m_services.window);
    m_waiting->show();
}

void NamingController::CloseWaitingWindow() {
    if (m_waiting) m_waiting->close();
}

void NamingController::ShowProgress(int done, int total) {
    if (m_waiting) m_waiting->ShowProgress(done, total);
}

void NamingController::ShowMessage(const QString& text, const QString& title, MessageIcon icon) {
    widgets::MessageBoxes::Show(m_services.window, text, title, BoxIcon(icon));
}

void NamingController::SetControlEnabled(WindowControl control, bool enabled) {
    m_services.setControlEnabled(control, enabled);
    // Every run ends by giving back 模式选择, 点击生成 and 导出列表, in that order; only the end
    // of a run enables 导出列表 through the run.
    if (control == WindowControl::HighScoreExport && enabled) emit runEnded();
}

void NamingController::ShowPage(RunPage page) {
    switch (page) {
        case RunPage::HighScore:
            m_pages.tabs->setCurrentWidget(m_pages.highScore);
            break;
        case RunPage::PoemResults:
            m_pages.poem->innerTabs()->setCurrentWidget(m_pages.poem->resultsPage());
            break;
        case RunPage::Classic:
            m_pages.tabs->setCurrentWidget(m_pages.classic);
            break;
    }
}

void NamingController::AppendRows(ResultList list, std::vector<QStringList> rows) {
    QElapsedTimer timer;
    timer.start();
    ListView(list)->model()->AppendRows(std::move(rows));
    m_rowFilingNanoseconds += timer.nsecsElapsed();
}

void NamingController::ReplaceRows(ResultList list, std::vector<QStringList> rows) {
    QElapsedTimer timer;
    timer.start();
    widgets::ResultListModel* model = ListView(list)->model();
    // The rows being replaced are freed on a pool thread: 100000 rows of eight strings take
    // longer to free than the window may stall. The copy only shares them.
    auto replaced = std::make_shared<std::vector<QStringList>>(model->Rows());
    model->SetRows(std::move(rows));
    QThreadPool::globalInstance()->start(
        [replaced = std::move(replaced)]() mutable { replaced.reset(); });
    m_rowFilingNanoseconds += timer.nsecsElapsed();
}

void NamingController::WriteClassicText(const std::string& gbkText, const QString& text) {
    m_classicText = gbkText;
    m_pages.classic->names()->setPlainText(text);
}

void NamingController::OpenDocument(const std::filesystem::path& file) {
    const QString path = QString::fromStdU16String(file.u16string());
    if (m_openDocument) {
        m_openDocument(file);
        widgets::WrittenFileNotice::Tell(m_services.window, path, false);
        return;
    }
    widgets::WrittenFileNotice::Tell(m_services.window, path, true);
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
    }
    return m_pages.highScore->list();
}

void NamingController::OnRowActivated(ResultList list, int row) {
    const QStringList& cells = ListView(list)->model()->Row(row);
    const QString name = cells.value(1);
    if (name.isEmpty()) return;
    const QString surname = m_listSurnames[list];
    const QString givenName = name.startsWith(surname) ? name.mid(surname.size()) : name;
    emit nameDetailRequested(surname, givenName, cells, true);
}

}  // namespace generation_ui

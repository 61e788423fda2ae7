#include "app/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

#include "app/AboutWindow.h"
#include "app/ProgramSession.h"
#include "app/RecordsPage.h"
#include "app/SettingsKeeper.h"
#include "app/Skins.h"
#include "birthchart/ui/BirthChartPage.h"
#include "files/RemoveLeftovers.h"
#include "generation/ui/CanonPage.h"
#include "generation/ui/ClassicPage.h"
#include "generation/ui/CombinationPage.h"
#include "generation/ui/EnglishNamePage.h"
#include "generation/ui/HighScorePage.h"
#include "generation/ui/ModeSelectionPage.h"
#include "generation/ui/NamingController.h"
#include "generation/ui/NamingModes.h"
#include "generation/ui/NicknamePage.h"
#include "generation/ui/PoemNamingPage.h"
#include "generation/ui/SuperLuckyPage.h"
#include "knowledge/ui/ReadingRoom.h"
#include "numerology/ui/CharacterQueryWindow.h"
#include "numerology/ui/NameCells.h"
#include "numerology/ui/NameDetailOpener.h"
#include "numerology/ui/PageWindow.h"
#include "numerology/ui/ScorePage.h"
#include "quality/NameQualityReport.h"
#include "widgets/FormRows.h"
#include "widgets/MessageBoxes.h"
#include "widgets/QtText.h"

using generation_ui::NamingModes;

namespace {

QPixmap StatusIcon(int index) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor::fromHsv(index * 360 / 7, 150, 210));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(1, 1, 14, 14);
    return pixmap;
}

struct KnowledgeMenu {
    const char* title;
    std::vector<const char*> items;  // an empty string is a separator
};

// The menus of the reading room; every item opens the articles of the category it names.
const std::vector<KnowledgeMenu> kParentingSubmenus = {
    {"育儿百科", {"备孕百科", "孕期百科", "分娩百科", "0-1岁百科", "1-3岁百科", "3-6岁百科"}},
    {"儿童教育",
     {"教育早知道", "胎教", "早教资源", "才艺培养", "游戏玩具", "智力开发", "行为心理",
      "学前教育"}},
    {"营养知识",
     {"母乳喂养", "人工喂养", "补钙攻略", "辅食添加", "营养元素", "食疗保健", "食谱大全",
      "饮食宜忌", "均衡营养"}},
    {"健康讲座",
     {"护理保健", "生长发育", "体格检查", "预防免疫", "成人疾病", "儿科疾病", "药物手册"}},
    {"安全知识",
     {"出行安全", "用品安全", "家居安全", "宠物安全", "医药安全", "食品安全", "幼儿园安全"}},
};
const std::vector<const char*> kFortuneItems = {"起名知识", "", "算命知识", "星座算命", "相术算命",
                                                "血型算命", "", "风水知识", "",         "开运技巧"};

}  // namespace

namespace {

const QString kDatabaseAdvice =
    QStringLiteral("请重新安装本程序，或重建名字数据库（namedata.db）后再启动。");

// What the loader's message (often SQLite's English) means for the user.
QString DatabaseProblem(const QString& detail, const QString& file) {
    const auto has = [&](const char* text) {
        return detail.contains(QString::fromUtf8(text), Qt::CaseInsensitive);
    };
    if (has("no such table") || has("columns but"))
        return QStringLiteral(
            "文件缺少本程序需要的数据表，或数据表与本程序不符（文件是空的、不完整，"
            "或不是本程序的名字数据库）");
    if (has("malformed") || has("not a database") || has("encrypted") || has("corrupt"))
        return QStringLiteral("文件已损坏，或不是名字数据库");
    if (has("是空的")) return QStringLiteral("文件中必需的数据表是空的");
    if (has("附加") || has("无法打开") || has("unable to open")) {
        // SQLite refuses to attach a file that is there and readable when it is no database.
        const QFileInfo info(file);
        if (info.isFile() && info.isReadable())
            return QStringLiteral("文件已损坏，或不是名字数据库");
        return QStringLiteral("文件无法打开（不存在，或没有读取的权限）");
    }
    if (has("内存")) return QStringLiteral("内存不足");
    return QStringLiteral("读取文件时出错");
}

}  // namespace

MainWindow::MainWindow(ProgramSession& session) : QMainWindow(), m_session(session) {
    setWindowTitle(QStringLiteral("禾朗宝宝起名软件"));
    PlaceOnScreen();

    BuildMenus();
    BuildToolbar();
    BuildPages();
    BuildStatusBar();
    ConnectSettings();
    ConnectNameDetail();
    ConnectChartElements();
    ConnectReadingRoom();

    connect(&m_session.loading(), &DatabaseLoading::Failed, this, [this](const QString& message) {
        const QString file =
            QString::fromStdU16String((m_session.dataFolder() / "namedata.db").u16string());
        m_databaseProblem = DatabaseProblem(message, file);
        widgets::MessageBoxes::Show(
            this,
            QStringLiteral("名字数据库不能使用：%1。\n文件：%2\n%3\n详细信息：%4")
                .arg(m_databaseProblem, QDir::toNativeSeparators(file), kDatabaseAdvice, message),
            QString(), widgets::MessageBoxes::Icon::Error);
    });
}

MainWindow::~MainWindow() { ShutDown(); }

void MainWindow::BuildPages() {
    m_modeSelection = new generation_ui::ModeSelectionPage;
    m_highScore = new generation_ui::HighScorePage;
    m_poem = new generation_ui::PoemNamingPage;
    m_combination = new generation_ui::CombinationPage;
    m_nickname = new generation_ui::NicknamePage;
    m_english = new generation_ui::EnglishNamePage;
    m_birthChart = new birthchart_ui::BirthChartPage;
    m_score = new numerology_ui::ScorePage;
    m_records = new RecordsPage;
    m_superLucky = new generation_ui::SuperLuckyPage;
    m_classic = new generation_ui::ClassicPage;
    m_canon = new generation_ui::CanonPage;

    m_pages = new QTabWidget;
    m_pages->setObjectName(QStringLiteral("高级选择夹1"));
    const std::pair<QWidget*, const char*> pages[] = {
        {m_modeSelection, "模式选择"}, {m_highScore, "高分模式"}, {m_poem, "诗词起名"},
        {m_combination, "组合起名"},   {m_nickname, "起小名"},    {m_english, "起英文名"},
        {m_birthChart, "生辰八字"},    {m_score, "姓名评分"},     {m_records, "起名记录"},
        {m_superLucky, "超吉模式"},    {m_classic, "经典模式"},   {m_canon, "典籍起名"},
    };
    for (const auto& [page, caption] : pages) m_pages->addTab(page, QString::fromUtf8(caption));

    setCentralWidget(widgets::BelowRule(m_pages, 3));

    connect(m_modeSelection, &generation_ui::ModeSelectionPage::modeClicked, this,
            &MainWindow::SetModeStatus);
    ConnectNaming();
}

// Starting, pausing and exporting the naming runs belongs to the naming controller; the pages
// switch their own buttons from the run's state, the window only its 模式选择.
void MainWindow::ConnectNaming() {
    generation_ui::NamingPages pages{m_modeSelection, m_highScore, m_superLucky, m_poem,
                                     m_combination,   m_nickname,  m_english,    m_classic,
                                     m_canon,         m_pages};
    generation_ui::NamingServices services{&m_session.runs(), [this] { return NeededDatabase(); },
                                           m_session.exportFolder(), this};
    m_naming = new generation_ui::NamingController(pages, std::move(services), this);
    connect(m_naming, &generation_ui::NamingController::runStateChanged, this,
            &MainWindow::FollowRunState);
}

// 模式选择 (toolbar button and menu item) rests while a run goes on; a held run gives it back.
void MainWindow::FollowRunState(const generation_ui::RunState& state) {
    const bool enabled = !state.IsActive() || state.IsHeld();
    navigationAction(Destination::ModeSelection)->setEnabled(enabled);
    m_navigationMenuItems[int(Destination::ModeSelection)]->setEnabled(enabled);
}

// Each page keeps its own saved values; the records reach the disk the moment they change, so a
// crash or a power cut loses none, and the inputs go along with them.
void MainWindow::ConnectSettings() {
    m_settings = new SettingsKeeper(m_session.settings(),
                                    {this, m_modeSelection, m_highScore, m_superLucky,
                                     m_combination, m_english, m_score, m_records},
                                    this);
    connect(m_records, &RecordsPage::recordsChanged, m_settings, &SettingsKeeper::SaveSettings);
}

void MainWindow::BuildMenus() {
    QMenu* operations = menuBar()->addMenu(QStringLiteral("操作菜单[&C]"));
    const char* navigation[] = {"模式选择", "生辰八字", "姓名评分", "爱名列表", "新华字典"};
    for (int i = 0; i < 5; ++i) {
        QAction* action = operations->addAction(QString::fromUtf8(navigation[i]));
        connect(action, &QAction::triggered, this, [this, i] { Navigate(Destination(i)); });
        m_navigationMenuItems << action;
    }
    operations->addSeparator();
    m_exitAction = operations->addAction(QStringLiteral("退出程序"));
    connect(m_exitAction, &QAction::triggered, this, &QWidget::close);

    QMenu* parenting = menuBar()->addMenu(QStringLiteral("育儿知识[&Y]"));
    // Every item of the two knowledge menus opens the articles of the category it names.
    auto addCategory = [this](QMenu* menu, const char* category, const char* table) {
        QAction* action = menu->addAction(QString::fromUtf8(category));
        action->setObjectName(QStringLiteral("菜单_") + QString::fromUtf8(category));
        connect(action, &QAction::triggered, this,
                [this, table = QString::fromUtf8(table), category = QString::fromUtf8(category)] {
                    ShowArticles(table, category);
                });
    };
    auto addSubmenu = [&](const KnowledgeMenu& submenu) {
        QMenu* menu = parenting->addMenu(QString::fromUtf8(submenu.title));
        for (const char* item : submenu.items) addCategory(menu, item, "育儿百科");
    };
    addSubmenu(kParentingSubmenus[0]);
    parenting->addSeparator();
    addCategory(parenting, "孕育指南", "育儿百科");
    parenting->addSeparator();
    for (size_t i = 1; i < kParentingSubmenus.size(); ++i) addSubmenu(kParentingSubmenus[i]);

    QMenu* fortune = menuBar()->addMenu(QStringLiteral("算命风水[&S]"));
    for (const char* item : kFortuneItems) {
        if (*item == '\0')
            fortune->addSeparator();
        else
            addCategory(fortune, item, "算命风水");
    }

    QMenu* help = menuBar()->addMenu(QStringLiteral("帮助[&H]"));
    m_skinAction = help->addAction(QStringLiteral("更换皮肤"));
    connect(m_skinAction, &QAction::triggered, this, &MainWindow::ChangeSkin);
    m_helpAction = help->addAction(QStringLiteral("使用帮助"));
    connect(m_helpAction, &QAction::triggered, this, &MainWindow::OpenHelp);
    help->addSeparator();
    connect(help->addAction(QStringLiteral("关于软件")), &QAction::triggered, this,
            &MainWindow::OpenAbout);
}

void MainWindow::BuildToolbar() {
    m_toolbar = addToolBar(QStringLiteral("导航"));
    m_toolbar->setObjectName(QStringLiteral("工具条1"));
    m_toolbar->setMovable(false);
    m_toolbar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    const std::pair<const char*, QStyle::StandardPixmap> buttons[] = {
        {"模式选择", QStyle::SP_FileDialogDetailedView},
        {"生辰八字", QStyle::SP_FileDialogInfoView},
        {"姓名评分", QStyle::SP_DialogApplyButton},
        {"爱名列表", QStyle::SP_FileDialogListView},
        {"新华字典", QStyle::SP_FileDialogContentsView},
    };
    for (int i = 0; i < 5; ++i) {
        QAction* action = m_toolbar->addAction(style()->standardIcon(buttons[i].second),
                                               QString::fromUtf8(buttons[i].first));
        action->setObjectName(QStringLiteral("工具条按钮%1").arg(i * 2));
        connect(action, &QAction::triggered, this, [this, i] { Navigate(Destination(i)); });
        m_navigationActions << action;
        m_toolbar->addSeparator();
    }
}

void MainWindow::BuildStatusBar() {
    statusBar()->setObjectName(QStringLiteral("状态条1"));
    m_statusIcon = new QLabel;
    m_statusText = new QLabel;
    m_statusText->setAccessibleName(QStringLiteral("起名模式说明"));
    statusBar()->addWidget(m_statusIcon);
    statusBar()->addWidget(m_statusText, 1);
}

QSize MainWindow::DefaultSize(const QRect& available) {
    return {std::min(1000, available.width() - 40), std::min(700, available.height() - 40)};
}

// The first start: large enough for the lists to show a good many names, in the middle of the
// screen. Later starts take the place and size the window was left at.
void MainWindow::PlaceOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const QSize size = DefaultSize(available);
    resize(size);
    move(available.center() - QPoint(size.width() / 2, size.height() / 2));
}

void MainWindow::RestoreSettings(const SavedSettings& settings) {
    if (!settings.windowGeometry.empty())
        restoreGeometry(QByteArray::fromBase64(QByteArray::fromStdString(settings.windowGeometry)));
}

void MainWindow::StoreSettings(SavedSettings& settings) const {
    settings.windowGeometry = saveGeometry().toBase64().toStdString();
}

void MainWindow::StartUp() {
    m_skins.Start();
    // The saved inputs first: the window opens where it was left.
    m_settings->LoadSettings();
    show();
    m_modeSelection->birthDate()->Reset();
    m_birthChart->SetNamingDateSource([this] { return m_modeSelection->birthDate()->Texts(); });
    m_birthChart->Query();
    SetModeStatus(0);
    // Working folders of runs that were killed (the pronunciation's sounds).
    files::RemoveLeftoverWorkFolders(QDir::tempPath().toStdU16String(), "babyname");
    m_session.StartLoading();
}

void MainWindow::SetModeStatus(int modeIndex) {
    const generation_ui::NamingMode& mode = NamingModes()[size_t(modeIndex)];
    m_statusIconIndex = mode.statusIcon;
    m_statusIcon->setPixmap(StatusIcon(mode.statusIcon));
    m_statusText->setText(QString::fromUtf8(mode.statusText));
}

QString MainWindow::statusText() const { return m_statusText->text(); }

void MainWindow::Navigate(Destination destination) {
    switch (destination) {
        case Destination::ModeSelection:
            m_pages->setCurrentWidget(m_modeSelection);
            break;
        case Destination::BirthChart: {
            QStringList date = m_modeSelection->birthDate()->Texts();
            m_birthChart->SetNamingDate(date.mid(0, 4));
            m_birthChart->ownDate()->Reset();
            m_pages->setCurrentWidget(m_birthChart);
            break;
        }
        case Destination::Score:
            m_score->surname()->setText(m_modeSelection->surname()->text());
            m_score->birthDate()->Reset();
            m_pages->setCurrentWidget(m_score);
            break;
        case Destination::Records:
            m_pages->setCurrentWidget(m_records);
            break;
        case Destination::Dictionary: {
            // Modal over the main window, but shown rather than run in a loop of its own, so
            // nothing waits on it at exit.
            auto* dictionary = new numerology_ui::CharacterQueryWindow(
                [this] { return NeededDatabase(); }, m_session.pagesFolder(), this);
            dictionary->setAttribute(Qt::WA_DeleteOnClose);
            dictionary->setWindowModality(Qt::ApplicationModal);
            dictionary->show();
            break;
        }
    }
}

void MainWindow::ChangeSkin() { m_skins.Step(); }

void MainWindow::ConnectNameDetail() {
    m_nameDetail = new numerology_ui::NameDetailOpener([this] { return NeededDatabase(); },
                                                       m_session.pagesFolder(), this);
    m_score->SetDatabase([this] { return NeededDatabase(); }, m_session.pagesFolder());
    // The naming controller knows the surname of the run that made each list and splits the
    // generated names with it.
    connect(m_naming, &generation_ui::NamingController::nameDetailRequested, m_nameDetail,
            &numerology_ui::NameDetailOpener::OpenRequested);
    m_nameDetail->ConnectRecordedNameList(m_score->list());
    m_nameDetail->ConnectRecordedNameList(m_records->list());
    // AddRecord: a generated name whose report was opened joins the records once.
    connect(m_nameDetail, &numerology_ui::NameDetailOpener::recordRequested, m_records,
            &RecordsPage::AddRecord);
}

// The birth chart feeds the naming: 按八字选五行 on the 超吉 page takes the two elements the last
// chart asks for, and the 名字品质 page holds a name against them once the parent has seen it.
void MainWindow::ConnectChartElements() {
    connect(m_superLucky, &generation_ui::SuperLuckyPage::chartElementsRequested, this, [this] {
        const std::optional<birthchart::ElementStrength>& strength =
            m_birthChart->elementStrength();
        if (!strength) {
            widgets::MessageBoxes::Show(this, QStringLiteral("请先在“生辰八字”页查询宝宝的八字"),
                                        QStringLiteral("提示"),
                                        widgets::MessageBoxes::Icon::Information);
            return;
        }
        m_superLucky->SelectGivenNameElements(
            {widgets::FromGbk(birthchart::elementName(strength->favourable[0])),
             widgets::FromGbk(birthchart::elementName(strength->favourable[1]))});
        statusBar()->showMessage(widgets::FromGbk(birthchart::favourableSummary(*strength)));
    });
    m_nameDetail->SetQualityPageMaker([this](SqliteDatabase& db, const NameEvaluation& evaluation,
                                             const std::string& surname,
                                             const std::string& givenName) {
        const std::optional<birthchart::ElementStrength>& strength =
            m_birthChart->elementStrength();
        const std::string favourable = strength && m_birthChart->chartSeen()
                                           ? birthchart::elementName(strength->favourable[0]) +
                                                 birthchart::elementName(strength->favourable[1])
                                           : std::string();
        const quality::NameQuality found =
            quality::NameQualityOf(db, evaluation, surname, givenName, favourable);
        return numerology_ui::NameQualityParts{quality::NameQualityPage(found), found.sense};
    });
}

SqliteDatabase* MainWindow::NeededDatabase() {
    if (SqliteDatabase* db = m_session.database()) return db;
    QString text = QStringLiteral("名字数据库没有载入，这项功能不能使用");
    if (!m_databaseProblem.isEmpty()) text += QStringLiteral("（%1）").arg(m_databaseProblem);
    widgets::MessageBoxes::Show(this, text + QStringLiteral("。\n") + kDatabaseAdvice,
                                QStringLiteral("提示"), widgets::MessageBoxes::Icon::Warning);
    return nullptr;
}

void MainWindow::OpenHelp() {
    auto* manual = new numerology_ui::PageWindow(QStringLiteral("使用帮助"), this);
    if (manual->ShowUtf8PageFile(m_session.helpFolder() / u"用户手册.html"))
        manual->show();
    else
        delete manual;
}

void MainWindow::OpenAbout() { (new AboutWindow)->show(); }

void MainWindow::ShowArticles(const QString& table, const QString& category) {
    m_readingRoom->ShowArticleCategory(table, category);
}

void MainWindow::ConnectReadingRoom() {
    m_readingRoom = new knowledge_ui::ReadingRoom(
        {[this] { return NeededDatabase(); }, m_session.pagesFolder(),
         knowledge_ui::ReadPronunciationSettings(m_session.dataFolder())},
        this);
    m_readingRoom->AttachPoemLists(m_poem->poets(), m_poem->poems(), m_poem->poemView());
    m_readingRoom->AttachEnglishNames(m_english->list());
    connect(m_readingRoom->pronunciation(), &knowledge_ui::Pronunciation::statusMessage,
            statusBar(), [this](const QString& text) { statusBar()->showMessage(text, 10000); });
}

void MainWindow::ShutDown() {
    // The naming first: it releases a run that waits for a message box, so the session's stop
    // of the runs never waits on a box.
    if (m_naming) m_naming->ShutDown();
    m_session.ShutDown();
    m_settings->SaveSettings();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    ShutDown();
    event->accept();
    QApplication::quit();
}

#include "app/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QUrl>

#include "app/AboutWindow.h"
#include "app/MainPages.h"
#include "app/MessageBoxes.h"
#include "app/Skins.h"

namespace {

// Status texts of the naming modes, in the order of MainPages::ModeRadioNames(), with the
// status-bar icon each mode shows.
struct ModeStatus {
    int icon;
    const char* text;
};
const ModeStatus kModeStatus[] = {
    {0, "高速生成,以好听为主,不考虑名字的五行数理等因素"},
    {1, "1-20秒内生成10000个90分以上的高分姓名"},
    {6, "系统将在1000万个名字中提取超吉名字,起名时间较长,并且不考虑单字名"},
    {2, "使用近3000位诗人的数十万诗词进行组合起名"},
    {3, "使用您自定义的字进行组合起名"},
    {4, "小名即为乳名,以好听为主,侧重好记好听顺口,评分不用考虑"},
    {5, "有了中文名之后,还应该给宝宝起个英文名字,向国际化接轨"},
};

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

MainWindow::MainWindow(DatabaseLoading::LoadFunction loadDatabase)
    : m_loadDatabase(std::move(loadDatabase)), m_loading(new DatabaseLoading(this)) {
    setWindowTitle(QStringLiteral("禾朗宝宝起名软件"));
    move(50, 50);
    resize(729, 513);

    BuildMenus();
    BuildToolbar();
    m_pages = new QTabWidget;
    m_pages->setObjectName(QStringLiteral("高级选择夹1"));
    MainPages::AddAllPages(m_pages);
    setCentralWidget(m_pages);
    BuildStatusBar();
    ConnectShellControls();

    connect(m_loading, &DatabaseLoading::Failed, this, [this](const QString& message) {
        MessageBoxes::Show(this, message, QString(), MessageBoxes::Icon::Error);
    });
}

MainWindow::~MainWindow() {
    if (!m_shutDown) ShutDown();
}

void MainWindow::BuildMenus() {
    QMenu* operations = menuBar()->addMenu(QStringLiteral("操作菜单[&C]"));
    const char* navigation[] = {"模式选择", "生辰八字", "姓名评分", "爱名列表", "新华字典"};
    for (int i = 0; i < 5; ++i) {
        QAction* action = operations->addAction(QString::fromUtf8(navigation[i]));
        connect(action, &QAction::triggered, this, [this, i] { Navigate(i * 2); });
    }
    operations->addSeparator();
    connect(operations->addAction(QStringLiteral("退出程序")), &QAction::triggered, this,
            &QWidget::close);

    QMenu* parenting = menuBar()->addMenu(QStringLiteral("育儿知识[&Y]"));
    auto addCategory = [this](QMenu* menu, const char* category, const char* table) {
        QAction* action = menu->addAction(QString::fromUtf8(category));
        action->setData(QStringList{QString::fromUtf8(table), QString::fromUtf8(category)});
        action->setObjectName(QStringLiteral("菜单_") + QString::fromUtf8(category));
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
    connect(help->addAction(QStringLiteral("更换皮肤")), &QAction::triggered, this,
            &MainWindow::ChangeSkin);
    connect(help->addAction(QStringLiteral("使用帮助")), &QAction::triggered, this,
            &MainWindow::OpenHelp);
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
        connect(action, &QAction::triggered, this, [this, i] { Navigate(i * 2); });
        m_toolbar->addSeparator();
    }
}

void MainWindow::BuildStatusBar() {
    statusBar()->setObjectName(QStringLiteral("状态条1"));
    m_statusIcon = new QLabel;
    m_statusText = new QLabel;
    statusBar()->addWidget(m_statusIcon);
    statusBar()->addWidget(m_statusText, 1);
}

void MainWindow::ConnectShellControls() {
    const QStringList& modes = MainPages::ModeRadioNames();
    for (int i = 0; i < modes.size(); ++i)
        connect(Control<QRadioButton>(modes[i]), &QRadioButton::clicked, this,
                [this, i] { SetModeStatus(i); });

    for (const char* name : {"选择框_第二个字五行限定", "选择框_第三个字五行限定",
                             "选择框_所有字必带五行", "选择框_所有字不能带五行"}) {
        auto* master = Control<QCheckBox>(QString::fromUtf8(name));
        connect(master, &QCheckBox::clicked, this,
                [this, master] { OnMasterFilterClicked(master); });
    }
    connect(Control<QPushButton>(QStringLiteral("按钮_高分暂停")), &QPushButton::clicked, this,
            [this] { OnPauseClicked(false); });
    connect(Control<QPushButton>(QStringLiteral("按钮_超吉暂停")), &QPushButton::clicked, this,
            [this] { OnPauseClicked(true); });
}

void MainWindow::StartUp() {
    Skins::Apply(Skins::kStartupSkin);
    show();
    m_skinNumber = 1;
    FillDateBoxes({QStringLiteral("组合框_年份"), QStringLiteral("组合框_月份"),
                   QStringLiteral("组合框_日子"), QStringLiteral("组合框_时间"),
                   QStringLiteral("组合框_分钟")},
                  true);
    SetModeStatus(0);
    m_loading->Start(m_loadDatabase);
}

void MainWindow::FillDateBoxes(const QStringList& names, bool withMinutes) {
    const std::pair<int, int> ranges[] = {{1970, 2030}, {1, 12}, {1, 31}, {0, 23}, {0, 59}};
    for (int i = 0; i < names.size() && i < (withMinutes ? 5 : 4); ++i) {
        auto* box = Control<QComboBox>(names[i]);
        box->clear();
        for (int n = ranges[i].first; n <= ranges[i].second; ++n) box->addItem(QString::number(n));
        box->setCurrentIndex(i == 0 ? 2013 - 1970 : 0);
    }
}

void MainWindow::SetModeStatus(int modeIndex) {
    const ModeStatus& status = kModeStatus[modeIndex];
    m_statusIconIndex = status.icon;
    m_statusIcon->setPixmap(StatusIcon(status.icon));
    m_statusText->setText(QString::fromUtf8(status.text));
}

QString MainWindow::statusText() const { return m_statusText->text(); }

void MainWindow::Navigate(int index) {
    switch (index) {
        case 0:
            m_pages->setCurrentIndex(0);
            break;
        case 2: {
            auto text = [this](const char* name) {
                return Control<QComboBox>(QString::fromUtf8(name))->currentText();
            };
            Control<QLabel>(QStringLiteral("透明标签_起名日期"))
                ->setText(text("组合框_年份") + QStringLiteral("年") + text("组合框_月份") +
                          QStringLiteral("月") + text("组合框_日子") + QStringLiteral("日") +
                          text("组合框_时间") + QStringLiteral("时"));
            FillDateBoxes({QStringLiteral("组合框_八字年份"), QStringLiteral("组合框_八字月份"),
                           QStringLiteral("组合框_八字日子"), QStringLiteral("组合框_八字时间")},
                          false);
            m_pages->setCurrentIndex(6);
            break;
        }
        case 4:
            Control<QLineEdit>(QStringLiteral("编辑框_评分姓氏"))
                ->setText(Control<QLineEdit>(QStringLiteral("编辑框_姓氏"))->text());
            FillDateBoxes({QStringLiteral("组合框_评分年份"), QStringLiteral("组合框_评分月份"),
                           QStringLiteral("组合框_评分日子"), QStringLiteral("组合框_评分时间"),
                           QStringLiteral("组合框_评分分钟")},
                          true);
            m_pages->setCurrentIndex(7);
            break;
        case 6:
            m_pages->setCurrentIndex(8);
            break;
        case 8:
            // The character-query dialog opens here once the dictionary is part of the program.
            break;
        default:
            break;
    }
}

void MainWindow::OnMasterFilterClicked(QCheckBox* master) {
    // The position group (second, third character) and the all-characters group exclude each
    // other; the two masters of one group may be checked together.
    struct Master {
        const char* name;
        const char* sibling;
        int elementSuffix;
        bool positionGroup;
    };
    static const Master masters[] = {
        {"选择框_第二个字五行限定", "选择框_第三个字五行限定", 0, true},
        {"选择框_第三个字五行限定", "选择框_第二个字五行限定", 1, true},
        {"选择框_所有字必带五行", "选择框_所有字不能带五行", 2, false},
        {"选择框_所有字不能带五行", "选择框_所有字必带五行", 3, false},
    };
    const Master* clicked = nullptr;
    for (const Master& m : masters)
        if (master->objectName() == QString::fromUtf8(m.name)) clicked = &m;
    if (!clicked) return;

    QList<QCheckBox*> others;
    for (const Master& m : masters)
        if (m.positionGroup != clicked->positionGroup)
            others << Control<QCheckBox>(QString::fromUtf8(m.name));
    QList<QCheckBox*> elements;
    for (const char* element : {"金", "木", "水", "火", "土"})
        elements << Control<QCheckBox>(QStringLiteral("选择框_") + QString::fromUtf8(element) +
                                       QString::number(clicked->elementSuffix));

    if (master->isChecked()) {
        for (QCheckBox* other : others) {
            other->setEnabled(false);
            other->setChecked(false);
        }
        for (QCheckBox* element : elements) element->setEnabled(true);
    } else {
        if (!Control<QCheckBox>(QString::fromUtf8(clicked->sibling))->isChecked())
            for (QCheckBox* other : others) other->setEnabled(true);
        for (QCheckBox* element : elements) element->setEnabled(false);
    }
}

void MainWindow::OnPauseClicked(bool superLuckyPage) {
    auto* pause = Control<QPushButton>(superLuckyPage ? QStringLiteral("按钮_超吉暂停")
                                                      : QStringLiteral("按钮_高分暂停"));
    auto* exportButton = Control<QPushButton>(superLuckyPage ? QStringLiteral("按钮_超吉导出")
                                                             : QStringLiteral("按钮_高分导出"));
    if (pause->text() == QStringLiteral("暂停")) {
        m_generationRuns.Hold();
        m_toolbar->actions().first()->setEnabled(true);
        exportButton->setEnabled(true);
        pause->setText(QStringLiteral("继续"));
    } else {
        m_generationRuns.Resume();
        pause->setText(QStringLiteral("暂停"));
        const QString ownMode =
            superLuckyPage ? QStringLiteral("单选框_超吉起名") : QStringLiteral("单选框_高分起名");
        for (const QString& name : MainPages::ModeRadioNames())
            if (name != ownMode) Control<QRadioButton>(name)->setEnabled(true);
        exportButton->setEnabled(false);
    }
}

void MainWindow::ChangeSkin() {
    if (m_skinNumber <= Skins::kCount) Skins::Apply(m_skinNumber);
    if (m_skinNumber <= Skins::kCount) ++m_skinNumber;
}

void MainWindow::OpenHelp() {
    QString manual = (QCoreApplication::applicationDirPath() + QStringLiteral("/Help")) +
                     QStringLiteral("/用户手册.mht");
    if (QFileInfo::exists(manual)) QDesktopServices::openUrl(QUrl::fromLocalFile(manual));
}

void MainWindow::OpenAbout() { (new AboutWindow)->show(); }

void MainWindow::ShutDown() {
    if (m_shutDown) return;
    m_shutDown = true;
    // A run still going (held or not) is stopped; it ends at its next step and its unfinished
    // results are dropped.
    m_generationRuns.ShutDown(true);
    // The loading thread writes into the database; it must be done before the database closes.
    m_loading->Wait();
    WindowDatabase().Close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    ShutDown();
    event->accept();
    QApplication::quit();
}

#include "app/MainPages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "app/TextTableModel.h"

namespace MainPages {
namespace {

template <typename Widget>
Widget* Named(Widget* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

QPushButton* Button(const QString& name, const QString& caption) {
    return Named(new QPushButton(caption), name);
}

QComboBox* Combo(const QString& name, const QStringList& items = {}) {
    auto* combo = Named(new QComboBox, name);
    combo->addItems(items);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return combo;
}

// A report list inside its group box with the hint caption.
QGroupBox* NameList(const QString& name, const QStringList& columns,
                    const QString& hint = QStringLiteral("姓名列表(双击姓名可查看详细解释)")) {
    auto* group = new QGroupBox(hint);
    auto* view = Named(new QTableView, name);
    view->setModel(new TextTableModel(columns, view));
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSortingEnabled(true);
    view->verticalHeader()->hide();
    view->horizontalHeader()->setStretchLastSection(true);
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(view);
    return group;
}

QStringList Numbers(int from, int to) {
    QStringList items;
    for (int n = from; n <= to; ++n) items << QString::number(n);
    return items;
}

// A caption followed by its text box.
QLineEdit* AddLabeledEdit(QHBoxLayout* row, const QString& caption, const QString& name,
                          int width) {
    row->addWidget(new QLabel(caption));
    auto* edit = Named(new QLineEdit, name);
    edit->setFixedWidth(width);
    row->addWidget(edit);
    return edit;
}

// Radio buttons given as {objectName, caption} pairs; the first one starts checked.
void AddRadioButtons(QHBoxLayout* row,
                     std::initializer_list<std::pair<const char*, const char*>> radios) {
    bool first = true;
    for (const auto& [name, caption] : radios) {
        auto* radio = Named(new QRadioButton(QString::fromUtf8(caption)), QString::fromUtf8(name));
        radio->setChecked(first);
        first = false;
        row->addWidget(radio);
    }
}

// Date selectors given as {objectName, unit} pairs, each followed by its unit (年, 月, ...).
void AddDateBoxes(QHBoxLayout* row,
                  std::initializer_list<std::pair<const char*, const char*>> boxes) {
    for (const auto& [name, unit] : boxes) {
        row->addWidget(Combo(QString::fromUtf8(name)));
        row->addWidget(new QLabel(QString::fromUtf8(unit)));
    }
}

QWidget* ModeSelectionPage() {
    auto* page = new QWidget;
    auto* group = Named(new QGroupBox(QStringLiteral("宝宝信息：")), "分组框1");
    auto* row = new QHBoxLayout(group);
    AddLabeledEdit(row, QStringLiteral("姓氏:"), "编辑框_姓氏", 48)->setMaxLength(2);
    row->addWidget(new QLabel(QStringLiteral("性别:")));
    row->addWidget(Combo("组合框_性别", {QStringLiteral("男"), QStringLiteral("女")}));
    row->addWidget(new QLabel(QStringLiteral("名字个数:")));
    auto* length = Combo("组合框_名字个数", {QStringLiteral("一字"), QStringLiteral("二字")});
    row->addWidget(length);
    auto* generationMark = Named(new QLabel(QStringLiteral("▽")), "标签_设置辈份");
    generationMark->setToolTip(QStringLiteral("设置辈份"));
    generationMark->setCursor(Qt::PointingHandCursor);
    row->addWidget(generationMark);
    row->addSpacing(6);
    row->addWidget(new QLabel(QStringLiteral("出生日期(公历):")));
    AddDateBoxes(row, {{"组合框_年份", "年"},
                       {"组合框_月份", "月"},
                       {"组合框_日子", "日"},
                       {"组合框_时间", "时"},
                       {"组合框_分钟", "分"}});
    row->addStretch();

    auto* area = Named(new QLabel, "透明标签11");
    area->setMinimumHeight(120);
    area->setAlignment(Qt::AlignCenter);
    area->setText(
        QStringLiteral("<p style='font-size:16pt'>为宝宝起一个好名字</p>"
                       "<p>填写姓氏、性别和名字个数，选择一种起名模式，然后点击“开始起名”。</p>"));

    auto* modes = new QHBoxLayout;
    modes->addWidget(new QLabel(QStringLiteral("请选择起名模式:")));
    const QStringList captions = {QStringLiteral("经典起名"), QStringLiteral("高分起名"),
                                  QStringLiteral("超吉起名"), QStringLiteral("诗词起名"),
                                  QStringLiteral("组合起名"), QStringLiteral("起小名"),
                                  QStringLiteral("起英文名")};
    for (int i = 0; i < captions.size(); ++i) {
        auto* radio = Named(new QRadioButton(captions[i]), ModeRadioNames()[i]);
        radio->setChecked(i == 0);
        modes->addWidget(radio);
    }
    modes->addStretch();
    modes->addWidget(Button("按钮_起名", QStringLiteral("开始起名")));

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(group);
    layout->addWidget(area, 1);
    layout->addLayout(modes);
    return page;
}

QWidget* HighScorePage() {
    auto* page = new QWidget;
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button("按钮_高分暂停", QStringLiteral("暂停")));
    buttons->addWidget(Button("按钮_再生成一次", QStringLiteral("不满意?再生成一次")));
    buttons->addWidget(Button("按钮_高分导出", QStringLiteral("导出列表")));
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(NameList("超级列表框_高分起名", NameListColumns()), 1);
    layout->addLayout(buttons);
    return page;
}

QWidget* PoemPage() {
    auto* page = new QWidget;
    auto* inner = Named(new QTabWidget, "高级选择夹2");

    auto* choose = new QWidget;
    auto* chooseLayout = new QGridLayout(choose);
    chooseLayout->addWidget(new QLabel(QStringLiteral("① 选择诗人")), 0, 0);
    chooseLayout->addWidget(new QLabel(QStringLiteral("② 选择诗词")), 0, 1);
    chooseLayout->addWidget(new QLabel(QStringLiteral("③ 使用本诗词,点击按钮")), 0, 2);
    auto* poets = NameList("超级列表框_诗人列表", {QStringLiteral("编号"), QStringLiteral("诗人")},
                           QStringLiteral("诗人"));
    auto* poems =
        NameList("超级列表框_诗词残", {QStringLiteral("编号"), QStringLiteral("诗词标题")},
                 QStringLiteral("诗词"));
    chooseLayout->addWidget(poets, 1, 0);
    chooseLayout->addWidget(poems, 1, 1);
    chooseLayout->addWidget(Named(new QTextBrowser, "网页浏览框2"), 1, 2);
    chooseLayout->addWidget(Button("按钮2", QStringLiteral("使用此诗词")), 2, 2);
    chooseLayout->setColumnStretch(2, 2);

    auto* pick = new QWidget;
    auto* pickLayout = new QVBoxLayout(pick);
    auto* characters = Named(new QGroupBox(QStringLiteral("诗词中的字")), "分组框_诗词字符");
    characters->setMinimumHeight(220);
    pickLayout->addWidget(characters, 1);
    auto* pickButtons = new QHBoxLayout;
    pickButtons->addWidget(Button("按钮3", QStringLiteral("全选")));
    pickButtons->addWidget(Button("按钮4", QStringLiteral("全清")));
    pickButtons->addWidget(Button("按钮6", QStringLiteral("反选")));
    pickButtons->addStretch();
    pickButtons->addWidget(Button("按钮_诗词起名", QStringLiteral("生成")));
    pickLayout->addLayout(pickButtons);

    auto* results = new QWidget;
    auto* resultsLayout = new QVBoxLayout(results);
    resultsLayout->addWidget(NameList("超级列表框_诗名列表", NameListColumns()));

    inner->addTab(choose, QStringLiteral("选取诗词"));
    inner->addTab(pick, QStringLiteral("诗词取名"));
    inner->addTab(results, QStringLiteral("生成名字"));
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(inner);
    return page;
}

QWidget* CombinationPage() {
    auto* page = new QWidget;
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("请输入要组合的字:")));
    row->addWidget(Named(new QLineEdit, "编辑框_组合的字"), 1);
    row->addWidget(Button("按钮_组合起名", QStringLiteral("生成")));
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(row);
    layout->addWidget(NameList("超级列表框_组合列表", NameListColumns()), 1);
    return page;
}

QWidget* NicknamePage() {
    auto* page = new QWidget;
    auto* row = new QHBoxLayout;
    AddRadioButtons(row, {{"单选框_AA型", "AA型"},
                          {"单选框_小A型", "小A型"},
                          {"单选框_A儿型", "A儿型"},
                          {"单选框_阿A型", "阿A型"}});
    row->addStretch();
    row->addWidget(Button("按钮_起小名", QStringLiteral("点击生成")));
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(row);
    layout->addWidget(NameList("超级列表框_小名列表", NameListColumns()), 1);
    return page;
}

QWidget* EnglishNamePage() {
    auto* page = new QWidget;
    auto* row = new QHBoxLayout;
    AddLabeledEdit(row, QStringLiteral("中文姓:"), "编辑框_英文姓氏", 48);
    AddLabeledEdit(row, QStringLiteral("中文名:"), "编辑框_英文名字", 64);
    AddRadioButtons(
        row,
        {{"单选框_男性化", "男性化"}, {"单选框_女性化", "女性化"}, {"单选框_中性化", "中性化"}});
    row->addWidget(new QLabel(QStringLiteral("名字长度:")));
    row->addWidget(Combo("组合框_日子1", Numbers(3, 20)));
    row->addWidget(new QLabel(QStringLiteral("-")));
    row->addWidget(Combo("组合框_时间1", Numbers(3, 20)));
    row->addStretch();
    row->addWidget(Button("按钮_英文起名", QStringLiteral("生成")));
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(row);
    layout->addWidget(NameList("超级列表框_英文列表", EnglishListColumns(),
                               QStringLiteral("姓名列表(双击英文名字可以自动朗读)")),
                      1);
    return page;
}

QWidget* BirthChartPage() {
    auto* page = new QWidget;
    auto* source = new QGridLayout;
    auto* namingDate = Named(new QRadioButton(QStringLiteral("使用起名日期:")), "单选框_起名日期");
    namingDate->setChecked(true);
    source->addWidget(namingDate, 0, 0);
    source->addWidget(Named(new QLabel, "透明标签_起名日期"), 0, 1, 1, 8);
    source->addWidget(Named(new QRadioButton(QStringLiteral("自定义日期:")), "单选框_自定义日期"),
                      1, 0);
    const char* boxes[][2] = {{"组合框_八字年份", "年"},
                              {"组合框_八字月份", "月"},
                              {"组合框_八字日子", "日"},
                              {"组合框_八字时间", "时"}};
    int column = 1;
    for (auto& box : boxes) {
        source->addWidget(Combo(QString::fromUtf8(box[0])), 1, column++);
        source->addWidget(new QLabel(QString::fromUtf8(box[1])), 1, column++);
    }
    source->addWidget(Button("按钮_八字查询", QStringLiteral("查询")), 1, column);
    source->setColumnStretch(column + 1, 1);
    auto* report = Named(new QPlainTextEdit, "编辑框_八字信息");
    report->setReadOnly(true);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(source);
    layout->addWidget(report, 1);
    return page;
}

QWidget* ScorePage() {
    auto* page = new QWidget;
    auto* row = new QHBoxLayout;
    AddLabeledEdit(row, QStringLiteral("姓氏:"), "编辑框_评分姓氏", 48);
    AddLabeledEdit(row, QStringLiteral("名字:"), "编辑框_评分名字", 64);
    AddDateBoxes(row, {{"组合框_评分年份", "年"},
                       {"组合框_评分月份", "月"},
                       {"组合框_评分日子", "日"},
                       {"组合框_评分时间", "时"},
                       {"组合框_评分分钟", "分"}});
    row->addStretch();
    row->addWidget(Button("按钮_评分", QStringLiteral("评分")));
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(row);
    layout->addWidget(NameList("超级列表框_评分列表", NameListColumns()), 1);
    return page;
}

QWidget* RecordsPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(NameList(
        "超级列表框_记录列表", NameListColumns(),
        QStringLiteral("姓名列表(双击姓名可查看详细解释,右键点击姓名可以删除不要的记录)")));
    return page;
}

QWidget* SuperLuckyPage() {
    auto* page = new QWidget;
    auto* filters = new QGroupBox(QStringLiteral("请设置五行筛选条件"));
    auto* grid = new QGridLayout(filters);
    const char* masters[] = {"第二个字五行限定", "所有字必带五行", "第三个字五行限定",
                             "所有字不能带五行"};
    const char* captions[] = {"第二个字五行限定", "所有字必须带五行(含姓)", "第三个字五行限定",
                              "所有字不能带五行(含姓)"};
    const int groupOfMaster[] = {0, 2, 1, 3};  // element-box suffix of each master
    const char* elements[] = {"金", "木", "水", "火", "土"};
    for (int i = 0; i < 4; ++i) {
        int row = i / 2, half = i % 2;
        auto* master = Named(new QCheckBox(QString::fromUtf8(captions[i])),
                             QStringLiteral("选择框_") + QString::fromUtf8(masters[i]));
        grid->addWidget(master, row, half * 6);
        for (int e = 0; e < 5; ++e) {
            auto* box = Named(new QCheckBox(QString::fromUtf8(elements[e])),
                              QStringLiteral("选择框_") + QString::fromUtf8(elements[e]) +
                                  QString::number(groupOfMaster[i]));
            box->setEnabled(false);
            grid->addWidget(box, row, half * 6 + 1 + e);
        }
    }
    auto* principle = new QGroupBox(QStringLiteral("超“吉”筛选原理"));
    auto* principleText = new QLabel(QStringLiteral(
        "从整个字库中组合名字，按五格、三才和八十一数理评分，只保留接近满分的“超吉”名字；"
        "可按第二、三个字或全部字的五行筛选。"));
    principleText->setWordWrap(true);
    (new QVBoxLayout(principle))->addWidget(principleText);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button("按钮_超吉生成", QStringLiteral("生成")));
    buttons->addWidget(Button("按钮_超吉暂停", QStringLiteral("暂停")));
    buttons->addWidget(Button("按钮_超吉导出", QStringLiteral("导出")));
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(filters);
    layout->addWidget(NameList("超级列表框_超吉起名", NameListColumns()), 1);
    layout->addWidget(principle);
    layout->addLayout(buttons);
    return page;
}

QWidget* ClassicPage() {
    auto* page = new QWidget;
    auto* names = Named(new QPlainTextEdit, "编辑框_经典名字");
    names->setReadOnly(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button("按钮_经典生成", QStringLiteral("不满意?再生成一次")));
    buttons->addWidget(Button("按钮_经典导出", QStringLiteral("导出")));
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(names, 1);
    layout->addLayout(buttons);
    return page;
}

}  // namespace

const QStringList& NameListColumns() {
    static const QStringList columns = {QStringLiteral("编号"),     QStringLiteral("姓名"),
                                        QStringLiteral("简体笔划"), QStringLiteral("繁体笔划"),
                                        QStringLiteral("五行"),     QStringLiteral("五格"),
                                        QStringLiteral("三才"),     QStringLiteral("评分")};
    return columns;
}

const QStringList& EnglishListColumns() {
    static const QStringList columns = {QStringLiteral("编号"), QStringLiteral("英文名"),
                                        QStringLiteral("中文读音"), QStringLiteral("相关含义")};
    return columns;
}

const QStringList& ModeRadioNames() {
    static const QStringList names = {
        QStringLiteral("单选框_经典起名"), QStringLiteral("单选框_高分起名"),
        QStringLiteral("单选框_超吉起名"), QStringLiteral("单选框_诗词起名"),
        QStringLiteral("单选框_组合起名"), QStringLiteral("单选框_起小名"),
        QStringLiteral("单选框_起英文名")};
    return names;
}

void AddAllPages(QTabWidget* tabs) {
    tabs->addTab(ModeSelectionPage(), QStringLiteral("模式选择"));
    tabs->addTab(HighScorePage(), QStringLiteral("高分模式"));
    tabs->addTab(PoemPage(), QStringLiteral("诗词起名"));
    tabs->addTab(CombinationPage(), QStringLiteral("组合起名"));
    tabs->addTab(NicknamePage(), QStringLiteral("起小名"));
    tabs->addTab(EnglishNamePage(), QStringLiteral("起英文名"));
    tabs->addTab(BirthChartPage(), QStringLiteral("生辰八字"));
    tabs->addTab(ScorePage(), QStringLiteral("姓名评分"));
    tabs->addTab(RecordsPage(), QStringLiteral("起名记录"));
    tabs->addTab(SuperLuckyPage(), QStringLiteral("超吉模式"));
    tabs->addTab(ClassicPage(), QStringLiteral("经典模式"));
}

}  // namespace MainPages

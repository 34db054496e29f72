#include "ui/MainFrm.h"

#include "engine/basin_design.h"
#include "engine/basin_sizing.h"
#include "engine/design_tables.h"
#include "engine/messages.h"
#include "engine/number_text.h"
#include "engine/runoff.h"
#include "engine/spillways.h"
#include "reports/CsvExport.h"
#include "reports/DesignSheet.h"
#include "reports/FileNames.h"
#include "ui/BasinRecords.h"
#include "ui/CalendarFrm.h"
#include "ui/DesignSheetPreview.h"
#include "ui/SBdocFrm.h"
#include "ui/frmAbout.h"
#include "ui/frmHelp.h"
#include "ui/Caption.h"
#include "ui/Counties.h"
#include "ui/DesignTableGrid.h"
#include "ui/Presenter.h"
#include "ui/PrincipalSpillwayDesign.h"
#include "ui/SedimentBasinMod.h"
#include "ui/Services.h"
#include "ui/SummarySketch.h"
#include "ui/Table6_221.h"
#include "ui/Table6_221b.h"
#include "ui/Table6_224.h"
#include "ui/Text.h"
#include "ui/Version.h"
#include "ui/frmSummary.h"
#include "ui/newTableForm.h"
#include "ui/tableListFrm.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFocusEvent>
#include <QFrame>
#include <QGridLayout>
#include <QKeySequence>
#include <QShortcut>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QStyle>
#include <QTabBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <optional>

namespace ui {

namespace {

// Guidance of the status bar and the record cover.
const QString kOpenTableGuidance = QStringLiteral("Create a new table or open an existing one.");
const QString kGuidePage0 = QStringLiteral("Complete this section then press \"Volumes/Runoff\". ");
const QString kGuidePage1 = QStringLiteral("Enter Intensities for both Runoffs then click \"Basin's Dimensions\".");
const QString kGuidePage1AfterLoad = QStringLiteral("Enter I's for both Runoffs then click \"Basin's Dimensions\".");
const QString kGuidePage2 = QStringLiteral("Select the basin's depth then click \"Principal Spillway (ps)\".");
const QString kGuidePage3 =
    QStringLiteral("Enter H then click \"Click here to compute Do and Q\" to select the pipe size.");
const QString kGuidePage4 = QStringLiteral("Click \"Click here to compute the Emergency Spillway data\".");
const QString kGuideStore =
    QStringLiteral("Once all information has been entered and calculated, store/update your basin's data.");
const QString kDateNotValid = qs(engine::msg::kDateNotValid);
const QString kBlueNote =
    QStringLiteral("Item highlighted in blue indicates designer overwrite and verification is advised.");
const QString kDisclaimer = QStringLiteral(
    "This program assists the designer in sizing temporary sediment basins. It does not replace the "
    "designer's judgement.\n\n"
    "Every volume, discharge, dimension, pipe, riser and spillway that it computes or proposes must be "
    "checked against the state's erosion and sediment control manual before it is used.\n\n"
    "The designer who uses these results remains responsible for them and for the design built from them.");

const QStringList kTabCaptions = {
    QStringLiteral("Project Information"), QStringLiteral("Volumes/Runoff"), QStringLiteral("Basin's Dimensions"),
    QStringLiteral("Principal Spillway (ps)"), QStringLiteral("Emergency Spillway (es)"),
};

// Window geometry, in twips.
constexpr int kClientWidth = 12015;
constexpr int kClientHeight = 4545;
constexpr int kPageLeft = 2160, kPageTop = 960;
constexpr int kPage0Left = 2280, kPage0Top = 1080;
constexpr int kPageWidth = 7815, kPageHeight = 3015;
constexpr int kExpandedPages[MainFrm::kPageCount][2] = {
    {2160, 960}, {120, 4320}, {8160, 4320}, {120, 7440}, {8160, 7440},
};

constexpr int kBoxHeight = 19;  // pixels, every box of the pages
constexpr int kPagePixelSize = 10;

QRect twips(int left, int top, int width, int height) { return {px(left), px(top), px(width), px(height)}; }
QPoint twipsPoint(int left, int top) { return {px(left), px(top)}; }

std::optional<double> numberOf(const QString& text) { return engine::parseNumber(ss(text)); }

// A length, area or slope: numeric and not negative. A negative one makes the
// basin's volume undefined and is refused like text that is not a number.
std::optional<double> measureOf(const QString& text)
{
    const auto value = numberOf(text);
    if (!value || *value < 0)
        return std::nullopt;
    return value;
}

QFont pageFont(QFont font)
{
    font.setPixelSize(kPagePixelSize);
    return font;
}

QString general(double value) { return qs(engine::generalText(value)); }

// A box that limits typing still takes a longer text written by the program
// (a stored value, a copy from a parallel box) whole, so that nothing the
// designer did not type is cut; its limit returns once it holds a shorter
// text again.
void writeLimitedBox(QLineEdit* box, const QString& text)
{
    const char* kLimit = "typingLimit";
    if (!box->property(kLimit).isValid())
        box->setProperty(kLimit, box->maxLength());
    const int limit = qMax(box->property(kLimit).toInt(), int(text.size()));
    if (limit >= box->maxLength()) {
        box->setMaxLength(limit);
        box->setText(text);
    } else {
        box->setText(text);
        box->setMaxLength(limit);
    }
}

// The text colour of a box (the blue mark of a designer's overwrite).
void setTextColour(QLineEdit* box, const QColor& colour)
{
    QPalette palette = box->palette();
    palette.setColor(QPalette::Text, colour);
    box->setPalette(palette);
}

// A window opened from a button: shown without blocking, or brought forward.
void showModeless(QWidget* window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

QLineEdit* makeBox(QWidget* parent, const QString& name, const QString& text = {}, int width = 48)
{
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(name);
    box->setFixedSize(width, kBoxHeight);
    return box;
}

// A box the designer reads but does not type into.
QLineEdit* makeResultBox(QWidget* parent, const QString& name, const QString& text, int width = 56)
{
    auto* box = makeBox(parent, name, text, width);
    box->setReadOnly(true);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    box->setPalette(palette);
    return box;
}

QLabel* makeLabel(QWidget* parent, const QString& text, const QString& name = {})
{
    auto* label = new QLabel(text, parent);
    if (!name.isEmpty())
        label->setObjectName(name);
    return label;
}

QLabel* makeHeading(QWidget* parent, const QString& text)
{
    auto* label = makeLabel(parent, text);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

Caption* makeCaption(QWidget* parent, const QString& name, const QString& text)
{
    auto* caption = new Caption(text, parent);
    caption->setObjectName(name);
    return caption;
}

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& text, const QString& tip)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setToolTip(tip);
    return button;
}

// The desktop's usual shortcut of a command the designer repeats, named in
// its tooltip: "Save Basin (Ctrl+S)". A desktop that defines none for the
// command gets the common one.
void setShortcut(QAbstractButton* button, QKeySequence::StandardKey key)
{
    QKeySequence sequence(key);
    if (sequence.isEmpty()) {
        switch (key) {
        case QKeySequence::Open: sequence = QKeySequence(Qt::CTRL | Qt::Key_O); break;
        case QKeySequence::Save: sequence = QKeySequence(Qt::CTRL | Qt::Key_S); break;
        case QKeySequence::New: sequence = QKeySequence(Qt::CTRL | Qt::Key_N); break;
        case QKeySequence::Quit: sequence = QKeySequence(Qt::CTRL | Qt::Key_Q); break;
        case QKeySequence::HelpContents: sequence = QKeySequence(Qt::Key_F1); break;
        default: return;
        }
    }
    button->setShortcut(sequence);
    button->setToolTip(button->toolTip() + QStringLiteral(" (") + sequence.toString(QKeySequence::NativeText) +
                       QLatin1Char(')'));
}

QGridLayout* pageGrid(QWidget* page)
{
    page->setFont(pageFont(page->font()));
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);
    return grid;
}

}  // namespace

// ---------------------------------------------------------------------------
// Building the window

MainFrm::MainFrm(QWidget* parent) : MainFrm(programLocations(), parent) {}

MainFrm::MainFrm(const QString& programFolder, QWidget* parent)
    : MainFrm(store::FileLocations::portable(programFolder), parent)
{
}

MainFrm::MainFrm(const store::FileLocations& locations, QWidget* parent)
    : QWidget(parent),
      m_records(std::make_unique<BasinRecords>(*this, locations.dataFolder())),
      m_locations(locations)
{
    setObjectName(QStringLiteral("MainFrm"));
    // Twip positions at 15 twips per pixel leave little room: a narrow face,
    // and a size smaller still on the tab strip and its pages.
    QFont windowFont = font();
    windowFont.setPixelSize(11);
    windowFont.setStretch(QFont::SemiCondensed);
    setFont(windowFont);
    resize(px(kClientWidth), px(kClientHeight));
    m_windows.resize(unloadOrder().size());

    buildToolbar();
    buildRecordList();
    buildTabStrip();
    buildCommandButtons();
    buildStatusBar();
    buildRecordCover();
    buildDisclaimer();
    setTabOrder();
    connectChains();
    load();
}

MainFrm::~MainFrm()
{
    m_closing = true;  // no check of a window runs while it goes
    for (auto& window : m_windows)
        delete window.data();
}

void MainFrm::buildToolbar()
{
    m_Frame4 = new QFrame(this);
    m_Frame4->setObjectName(QStringLiteral("Frame4"));
    m_Frame4->setGeometry(twips(120, 0, 11655, 550));

    struct Tool {
        const char* name;
        const char* caption;
        int left;
        QStyle::StandardPixmap icon;
        QKeySequence::StandardKey key = QKeySequence::UnknownKey;
    };
    const Tool tools[] = {
        {"newButton", "Create Table", 60, QStyle::SP_FileIcon},
        {"LoadFile", "Open Table", 430, QStyle::SP_DialogOpenButton, QKeySequence::Open},
        {"SaveFile", "Save Basin", 840, QStyle::SP_DialogSaveButton, QKeySequence::Save},
        {"viewButton", "View Report", 1250, QStyle::SP_FileDialogDetailedView},
        {"exitCmd", "Exit", 2233, QStyle::SP_DialogCloseButton, QKeySequence::Quit},
        {"HelpFile", "Help", 2630, QStyle::SP_DialogHelpButton, QKeySequence::HelpContents},
        {"SoftBttn1", "Information", 3020, QStyle::SP_MessageBoxInformation},
        {"aboutButton", "About", 3400, QStyle::SP_FileDialogInfoView},
    };
    for (const auto& tool : tools) {
        auto* button = new QToolButton(m_Frame4);
        button->setObjectName(QLatin1String(tool.name));
        button->setText(QLatin1String(tool.caption));
        button->setToolTip(QLatin1String(tool.caption));
        button->setIcon(style()->standardIcon(tool.icon));
        button->setToolButtonStyle(Qt::ToolButtonIconOnly);
        button->setAutoRaise(true);
        button->setGeometry(twips(tool.left, 120, 375, 375));
        if (tool.key != QKeySequence::UnknownKey)
            setShortcut(button, tool.key);
        m_toolButtons.push_back(button);
    }
    connect(m_toolButtons[0], &QToolButton::clicked, this, &MainFrm::newButton_Click);
    connect(m_toolButtons[1], &QToolButton::clicked, this, &MainFrm::LoadFile_Click);
    // Save Basin: the failures are reported by the update or store itself.
    connect(m_toolButtons[2], &QToolButton::clicked, this, [this] { m_records->saveBasin(); });
    connect(m_toolButtons[3], &QToolButton::clicked, this, [this] { m_records->viewReport(); });
    connect(m_toolButtons[4], &QToolButton::clicked, this, &QWidget::close);
    connect(m_toolButtons[5], &QToolButton::clicked, this, &MainFrm::HelpFile_Click);
    connect(m_toolButtons[6], &QToolButton::clicked, this, &MainFrm::SoftBttn1_Click);
    connect(m_toolButtons[7], &QToolButton::clicked, this, &MainFrm::aboutButton_Click);
    buildSheetButton();

    m_expandButton = makeButton(this, QStringLiteral("expandButton"), QStringLiteral("&Expand"),
                                QStringLiteral("Click here to maximize or to resume window view"));
    m_expandButton->setGeometry(twips(10920, 120, 735, 375));
    connect(m_expandButton, &QPushButton::clicked, this, &MainFrm::expandButton_Click);
}

// "Design Sheet" after "View Report", with the table's sheets and its export
// in the button's menu; Ctrl+P anywhere in the window.
void MainFrm::buildSheetButton()
{
    auto* sheet = new QAction(DesignSheetPreview::icon(), QStringLiteral("Design Sheet"), this);
    sheet->setObjectName(QStringLiteral("sheetAction"));
    sheet->setShortcut(QKeySequence::Print);
    sheet->setToolTip(QStringLiteral("Design Sheet (%1): the calculation sheet of the basin on screen")
                          .arg(sheet->shortcut().toString(QKeySequence::NativeText)));
    addAction(sheet);
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("sheetMenu"));
    QAction* ofTable = menu->addAction(QStringLiteral("Design Sheets of the Table"));
    ofTable->setObjectName(QStringLiteral("sheetsOfTableAction"));
    QAction* exportTable = menu->addAction(QStringLiteral("Export Table..."));
    exportTable->setObjectName(QStringLiteral("exportTableAction"));

    m_sheetButton = new QToolButton(m_Frame4);
    m_sheetButton->setObjectName(QStringLiteral("sheetButton"));
    m_sheetButton->setDefaultAction(sheet);
    m_sheetButton->setMenu(menu);
    m_sheetButton->setPopupMode(QToolButton::MenuButtonPopup);
    m_sheetButton->setToolButtonStyle(Qt::ToolButtonIconOnly);
    m_sheetButton->setAutoRaise(true);
    m_sheetButton->setGeometry(twips(1633, 120, 555, 375));
    connect(sheet, &QAction::triggered, this, &MainFrm::sheetButton_Click);
    connect(ofTable, &QAction::triggered, this, &MainFrm::sheetsOfTable_Click);
    connect(exportTable, &QAction::triggered, this, &MainFrm::exportTable_Click);
}

void MainFrm::buildRecordList()
{
    m_Frame1 = new QFrame(this);
    m_Frame1->setObjectName(QStringLiteral("Frame1"));
    m_Frame1->setFrameShape(QFrame::StyledPanel);
    m_Frame1->setGeometry(twips(120, 600, 1935, 3615));
    auto* layout = new QVBoxLayout(m_Frame1);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(3);
    layout->addWidget(makeLabel(m_Frame1, QStringLiteral("List displayed by:")));
    m_Combo1 = new QComboBox(m_Frame1);
    m_Combo1->setObjectName(QStringLiteral("Combo1"));
    m_Combo1->setToolTip(QStringLiteral("Choose the display field"));
    m_Combo1->addItems({QStringLiteral("Basin Number"), QStringLiteral("Date"), QStringLiteral("Designer Name"),
                        QStringLiteral("Location"), QStringLiteral("PI Number"), QStringLiteral("Project Number")});
    m_Combo1->setCurrentText(QStringLiteral("Basin Number"));
    layout->addWidget(m_Combo1);
    m_DBList1 = new QListWidget(m_Frame1);
    m_DBList1->setObjectName(QStringLiteral("DBList1"));
    m_DBList1->setToolTip(QStringLiteral("List of records. Click on a name to display its record "));
    m_DBList1->setUniformItemSizes(true);
    layout->addWidget(m_DBList1, 1);
    // On the office database other designers store and delete basins: the
    // list is re-read on request. F5 does it on the local file too.
    m_refreshButton = makeButton(m_Frame1, QStringLiteral("refreshButton"), QStringLiteral("Refresh"),
                                 QStringLiteral("Click here to read the list again from the office database"));
    m_refreshButton->setVisible(m_records->database().isServer());
    layout->addWidget(m_refreshButton);
    QKeySequence refreshKey(QKeySequence::Refresh);
    if (refreshKey.isEmpty())
        refreshKey = QKeySequence(Qt::Key_F5);
    m_refreshButton->setToolTip(m_refreshButton->toolTip() + QStringLiteral(" (") +
                                refreshKey.toString(QKeySequence::NativeText) + QLatin1Char(')'));
    auto* refreshShortcut = new QShortcut(refreshKey, this);
    connect(refreshShortcut, &QShortcut::activated, this, [this] { m_records->refreshList(); });
    connect(m_refreshButton, &QPushButton::clicked, this, [this] { m_records->refreshList(); });
    connect(m_Combo1, &QComboBox::textActivated, this,
            [this](const QString& text) { m_records->chooseDisplayField(text); });
    connect(m_DBList1, &QListWidget::itemClicked, this, &MainFrm::DBList1_Click);
}

void MainFrm::buildTabStrip()
{
    m_TabStrip1 = new QFrame(this);
    m_TabStrip1->setObjectName(QStringLiteral("TabStrip1"));
    m_TabStrip1->setGeometry(twips(2040, 600, 8175, 3615));
    m_tabBar = new QTabBar(m_TabStrip1);
    m_tabBar->setObjectName(QStringLiteral("TabStrip1Tabs"));
    m_tabBar->setFont(pageFont(m_tabBar->font()));
    m_tabBar->setStyleSheet(QStringLiteral(
        "QTabBar::tab { padding: 3px 5px; border: 1px solid palette(mid); border-bottom: none;"
        " border-top-left-radius: 3px; border-top-right-radius: 3px; background: palette(button); margin-right: 1px; }"
        "QTabBar::tab:selected { background: palette(window); }"
        "QTabBar::tab:!selected { margin-top: 2px; }"));
    m_tabBar->setDrawBase(false);
    m_tabBar->setExpanding(false);
    m_tabBar->setUsesScrollButtons(false);
    m_tabBar->setElideMode(Qt::ElideNone);
    m_tabBar->move(0, 0);
    auto* panel = new QFrame(m_TabStrip1);
    panel->setFrameShape(QFrame::StyledPanel);

    const char* pageNames[kPageCount] = {"Frame_0", "Frame_1", "Frame_2", "Frame_3", "Frame_4"};
    for (int index = 0; index < kPageCount; ++index) {
        auto* page = new QWidget(this);
        page->setObjectName(QLatin1String(pageNames[index]));
        page->setAutoFillBackground(true);
        page->resize(px(kPageWidth), px(kPageHeight));
        m_Frame[std::size_t(index)] = page;
    }
    buildProjectInformationPage(m_Frame[0]);
    buildVolumesPage(m_Frame[1]);
    buildDimensionsPage(m_Frame[2]);
    buildPrincipalSpillwayPage(m_Frame[3]);
    buildEmergencySpillwayPage(m_Frame[4]);

    // Tab captions first, so that the bar's height is known for the panel.
    for (const auto& caption : kTabCaptions)
        m_tabBar->addTab(caption);
    m_tabBar->resize(m_tabBar->sizeHint());
    const int barHeight = qMin(m_tabBar->sizeHint().height(), px(kPageTop - 600) - 2);
    m_tabBar->resize(m_tabBar->sizeHint().width(), barHeight);
    panel->setGeometry(0, barHeight - 1, m_TabStrip1->width(), m_TabStrip1->height() - barHeight + 1);
    m_tabBar->raise();
    connect(m_tabBar, &QTabBar::currentChanged, this, [this](int index) { TabStrip1_Click(index + 1); });
}

void MainFrm::buildCommandButtons()
{
    struct Command {
        QPushButton** button;
        const char* name;
        const char* caption;
        const char* tip;
        int top;
    };
    const Command commands[] = {
        {&m_summaryCmd, "summaryCmd", "&Summary", "Click here for a summary display of calculated data.", 1440},
        {&m_saveRecButton, "saveRecButton", "&Update Basin", "Click here to update the basin data", 1920},
        {&m_newBasinButton, "newBasinButton", "&New Basin", "Click here to create a new basin record", 2400},
        {&m_storeBasinButton, "storeBasinButton", "S&tore New Basin", "Click here to store the new basin record", 2880},
        {&m_delBasinButton, "delBasinButton", "&Delete Basin", "Click here to delete a basin record", 3360},
        {&m_exitButton, "exitButton", "E&xit", "Click here to exit from the program", 3840},
    };
    for (const auto& command : commands) {
        *command.button = makeButton(this, QLatin1String(command.name), QLatin1String(command.caption),
                                     QLatin1String(command.tip));
        (*command.button)->setGeometry(twips(10320, command.top, 1400, 375));
    }
    setShortcut(m_newBasinButton, QKeySequence::New);  // acts only while the button is enabled
    connect(m_summaryCmd, &QPushButton::clicked, this, &MainFrm::summaryCmd_Click);
    connect(m_saveRecButton, &QPushButton::clicked, this, [this] { m_records->updateBasin(); });
    connect(m_newBasinButton, &QPushButton::clicked, this, [this] { m_records->newBasin(); });
    connect(m_storeBasinButton, &QPushButton::clicked, this, [this] { m_records->storeNewBasin(); });
    connect(m_delBasinButton, &QPushButton::clicked, this, [this] { m_records->deleteBasin(); });
    connect(m_exitButton, &QPushButton::clicked, this, &QWidget::close);
}

void MainFrm::buildStatusBar()
{
    m_StatusBar1 = new QStatusBar(this);
    m_StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    m_StatusBar1->setSizeGripEnabled(false);
    m_statusPanel1 = new QLabel(m_StatusBar1);
    m_statusPanel1->setObjectName(QStringLiteral("StatusBar1Panel1"));
    m_statusPanel1->setMinimumWidth(px(2600));
    m_statusPanel2 = new QLabel(m_StatusBar1);
    m_statusPanel2->setObjectName(QStringLiteral("StatusBar1Panel2"));
    m_StatusBar1->addWidget(m_statusPanel1);
    m_StatusBar1->addWidget(m_statusPanel2, 1);
    m_StatusBar1->setGeometry(0, px(4290), px(kClientWidth), px(255));
}

void MainFrm::buildProjectInformationPage(QWidget* page)
{
    // Positions inside the page, in twips: labels stand left of their boxes.
    page->setFont(pageFont(page->font()));
    constexpr int kLeftBox = 1200, kRightBox = 4920, kRowHeight = kBoxHeight * 15;
    constexpr int kLeftBoxWidth = 1935, kRightBoxWidth = 2130;
    auto place = [page](QWidget* box, const QString& labelText, int left, int top, int width, int height,
                        int labelLeft) {
        box->setParent(page);
        box->setGeometry(twips(left, top, width, height));
        auto* label = makeLabel(page, labelText);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setGeometry(px(labelLeft), px(top), px(left) - px(labelLeft) - 4, px(kRowHeight));
    };
    auto leftRow = [&](QWidget* box, const QString& text, int top) {
        place(box, text, kLeftBox, top, kLeftBoxWidth, kRowHeight, 0);
    };
    auto rightRow = [&](QWidget* box, const QString& text, int top, int width, int height) {
        place(box, text, kRightBox, top, width, height, 3200);
    };

    m_proNameText = makeBox(page, QStringLiteral("proNameText"));
    m_PINoText = makeBox(page, QStringLiteral("PINoText"));
    m_CountyCombo = new QComboBox(page);
    m_CountyCombo->setObjectName(QStringLiteral("CountyCombo"));
    m_CountyCombo->setEditable(true);
    m_CountyCombo->setInsertPolicy(QComboBox::NoInsert);
    m_proNumText = makeBox(page, QStringLiteral("proNumText"));
    m_locationText = makeBox(page, QStringLiteral("locationText"));
    m_locationText->setMaxLength(20);
    m_sideText = makeBox(page, QStringLiteral("sideText"));
    for (auto* box : {static_cast<QWidget*>(m_proNameText), static_cast<QWidget*>(m_PINoText),
                      static_cast<QWidget*>(m_proNumText), static_cast<QWidget*>(m_locationText),
                      static_cast<QWidget*>(m_sideText)})
        box->setMinimumSize(0, 0), box->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    leftRow(m_proNameText, QStringLiteral("Project Number:"), 120);
    leftRow(m_PINoText, QStringLiteral("PI Number:"), 480);
    leftRow(m_CountyCombo, QStringLiteral("County:"), 840);
    leftRow(m_proNumText, QStringLiteral("Basin Number:"), 1680);
    leftRow(m_locationText, QStringLiteral("Location:"), 2040);
    leftRow(m_sideText, QStringLiteral("Side:"), 2400);

    m_dateText = makeBox(page, QStringLiteral("dateText"));
    m_designerNameText = makeBox(page, QStringLiteral("designerNameText"));
    m_descrText = new QPlainTextEdit(page);
    m_descrText->setObjectName(QStringLiteral("descrText"));
    m_descrText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_descrText->setTabChangesFocus(true);
    m_areaAvaiText = makeBox(page, QStringLiteral("areaAvaiText"), qs(engine::initialText(engine::col::Area)));
    m_areaAvaiText->setMaxLength(5);
    m_CFactorText = makeBox(page, QStringLiteral("CFactorText"), qs(engine::initialText(engine::col::CFactor)));
    m_slopeVarText = makeBox(page, QStringLiteral("slopeVarText"), qs(engine::initialText(engine::col::Slope)));
    m_slopeVarText->setMaxLength(3);
    m_slopeVarText->setEnabled(false);
    for (auto* box : {m_dateText, m_designerNameText, m_areaAvaiText, m_CFactorText, m_slopeVarText})
        box->setMinimumSize(0, 0), box->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    rightRow(m_dateText, QStringLiteral("Date:"), 120, 7080 - kRightBox - 30, kRowHeight);
    rightRow(m_designerNameText, QStringLiteral("Designer Name:"), 480, kRightBoxWidth, kRowHeight);
    rightRow(m_descrText, QStringLiteral("Description:"), 840, kRightBoxWidth, 600);
    rightRow(m_areaAvaiText, QStringLiteral("Area (acres):"), 1680, 700, kRowHeight);
    rightRow(m_CFactorText, QStringLiteral("\"C\" factor:"), 2040, 700, kRowHeight);
    rightRow(m_slopeVarText, QStringLiteral("Slope:"), 2400, 495, kRowHeight);

    m_todayDateButton = makeButton(page, QStringLiteral("todayDateButton"), QStringLiteral(">"),
                                   QStringLiteral("Click here to set date field to today's date"));
    m_todayDateButton->setGeometry(twips(7080, 120 - 25, 255, 350));
    connect(m_todayDateButton, &QPushButton::clicked, this, &MainFrm::todayDateButton_Click);
    m_dateText->installEventFilter(this);
    m_slopeVarText->installEventFilter(this);
}

void MainFrm::buildVolumesPage(QWidget* page)
{
    auto* grid = pageGrid(page);
    grid->addWidget(makeHeading(page, QStringLiteral("Volumes Computations")), 0, 0, 1, 8);

    m_areaText = makeBox(page, QStringLiteral("areaText"), QStringLiteral("0"));
    m_areaText2 = makeBox(page, QStringLiteral("areaText2"), QStringLiteral("0"));
    m_v2ResultLabel = makeCaption(page, QStringLiteral("v2ResultLabel"), QStringLiteral("0"));
    m_vcResultLabel = makeCaption(page, QStringLiteral("vcResultLabel"), QStringLiteral("0"));
    grid->addWidget(makeLabel(page, QStringLiteral("Minimum required storage volume:  Vs = 67cy/ac * ")), 1, 0,
                    Qt::AlignRight);
    grid->addWidget(m_areaText, 1, 1);
    grid->addWidget(makeLabel(page, QStringLiteral("acres = ")), 1, 2, 1, 2);
    grid->addWidget(m_v2ResultLabel, 1, 4, 1, 4);
    grid->addWidget(makeLabel(page, QStringLiteral("Volume of Basin at Clean-Out:        Vc = 22cy/ac * ")), 2, 0,
                    Qt::AlignRight);
    grid->addWidget(m_areaText2, 2, 1);
    grid->addWidget(makeLabel(page, QStringLiteral("acres = ")), 2, 2, 1, 2);
    grid->addWidget(m_vcResultLabel, 2, 4, 1, 4);

    grid->addItem(new QSpacerItem(1, 8), 3, 0);
    grid->addWidget(makeHeading(page, QStringLiteral("Stormwater Runoff")), 4, 0, 1, 8);
    grid->addWidget(makeLabel(page, QStringLiteral("C               I             A")), 5, 1, 1, 5);

    m_CText = makeBox(page, QStringLiteral("CText"), QStringLiteral("0."), 40);
    m_IText = makeBox(page, QStringLiteral("IText"), QStringLiteral("0"), 40);
    m_AText = makeBox(page, QStringLiteral("AText"), QStringLiteral("0"), 40);
    m_CText2 = makeBox(page, QStringLiteral("CText2"), QStringLiteral("0."), 40);
    m_IText2 = makeBox(page, QStringLiteral("IText2"), QStringLiteral("0"), 40);
    m_AText2 = makeBox(page, QStringLiteral("AText2"), QStringLiteral("0"), 40);
    m_twoYearRunOffResultLabel = makeCaption(page, QStringLiteral("twoYearRunOffResultLabel"), QStringLiteral("0"));
    m_twentyFiveYROffResultLabel =
        makeCaption(page, QStringLiteral("twentyFiveYROffResultLabel"), QStringLiteral("0"));

    auto runoffRow = [&](int row, const QString& text, QLineEdit* c, QLineEdit* i, QLineEdit* a, Caption* result) {
        auto* label = makeLabel(page, text);
        label->setWordWrap(true);
        grid->addWidget(label, row, 0);
        grid->addWidget(c, row, 1);
        grid->addWidget(makeLabel(page, QStringLiteral("*")), row, 2);
        grid->addWidget(i, row, 3);
        grid->addWidget(makeLabel(page, QStringLiteral("*")), row, 4);
        grid->addWidget(a, row, 5);
        grid->addWidget(makeLabel(page, QStringLiteral(" =")), row, 6);
        grid->addWidget(result, row, 7);
    };
    runoffRow(6, QStringLiteral("Peak discharge from a 2-yr, 24-hr storm event:     Q2 =  CIA = "), m_CText, m_IText,
              m_AText, m_twoYearRunOffResultLabel);
    runoffRow(7, QStringLiteral("Peak discharge from a 25-yr, 24-hr storm event: Q25 =  CIA = "), m_CText2,
              m_IText2, m_AText2, m_twentyFiveYROffResultLabel);
    grid->setColumnStretch(7, 1);
    grid->setRowStretch(8, 1);
}

void MainFrm::buildDimensionsPage(QWidget* page)
{
    auto* grid = pageGrid(page);
    grid->addWidget(makeLabel(page, QStringLiteral("Which basin's depth do you want?")), 0, 0);
    auto* depths = new QHBoxLayout;
    depths->setSpacing(10);
    for (int depth = engine::kMinDepth; depth <= engine::kMaxDepth; ++depth) {
        auto* option = new QRadioButton(QStringLiteral("%1ft").arg(depth), page);
        option->setObjectName(QStringLiteral("Option1_%1").arg(depth));
        connect(option, &QRadioButton::clicked, this, [this, depth] { Option1_Click(depth); });
        m_Option1[std::size_t(depth)] = option;
        depths->addWidget(option);
    }
    depths->addStretch(1);
    m_Option1[4]->setChecked(true);
    grid->addLayout(depths, 1, 0);
    m_i = makeBox(page, QStringLiteral("i"));
    m_i->hide();

    grid->addWidget(makeLabel(page, QStringLiteral("Note that Bottom Length = 2 x Bottom Width. (2:1 ratio required)")),
                    2, 0);

    // The four dimension boxes stand centred under the words of their head.
    const QString heads = QStringLiteral("   Bottom Width   Bottom Length       Top Width       Top Length  ");
    auto* dimensions = new QWidget(page);
    auto* headLabel = makeLabel(dimensions, heads);
    headLabel->adjustSize();
    headLabel->move(0, 0);
    const QFontMetrics metrics(headLabel->font());
    const int headHeight = metrics.height() + 2;
    const QStringList words = {QStringLiteral("Bottom Width"), QStringLiteral("Bottom Length"),
                               QStringLiteral("Top Width"), QStringLiteral("Top Length")};
    QLineEdit** boxes[] = {&m_widthText, &m_lengthText, &m_totalWidthText, &m_totalLengthText};
    const char* names[] = {"widthText", "lengthText", "totalWidthText", "totalLengthText"};
    constexpr int kBoxWidth = 62;
    for (int index = 0, from = 0; index < 4; ++index) {
        const int at = int(heads.indexOf(words[index], from));
        from = at + int(words[index].size());
        const int centre = metrics.horizontalAdvance(heads.left(at)) +
                           metrics.horizontalAdvance(words[index]) / 2;
        *boxes[index] = makeResultBox(dimensions, QLatin1String(names[index]), QStringLiteral("0"), kBoxWidth);
        (*boxes[index])->move(qMax(0, centre - kBoxWidth / 2), headHeight);
    }
    dimensions->setFixedSize(headLabel->width() + kBoxWidth / 2, headHeight + kBoxHeight);
    grid->addWidget(dimensions, 3, 0);
    grid->addWidget(makeLabel(page, QStringLiteral("In Feet")), 4, 0);
    m_percentLabel = makeCaption(page, QStringLiteral("percentLabel"), QLatin1String(engine::kPercentCaptionInitial));
    grid->addWidget(m_percentLabel, 5, 0);
    m_QsLabel = makeCaption(page, QStringLiteral("QsLabel"), qs(engine::kQsCaptionInitial));
    grid->addWidget(m_QsLabel, 6, 0);
    grid->setRowStretch(7, 1);
}

void MainFrm::buildPrincipalSpillwayPage(QWidget* page)
{
    auto* grid = pageGrid(page);
    grid->addWidget(makeHeading(page, QStringLiteral("Principal Spillway Information")), 0, 0, 1, 4);

    m_hText = makeBox(page, QStringLiteral("hText"), qs(engine::initialText(engine::col::Height)));
    m_DoText = makeResultBox(page, QStringLiteral("DoText"), qs(engine::initialText(engine::col::PrinOutletPipeDiameter)));
    m_QText = makeResultBox(page, QStringLiteral("QText"), qs(engine::initialText(engine::col::Q)));
    m_DsText = makeResultBox(page, QStringLiteral("DsText"), qs(engine::initialText(engine::col::PrinRiserDiameter)));
    m_littlehText = makeResultBox(page, QStringLiteral("littlehText"), qs(engine::initialText(engine::col::h)));
    m_LText = makeResultBox(page, QStringLiteral("LText"), qs(engine::initialText(engine::col::PrinOutletPipeLength)));
    m_QpsText[0] = makeResultBox(page, QStringLiteral("QpsText_0"), qs(engine::initialText(engine::col::Qps)));
    m_hText->setFixedWidth(56);
    m_depthLabel = makeCaption(page, QStringLiteral("depthLabel"), qs(engine::depthCaption(engine::kMinDepth)));

    auto* heightLabel = makeLabel(
        page, QStringLiteral("Vertical distance between outlet pipe's centerline and the emergency spillway crest - H:"));
    struct Row {
        QWidget* label;
        QLineEdit* box;
        const char* unit;
    };
    grid->addWidget(heightLabel, 1, 0, 1, 4);
    const Row rows[] = {
        {nullptr, m_hText, "feet"},
        {makeLabel(page, QStringLiteral("Principal spillway diameter, Do = ")), m_DoText, "in."},
        {makeLabel(page, QStringLiteral("Principal spillway flow, Q  = ")), m_QText, "cfs."},
        {makeLabel(page, QStringLiteral("Minimum riser diameter, Ds = ")), m_DsText, "in."},
        {makeLabel(page, QStringLiteral("h (1 ft. min) =")), m_littlehText, "ft."},
        {makeLabel(page, QStringLiteral("Principal spillway length, L = ")), m_LText, "ft."},
        {makeLabel(page, QStringLiteral("Actual spillway flow, Qps  = ")), m_QpsText[0], "cfs."},
    };
    int row = 2;
    for (const auto& line : rows) {
        if (line.label)
            grid->addWidget(line.label, row, 0, Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(line.box, row, 1);
        grid->addWidget(makeLabel(page, QLatin1String(line.unit)), row, 2);
        ++row;
    }
    m_Do_QButton = makeButton(page, QStringLiteral("Do_QButton"), QStringLiteral("&1. Click here to compute Do and Q"),
                              QStringLiteral("Click here to choose the spillway's pipe size Do and its flow Q from table 6-22.1"));
    m_prinSpillWayHelpButton =
        makeButton(page, QStringLiteral("prinSpillWayHelpButton"), QStringLiteral("&2  Click here to compute L   "),
                   QStringLiteral("Click here to compute the length of the outlet pipe L"));
    m_QpsButton = makeButton(page, QStringLiteral("QpsButton"), QStringLiteral("&3. Click here to compute Qps"),
                             QStringLiteral("Click here to readjust the pipe's flow according to its length"));
    for (auto* button : {m_Do_QButton, m_prinSpillWayHelpButton, m_QpsButton})
        button->setFixedHeight(kBoxHeight + 2);
    grid->addWidget(m_depthLabel, 2, 3);
    grid->addWidget(m_Do_QButton, 3, 3);
    grid->addWidget(makeLabel(page, QStringLiteral("(Ds = 1.5  x Do)")), 5, 3);
    grid->addWidget(makeLabel(page, QStringLiteral("h = (12Q/(3.1* PI*Ds)) power (2/3)")), 6, 3);
    grid->addWidget(m_prinSpillWayHelpButton, 7, 3);
    grid->addWidget(m_QpsButton, 8, 3);
    auto* note = makeLabel(page, kBlueNote);
    note->setStyleSheet(QStringLiteral("color: rgb(0, 0, 255);"));
    grid->addWidget(note, 9, 0, 1, 4);
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(10, 1);

    m_hText->installEventFilter(this);
    connect(m_Do_QButton, &QPushButton::clicked, this, &MainFrm::Do_QButton_Click);
    connect(m_prinSpillWayHelpButton, &QPushButton::clicked, this, &MainFrm::prinSpillWayHelpButton_Click);
    connect(m_QpsButton, &QPushButton::clicked, this, &MainFrm::QpsButton_Click);
}

void MainFrm::buildEmergencySpillwayPage(QWidget* page)
{
    auto* grid = pageGrid(page);
    grid->addWidget(makeHeading(page, QStringLiteral("Emergency Spillway Information")), 0, 0, 1, 5);
    m_QesText = makeResultBox(page, QStringLiteral("QesText"), qs(engine::initialText(engine::col::Qes)));
    m_Q25Text = makeResultBox(page, QStringLiteral("Q25Text"), QStringLiteral("0"));
    m_QpsText[1] = makeResultBox(page, QStringLiteral("QpsText_1"), qs(engine::initialText(engine::col::Qps)));
    m_stageText = makeResultBox(page, QStringLiteral("stageText"), qs(engine::initialText(engine::col::EmStage)));
    m_bottomWidthText =
        makeResultBox(page, QStringLiteral("bottomWidthText"), qs(engine::initialText(engine::col::EmBottomWidth)));
    m_velocityText = makeResultBox(page, QStringLiteral("velocityText"), qs(engine::initialText(engine::col::EmVelocity)));
    m_slopeText = makeResultBox(page, QStringLiteral("slopeText"), qs(engine::initialText(engine::col::EmSlope)));

    auto right = [page](const QString& text) {
        auto* label = makeLabel(page, text);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        return label;
    };
    // A box with its unit after it; velocity and slope keep the table's own terms.
    auto withUnit = [page](QLineEdit* box, const QString& unit) {
        auto* row = new QHBoxLayout;
        row->setSpacing(3);
        row->addWidget(box);
        if (!unit.isEmpty())
            row->addWidget(makeLabel(page, unit));
        row->addSpacing(8);
        row->addStretch(1);
        return row;
    };
    const QString cfs = QStringLiteral("cfs"), feet = QStringLiteral("ft.");
    grid->addWidget(right(QStringLiteral("Minimum emergency spillway capacity, Qes:")), 1, 0);
    grid->addLayout(withUnit(m_QesText, cfs), 1, 1);
    grid->addWidget(makeLabel(page, QStringLiteral("(Qes = Q25 - Qps)")), 1, 2, 1, 3);
    grid->addWidget(right(QStringLiteral("Q25:")), 2, 0);
    grid->addLayout(withUnit(m_Q25Text, cfs), 2, 1);
    grid->addWidget(right(QStringLiteral("Qps:")), 2, 2);
    grid->addLayout(withUnit(m_QpsText[1], cfs), 2, 3);
    grid->addItem(new QSpacerItem(1, 6), 3, 0);
    grid->addWidget(right(QStringLiteral("Stage:")), 4, 0);
    grid->addLayout(withUnit(m_stageText, feet), 4, 1);
    grid->addWidget(right(QStringLiteral("Bottom width:")), 5, 0);
    grid->addLayout(withUnit(m_bottomWidthText, feet), 5, 1);
    grid->addWidget(right(QStringLiteral("Velocity:")), 6, 0);
    grid->addLayout(withUnit(m_velocityText, {}), 6, 1);
    grid->addWidget(right(QStringLiteral("Slope:")), 7, 0);
    grid->addLayout(withUnit(m_slopeText, {}), 7, 1);
    m_emSpilButton =
        makeButton(page, QStringLiteral("emSpilButton"), QStringLiteral("Click here to compute the emergency s&pillway data"),
                   QStringLiteral("Click here to select data from the emergency spillway system "));
    m_emSpilButton->setFixedHeight(kBoxHeight + 4);
    grid->addWidget(m_emSpilButton, 8, 0, 1, 5, Qt::AlignLeft);
    grid->setColumnStretch(4, 1);
    grid->setRowStretch(9, 1);
    connect(m_emSpilButton, &QPushButton::clicked, this, &MainFrm::emSpilButton_Click);
}

void MainFrm::buildRecordCover()
{
    m_Frame2 = new QFrame(this);
    m_Frame2->setObjectName(QStringLiteral("Frame2"));
    m_Frame2->setFrameShape(QFrame::StyledPanel);
    m_Frame2->setAutoFillBackground(true);
    m_Frame2->setGeometry(twips(kPageLeft, kPageTop, 7935, 3135));
    m_helpLabel = makeLabel(m_Frame2, {}, QStringLiteral("helpLabel"));
    m_helpLabel->setWordWrap(true);
    m_helpLabel->setAlignment(Qt::AlignCenter);
    QFont font = m_helpLabel->font();
    font.setPixelSize(14);
    m_helpLabel->setFont(font);
    auto* layout = new QVBoxLayout(m_Frame2);
    layout->setContentsMargins(30, 20, 30, 20);
    layout->addWidget(m_helpLabel);
}

void MainFrm::buildDisclaimer()
{
    m_frmDisclaimer = new QFrame(this);
    m_frmDisclaimer->setObjectName(QStringLiteral("frmDisclaimer"));
    m_frmDisclaimer->setFrameShape(QFrame::Box);
    m_frmDisclaimer->setAutoFillBackground(true);
    m_frmDisclaimer->setGeometry(twips(120, 0, 11775, 4215));
    m_lblDisclaimer = makeLabel(m_frmDisclaimer, kDisclaimer, QStringLiteral("lblDisclaimer"));
    m_lblDisclaimer->setWordWrap(true);
    m_lblDisclaimer->setAlignment(Qt::AlignCenter);
    QFont font = m_lblDisclaimer->font();
    font.setPixelSize(13);
    m_lblDisclaimer->setFont(font);
    m_btnAccept = new QPushButton(QStringLiteral("I  have read the disclaimer"), m_frmDisclaimer);
    m_btnAccept->setObjectName(QStringLiteral("btnAccept"));
    auto* heading = makeHeading(m_frmDisclaimer, QStringLiteral("Disclaimer"));
    QFont headingFont = heading->font();
    headingFont.setPixelSize(16);
    heading->setFont(headingFont);
    auto* layout = new QVBoxLayout(m_frmDisclaimer);
    layout->setContentsMargins(40, 24, 40, 16);
    layout->addWidget(heading, 0, Qt::AlignHCenter);
    layout->addWidget(m_lblDisclaimer, 1);
    layout->addWidget(m_btnAccept, 0, Qt::AlignHCenter);
    // Enter and Space acknowledge it; it holds the focus while it covers the window.
    m_btnAccept->setAutoDefault(true);
    m_btnAccept->setFocus();
    connect(m_btnAccept, &QPushButton::clicked, this, [this] {
        m_frmDisclaimer->hide();
        updateCovers();
    });
}

void MainFrm::setTabOrder()
{
    // Project Number, Date, Basin Number, Area; the main window's commands;
    // then the rest of the project information.
    const QList<QWidget*> order = {
        m_proNameText, m_dateText, m_proNumText, m_areaAvaiText,
        m_summaryCmd, m_saveRecButton, m_newBasinButton, m_storeBasinButton, m_delBasinButton, m_exitButton,
        m_PINoText, m_locationText, m_sideText, m_CountyCombo, m_designerNameText, m_descrText,
        m_CFactorText, m_slopeVarText, m_todayDateButton,
    };
    for (qsizetype index = 1; index < order.size(); ++index)
        QWidget::setTabOrder(order[index - 1], order[index]);
}

void MainFrm::connectChains()
{
    connect(m_proNameText, &QLineEdit::textChanged, this, &MainFrm::proNameText_Change);
    connect(m_proNumText, &QLineEdit::textChanged, this, &MainFrm::proNumText_Change);
    connect(m_descrText, &QPlainTextEdit::textChanged, this, &MainFrm::descrText_Change);
    connect(m_areaAvaiText, &QLineEdit::textChanged, this, &MainFrm::areaAvaiText_Change);
    connect(m_CFactorText, &QLineEdit::textChanged, this, &MainFrm::CFactorText_Change);
    connect(m_slopeVarText, &QLineEdit::textChanged, this, &MainFrm::slopeVarText_Change);

    connect(m_areaText, &QLineEdit::textChanged, this, &MainFrm::areaText_Change);
    connect(m_areaText2, &QLineEdit::textChanged, this, &MainFrm::areaText2_Change);
    for (auto* box : {m_CText, m_IText, m_AText})
        connect(box, &QLineEdit::textChanged, this, [this, box] { twoYearRow_Change(box); });
    for (auto* box : {m_CText2, m_IText2, m_AText2})
        connect(box, &QLineEdit::textChanged, this, [this, box] { twentyFiveYearRow_Change(box); });
    connect(m_v2ResultLabel, &Caption::captionChanged, this, &MainFrm::v2ResultLabel_Change);
    connect(m_vcResultLabel, &Caption::captionChanged, this, &MainFrm::vcResultLabel_Change);
    connect(m_twoYearRunOffResultLabel, &Caption::captionChanged, this, &MainFrm::twoYearRunOffResultLabel_Change);
    connect(m_twentyFiveYROffResultLabel, &Caption::captionChanged, this,
            &MainFrm::twentyFiveYROffResultLabel_Change);

    connect(m_hText, &QLineEdit::textChanged, this, &MainFrm::hText_Change);
    connect(m_littlehText, &QLineEdit::textChanged, this, &MainFrm::littlehText_Change);
    connect(m_DoText, &QLineEdit::textChanged, this, &MainFrm::DoText_Change);
    connect(m_DsText, &QLineEdit::textChanged, this, &MainFrm::DsText_Change);
    connect(m_QText, &QLineEdit::textChanged, this, &MainFrm::QText_Change);
    connect(m_LText, &QLineEdit::textChanged, this, &MainFrm::LText_Change);
    connect(m_QpsText[0], &QLineEdit::textChanged, this, &MainFrm::QpsText0_Change);
    connect(m_Q25Text, &QLineEdit::textChanged, this, &MainFrm::Q25Text_Change);
    connect(m_QesText, &QLineEdit::textChanged, this, &MainFrm::QesText_Change);
    connect(m_stageText, &QLineEdit::textChanged, this, &MainFrm::stageText_Change);
    connect(m_bottomWidthText, &QLineEdit::textChanged, this, &MainFrm::bottomWidthText_Change);
    connect(m_slopeText, &QLineEdit::textChanged, this, &MainFrm::slopeText_Change);
}

// The load sequence: the county list, the guidance, the tabs, the caption,
// the hidden outlet-pipe length window, the depth in force and pi, and the
// pages in their places.
void MainFrm::load()
{
    QStringList counties = countyNames();
    counties.sort(Qt::CaseInsensitive);
    m_CountyCombo->clear();
    m_CountyCombo->addItems(counties);
    m_CountyCombo->setCurrentIndex(-1);
    m_CountyCombo->setEditText(QString());

    m_records->start(m_Combo1->currentText());
    m_helpLabel->setText(kOpenTableGuidance);
    setGuidance(kOpenTableGuidance);
    setWindowTitle(mainWindowCaption());
    PrincipalSpillwayDesign::open(*this);

    // The user guide is HTML here, so no word processor is looked for.
    m_Depth = engine::kMinDepth;
    m_minimumHeight = engine::minimumHeight(m_Depth);
    m_pi = engine::pi();

    for (int index = 1; index < kPageCount; ++index) {
        m_Frame[std::size_t(index)]->hide();
        m_Frame[std::size_t(index)]->move(twipsPoint(kPageLeft, kPageTop));
    }
    m_Frame[0]->move(twipsPoint(kPage0Left, kPage0Top));
    for (auto* page : m_Frame)
        page->raise();
    m_Frame2->raise();
    m_frmDisclaimer->raise();
    updateCovers();
    m_records->markScreenSaved();
}

// ---------------------------------------------------------------------------
// The shell

bool MainFrm::expanded() const { return withoutAccessKey(m_expandButton->text()) == QStringLiteral("Retract"); }

void MainFrm::selectTab(int tab)
{
    m_tabBar->setCurrentIndex(tab - 1);
}

void MainFrm::TabStrip1_Click(int tab)
{
    const int page = tab - 1;
    if (page == m_currentPage || page < 0 || page >= kPageCount)
        return;
    m_Frame[std::size_t(page)]->show();
    m_Frame[std::size_t(m_currentPage)]->hide();
    m_currentPage = page;
    if (recordCoverShown())
        return;
    guideCurrentPage(false);
}

void MainFrm::guideCurrentPage(bool afterLoad)
{
    switch (m_currentPage) {
    case 0: setGuidance(kGuidePage0); break;
    case 1: setGuidance(afterLoad ? kGuidePage1AfterLoad : kGuidePage1); break;
    case 2: setGuidance(kGuidePage2); break;
    case 3: setGuidance(kGuidePage3); break;
    case 4:
        if (!afterLoad && m_Qes < 0)
            showMessage(this, Icon::Warning, qs(engine::msg::kOverDesigned));
        setGuidance(kGuidePage4);
        break;
    default: break;
    }
    focusCurrentPage();
}

// The box a page gives the focus to: Project Number while it is empty, else
// Basin Number; I; none; H; the emergency spillway button.
void MainFrm::focusCurrentPage()
{
    QWidget* target = nullptr;
    switch (m_currentPage) {
    case 0: target = m_proNameText->text().isEmpty() ? m_proNameText : m_proNumText; break;
    case 1: target = m_IText; break;
    case 3: target = m_hText; break;
    case 4: target = m_emSpilButton; break;
    default: break;
    }
    if (target && !isCovered(target))
        target->setFocus();
}

// ---------------------------------------------------------------------------
// The covers: what lies under the disclaimer, or under the record cover, can
// neither be reached with the keyboard nor hold the focus, so that nobody
// meets a message from a box they cannot see.

bool MainFrm::isCovered(const QWidget* widget) const
{
    if (!widget || (widget != this && !isAncestorOf(widget)))
        return false;
    if (disclaimerShown())
        return widget != m_frmDisclaimer && !m_frmDisclaimer->isAncestorOf(widget);
    if (recordCoverShown()) {
        for (const QWidget* page : m_Frame)
            if ((page == widget || page->isAncestorOf(widget)) && page->geometry().intersects(m_Frame2->geometry()))
                return true;
    }
    return false;
}

void MainFrm::updateCovers()
{
    const char* kPolicy = "uncoveredFocusPolicy";
    for (QWidget* widget : findChildren<QWidget*>()) {
        const QVariant saved = widget->property(kPolicy);
        if (isCovered(widget)) {
            if (!saved.isValid() && widget->focusPolicy() != Qt::NoFocus) {
                widget->setProperty(kPolicy, int(widget->focusPolicy()));
                widget->setFocusPolicy(Qt::NoFocus);
            }
        } else if (saved.isValid()) {
            widget->setFocusPolicy(Qt::FocusPolicy(saved.toInt()));
            widget->setProperty(kPolicy, QVariant());
        }
    }
    QWidget* focused = focusWidget();
    if (focused && !isCovered(focused) && focused->isVisibleTo(this))
        return;
    // The focus leaves a covered box for the cover's own button, or for the
    // step the record cover asks for.
    if (disclaimerShown())
        m_btnAccept->setFocus();
    else if (recordCoverShown())
        (m_newBasinButton->isEnabled() ? static_cast<QWidget*>(m_newBasinButton) : m_toolButtons[1])->setFocus();
}

void MainFrm::setActiveTableText(const QString& text) { m_statusPanel1->setText(text); }
QString MainFrm::activeTableText() const { return m_statusPanel1->text(); }
void MainFrm::setGuidance(const QString& text) { m_statusPanel2->setText(text); }
QString MainFrm::guidance() const { return m_statusPanel2->text(); }

void MainFrm::showRecordCover(const QString& help)
{
    m_helpLabel->setText(help);
    m_Frame2->show();
    m_Frame2->raise();
    m_frmDisclaimer->raise();
    updateCovers();
}

// The pages come out from under the cover, and the focus goes where the
// current page puts it.
void MainFrm::hideRecordCover()
{
    m_Frame2->hide();
    updateCovers();
    focusCurrentPage();
}
bool MainFrm::recordCoverShown() const { return !m_Frame2->isHidden(); }
QString MainFrm::helpText() const { return m_helpLabel->text(); }
bool MainFrm::disclaimerShown() const { return !m_frmDisclaimer->isHidden(); }

void MainFrm::focusProjectNumber()
{
    if (isCovered(m_proNameText))
        updateCovers();
    else
        m_proNameText->setFocus();
}

void MainFrm::expandButton_Click()
{
    if (!expanded()) {
        m_expandButton->setText(QStringLiteral("&Retract"));
        m_TabStrip1->hide();
        showMaximized();
        for (int index = 0; index < kPageCount; ++index) {
            auto* page = m_Frame[std::size_t(index)];
            page->move(twipsPoint(kExpandedPages[index][0], kExpandedPages[index][1]));
            page->show();
        }
    } else {
        m_expandButton->setText(QStringLiteral("&Expand"));
        m_TabStrip1->show();
        showNormal();
        resize(px(kClientWidth), px(kClientHeight));
        for (int index = 0; index < kPageCount; ++index) {
            auto* page = m_Frame[std::size_t(index)];
            page->setVisible(index == m_currentPage);
            page->move(twipsPoint(kPageLeft, kPageTop));
        }
    }
    updateCovers();
}

void MainFrm::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (m_StatusBar1)
        m_StatusBar1->setGeometry(0, height() - px(255), width(), px(255));
}

const QStringList& MainFrm::unloadOrder()
{
    static const QStringList order = {
        QStringLiteral("frmSummary"),  QStringLiteral("Table6_221"),        QStringLiteral("Table6_221b"),
        QStringLiteral("Table6_224"),  QStringLiteral("PrincipalSpillwayDesign"), QStringLiteral("frmSummaryTopView"),
        QStringLiteral("SBdocFrm"),    QStringLiteral("newTableForm"),      QStringLiteral("tableListFrm"),
        QStringLiteral("frmAbout"),    QStringLiteral("CalendarFrm"),       QStringLiteral("frmHelp"),
        QStringLiteral("DesignSheetPreview"),
    };
    return order;
}

void MainFrm::registerWindow(const QString& name, QWidget* window)
{
    const auto index = unloadOrder().indexOf(name);
    if (index >= 0)
        m_windows[index] = window;
}

QWidget* MainFrm::window(const QString& name) const
{
    const auto index = unloadOrder().indexOf(name);
    return index >= 0 ? m_windows[index].data() : nullptr;
}

void MainFrm::closeEvent(QCloseEvent* event)
{
    if (!m_closing && !m_records->confirmReplacingBasin()) {
        event->ignore();
        return;
    }
    m_closing = true;
    // Every other window is unloaded in its fixed order; one never opened is
    // skipped, and a failure of one does not stop the others.
    for (auto& window : m_windows) {
        try {
            delete window.data();
        } catch (...) {
        }
    }
    m_records->closeDatabase();
    event->accept();
}

frmSummary* MainFrm::summary()
{
    auto* existing = qobject_cast<frmSummary*>(window(QStringLiteral("frmSummary")));
    if (existing)
        return existing;
    auto* created = new frmSummary(nullptr);
    registerWindow(QStringLiteral("frmSummary"), created);
    // Its top view is a window of its own in the closing order.
    connect(created, &frmSummary::topViewCreated, this,
            [this](QWidget* view) { registerWindow(QStringLiteral("frmSummaryTopView"), view); });
    return created;
}

void MainFrm::setSummaryLabel(const QString& name, const QString& caption) { summary()->setLabel(name, caption); }

void MainFrm::setSummaryValue(const QString& name, const QString& value)
{
    setSummaryLabel(name, sketch::labelCaption(name, value));
}

void MainFrm::summaryCmd_Click()
{
    auto* window = summary();
    SetWindowOnTop(window, true);
    window->show();
    window->raise();
}

// Lost-focus checks run once the focus has moved, as the platform reports a
// lost focus after the change; a window losing activation is not a lost focus.
bool MainFrm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        // A box that has just been covered is not checked: its message would
        // come from a control the designer cannot see.
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
            !isCovered(static_cast<QWidget*>(watched))) {
            if (watched == m_dateText)
                QTimer::singleShot(0, this, &MainFrm::dateText_LostFocus);
            else if (watched == m_slopeVarText)
                QTimer::singleShot(0, this, &MainFrm::slopeVarText_LostFocus);
            else if (watched == m_hText)
                QTimer::singleShot(0, this, &MainFrm::hText_LostFocus);
        }
    }
    return QWidget::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------
// Project Information

void MainFrm::todayDateButton_Click()
{
    registerWindow(QStringLiteral("CalendarFrm"), CalendarFrm::open(m_dateText));
}

void MainFrm::dateText_LostFocus()
{
    if (m_closing || engine::parseUsDate(ss(m_dateText->text())))
        return;
    selectTab(1);
    showMessage(this, Icon::Error, kDateNotValid);
    m_todayDateButton->setFocus();
}

// The description takes at most its limit of typed characters: what is typed
// beyond it, at the cursor, is dropped, and the rest of the text stays.
void MainFrm::descrText_Change()
{
    const QString text = m_descrText->toPlainText();
    const int excess = int(text.size()) - m_descrLimit;
    if (excess <= 0)
        return;
    QTextCursor cursor = m_descrText->textCursor();
    const int end = cursor.position();
    const int from = qMax(0, end - excess);
    cursor.setPosition(from);
    cursor.setPosition(from + excess, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    m_descrText->setTextCursor(cursor);
}

void MainFrm::proNameText_Change() { summary()->setSummaryCaption(m_proNameText->text(), m_proNumText->text()); }
void MainFrm::proNumText_Change() { summary()->setSummaryCaption(m_proNameText->text(), m_proNumText->text()); }

// ---------------------------------------------------------------------------
// Runoff and storage volumes

// Whether an entry keeps every result it enters a finite number: both
// volumes, both discharges and the basin's sizing, computed with the entry in
// place of its box's value and every other operand as its box holds it. An
// entry that does not ("1e308" acres) is refused like text that is not a
// number, so that no result is ever left without a number to show.
bool MainFrm::keepsResultsFinite(const QLineEdit* box, double value) const
{
    const bool isArea =
        box == m_areaAvaiText || box == m_areaText || box == m_areaText2 || box == m_AText || box == m_AText2;
    const bool isC = box == m_CFactorText || box == m_CText || box == m_CText2;
    auto operand = [&](bool entered, const QLineEdit* own) { return entered ? std::optional(value) : numberOf(own->text()); };
    if (isArea && !engine::volumesAreFinite(value))
        return false;
    const struct {
        QLineEdit* c;
        QLineEdit* i;
        QLineEdit* a;
    } rows[] = {{m_CText, m_IText, m_AText}, {m_CText2, m_IText2, m_AText2}};
    for (const auto& row : rows) {
        const auto c = operand(isC, row.c);
        const auto i = operand(box == row.i, row.i);
        const auto a = operand(isArea, row.a);
        if (c && i && a && !engine::dischargeIsFinite(*c, *i, *a))
            return false;
    }
    const auto slope = box == m_slopeVarText ? std::optional(value) : measureOf(m_slopeVarText->text());
    const double volume = isArea ? engine::storageVolume(value) : m_VolumeAtFull;
    return !slope || !engine::sizeBasin(volume, *slope, m_Depth).overflow;
}

void MainFrm::areaAvaiText_Change(const QString& text)
{
    const auto area = measureOf(text);
    if (!area || !keepsResultsFinite(m_areaAvaiText, *area)) {
        showNotNumber(this);
        selectTab(1);
        m_areaAvaiText->setFocus();
        return;
    }
    m_areaText->setText(text);
    m_areaText2->setText(text);
    m_AText->setText(text);
    m_AText2->setText(text);
    setSummaryLabel(QStringLiteral("areaLabel"), m_AText->text());
    sizeBasin(m_Depth);
    m_slopeVarText->setEnabled(true);
}

void MainFrm::CFactorText_Change(const QString& text)
{
    const auto c = numberOf(text);
    if (!c || !keepsResultsFinite(m_CFactorText, *c)) {
        showNotNumber(this);
        return;
    }
    if (!engine::isAcceptedCFactor(*c)) {
        showMessage(this, Icon::Exclamation, qs(engine::msg::kCFactorTooHigh));
        selectTab(1);
        m_CFactorText->setFocus();
        return;
    }
    m_CText->setText(text);
    m_CText2->setText(text);
}

void MainFrm::areaText_Change(const QString& text)
{
    const auto area = measureOf(text);
    if (!area || !keepsResultsFinite(m_areaText, *area)) {
        showNotNumber(this);
        return;
    }
    m_VolumeAtFull = engine::storageVolume(*area);
    m_v2ResultLabel->setCaption(qs(engine::storageVolumeCaption(m_VolumeAtFull)));
    writeLimitedBox(m_areaAvaiText, text);
}

void MainFrm::areaText2_Change(const QString& text)
{
    const auto area = measureOf(text);
    if (!area || !keepsResultsFinite(m_areaText2, *area)) {
        showNotNumber(this);
        return;
    }
    m_VolumeAtCleanOut = engine::cleanOutVolume(*area);
    m_vcResultLabel->setCaption(qs(engine::cleanOutVolumeCaption(m_VolumeAtCleanOut)));
    writeLimitedBox(m_areaAvaiText, text);
}

namespace {

// The operands of one discharge row: C accepted below 1, I numeric, A a
// measure. The changed box is checked by the caller; a co-operand that fails
// leaves the discharge as it was.
struct RunoffOperands {
    std::optional<double> c, i, a;
    bool complete() const { return c && i && a && engine::isAcceptedCFactor(*c); }
};

}  // namespace

void MainFrm::twoYearRow_Change(QLineEdit* changed)
{
    dischargeRow_Change({m_CText, m_IText, m_AText, &m_Q2, &engine::twoYearDischarge, m_twoYearRunOffResultLabel},
                        changed);
}

void MainFrm::twentyFiveYearRow_Change(QLineEdit* changed)
{
    dischargeRow_Change({m_CText2, m_IText2, m_AText2, &m_Q25, &engine::twentyFiveYearDischarge,
                         m_twentyFiveYROffResultLabel},
                        changed);
}

// One discharge row, Q = C x I x A: the changed box is checked first; the
// discharge is recomputed when all three operands hold; a changed A or C is
// copied back to the Project Information page.
void MainFrm::dischargeRow_Change(const DischargeRow& row, QLineEdit* changed)
{
    const auto own = changed == row.a ? measureOf(changed->text()) : numberOf(changed->text());
    if (!own || !keepsResultsFinite(changed, *own)) {
        showNotNumber(this);
        return;
    }
    if (changed == row.c && !engine::isAcceptedCFactor(*own)) {
        showMessage(this, Icon::Exclamation, qs(engine::msg::kCFactorTooHigh));
        selectTab(1);
        return;
    }
    const RunoffOperands operands{numberOf(row.c->text()), numberOf(row.i->text()), measureOf(row.a->text())};
    if (operands.complete())
        *row.held = row.discharge(*operands.c, *operands.i, *operands.a);
    row.label->setCaption(qs(engine::dischargeCaption(*row.held)));
    if (changed == row.a)
        writeLimitedBox(m_areaAvaiText, changed->text());
    else if (changed == row.c)
        m_CFactorText->setText(changed->text());
}

void MainFrm::v2ResultLabel_Change(const QString& caption) { setSummaryLabel(QStringLiteral("VsLabel"), caption); }
void MainFrm::vcResultLabel_Change(const QString& caption) { setSummaryLabel(QStringLiteral("VcLabel"), caption); }

void MainFrm::twoYearRunOffResultLabel_Change(const QString& caption)
{
    setSummaryLabel(QStringLiteral("Q2Label"), caption);
    rebuildQsLabel();
    Table6_221::open(*this).Q2Text()->setText(general(m_Q2));
}

void MainFrm::twentyFiveYROffResultLabel_Change(const QString& caption)
{
    setSummaryLabel(QStringLiteral("Q25Label"), caption);
    rebuildQsLabel();
    m_Q25Text->setText(general(m_Q25));
}

void MainFrm::rebuildQsLabel()
{
    m_QsLabel->setCaption(
        qs(engine::qsCaption(ss(m_twoYearRunOffResultLabel->text()), ss(m_twentyFiveYROffResultLabel->text()))));
}

// ---------------------------------------------------------------------------
// Emergency spillway

// Qes = Q25 - Qps, from the held Q25 and the main window's Qps.
void MainFrm::Q25Text_Change()
{
    if (const auto qps = numberOf(m_QpsText[0]->text()))
        m_QesText->setText(qs(engine::emergencyCapacityText(m_Q25, *qps)));
}

void MainFrm::QpsText0_Change(const QString& text)
{
    m_QpsText[1]->setText(text);
    setSummaryValue(QStringLiteral("QpsLabel"), text);
    Q25Text_Change();
}

void MainFrm::QesText_Change(const QString& text)
{
    if (const auto qes = numberOf(text))
        m_Qes = *qes;
    setSummaryValue(QStringLiteral("QesLabel"), text);
    Table6_224::open(*this).QesText()->setText(text + QStringLiteral(" cfs"));
    // A new Qes clears the chosen channel.
    for (auto* box : {m_stageText, m_velocityText, m_slopeText, m_bottomWidthText})
        box->setText(QStringLiteral("0"));
}

// The stage of the chosen channel, and the run of its 2.5 : 1 side slope, shown
// at the slope of the summary's spillway cross-section (the basin's own bank
// run beside the left bank is the sizing's and stays).
void MainFrm::stageText_Change(const QString& text)
{
    setSummaryValue(QStringLiteral("HpLabel"), text);
    if (const auto stage = numberOf(text))
        setSummaryValue(QStringLiteral("slopeDisLabel_1"), qs(engine::table_es::sideSlopeRunText(*stage)));
}

void MainFrm::bottomWidthText_Change(const QString& text)
{
    setSummaryValue(QStringLiteral("bLabel"), text);
}

void MainFrm::slopeText_Change(const QString& text) { setSummaryLabel(QStringLiteral("slopeLabel"), text); }

void MainFrm::emSpilButton_Click()
{
    showModeless(&Table6_224::open(*this));
    setGuidance(kGuideStore);
}

// ---------------------------------------------------------------------------
// Basin sizing by depth

void MainFrm::slopeVarText_Change(const QString& text)
{
    const auto slope = measureOf(text);
    if (!slope || !keepsResultsFinite(m_slopeVarText, *slope)) {
        showNotNumber(this);
        return;
    }
    setSummaryLabel(QStringLiteral("slopeVarLabel"), text);
    auto& figure = PrincipalSpillwayDesign::open(*this);
    figure.ZdText()->setText(text);
    figure.ZuText()->setText(text);
    sizeBasin(m_Depth);
}

void MainFrm::slopeVarText_LostFocus()
{
    if (m_closing)
        return;
    const auto slope = numberOf(m_slopeVarText->text());
    if (!slope || *slope < engine::kMinimumInnerSlope) {
        showMessage(this, Icon::Information, qs(engine::msg::kSlopeTooSteep));
        selectTab(1);
    }
}

void MainFrm::Option1_Click(int depth) { sizeBasin(depth); }

void MainFrm::selectDepth(int depth)
{
    if (depth < engine::kMinDepth || depth > engine::kMaxDepth)
        return;
    m_Option1[std::size_t(depth)]->setChecked(true);
    sizeBasin(depth);
}

void MainFrm::sizeBasin(int depth)
{
    m_Depth = depth;
    m_depthLabel->setCaption(qs(engine::depthCaption(depth)));
    m_i->setText(qs(engine::sliceCountText(depth)));
    m_minimumHeight = engine::minimumHeight(depth);

    // H rises to the depth + 1 ft, then to the depth + h.
    if (const auto height = engine::parseSingle(ss(m_hText->text()))) {
        if (const auto raised = engine::heightFloorForDepth(*height, depth))
            m_hText->setText(qs(*raised));
    }
    const auto height = engine::parseSingle(ss(m_hText->text()));
    const auto head = engine::parseSingle(ss(m_littlehText->text()));
    if (height && head) {
        if (const auto raised = engine::heightFloorForHead(*head, depth, *height))
            m_hText->setText(qs(*raised));
    }

    // A slope that is not a measure gives no basin; the dimensions stand.
    const auto slope = measureOf(m_slopeVarText->text());
    if (!slope)
        return;
    const auto basin = engine::sizeBasin(m_VolumeAtFull, *slope, depth);
    if (!basin.defined)
        return;
    m_widthText->setText(qs(basin.widthText));
    m_lengthText->setText(qs(basin.lengthText));
    m_totalWidthText->setText(qs(basin.topWidthText));
    m_totalLengthText->setText(qs(basin.topLengthText));
    m_percentLabel->setCaption(qs(basin.percentText));

    setSummaryValue(QStringLiteral("slopeDisLabel_0"), qs(basin.runText));
    setSummaryValue(QStringLiteral("bottomWLabel"), m_widthText->text());
    setSummaryValue(QStringLiteral("bottomLLabel"), m_lengthText->text());
    setSummaryValue(QStringLiteral("depthLabel_0"), QString::number(depth));
    setSummaryValue(QStringLiteral("depthLabel_1"), QString::number(depth));
}

// ---------------------------------------------------------------------------
// Principal spillway

void MainFrm::hText_Change(const QString& text)
{
    Table6_221::open(*this).hText()->setText(text);
    setSummaryValue(QStringLiteral("HLabel"), text);
}

// H leaves its box: a number, at least the minimum, raised to the depth + h,
// and below the dam's A - B.
void MainFrm::hText_LostFocus()
{
    if (m_closing)
        return;
    const auto typed = engine::parseSingle(ss(m_hText->text()));
    if (!typed) {
        showNotNumber(this);
        return;
    }
    if (*typed < m_minimumHeight) {
        showMessage(this, Icon::Warning, qs(engine::msg::heightTooLow(ss(m_littlehText->text()))));
        selectTab(4);
    }
    if (const auto head = engine::parseSingle(ss(m_littlehText->text()))) {
        if (const auto raised = engine::heightFloorForHead(*head, m_Depth, *typed))
            m_hText->setText(qs(*raised));
    }
    const auto height = engine::parseSingle(ss(m_hText->text()));
    const auto length = numberOf(m_LText->text());
    const auto& figure = PrincipalSpillwayDesign::open(*this);
    const auto a = numberOf(figure.AText()->text());
    const auto b = numberOf(figure.BvText()->text());
    if (height && length && *length != 0 && a && b && float(*a - *b) < *height)
        showMessage(this, Icon::Warning, qs(engine::msg::kHeightAboveElevations));
}

void MainFrm::littlehText_Change(const QString& text)
{
    const auto head = engine::parseSingle(ss(text));
    if (!head)
        return;
    if (*head - 1 < 0) {
        m_littlehText->setText(QStringLiteral("1"));  // runs this operation again with h = 1
        return;
    }
    setSummaryValue(QStringLiteral("hText"), text);
    if (const auto height = engine::parseSingle(ss(m_hText->text()))) {
        if (const auto raised = engine::heightFloorForHead(*head, m_Depth, *height))
            m_hText->setText(qs(*raised));
    }
}

// Do gives the riser diameter Ds = 1.5 x Do; the correction table follows Do.
void MainFrm::DoText_Change(const QString& text)
{
    if (const auto diameter = numberOf(text))
        m_DsText->setText(qs(engine::riserDiameterText(*diameter)));
    Table6_221b::open(*this).DoText()->setText(text);
    setSummaryValue(QStringLiteral("DoLabel"), text);
}

void MainFrm::DsText_Change(const QString& text)
{
    setSummaryValue(QStringLiteral("DsLabel"), text);
    computeHeadOverRiser();
}

void MainFrm::QText_Change(const QString& text)
{
    computeHeadOverRiser();
    Table6_221b::open(*this).QText()->setText(text);
}

void MainFrm::computeHeadOverRiser()
{
    const auto q = numberOf(m_QText->text());
    const auto riser = numberOf(m_DsText->text());
    if (!q || !riser)
        return;
    if (const auto head = engine::headOverRiserText(*q, *riser))
        m_littlehText->setText(qs(*head));
}

void MainFrm::LText_Change(const QString& text)
{
    Table6_221b::open(*this).LText()->setText(text);
    setSummaryValue(QStringLiteral("LLabel"), text);
}

void MainFrm::Do_QButton_Click() { showModeless(&Table6_221::open(*this)); }
void MainFrm::prinSpillWayHelpButton_Click() { showModeless(&PrincipalSpillwayDesign::open(*this)); }
void MainFrm::QpsButton_Click() { showModeless(&Table6_221b::open(*this)); }

// ---------------------------------------------------------------------------
// The spillway windows' view of the main window

QString MainFrm::hText() const { return m_hText->text(); }
void MainFrm::setHText(const QString& text) { m_hText->setText(text); }
QString MainFrm::DoText() const { return m_DoText->text(); }
void MainFrm::setDoText(const QString& text) { m_DoText->setText(text); }
QString MainFrm::QText() const { return m_QText->text(); }
void MainFrm::setQText(const QString& text) { m_QText->setText(text); }

void MainFrm::setDoQColor(const QColor& colour)
{
    setTextColour(m_DoText, colour);
    setTextColour(m_QText, colour);
}

QString MainFrm::LText() const { return m_LText->text(); }
void MainFrm::setLText(const QString& text) { m_LText->setText(text); }
QString MainFrm::QpsText() const { return m_QpsText[0]->text(); }
void MainFrm::setQpsText(const QString& text) { m_QpsText[0]->setText(text); }
void MainFrm::setQpsColor(const QColor& colour) { setTextColour(m_QpsText[0], colour); }
void MainFrm::setSlopeVarText(const QString& text) { writeLimitedBox(m_slopeVarText, text); }
QString MainFrm::QesText() const { return m_QesText->text(); }

void MainFrm::setChannel(const QString& stage, const QString& bottomWidth, const QString& velocity,
                         const QString& slope)
{
    m_stageText->setText(stage);
    m_bottomWidthText->setText(bottomWidth);
    m_velocityText->setText(velocity);
    m_slopeText->setText(slope);
}

// ---------------------------------------------------------------------------
// Tables and records

namespace {

// The table windows are destroyed when they close: one closed (and about to
// go) is replaced by a new one.
template <class Window>
void showTableWindow(MainFrm& main, BasinRecords& records, const QString& name)
{
    QWidget* existing = main.window(name);
    if (!existing || existing->isHidden()) {
        existing = new Window(records);
        main.registerWindow(name, existing);
    }
    showModeless(existing);
}

}  // namespace

// The reference windows: one each, made on first use; one that was closed is
// made anew on the next press.
namespace {

template <class Make>
void showReferenceWindow(MainFrm& main, const QString& name, Make make)
{
    QWidget* existing = main.window(name);
    if (!existing) {
        existing = make();
        main.registerWindow(name, existing);
    }
    showModeless(existing);
}

}  // namespace

void MainFrm::HelpFile_Click()
{
    showReferenceWindow(*this, QStringLiteral("frmHelp"), [this] { return new frmHelp(m_locations.helpFolder()); });
}

void MainFrm::SoftBttn1_Click()
{
    showReferenceWindow(*this, QStringLiteral("SBdocFrm"), [this] {
        auto* viewer = new SBdocFrm;
        viewer->setDocsFolder(m_locations.docsFolder());
        return viewer;
    });
}

void MainFrm::aboutButton_Click()
{
    showReferenceWindow(*this, QStringLiteral("frmAbout"), [this] {
        auto* about = new frmAbout(m_locations.databasePath());
        if (m_records->database().isServer())
            about->setDatabaseText(m_records->database().location());
        return about;
    });
}

// ---------------------------------------------------------------------------
// The design sheet and the table's export

void MainFrm::showSheets(QVector<reports::DesignSheet> sheets, const QString& title, const QString& pdfName)
{
    // One preview at a time: a new one replaces the one open.
    delete window(QStringLiteral("DesignSheetPreview"));
    auto* preview = new DesignSheetPreview(std::move(sheets), title, pdfName);
    registerWindow(QStringLiteral("DesignSheetPreview"), preview);
    showModeless(preview);
}

void MainFrm::sheetButton_Click()
{
    if (disclaimerShown())
        return;  // Ctrl+P waits, like the toolbar, until the disclaimer is read
    reports::DesignSheet sheet = reports::designSheet(m_records->screenDesign(), m_records->activeTable());
    const QString title = QStringLiteral("Design Sheet - Project Number: %1 - Basin Number: %2")
                              .arg(sheet.projectNumber, sheet.basinNumber);
    const QString pdfName = sheet.projectNumber + QLatin1Char(' ') + sheet.basinNumber;
    showSheets({std::move(sheet)}, title, pdfName);
}

void MainFrm::sheetsOfTable_Click()
{
    auto& database = m_records->database();
    if (!database.hasOpenTable()) {
        showMessage(this, Icon::Information, qs(engine::msg::kNoTableOpen));
        return;
    }
    auto sheets = reports::tableSheets(database);
    if (!sheets) {
        showTableError(this, sheets.failure());
        return;
    }
    if (sheets->isEmpty()) {
        showMessage(this, Icon::Information, qs(engine::msg::kNoBasinsToShow));
        return;
    }
    const QString table = database.tableName();
    showSheets(std::move(sheets).value(), QStringLiteral("Design Sheets of the Table ") + table,
               table + QStringLiteral(" design sheets"));
}

void MainFrm::exportTable_Click()
{
    auto& database = m_records->database();
    if (!database.hasOpenTable()) {
        showMessage(this, Icon::Information, qs(engine::msg::kNoTableOpen));
        return;
    }
    const QString table = database.tableName();
    const QString suggested = QDir(services().documentsFolder())
                                  .filePath(reports::fileNameOf(table, QStringLiteral("Project table")) + QStringLiteral(".csv"));
    QString path =
        services().chooseSaveFile(this, QStringLiteral("Export Table"), suggested, QStringLiteral("CSV files (*.csv)"));
    if (path.isEmpty())
        return;
    if (!path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive))
        path += QStringLiteral(".csv");
    const QString shown = QDir::toNativeSeparators(path);
    const store::Status exported = reports::exportTableCsv(database, path);
    if (exported)
        showMessage(this, Icon::Information, qs(engine::msg::kTableExported, {table, shown}));
    else
        showMessage(this, Icon::Exclamation, qs(engine::msg::kTableNotExported, {shown, exported.failure().description}));
}

void MainFrm::newButton_Click() { showTableWindow<newTableForm>(*this, *m_records, QStringLiteral("newTableForm")); }
void MainFrm::LoadFile_Click() { showTableWindow<tableListFrm>(*this, *m_records, QStringLiteral("tableListFrm")); }

QLineEdit* MainFrm::columnBox(int column) const
{
    namespace col = engine::col;
    auto& figure = PrincipalSpillwayDesign::open(const_cast<MainFrm&>(*this));
    switch (column) {
    case col::ProjectNumber: return m_proNameText;
    case col::PINumber: return m_PINoText;
    case col::DesignerName: return m_designerNameText;
    case col::Date: return m_dateText;
    case col::BasinNumber: return m_proNumText;
    case col::Location: return m_locationText;
    case col::Side: return m_sideText;
    case col::Area: return m_areaAvaiText;
    case col::CFactor: return m_CFactorText;
    case col::Slope: return m_slopeVarText;
    case col::I1: return m_IText;
    case col::I2: return m_IText2;
    case col::BottomWidth: return m_widthText;
    case col::BottomLength: return m_lengthText;
    case col::TopWidth: return m_totalWidthText;
    case col::TopLength: return m_totalLengthText;
    case col::Height: return m_hText;
    case col::PrinOutletPipeDiameter: return m_DoText;
    case col::Q: return m_QText;
    case col::A: return figure.AText();
    case col::B: return figure.BvText();
    case col::C: return figure.CText();
    case col::Zd: return figure.ZdText();
    case col::T: return figure.TText();
    case col::E: return figure.EText();
    case col::PrinOutletPipeLength: return m_LText;
    case col::Qps: return m_QpsText[0];
    case col::PrinRiserDiameter: return m_DsText;
    case col::h: return m_littlehText;
    case col::Qes: return m_QesText;
    case col::EmStage: return m_stageText;
    case col::EmBottomWidth: return m_bottomWidthText;
    case col::EmVelocity: return m_velocityText;
    case col::EmSlope: return m_slopeText;
    default: return nullptr;
    }
}

QString MainFrm::columnText(int column) const
{
    namespace col = engine::col;
    switch (column) {
    case col::Description: return m_descrText->toPlainText();
    case col::County: return m_CountyCombo->currentText();
    case col::VolumeAtFull: return qs(engine::doubleText(m_VolumeAtFull));
    case col::VolumeAtCleanOut: return qs(engine::doubleText(m_VolumeAtCleanOut));
    case col::Q2: return qs(engine::doubleText(m_Q2));
    case col::Q25: return qs(engine::doubleText(m_Q25));
    case col::Depth: return QString::number(m_Depth);
    default: break;
    }
    const QLineEdit* box = columnBox(column);
    return box ? box->text() : QString();
}

void MainFrm::setColumnText(int column, const QString& text)
{
    if (column == engine::col::Description) {
        // A stored description of any length shows whole; only typing is limited.
        m_descrLimit = qMax(kDescriptionTypingLimit, int(text.size()));
        if (m_descrText->toPlainText() != text)
            m_descrText->setPlainText(text);
    } else if (column == engine::col::County) {
        m_CountyCombo->setEditText(text);
    } else if (QLineEdit* box = columnBox(column)) {
        writeLimitedBox(box, text);
    }
}

void MainFrm::setDepthButton(int depth)
{
    if (depth >= engine::kMinDepth && depth <= engine::kMaxDepth && !m_Option1[std::size_t(depth)]->isChecked())
        selectDepth(depth);
}

void MainFrm::setRecordButtons(const RecordButtons& buttons)
{
    m_newBasinButton->setEnabled(buttons.newBasin);
    m_storeBasinButton->setEnabled(buttons.storeBasin);
    m_saveRecButton->setEnabled(buttons.update);
    m_delBasinButton->setEnabled(buttons.remove);
}

void MainFrm::setRecordList(const QStringList& entries)
{
    m_DBList1->clear();
    m_DBList1->addItems(entries);
}

void MainFrm::selectRecordEntry(int entry)
{
    const QSignalBlocker quiet(m_DBList1);
    if (entry >= 0 && entry < m_DBList1->count())
        m_DBList1->setCurrentRow(entry);
    else
        m_DBList1->setCurrentRow(-1);
}

// A click on an entry loads its record, the clicked one included, once the
// basin on screen is stored or its changes given up; cancelled, the list shows
// the current record again.
void MainFrm::DBList1_Click(QListWidgetItem* item)
{
    const int entry = m_DBList1->row(item);
    if (!m_records->confirmReplacingBasin()) {
        selectRecordEntry(m_records->currentPosition().value_or(-1));
        return;
    }
    selectRecordEntry(entry);
    m_records->loadRecord(entry);
}

// Blue where the main window's Do and Q or Qps is not the design tables'
// choice, by the tables' own rules: Qps is compared at the main window's two
// decimals, so a loaded 22.1 is the table's 22.10.
void MainFrm::markOverwrites()
{
    const auto mainQ = numberOf(m_QText->text());
    const auto tableQ = numberOf(Table6_221::open(*this).QText()->text());
    const bool sameQ = mainQ && tableQ && !engine::table_a::isOverwrite(*mainQ, *tableQ);
    setDoQColor(sameQ ? colour::buttonText() : colour::designerOverwrite());
    const auto mainQps = numberOf(m_QpsText[0]->text());
    const auto tableQps = numberOf(Table6_221b::open(*this).QpsText()->text());
    const bool sameQps = mainQps && tableQps && !engine::table_b::isOverwrite(*mainQps, *tableQps);
    setQpsColor(sameQps ? colour::buttonText() : colour::designerOverwrite());
}

}  // namespace ui

#ifndef UI_MAINFRM_H
#define UI_MAINFRM_H

// The main window: toolbar, record list, the five pages of one basin design
// under a tab strip, the command buttons, the status bar with its guidance,
// the record cover and the disclaimer.
//
// The basin being edited lives in the boxes of the pages and in the few
// numbers held here. Every box runs its operation when its text changes;
// setting a box to the text it already holds is no change, which ends the
// chains of copies between the parallel boxes.
//
// The spillway windows (the pipe, correction and channel tables and the
// outlet-pipe length figure) reach the main window through SpillwayHost; the
// record logic (BasinRecords) through RecordHost.

#include "store/FileLocations.h"
#include "ui/RecordHost.h"
#include "ui/SpillwayHost.h"

#include <QPointer>
#include <QString>
#include <QVector>
#include <QWidget>

#include <array>
#include <memory>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QRadioButton;
class QStatusBar;
class QTabBar;
class QPlainTextEdit;
class QToolButton;

namespace reports {
struct DesignSheet;
}

namespace ui {

class BasinRecords;
class Caption;
class frmSummary;

class MainFrm : public QWidget, public SpillwayHost, public RecordHost {
    Q_OBJECT
    Q_DISABLE_COPY(MainFrm)
public:
    // The program's own locations (programLocations()).
    explicit MainFrm(QWidget* parent = nullptr);
    // A portable folder holding basin.mdb, report.txt, docs/ and Help/.
    explicit MainFrm(const QString& programFolder, QWidget* parent = nullptr);
    // basin.mdb and report.txt in the data folder, docs/ and Help/ in the
    // share folder.
    explicit MainFrm(const store::FileLocations& locations, QWidget* parent = nullptr);
    ~MainFrm() override;

    static constexpr int kPageCount = 5;

    // Held numbers of the basin being edited.
    double VolumeAtFull() const { return m_VolumeAtFull; }
    double VolumeAtCleanOut() const { return m_VolumeAtCleanOut; }
    double Q2() const override { return m_Q2; }
    double Q25() const { return m_Q25; }
    int Depth() const { return m_Depth; }
    float minimumHeight() const override { return m_minimumHeight; }
    double Qes() const override { return m_Qes; }
    double pi() const { return m_pi; }

    int currentPage() const { return m_currentPage; }
    bool closing() const override { return m_closing; }
    bool expanded() const;

    // Selects tab 1 to 5 as a click would, running the page-change rule.
    void selectTab(int tab) override;
    // The focus and guidance of the current page; afterLoad gives the texts
    // used after a record is loaded (no over-design warning).
    void guideCurrentPage(bool afterLoad);
    // Whether a control of this window lies under the disclaimer or the
    // record cover: such a control takes no focus from the keyboard.
    bool isCovered(const QWidget* widget) const;

    // Status bar: panel 1 names the active table, panel 2 guides.
    void setActiveTableText(const QString& text) override;
    QString activeTableText() const;
    void setGuidance(const QString& text) override;
    QString guidance() const;

    // The record cover over the pages while no record is open.
    void showRecordCover(const QString& help) override;
    void hideRecordCover() override;
    bool recordCoverShown() const;
    QString helpText() const;

    bool disclaimerShown() const;

    // Selects a depth button (4 to 10) and runs the sizing, as a click does.
    void selectDepth(int depth);

    // The page widgets, 0 to 4 (the array Frame).
    QWidget* page(int index) const { return m_Frame.at(index); }

    // The summary window, created unshown on first use.
    frmSummary* summary();
    void setSummaryLabel(const QString& name, const QString& caption) override;
    // A value label of the summary window, written as its value followed by
    // the label's unit ("7.20" in bottomWLabel reads "7.20 ft.").
    void setSummaryValue(const QString& name, const QString& value);

    // The windows unloaded when the main window closes, in their order. A
    // window registers itself when it is created; one never created is skipped.
    static const QStringList& unloadOrder();
    void registerWindow(const QString& name, QWidget* window) override;
    QWidget* window(const QString& name) const;

    // The boxes of the spillway pages as the spillway windows read and write
    // them; every write runs the box's change operation.
    QWidget* hostWindow() override { return this; }
    QString hText() const override;
    void setHText(const QString& text) override;
    QString DoText() const override;
    void setDoText(const QString& text) override;
    QString QText() const override;
    void setQText(const QString& text) override;
    void setDoQColor(const QColor& colour) override;
    QString LText() const override;
    void setLText(const QString& text) override;
    QString QpsText() const override;
    void setQpsText(const QString& text) override;
    void setQpsColor(const QColor& colour) override;
    void setSlopeVarText(const QString& text) override;
    QString QesText() const override;
    void setChannel(const QString& stage, const QString& bottomWidth, const QString& velocity,
                    const QString& slope) override;

    // The basin records: the project database, the record list and buttons.
    BasinRecords& records() { return *m_records; }
    // The boxes of the columns as the record logic reads and writes them.
    QString columnText(int column) const override;
    void setColumnText(int column, const QString& text) override;
    void setDepthButton(int depth) override;
    void guideAfterLoad() override { guideCurrentPage(true); }
    void setRecordButtons(const RecordButtons& buttons) override;
    void setRecordList(const QStringList& entries) override;
    void selectRecordEntry(int entry) override;
    void markOverwrites() override;

    // The start-up focus.
    void focusProjectNumber();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Building the window.
    void buildToolbar();
    void buildSheetButton();
    void buildRecordList();
    void buildTabStrip();
    void buildCommandButtons();
    void buildStatusBar();
    void buildProjectInformationPage(QWidget* page);
    void buildVolumesPage(QWidget* page);
    void buildDimensionsPage(QWidget* page);
    void buildPrincipalSpillwayPage(QWidget* page);
    void buildEmergencySpillwayPage(QWidget* page);
    void buildRecordCover();
    void buildDisclaimer();
    void setTabOrder();
    void focusCurrentPage();
    // Keeps covered controls out of the keyboard's reach and the focus out of them.
    void updateCovers();
    void connectChains();
    void load();

    // Handlers, one per control event.
    void TabStrip1_Click(int tab);
    void expandButton_Click();
    void summaryCmd_Click();
    void todayDateButton_Click();
    void dateText_LostFocus();
    void descrText_Change();
    void proNameText_Change();
    void proNumText_Change();
    void areaAvaiText_Change(const QString& text);
    void CFactorText_Change(const QString& text);
    void slopeVarText_Change(const QString& text);
    void slopeVarText_LostFocus();
    void areaText_Change(const QString& text);
    void areaText2_Change(const QString& text);
    void twoYearRow_Change(QLineEdit* changed);
    void twentyFiveYearRow_Change(QLineEdit* changed);
    // The boxes, held discharge and label of one discharge row.
    struct DischargeRow {
        QLineEdit* c;
        QLineEdit* i;
        QLineEdit* a;
        double* held;
        double (*discharge)(double c, double i, double a);
        Caption* label;
    };
    void dischargeRow_Change(const DischargeRow& row, QLineEdit* changed);
    bool keepsResultsFinite(const QLineEdit* box, double value) const;
    void v2ResultLabel_Change(const QString& caption);
    void vcResultLabel_Change(const QString& caption);
    void twoYearRunOffResultLabel_Change(const QString& caption);
    void twentyFiveYROffResultLabel_Change(const QString& caption);
    void Q25Text_Change();
    void QpsText0_Change(const QString& text);
    void QesText_Change(const QString& text);
    void stageText_Change(const QString& text);
    void bottomWidthText_Change(const QString& text);
    void slopeText_Change(const QString& text);
    void emSpilButton_Click();
    void Option1_Click(int depth);
    void hText_Change(const QString& text);
    void hText_LostFocus();
    void littlehText_Change(const QString& text);
    void DoText_Change(const QString& text);
    void DsText_Change(const QString& text);
    void QText_Change(const QString& text);
    void LText_Change(const QString& text);
    void Do_QButton_Click();
    void prinSpillWayHelpButton_Click();
    void QpsButton_Click();
    void DBList1_Click(QListWidgetItem* item);
    void newButton_Click();
    void LoadFile_Click();
    void HelpFile_Click();
    void SoftBttn1_Click();
    void aboutButton_Click();
    void sheetButton_Click();
    void sheetsOfTable_Click();
    void exportTable_Click();
    void showSheets(QVector<reports::DesignSheet> sheets, const QString& title, const QString& pdfName);

    // The box of a column, or nullptr for the columns without a line box.
    QLineEdit* columnBox(int column) const;
    // The sizing run for a depth.
    void sizeBasin(int depth);
    void rebuildQsLabel();
    // h from Q and Ds, run on a change of either.
    void computeHeadOverRiser();

    // Held numbers.
    double m_VolumeAtFull = 0;
    double m_VolumeAtCleanOut = 0;
    double m_Q2 = 0;
    double m_Q25 = 0;
    int m_Depth = 4;
    float m_minimumHeight = 5;
    double m_Qes = 0;
    double m_pi = 0;
    int m_currentPage = 0;
    bool m_closing = false;

    // Frame.
    QFrame* m_Frame4 = nullptr;
    QVector<QToolButton*> m_toolButtons;
    QToolButton* m_sheetButton = nullptr;
    QPushButton* m_expandButton = nullptr;
    QFrame* m_Frame1 = nullptr;
    QComboBox* m_Combo1 = nullptr;
    QListWidget* m_DBList1 = nullptr;
    QPushButton* m_refreshButton = nullptr;
    QFrame* m_TabStrip1 = nullptr;
    QTabBar* m_tabBar = nullptr;
    std::array<QWidget*, kPageCount> m_Frame{};
    QPushButton* m_summaryCmd = nullptr;
    QPushButton* m_saveRecButton = nullptr;
    QPushButton* m_newBasinButton = nullptr;
    QPushButton* m_storeBasinButton = nullptr;
    QPushButton* m_delBasinButton = nullptr;
    QPushButton* m_exitButton = nullptr;
    QStatusBar* m_StatusBar1 = nullptr;
    QLabel* m_statusPanel1 = nullptr;
    QLabel* m_statusPanel2 = nullptr;
    QFrame* m_Frame2 = nullptr;
    QLabel* m_helpLabel = nullptr;
    QFrame* m_frmDisclaimer = nullptr;
    QLabel* m_lblDisclaimer = nullptr;
    QPushButton* m_btnAccept = nullptr;

    // Project Information.
    QLineEdit* m_proNameText = nullptr;
    QLineEdit* m_PINoText = nullptr;
    QComboBox* m_CountyCombo = nullptr;
    QLineEdit* m_proNumText = nullptr;
    QLineEdit* m_locationText = nullptr;
    QLineEdit* m_sideText = nullptr;
    QLineEdit* m_dateText = nullptr;
    QPushButton* m_todayDateButton = nullptr;
    QLineEdit* m_designerNameText = nullptr;
    QPlainTextEdit* m_descrText = nullptr;
    // Typed descriptions are cut at 60 characters; a longer one written by the
    // program (a stored record) raises the limit to its length.
    static constexpr int kDescriptionTypingLimit = 60;
    int m_descrLimit = kDescriptionTypingLimit;
    QLineEdit* m_areaAvaiText = nullptr;
    QLineEdit* m_CFactorText = nullptr;
    QLineEdit* m_slopeVarText = nullptr;

    // Volumes/Runoff.
    QLineEdit* m_areaText = nullptr;
    QLineEdit* m_areaText2 = nullptr;
    QLineEdit* m_CText = nullptr;
    QLineEdit* m_IText = nullptr;
    QLineEdit* m_AText = nullptr;
    QLineEdit* m_CText2 = nullptr;
    QLineEdit* m_IText2 = nullptr;
    QLineEdit* m_AText2 = nullptr;
    Caption* m_v2ResultLabel = nullptr;
    Caption* m_vcResultLabel = nullptr;
    Caption* m_twoYearRunOffResultLabel = nullptr;
    Caption* m_twentyFiveYROffResultLabel = nullptr;

    // Basin's Dimensions.
    std::array<QRadioButton*, 11> m_Option1{};  // indexes 4 to 10
    QLineEdit* m_i = nullptr;
    QLineEdit* m_widthText = nullptr;
    QLineEdit* m_lengthText = nullptr;
    QLineEdit* m_totalWidthText = nullptr;
    QLineEdit* m_totalLengthText = nullptr;
    Caption* m_percentLabel = nullptr;
    Caption* m_QsLabel = nullptr;

    // Principal Spillway.
    QLineEdit* m_hText = nullptr;
    Caption* m_depthLabel = nullptr;
    QLineEdit* m_DoText = nullptr;
    QLineEdit* m_QText = nullptr;
    QLineEdit* m_DsText = nullptr;
    QLineEdit* m_littlehText = nullptr;
    QLineEdit* m_LText = nullptr;
    std::array<QLineEdit*, 2> m_QpsText{};
    QPushButton* m_Do_QButton = nullptr;
    QPushButton* m_prinSpillWayHelpButton = nullptr;
    QPushButton* m_QpsButton = nullptr;

    // Emergency Spillway.
    QLineEdit* m_QesText = nullptr;
    QLineEdit* m_Q25Text = nullptr;
    QLineEdit* m_stageText = nullptr;
    QLineEdit* m_bottomWidthText = nullptr;
    QLineEdit* m_velocityText = nullptr;
    QLineEdit* m_slopeText = nullptr;
    QPushButton* m_emSpilButton = nullptr;

    // Other windows.
    QVector<QPointer<QWidget>> m_windows;  // by unloadOrder()

    std::unique_ptr<BasinRecords> m_records;
    // Where basin.mdb and report.txt are, and docs/ and Help/.
    store::FileLocations m_locations;
};

}  // namespace ui

#endif  // UI_MAINFRM_H

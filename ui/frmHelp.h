#ifndef UI_FRMHELP_H
#define UI_FRMHELP_H

// The user guide window: a pane with the contents tree, the index and the
// keyword search on the left, the page view on the right with its row of
// navigation buttons, and a status bar. The pane can be hidden, and its width
// changed by dragging the separator.

#include <QHash>
#include <QIcon>
#include <QPersistentModelIndex>
#include <QString>
#include <QWidget>

#include <array>
#include <functional>

class QLabel;
class QLineEdit;
class QMouseEvent;
class QPushButton;
class QRadioButton;
class QStatusBar;
class QTabWidget;
class QTextBrowser;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace ui {

class frmHelp : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY(frmHelp)
public:
    // The guide in the Help folder of the program folder.
    explicit frmHelp(QWidget* parent = nullptr);
    // The guide in helpFolder.
    explicit frmHelp(const QString& helpFolder, QWidget* parent = nullptr);

    // Takes the guide in folder: the tree images, today's date in the status
    // bar, and the contents tree and the index from the contents file.
    void SetFolderPath(const QString& folder);
    // Shows a page (a file path) in the page view; a file the view cannot
    // show opens in the system's default application.
    void NavigateTo(const QString& path);

    QString helpFolder() const { return m_helpFolder; }
    // The guide's first page, shown on opening and by "Home".
    QString firstPage() const;
    int indexCount() const { return m_indexCount; }
    // The entry set in bold; nullptr when there is none.
    QTreeWidgetItem* boldEntry() const;
    // The file shown in the page view.
    QString pageInView() const;

    // The three lists: 0 the index, 1 the search result, 2 the contents tree.
    QTreeWidget* list(int index) const { return m_treList[std::size_t(index)]; }

    // Chooses an entry of one of the three lists, as a click does.
    void chooseEntry(QTreeWidget* list, QTreeWidgetItem* item);

    // The pointer, dragging the separator, is over control at x twips from
    // the control's left edge; dropping it there moves the separator.
    void dragSeparatorOver(QWidget* control, int xTwips);
    void dropSeparatorOn(QWidget* control);
    int separatorLeft() const;  // twips

    // How "Print" asks where to save a PDF when no printer is installed;
    // returns the file, or empty to give up. Replaceable for tests.
    void setPdfFileChooser(std::function<QString(QWidget*)> chooser) { m_choosePdfFile = std::move(chooser); }

    void btnBack_Click();
    void btnForward_Click();
    void btnBrowse_Click();
    void btnHome_Click();
    void btnClear_Click();
    void btnPrintPage_Click();
    void btnExit_Click();
    void btnTottle_Click();
    void btnGo_Click();

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build();
    void buildContents();
    QTreeWidget* makeList(const QString& objectName, QWidget* page, bool tree);
    void layoutButtonRow(int leftTwips);
    void widenSearchRow(int widthTwips);
    void placeAroundSeparator();
    QWidget* dropControlAt(const QPoint& globalPos) const;
    bool separatorMouse(QMouseEvent* mouse);
    void showPageAddress();
    void hidePageAddress();
    void reportNavigationError(int number, const QString& description);

    int outerWidth() const;   // twips, as the window's frame would measure
    int outerHeight() const;

    QString m_helpFolder;
    qint16 m_indexCount = 0;
    QTreeWidget* m_boldList = nullptr;
    QPersistentModelIndex m_boldIndex;
    double m_dropX = 0;
    bool m_dragging = false;
    QHash<QString, QIcon> m_images;  // "open", "close", "doc"
    std::function<QString(QWidget*)> m_choosePdfFile;

    QTabWidget* m_SSTHelp = nullptr;
    std::array<QTreeWidget*, 3> m_treList{};
    QWidget* m_btnSeparator = nullptr;
    QPushButton* m_btnTottle = nullptr;
    QTextBrowser* m_wbsHelp = nullptr;
    QToolButton* m_btnBack = nullptr;
    QToolButton* m_btnForward = nullptr;
    QToolButton* m_btnBrowse = nullptr;
    QToolButton* m_btnHome = nullptr;
    QToolButton* m_btnClear = nullptr;
    QToolButton* m_btnPrintPage = nullptr;
    QToolButton* m_btnExit = nullptr;
    QStatusBar* m_stbHelp = nullptr;
    QLabel* m_panel1 = nullptr;
    QLabel* m_panel2 = nullptr;
    QLabel* m_lblKeyword = nullptr;
    QLineEdit* m_txtKeyWord = nullptr;
    QPushButton* m_btnGo = nullptr;
    QRadioButton* m_optAll = nullptr;
    QRadioButton* m_optList = nullptr;
};

}  // namespace ui

#endif  // UI_FRMHELP_H

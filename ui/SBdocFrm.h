#ifndef UI_SBDOCFRM_H
#define UI_SBDOCFRM_H

// The manual excerpt viewer: one page image of the manual at a time, paged
// with "<" and ">" over pages 0 to 16, moved with two scroll bars when it is
// larger than the window.

#include <QString>
#include <QWidget>

class QFrame;
class QLabel;
class QPushButton;
class QScrollBar;

namespace ui {

class SBdocFrm : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY(SBdocFrm)
public:
    static constexpr int kLastPage = 16;

    // Where each control goes for a window of the given size; all in twips.
    struct Layout {
        int vScrollHeight, vScrollLeft;
        int frameHeight, frameWidth;
        int hScrollTop, hScrollWidth;
        int buttonTop;
        int pageLabelTop;
        int noteTop;
    };
    static Layout layoutFor(int heightTwips, int widthTwips);

    explicit SBdocFrm(QWidget* parent = nullptr);

    // The folder of the page files (the program's docs folder unless
    // replaced).
    void setDocsFolder(const QString& folder) { m_docsFolder = folder; }
    QString pageFile(int page) const;

    int pageNumber() const { return m_page; }
    // The file of the picture on show; empty for the built-in first picture.
    QString pictureFile() const { return m_pictureFile; }

    void nextButton_Click();
    void prevButton_Click();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void showPage();
    void VScroll1_Change(int value);
    void HScroll1_Change(int value);

    QString m_docsFolder;
    QString m_pictureFile;
    qint16 m_page = 0;

    QFrame* m_Frame1 = nullptr;
    QLabel* m_Image1 = nullptr;
    QScrollBar* m_VScroll1 = nullptr;
    QScrollBar* m_HScroll1 = nullptr;
    QPushButton* m_prevButton = nullptr;
    QPushButton* m_nextButton = nullptr;
    QLabel* m_pageLabel = nullptr;
    QLabel* m_Label1 = nullptr;
};

}  // namespace ui

#endif  // UI_SBDOCFRM_H

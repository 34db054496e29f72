#ifndef UI_CAPTION_H
#define UI_CAPTION_H

// A label that reports changes of its caption, like an edit box reports
// changes of its text. Setting the caption it already shows is no change and
// emits nothing; this, with QLineEdit's own rule, is what ends the chains of
// copies between parallel boxes.

#include <QLabel>

namespace ui {

class Caption : public QLabel {
    Q_OBJECT
public:
    explicit Caption(const QString& text = {}, QWidget* parent = nullptr) : QLabel(text, parent) {}

    void setCaption(const QString& text)
    {
        if (text == QLabel::text())
            return;
        QLabel::setText(text);
        emit captionChanged(text);
    }

signals:
    void captionChanged(const QString& text);
};

}  // namespace ui

#endif  // UI_CAPTION_H

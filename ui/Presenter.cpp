#include "ui/Presenter.h"

#include "ui/Text.h"

#include <QMessageBox>
#include <QStringList>

namespace ui {

namespace {

QMessageBox::Icon boxIcon(Icon icon)
{
    switch (icon) {
    case Icon::Information: return QMessageBox::Information;
    case Icon::Warning:
    case Icon::Exclamation: return QMessageBox::Warning;
    case Icon::Error: return QMessageBox::Critical;
    case Icon::Question: return QMessageBox::Question;
    case Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

class MessageBoxPresenter : public Presenter {
public:
    void message(QWidget* parent, Icon icon, const QString& title, const QString& text) override
    {
        QMessageBox box(boxIcon(icon), title, text, QMessageBox::Ok, parent);
        box.exec();
    }
    bool ask(QWidget* parent, Icon icon, const QString& title, const QString& text) override
    {
        QMessageBox box(boxIcon(icon), title, text, QMessageBox::Ok | QMessageBox::Cancel, parent);
        box.setDefaultButton(QMessageBox::Ok);
        return box.exec() == QMessageBox::Ok;
    }
};

MessageBoxPresenter realPresenter;
Presenter* current = &realPresenter;

}  // namespace

QString applicationTitle() { return QStringLiteral("Tellum"); }

Presenter& presenter() { return *current; }

void setPresenter(Presenter* replacement) { current = replacement ? replacement : &realPresenter; }

void showMessage(QWidget* parent, Icon icon, const QString& title, const QString& text)
{
    current->message(parent, icon, title, text);
}

void showMessage(QWidget* parent, Icon icon, const QString& text)
{
    current->message(parent, icon, applicationTitle(), text);
}

bool askOkCancel(QWidget* parent, Icon icon, const QString& title, const QString& text)
{
    return current->ask(parent, icon, title, text);
}

void showNotNumber(QWidget* parent)
{
    showMessage(parent, Icon::Exclamation, qs(engine::msg::kNotNumber.title), qs(engine::msg::kNotNumber));
}

void RecordingPresenter::message(QWidget*, Icon icon, const QString& title, const QString& text)
{
    shown.push_back({icon, title, text, false});
}

bool RecordingPresenter::ask(QWidget*, Icon icon, const QString& title, const QString& text)
{
    shown.push_back({icon, title, text, true});
    return answer;
}

QStringList RecordingPresenter::texts() const
{
    QStringList out;
    for (const auto& s : shown)
        out << s.text;
    return out;
}

}  // namespace ui

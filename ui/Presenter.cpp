#include "ui/Presenter.h"

#include "ui/Text.h"

#include <QMessageBox>
#include <QPushButton>
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
    StoreChoice askStoreFirst(QWidget* parent, const QString& title, const QString& text) override
    {
        QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::NoButton, parent);
        QPushButton* store = box.addButton(QStringLiteral("&Store"), QMessageBox::AcceptRole);
        QPushButton* discard = box.addButton(QStringLiteral("&Discard"), QMessageBox::DestructiveRole);
        QPushButton* cancel = box.addButton(QStringLiteral("Cancel"), QMessageBox::RejectRole);
        box.setDefaultButton(store);
        box.setEscapeButton(cancel);
        box.exec();
        if (box.clickedButton() == store)
            return StoreChoice::Store;
        return box.clickedButton() == discard ? StoreChoice::Discard : StoreChoice::Cancel;
    }
};

MessageBoxPresenter realPresenter;
Presenter* current = &realPresenter;

}  // namespace

StoreChoice Presenter::askStoreFirst(QWidget*, const QString&, const QString&) { return StoreChoice::Discard; }

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

StoreChoice askStoreFirst(QWidget* parent, const QString& title, const QString& text)
{
    return current->askStoreFirst(parent, title, text);
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
    return answers.isEmpty() ? answer : answers.takeFirst();
}

StoreChoice RecordingPresenter::askStoreFirst(QWidget*, const QString& title, const QString& text)
{
    shown.push_back({Icon::Warning, title, text, true});
    return storeChoice;
}

QStringList RecordingPresenter::texts() const
{
    QStringList out;
    for (const auto& s : shown)
        out << s.text;
    return out;
}

}  // namespace ui

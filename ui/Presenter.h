#ifndef UI_PRESENTER_H
#define UI_PRESENTER_H

// Every message box and OK/Cancel question of the program goes through the
// one presenter, so that tests can record what was shown and answer questions.

#include <QString>
#include <QVector>

class QWidget;

namespace ui {

enum class Icon { None, Information, Warning, Exclamation, Error, Question };

// The answers to the question asked before the basin on screen is replaced
// while it has changes that are not stored.
enum class StoreChoice { Store, Discard, Cancel };

class Presenter {
public:
    virtual ~Presenter() = default;
    // A modal message with an OK button.
    virtual void message(QWidget* parent, Icon icon, const QString& title, const QString& text) = 0;
    // A modal OK/Cancel question; true for OK.
    virtual bool ask(QWidget* parent, Icon icon, const QString& title, const QString& text) = 0;
    // A modal question with the answers "Store", "Discard" and "Cancel". A
    // presenter that does not know it answers Discard: the action goes on as
    // it always did.
    virtual StoreChoice askStoreFirst(QWidget* parent, const QString& title, const QString& text);
};

// The application's title, carried by every message that names no title.
QString applicationTitle();

// The presenter in force; a real message box unless replaced.
Presenter& presenter();
// Replaces the presenter (tests); nullptr restores the real one. The caller
// keeps ownership.
void setPresenter(Presenter* replacement);

// Shorthands for the presenter in force.
void showMessage(QWidget* parent, Icon icon, const QString& title, const QString& text);
void showMessage(QWidget* parent, Icon icon, const QString& text);  // with the application's title
bool askOkCancel(QWidget* parent, Icon icon, const QString& title, const QString& text);
StoreChoice askStoreFirst(QWidget* parent, const QString& title, const QString& text);

// The box every numeric entry raises on text that is not a number.
void showNotNumber(QWidget* parent);

// A presenter that shows nothing and records every message and question.
class RecordingPresenter : public Presenter {
public:
    struct Shown {
        Icon icon;
        QString title;
        QString text;
        bool question;
    };
    QVector<Shown> shown;
    bool answer = true;                           // the answer to every OK/Cancel question
    QList<bool> answers;                          // before it: the answers to the next ones, in turn
    StoreChoice storeChoice = StoreChoice::Discard;  // the answer to every store-first question

    void message(QWidget*, Icon icon, const QString& title, const QString& text) override;
    bool ask(QWidget*, Icon icon, const QString& title, const QString& text) override;
    StoreChoice askStoreFirst(QWidget*, const QString& title, const QString& text) override;
    QStringList texts() const;
    void clear() { shown.clear(); }
};

}  // namespace ui

#endif  // UI_PRESENTER_H

#ifndef UI_SPILLWAYHOST_H
#define UI_SPILLWAYHOST_H

// What the spillway windows (Table6_221, PrincipalSpillwayDesign, Table6_221b,
// Table6_224) read from and write to the main window. The main window
// implements it; each method is named after the box or held number it
// stands for. Every write is a box write: it runs that box's own change
// operation on the main window, and writing the text a box already holds is
// no change.

#include <QColor>
#include <QHash>
#include <QPointer>
#include <QString>
#include <QWidget>

namespace ui {

class SpillwayHost {
public:
    virtual ~SpillwayHost() = default;

    // The window that owns the spillway windows: they live as long as it does.
    virtual QWidget* hostWindow() = 0;
    // Called once for each spillway window when it is created, with its
    // object name ("Table6_221", ...), so that it is unloaded in order.
    virtual void registerWindow(const QString& name, QWidget* window) = 0;

    // Held numbers.
    virtual double Q2() const = 0;
    virtual float minimumHeight() const = 0;
    virtual double Qes() const = 0;
    // Set while the main window closes: the length window's "Close" then does nothing.
    virtual bool closing() const = 0;

    // Principal Spillway tab.
    virtual QString hText() const = 0;
    virtual void setHText(const QString& text) = 0;
    virtual QString DoText() const = 0;
    virtual void setDoText(const QString& text) = 0;
    virtual QString QText() const = 0;
    virtual void setQText(const QString& text) = 0;
    // The text colour of DoText and QText together (the blue mark or not).
    virtual void setDoQColor(const QColor& colour) = 0;
    virtual QString LText() const = 0;
    virtual void setLText(const QString& text) = 0;
    // QpsText element 0.
    virtual QString QpsText() const = 0;
    virtual void setQpsText(const QString& text) = 0;
    virtual void setQpsColor(const QColor& colour) = 0;

    // Project Information tab: the basin's side slope (Zu is kept equal to it).
    virtual void setSlopeVarText(const QString& text) = 0;

    // Emergency Spillway tab.
    virtual QString QesText() const = 0;
    // stageText, bottomWidthText, velocityText, slopeText, in this order.
    virtual void setChannel(const QString& stage, const QString& bottomWidth, const QString& velocity,
                            const QString& slope) = 0;

    // Status bar, second panel.
    virtual void setGuidance(const QString& text) = 0;
    // A value label of the summary window ("damTopLabel", ...), created unshown if needed.
    virtual void setSummaryLabel(const QString& name, const QString& caption) = 0;
};

// The host's one window of a kind: the existing one, or one made by create()
// on first use, registered with the host and deleted with the host's window.
// The windows are top-level windows of their own, not children of the host's
// window, so that a search of the main window's boxes by name never finds
// theirs.
template <class Window, class Create>
Window& spillwayWindow(SpillwayHost& host, const QString& name, Create create)
{
    static QHash<QWidget*, QPointer<Window>> windows;
    QWidget* owner = host.hostWindow();
    if (Window* existing = windows.value(owner))
        return *existing;
    Window* window = create();
    windows.insert(owner, window);
    QObject::connect(owner, &QObject::destroyed, window, [window] { delete window; });
    host.registerWindow(name, window);
    return *window;
}

}  // namespace ui

#endif  // UI_SPILLWAYHOST_H

#ifndef UI_SERVICES_H
#define UI_SERVICES_H

// The few platform services the program uses, behind one replaceable
// interface so that tests can see what was asked of the platform.

#include <QDate>
#include <QPrinterInfo>
#include <QString>

class QPrinter;
class QWidget;

namespace ui {

class Services {
public:
    virtual ~Services() = default;
    // Opens a file in the system's default application (the report in the
    // text viewer, a document of the guide). False when nothing could open it.
    virtual bool openFile(const QString& path) = 0;
    // Starts a program; false when it could not be started.
    virtual bool startProgram(const QString& program, const QStringList& arguments) = 0;
    // Today's date.
    virtual QDate today() = 0;

    // The designer's documents folder, where files are offered to be saved.
    virtual QString documentsFolder();
    // Asks where to save a file, offering suggestedPath; the empty text when
    // the designer cancels. The base class asks nothing and gives the empty text.
    virtual QString chooseSaveFile(QWidget* parent, const QString& caption, const QString& suggestedPath,
                                   const QString& filter);
    // The default printer; null when none is installed. The base class finds none.
    virtual QPrinterInfo defaultPrinter();
    // The platform's print dialog for printer; false when cancelled. The base
    // class shows nothing and gives false.
    virtual bool choosePrinter(QPrinter& printer, QWidget* parent);
};

Services& services();
// Replaces the services (tests); nullptr restores the real ones. The caller
// keeps ownership.
void setServices(Services* replacement);

// The program folder: the folder of the executable.
QString programFolder();

}  // namespace ui

#endif  // UI_SERVICES_H

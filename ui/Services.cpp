#include "ui/Services.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QPrintDialog>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace ui {

namespace {

class DesktopServices : public Services {
public:
    bool openFile(const QString& path) override { return QDesktopServices::openUrl(QUrl::fromLocalFile(path)); }
    bool startProgram(const QString& program, const QStringList& arguments) override
    {
        return QProcess::startDetached(program, arguments);
    }
    QDate today() override { return QDate::currentDate(); }
    QString chooseSaveFile(QWidget* parent, const QString& caption, const QString& suggestedPath,
                           const QString& filter) override
    {
        return QFileDialog::getSaveFileName(parent, caption, suggestedPath, filter);
    }
    QPrinterInfo defaultPrinter() override { return QPrinterInfo::defaultPrinter(); }
    bool choosePrinter(QPrinter& printer, QWidget* parent) override
    {
        QPrintDialog dialog(&printer, parent);
        return dialog.exec() == QDialog::Accepted;
    }
};

DesktopServices realServices;
Services* current = &realServices;

}  // namespace

QString Services::documentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() ? QDir::homePath() : documents;
}

QString Services::chooseSaveFile(QWidget*, const QString&, const QString&, const QString&) { return {}; }

QPrinterInfo Services::defaultPrinter() { return {}; }

bool Services::choosePrinter(QPrinter&, QWidget*) { return false; }

Services& services() { return *current; }

void setServices(Services* replacement) { current = replacement ? replacement : &realServices; }

QString programFolder() { return QCoreApplication::applicationDirPath(); }

}  // namespace ui

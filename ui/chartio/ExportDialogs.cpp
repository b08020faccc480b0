#include "ui/chartio/ExportDialogs.h"

#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace velmora {

QString QtExportDialogs::saveFileName(QWidget* parent, const QString& title, const QString& suggestedPath,
                                      const QString& filter) {
    return QFileDialog::getSaveFileName(parent, title, suggestedPath, filter);
}

QString QtExportDialogs::openFileName(QWidget* parent, const QString& title, const QString& folder,
                                      const QString& filter) {
    return QFileDialog::getOpenFileName(parent, title, folder, filter);
}

bool QtExportDialogs::setUpPrinter(QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

QString ScriptedExportDialogs::saveFileName(QWidget*, const QString&, const QString& suggestedPath,
                                            const QString&) {
    suggested_.append(suggestedPath);
    if (fileNames_.empty()) {
        return {};
    }
    QString path = fileNames_.front();
    fileNames_.pop_front();
    return path;
}

QString ScriptedExportDialogs::openFileName(QWidget* parent, const QString& title, const QString& folder,
                                            const QString& filter) {
    return saveFileName(parent, title, folder, filter);
}

bool ScriptedExportDialogs::setUpPrinter(QWidget*, QPrinter& printer) {
    ++printerSetUps_;
    if (!printerOutputFile.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printerOutputFile);
    }
    return acceptPrinter;
}

}  // namespace velmora

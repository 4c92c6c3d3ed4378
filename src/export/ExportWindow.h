#pragma once
#include "export/ExportTable.h"

#include <QDialog>
#include <functional>

class ExportGrid;
class ExportTableModel;
class QLabel;
class QToolButton;

// What tells the three export windows apart.
struct ExportWindowConfig
{
    const ExportSheet *sheet;
    QString className;
    QString caption;
    QString helpTitle;
    QString helpText;
    // Read when the window opens: the archive to show and export.
    std::function<QString()> archivePath;
};

// Shows a whole archive in a grid and writes it to a spreadsheet file
// beside the program. Some columns may be corrected before the export;
// the archive itself is never changed.
class ExportWindow : public QDialog
{
    Q_OBJECT
public:
    ExportWindow(ExportWindowConfig config, QWidget *parent);
    ~ExportWindow() override;

    const ExportTable &table() const { return m_table; }
    QString exportPath() const;

public slots:
    void formShow();
    void cmdEsportaClick();
    void cmdGuidaClick();
    void cmdEsciClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QWidget *buildBanner();
    QToolButton *addButton(const char *name, const QString &text, const char *icon, const QString &hint);
    void sizeColumns();
    void showArchiveSummary();

    ExportWindowConfig m_config;
    ExportTable m_table;
    ExportTableModel *m_model;
    QString m_archive;
    bool m_filled = false;

    QLabel *lblDettaglio;
    QToolButton *cmdEsporta;
    QToolButton *cmdGuida;
    QToolButton *cmdEsci;
    ExportGrid *grdRecords;
    QLabel *panInfo;
};

#pragma once
#include <QImage>
#include <QSize>
#include <QString>

class QWidget;

// Writes one PNG per window or printed page into the output folder.
class Shooter
{
public:
    Shooter(const QString &outDir, QSize screen);
    // Shows the window at the screen's size (dialogs and fixed windows at
    // their own), lets it lay out and saves it.
    void window(QWidget *w, const QString &name);
    void image(const QImage &page, const QString &name);
    int count() const { return m_count; }

private:
    QString m_outDir;
    QSize m_screen;
    int m_count = 0;
};

// Each area of the program contributes its windows and pages; every
// function seeds the sample data it needs into the current data folder.
void shootSpine(Shooter &shoot);
void shootRegister(Shooter &shoot);
void shootCustomers(Shooter &shoot);
void shootReceipts(Shooter &shoot);
void shootChecks(Shooter &shoot);
void shootSummaries(Shooter &shoot);
void shootCompliance(Shooter &shoot);
void shootExport(Shooter &shoot);
void shootReport(Shooter &shoot);
void shootStatistics(Shooter &shoot);

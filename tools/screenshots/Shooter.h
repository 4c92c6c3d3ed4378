#pragma once
#include <QHash>
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

class QWidget;

// Writes one PNG per window or printed page into the output folder (none
// when it is empty), and keeps the pictures asked for in memory.
class Shooter
{
public:
    Shooter(const QString &outDir, QSize screen);
    void keep(const QStringList &names) { m_keep = names; }
    const QHash<QString, QImage> &kept() const { return m_kept; }
    // Shows the window at the screen's size (dialogs and fixed windows at
    // their own), lets it lay out and saves it.
    void window(QWidget *w, const QString &name);
    void image(const QImage &page, const QString &name);
    int count() const { return m_count; }

private:
    void take(const QImage &picture, const QString &name);

    QString m_outDir;
    QSize m_screen;
    int m_count = 0;
    QStringList m_keep;
    QHash<QString, QImage> m_kept;
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

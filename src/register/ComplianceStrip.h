#pragma once
#include "register/compliance/ComplianceRules.h"

#include <QWidget>

class QVBoxLayout;

// The strip under the register card: what the law still asks of the card
// on screen, one clickable line per finding, or a green line when nothing
// is missing. It only informs; it never stops a Save.
class ComplianceStrip : public QWidget
{
    Q_OBJECT
public:
    explicit ComplianceStrip(QWidget *parent = nullptr);
    void show(const QList<Compliance::Finding> &findings);
    QStringList texts() const;  // what the strip reads, line by line

    static QString compliantText() { return QStringLiteral("Scheda conforme agli obblighi di legge."); }

signals:
    // The field a finding points at (a record field name, FotoA or FotoB).
    void fieldRequested(const QString &field);

private:
    QWidget *m_content;
    QVBoxLayout *m_lines;
    QList<Compliance::Finding> m_shown;
};

#pragma once
#include "report/PageTemplate.h"

#include <QDateTime>
#include <QImage>

class QWidget;

// The printed register card "Scheda Operazione": one A4 portrait page,
// margins 10 mm, to be signed by the operator and by the customer.
namespace CardTemplate {

// The preview's copy of the page differs in three places: the amount line
// sits 1 mm further right and the privacy line is 1 mm narrower.
enum class Variant { Print, Preview };
Report::PageTemplate make(Variant variant);

// Fills the page from the register window's controls and photos as they are
// on screen, with the logo and the moment of printing.
void fill(Report::PageTemplate &page, const QWidget *registerWindow, const QImage &logo,
          const QDateTime &printedAt);

// The register window's photo A (0) or B (1) as it shows it.
QImage registerPhoto(const QWidget *registerWindow, int which);

inline QString operatorSignatureCaption() { return QStringLiteral("FIRMA OPERATORE COMPRO ORO"); }
}

#pragma once
#include "register/RegisterRecord.h"
#include "report/ReportDocument.h"
#include "report/ReportObject.h"

#include <QDate>
#include <QList>

// The register book shown to an inspector: every card of a period in file
// order, one framed block per card that is never split across pages, with a
// header (shop and issuing company, period) and a footer ("Pagina X di Y",
// when it was printed) on every page, and a closing line with the number of
// cards and the total paid. A4 portrait; long texts wrap inside their block.
class RegisterBook : public Report::Document
{
public:
    struct Card
    {
        int position = 0;  // 1-based, names the photo files
        RegisterRecord record;
    };
    struct Heading
    {
        QString tradeName;
        QString company;   // name of the issuing company
        QString address;   // street, postcode, town, province
        QString vatNumber;
        QString fiscalCode;
    };
    struct Period
    {
        QDate from;
        QDate to;
    };

    // Reads the register, the settings and (when painting) the photos of a
    // data folder. Throws StorageError when the register cannot be read.
    static RegisterBook fromDataFolder(const QString &folder, const Period &period, bool photos);

    RegisterBook(const QList<Card> &cards, const Heading &heading, const Period &period, bool photos,
                 const QString &photoFolder, int undatedCards = 0);

    // Where each card's block went, for the printed checks of the layout.
    struct Placement
    {
        int card;      // index into cards()
        int page;      // 0-based
        qreal topMm;   // from the top of the printable area
        qreal heightMm;
    };
    const QList<Placement> &placements() const { return m_placements; }
    const QList<Card> &cards() const { return m_cards; }
    QString totalPaid() const { return m_totalPaid; }  // "1234,56"
    QString closingLine() const;
    // "Registro_Operazioni_01-01-2026_31-12-2026.pdf"
    static QString pdfFileName(const Period &period);

    QString name() const override { return QStringLiteral("Registro delle operazioni"); }
    QPageLayout pageLayout() const override;
    int pageCount() const override { return int(m_pages.size()); }
    void paintPage(QPainter &painter, int index, const QDateTime &printedAt) const override;

private:
    struct Photo
    {
        QString path;
        QRectF mm;
    };
    struct Page
    {
        QList<Report::Object> objects;
        QList<Photo> photos;
    };
    void layOut();
    qreal layOutCard(int index, QList<Report::Object> &objects, QList<Photo> &photos) const;
    QList<Report::Object> pageFrame(int index) const;

    QList<Card> m_cards;
    Heading m_heading;
    Period m_period;
    bool m_photos;
    QString m_photoFolder;
    int m_undatedCards;
    int m_unreadableAmounts = 0;
    QString m_totalPaid;
    QList<Page> m_pages;
    QList<Placement> m_placements;
};

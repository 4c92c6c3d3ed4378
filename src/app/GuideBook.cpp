#include "app/GuideBook.h"
#include "ui/Help.h"
#include "ui/WindowNames.h"
#include "ui/Theme.h"

namespace GuideBook {

namespace {
using Style = Report::Booklet::TextStyle;

const QColor kCrimson = Theme::colour(Theme::Colour::Crimson);
const Style kBookTitle{Theme::family(Theme::Face::Title), 22, true, Theme::colour(Theme::Colour::HouseBlue), 4};
const Style kContentsTitle{Theme::family(Theme::Face::Title), 14, true, Theme::colour(Theme::Colour::HouseBlue), 3};
const Style kContentsLine{Theme::family(Theme::Face::Body), 11, false, Theme::colour(Theme::Colour::PrintInk), 0};
const Style kChapterTitle{Theme::family(Theme::Face::Title), 16, true, kCrimson, 4};
const Style kBody{Theme::family(Theme::Face::Body), 10, false, Theme::colour(Theme::Colour::PrintInk), 0};
const Style kPageNumber{Theme::family(Theme::Face::Body), 8, false, Theme::colour(Theme::Colour::Grey), 0};
constexpr qreal kPictureHeightMm = 110;
constexpr qreal kFooterMm = 8;  // kept free at the bottom of each page for its number

Report::Object textAt(const Style &style, const QString &text, QRectF mm, Qt::Alignment alignment)
{
    Report::Object o = Report::text(QString(), mm, style.pointSize, text, alignment | Qt::AlignTop);
    o.fontFamily = style.fontFamily;
    o.bold = style.bold;
    o.textColour = style.colour;
    return o;
}
} // namespace

QList<Chapter> chapters()
{
    // Reading order; each chapter is the help of the window pictured in it.
    const QLatin1StringView windows[] = {
        WindowNames::avvio,       WindowNames::registro,    WindowNames::anagrafica,  WindowNames::ricevute,
        WindowNames::riepMensile, WindowNames::statistiche, WindowNames::riepilogo,   WindowNames::riepCosti,
        WindowNames::expRegistro, WindowNames::expClienti,  WindowNames::expRicevute, WindowNames::segnalazioni,
    };
    QList<Chapter> list;
    for (const QLatin1StringView window : windows)
        list.append({Help::of(window), window});
    return list;
}

Report::Booklet build(const QList<Chapter> &chapters, const QHash<QString, QImage> &pictures)
{
    Report::Booklet book(QStringLiteral("Guida all'utilizzo del software Valtrena"),
                         Report::a4(QPageLayout::Portrait, 15), kFooterMm);

    // The contents go on the first page once the chapters know their pages.
    QList<int> firstPages;
    for (const Chapter &chapter : chapters) {
        book.newPage();
        firstPages.append(book.currentPage());
        book.addText(chapter.topic.title, kChapterTitle);
        book.addPicture(pictures.value(chapter.window), kPictureHeightMm, 6);
        book.addText(chapter.topic.text, kBody);
    }

    const qreal width = book.widthMm();
    qreal top = 0;
    auto line = [&](const Style &style, const QString &text) {
        book.place(0, textAt(style, text, QRectF(0, top, width, Report::Booklet::lineHeightMm(style)),
                             Qt::AlignLeft));
        top += Report::Booklet::lineHeightMm(style) + style.spaceAfterMm;
    };
    line(kBookTitle, QStringLiteral("Guida all'utilizzo del software Valtrena"));
    line(kContentsTitle, QStringLiteral("Indice"));
    const qreal rowHeight = Report::Booklet::lineHeightMm(kContentsLine) * 1.5;
    for (qsizetype i = 0; i < chapters.size(); ++i) {
        const QRectF row(0, top, width, rowHeight);
        book.place(0, textAt(kContentsLine, chapters[i].topic.title, row.adjusted(0, 0, -20, 0), Qt::AlignLeft));
        book.place(0, textAt(kContentsLine, QString::number(firstPages[i] + 1), row, Qt::AlignRight));
        top += rowHeight;
    }

    const QString pages = QString::number(book.pageCount());
    for (int page = 0; page < book.pageCount(); ++page)
        book.place(page, textAt(kPageNumber, QStringLiteral("Pagina %1 di %2").arg(page + 1).arg(pages),
                                QRectF(0, book.heightMm() + 3, width, kFooterMm - 3), Qt::AlignHCenter));
    return book;
}

} // namespace GuideBook

#pragma once
// Result lists: how a search or summary window uses them.
//
//   class TfrmSospese : public ResultListDialog {
//     TfrmSospese(QWidget *parent) : ResultListDialog(spec(), parent) {
//       setSource({[] { return <archive path>; }, ReceiptRecordLayout::size, line()});
//       fillFromArchive([](const char *r) { return <qualifies, on the encoded bytes>; });
//     }
//     void deliver(const ArchiveScan::Found &f) override { <load f.record / f.index> }
//   };
//
// - ListWindowSpec: class name, caption, ResultListOptions (sorted, double-click,
//   Enter to Trova, item width, find-message kind), print variant and title,
//   button texts, fixed size or maximised.
// - LineFormat: the columns, e.g. LineFormat::field<RegisterRecord>(u"  -  "_qs,
//   "Descrizione", 50, u"Descrizione"_qs), LineFormat::kRest for the last one;
//   joined<R>() for "Cognome Nome". The last argument is the column's name in
//   the heading row above the list (lblIntestazione), placed from the same widths.
// - Fill where the window's rules say (formShow() override, constructor or a
//   button); fillFromArchive() does the whole usual fill, or call list()->reset(),
//   ArchiveScan::each/collect and list()->setLines(lines, records) yourself when
//   a fill also sums totals (see the inventory): give each line the 0-based
//   number of its record, which is what a double-click opens.
// - headerArea()/footerArea()/addButton() take the window's own controls;
//   totalsLines() gives what is printed after the list; reportTitle() the title.
// - Search windows derive from SearchDialog (SearchDialog.h) with a SearchSpec:
//   the ListWindowSpec plus SearchField::of<R>("txtCognome", u"Cognome:"_qs,
//   "Cognome") per criterion; the criteria run on the encoded record bytes.
// - Pure parts (no widgets, library vt_summaries_core): ResultLines (fit, order,
//   folding), FindNext, RecordCriteria, ArchiveScan, TotalText (total labels).
//   Link vt_resultlist for the widgets.
#include "resultlist/ArchiveScan.h"
#include "resultlist/ListPrintout.h"
#include "resultlist/ResultLines.h"
#include "resultlist/ResultList.h"

#include <QDialog>
#include <functional>

class QHBoxLayout;
class QPushButton;
class QVBoxLayout;

// The data that make one list window: how it looks, how its list behaves,
// how it prints.
struct ListWindowSpec
{
    QString className;
    QString caption;
    ResultListOptions list;
    PrintVariant print = PrintVariant::Simple;
    QString printTitle;
    QString printButton = QStringLiteral("Stampa");
    QString closeName = QStringLiteral("btnChiudi");
    QString closeButton = QStringLiteral("Chiudi");
    bool maximised = false;
    QSize fixedSize = QSize(1280, 680);  // when not maximised
    bool windowButtons = true;  // false: a title bar only, left through its own buttons
};

// The archive behind a list and the line each record gives: enough to fill
// the list and to find a line's record again.
struct ListSource
{
    std::function<QString()> path;
    int recordSize = 0;
    LineFormat line;
};

// A list window: a dialog whose results panel (panContainer) holds the
// window's own header, the shared list, its own footer and the buttons.
// A window configures it with a ListWindowSpec and a ListSource and
// overrides only what is its own: when it fills, what a double-click
// delivers, which totals it prints.
class ResultListDialog : public QDialog
{
    Q_OBJECT
public:
    ResultListDialog(const ListWindowSpec &spec, QWidget *parent = nullptr);

    ResultList *list() const { return m_list; }
    const ListWindowSpec &spec() const { return m_spec; }
    const LineFormat &lineFormat() const { return m_source.line; }  // what each line and the heading follow
    // What "Stampa" prints: the title, the lines and the window's totals.
    ListPrintout printout() const;

public slots:
    void btnStampaClick();
    // Reads the selected line's own record again, hands it over, closes.
    void lstRecordsDblClick();

protected:
    // The archive and its line; the list's heading row names the line's columns.
    void setSource(ListSource source);
    const ListSource &source() const { return m_source; }

    // The usual fill: empties the find memory, reads the whole archive and
    // lists the records that qualify; a failure ends it and keeps the lines
    // read so far. Returns whether the reading was complete.
    bool fillFromArchive(const std::function<bool(const char *record)> &qualifies = {});

    QVBoxLayout *outerLayout() const { return m_body; }  // panels in the same place, under the title
    QWidget *resultsPanel() const { return m_results; }   // panContainer
    QVBoxLayout *headerArea() const { return m_header; }  // above the list
    QVBoxLayout *footerArea() const { return m_footer; }  // below the list
    QHBoxLayout *buttonRow() const { return m_buttons; }  // left of Stampa and Chiudi
    QPushButton *addButton(const QString &name, const QString &text);

    virtual void formShow() {}   // every time the window is shown
    virtual void formClose() {}  // after the list has been emptied
    // The record the double-clicked line was built from.
    virtual void deliver(const ArchiveScan::Found &) {}
    // Lines printed after the list (separator and totals), if any.
    virtual QStringList totalsLines() const { return {}; }
    virtual QString reportTitle() const { return m_spec.printTitle; }

    void showEvent(QShowEvent *event) override;
    void done(int result) override;

private:
    ListWindowSpec m_spec;
    ListSource m_source;
    ResultList *m_list;
    QVBoxLayout *m_outer;
    QVBoxLayout *m_body;
    QWidget *m_results;
    QVBoxLayout *m_header;
    QVBoxLayout *m_footer;
    QHBoxLayout *m_buttons;
    int m_ownButtons = 0;
};

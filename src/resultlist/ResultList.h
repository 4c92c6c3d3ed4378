#pragma once
#include "ui/Messages.h"
#include "resultlist/FindNext.h"

#include <QStringList>
#include <QWidget>

class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class ResultListModel;

// What makes one result list differ from another.
struct ResultListOptions
{
    bool sorted = true;            // false: lines keep file order
    bool doubleClick = true;       // a double-click hands the record over (and lblRigo03 shows)
    bool enterMovesToFind = true;  // Enter in txtTrova moves the focus to btnTrova
    int itemWidth = 1600;          // 1400 in the receipt lists; wider for a longer line
    MessageKind findMessage = MessageKind::Plain;  // the kind of the empty-list message
};

// The list part every search and summary window shares: the instruction
// labels, the find field with its button and the monospaced list.
class ResultList : public QWidget
{
    Q_OBJECT
public:
    explicit ResultList(const ResultListOptions &options, QWidget *parent = nullptr);

    // Before a fill: empties the last search key and the find field.
    void reset();
    // Empties the find field only (the search windows after a search).
    void clearFindText();
    // Shows the lines (sorted when the list is), with nothing selected.
    // `records` gives beside each line the 0-based number of the record it
    // shows; sorting keeps each line with its record.
    void setLines(QStringList lines, QList<int> records = {});
    void clear();
    const QStringList &lines() const;
    int count() const;
    int selectedIndex() const;  // -1 when nothing is selected
    void setSelectedIndex(int index);
    QString selectedLine() const;  // empty when nothing is selected
    int selectedRecord() const;    // the selected line's record; -1 when none
    void focusFind();
    // The heading row above the lines: the column names, in the lines' own
    // font; it scrolls sideways with them.
    void setHeading(const QString &text);
    QLabel *heading() const { return lblIntestazione; }
    // Where a line's text starts inside its item, in pixels.
    int textMargin() const;
    const ResultListOptions &options() const { return m_options; }
    QListView *view() const { return lstRecords; }

    static QString emptyListText();

signals:
    // A double-click on the list (only where the options allow one).
    void recordRequested();

public slots:
    void btnTrovaClick();
    void lstRecordsDblClick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void placeHeading();

    ResultListOptions m_options;
    FindNext m_find;
    ResultListModel *m_model;
    QLabel *lblRigo01;
    QLabel *lblRigo02;
    QLabel *lblRigo03 = nullptr;
    QLineEdit *txtTrova;
    QPushButton *btnTrova;
    QListView *lstRecords;
    QWidget *panIntestazione;  // the heading's strip, as wide as the list
    QWidget *m_headingClip;    // over the list's viewport: the heading scrolls inside it
    QLabel *lblIntestazione;
};

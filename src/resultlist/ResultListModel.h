#pragma once
#include <QAbstractListModel>
#include <QFont>
#include <QList>
#include <QStringList>

// The lines of a result list, each with the 0-based number of the record it
// was built from (-1 for a line with no record behind it), so a line always
// opens its own record even when another one reads the same. Every row has
// the same size, so a view of 100,000 lines lays out at once.
class ResultListModel : public QAbstractListModel
{
    Q_OBJECT
public:
    explicit ResultListModel(QObject *parent = nullptr);

    // `records` is empty (no line has a record) or as long as `lines`.
    void setLines(QStringList lines, QList<int> records = {});
    void clear() { setLines({}); }
    const QStringList &lines() const { return m_lines; }
    int recordAt(int row) const;
    // The width every line is given, so long lines scroll sideways: at least
    // `pixels`, more where the longest line needs more to be read to its end.
    void setItemWidth(int pixels);
    int itemWidth() const { return m_itemWidth; }
    // The lines' font; a change re-measures the rows and the item width.
    const QFont &font() const { return m_font; }
    void setFont(const QFont &font);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

private:
    int widestLine() const;

    QStringList m_lines;
    QList<int> m_records;
    QFont m_font;
    int m_itemWidth = 0;
    int m_askedWidth = 0;
    int m_rowHeight;
};

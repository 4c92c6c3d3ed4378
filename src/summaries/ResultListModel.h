#pragma once
#include <QAbstractListModel>
#include <QFont>
#include <QStringList>

// The lines of a result list. Only the text is kept for a line: no record
// number or file position, as the lists have always worked. Every row has
// the same size, so a view of 100,000 lines lays out at once.
class ResultListModel : public QAbstractListModel
{
    Q_OBJECT
public:
    explicit ResultListModel(QObject *parent = nullptr);

    void setLines(QStringList lines);
    void clear() { setLines({}); }
    const QStringList &lines() const { return m_lines; }
    // The width every line is given, so long lines scroll sideways.
    void setItemWidth(int pixels);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

private:
    QStringList m_lines;
    QFont m_font;
    int m_itemWidth = 0;
    int m_rowHeight;
};

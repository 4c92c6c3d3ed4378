#include "resultlist/ResultListModel.h"
#include "ui/Theme.h"

#include <QBrush>
#include <QColor>
#include <QFontMetrics>
#include <QSize>

ResultListModel::ResultListModel(QObject *parent)
    : QAbstractListModel(parent), m_font(Theme::font(Theme::Face::Fixed, 12))
{
    m_font.setStyleHint(QFont::Monospace);
    m_rowHeight = QFontMetrics(m_font).height() + 2;
}

void ResultListModel::setLines(QStringList lines, QList<int> records)
{
    Q_ASSERT(records.isEmpty() || records.size() == lines.size());
    beginResetModel();
    m_lines = std::move(lines);
    m_records = std::move(records);
    if (m_records.size() != m_lines.size())
        m_records = QList<int>(m_lines.size(), -1);
    endResetModel();
}

int ResultListModel::recordAt(int row) const
{
    return row >= 0 && row < m_records.size() ? m_records.at(row) : -1;
}

int ResultListModel::widestLine() const
{
    // The font is monospaced: the line with the most characters is the widest.
    qsizetype longest = -1;
    qsizetype length = -1;
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        if (m_lines.at(i).size() > length) {
            length = m_lines.at(i).size();
            longest = i;
        }
    }
    if (longest < 0)
        return 0;
    // Room for the view's own margins around the text.
    return QFontMetrics(m_font).horizontalAdvance(m_lines.at(longest)) + 16;
}

void ResultListModel::setFont(const QFont &font)
{
    if (font == m_font)
        return;
    m_font = font;
    m_rowHeight = QFontMetrics(m_font).height() + 2;
    if (!m_lines.isEmpty())
        emit dataChanged(index(0), index(int(m_lines.size()) - 1), {Qt::FontRole, Qt::SizeHintRole});
    const int asked = m_askedWidth;
    m_itemWidth = -1;  // measured again in the new font
    setItemWidth(asked);
}

void ResultListModel::setItemWidth(int pixels)
{
    m_askedWidth = pixels;
    pixels = qMax(pixels, widestLine());
    if (pixels == m_itemWidth)
        return;
    m_itemWidth = pixels;
    if (!m_lines.isEmpty())
        emit dataChanged(index(0), index(int(m_lines.size()) - 1), {Qt::SizeHintRole});
    emit layoutChanged();
}

int ResultListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_lines.size());
}

QVariant ResultListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_lines.size())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return m_lines.at(index.row());
    case Qt::FontRole:
        return m_font;
    case Qt::ForegroundRole:
        return QBrush(Theme::colour(Theme::Colour::PrintInk));
    case Qt::SizeHintRole:
        if (m_itemWidth > 0)
            return QSize(m_itemWidth, m_rowHeight);
        return {};
    default:
        return {};
    }
}

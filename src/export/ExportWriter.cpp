#include "export/ExportWriter.h"
#include "export/ExportTable.h"
#include "storage/Cp1252.h"
#include "storage/StorageError.h"

#include <QFile>
#include <cstring>

namespace {

constexpr char kHead[] =
    "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\""
    " xmlns:x=\"urn:schemas-microsoft-com:office:excel\""
    " xmlns=\"http://www.w3.org/TR/REC-html40\">"
    "<head>"
    "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
    "<!--[if gte mso 9]><xml><x:ExcelWorkbook><x:ExcelWorksheets><x:ExcelWorksheet>"
    "<x:Name>";

constexpr char kAfterName[] =
    "</x:Name>"
    "<x:WorksheetOptions><x:Selected/><x:Panes><x:Pane><x:Number>1</x:Number>"
    "<x:ActiveRow>3</x:ActiveRow></x:Pane></x:Panes>"
    "<x:ProtectContents>False</x:ProtectContents><x:ProtectObjects>False</x:ProtectObjects>"
    "<x:ProtectScenarios>False</x:ProtectScenarios>"
    "</x:WorksheetOptions></x:ExcelWorksheet></x:ExcelWorksheets></x:ExcelWorkbook>"
    "</xml><![endif]--></head>"
    "<body><table x:str>";

constexpr char kTitleCell[] = "<td style=\"text-align: left; font-weight: bold;\" width=";
constexpr char kDataCell[] = "<td style=\"text-align: left;\">";
constexpr char kTail[] = "</table></body></html>";
constexpr qsizetype kBlockSize = 1 << 20;

template <std::size_t N>
char *put(char *at, const char (&literal)[N])
{
    std::memcpy(at, literal, N - 1);
    return at + N - 1;
}

} // namespace

namespace ExportWriter {

void appendCell(ByteBuffer &out, QByteArrayView text)
{
    const QByteArrayView cell = trimmedBytes(text);
    char *at = out.room(qsizetype(sizeof kDataCell) + 5 + cell.size() * 5);
    at = put(at, kDataCell);
    for (const char c : cell) {
        switch (c) {
        case '&': at = put(at, "&amp;"); break;
        case '<': at = put(at, "&lt;"); break;
        case '>': at = put(at, "&gt;"); break;
        default: *at++ = c;
        }
    }
    at = put(at, "</td>");
    out.commit(at);
}

// Writes the file into `out`, calling `rowDone` after each row so that a
// caller may hand the bytes on and reuse the buffer.
template <class RowDone>
void renderInto(const ExportTable &table, ByteBuffer &out, RowDone rowDone)
{
    const ExportSheet &sheet = table.sheet();
    out.append(kHead);
    out.append(Cp1252::encode(sheet.worksheet));
    out.append(kAfterName);

    out.append("<tr>");
    for (const ExportColumn &column : sheet.columns) {
        out.append(kTitleCell);
        out.append(QByteArray::number(column.width));
        out.append(">");
        out.append(Cp1252::encode(column.title));
        out.append("</td>");
    }
    out.append("</tr>");
    rowDone();

    for (int r = 0; r < table.rowCount(); ++r) {
        if (r >= table.recordCount() && table.isRowBlank(r))
            continue;
        out.append("<tr>");
        for (int c = 0; c < table.columnCount(); ++c)
            appendCell(out, table.bytes(r, c));
        out.append("</tr>");
        rowDone();
    }
    out.append(kTail);
}

QByteArray render(const ExportTable &table)
{
    ByteBuffer out;
    renderInto(table, out, [] {});
    return out.take();
}

void write(const ExportTable &table, const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        throw StorageError(file.errorString());
    ByteBuffer block;
    // A row never comes near the slack, so the block is claimed once.
    block.reserve(kBlockSize + kBlockSize / 4);
    const auto writeOut = [&] {
        if (file.write(block.data(), block.size()) != block.size())
            throw StorageError(file.errorString());
        block.clear();
    };
    renderInto(table, block, [&] {
        if (block.size() >= kBlockSize)
            writeOut();
    });
    writeOut();
    file.close();
    if (file.error() != QFileDevice::NoError)
        throw StorageError(file.errorString());
}

} // namespace ExportWriter

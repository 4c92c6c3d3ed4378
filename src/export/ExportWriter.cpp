#include "export/ExportWriter.h"
#include "export/ExportTable.h"
#include "storage/Cp1252.h"
#include "storage/StorageError.h"

#include <QFile>

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

} // namespace

namespace ExportWriter {

void appendCell(QByteArray &out, QByteArrayView text)
{
    out.append(kDataCell);
    const QByteArrayView cell = trimmedBytes(text);
    qsizetype plainFrom = 0;
    for (qsizetype i = 0; i < cell.size(); ++i) {
        const char *entity = nullptr;
        switch (cell[i]) {
        case '&': entity = "&amp;"; break;
        case '<': entity = "&lt;"; break;
        case '>': entity = "&gt;"; break;
        default: continue;
        }
        out.append(cell.sliced(plainFrom, i - plainFrom));
        out.append(entity);
        plainFrom = i + 1;
    }
    out.append(cell.sliced(plainFrom));
    out.append("</td>");
}

QByteArray render(const ExportTable &table)
{
    const ExportSheet &sheet = table.sheet();
    QByteArray out;
    qsizetype textBytes = 0;
    for (int r = 0; r < table.recordCount(); ++r)
        for (int c = 0; c < table.columnCount(); ++c)
            textBytes += table.bytes(r, c).size();
    out.reserve(4096 + textBytes + qsizetype(table.rowCount() + 1) * (table.columnCount() * 40 + 9));

    out.append(kHead);
    out.append(Cp1252::encode(sheet.worksheet));
    out.append(kAfterName);

    out.append("<tr>");
    for (const ExportColumn &column : sheet.columns) {
        out.append(kTitleCell);
        out.append(QByteArray::number(column.width));
        out.append('>');
        out.append(Cp1252::encode(column.title));
        out.append("</td>");
    }
    out.append("</tr>");

    for (int r = 0; r < table.rowCount(); ++r) {
        if (r >= table.recordCount() && table.isRowBlank(r))
            continue;
        out.append("<tr>");
        for (int c = 0; c < table.columnCount(); ++c)
            appendCell(out, table.bytes(r, c));
        out.append("</tr>");
    }
    out.append(kTail);
    return out;
}

void writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw StorageError(file.errorString());
    if (file.write(content) != content.size() || !file.flush())
        throw StorageError(file.errorString());
    file.close();
    if (file.error() != QFileDevice::NoError)
        throw StorageError(file.errorString());
}

} // namespace ExportWriter

#include "export/ExportWriter.h"
#include "export/ExportTable.h"
#include "storage/Cp1252.h"
#include "storage/Record.h"
#include "storage/StorageError.h"

#include <QFile>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

inline bool isMarkup(char c) { return c == '&' || c == '<' || c == '>'; }

// The first '&', '<' or '>' in [from, end), or end. Most cells hold none,
// so a long cell is looked through sixteen bytes at a time.
const char *findMarkup(const char *from, const char *end)
{
#if defined(__SSE2__)
    const __m128i amp = _mm_set1_epi8('&');
    const __m128i lt = _mm_set1_epi8('<');
    const __m128i gt = _mm_set1_epi8('>');
    for (; end - from >= 16; from += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i *>(from));
        const __m128i hits = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(bytes, amp), _mm_cmpeq_epi8(bytes, lt)),
                                          _mm_cmpeq_epi8(bytes, gt));
        if (const int mask = _mm_movemask_epi8(hits))
            return from + __builtin_ctz(unsigned(mask));
    }
#endif
    while (from != end && !isMarkup(*from))
        ++from;
    return from;
}

// The most a cell of `length` bytes can take in the file.
constexpr qsizetype cellRoom(qsizetype length) { return qsizetype(sizeof kDataCell) + 5 + length * 5; }

// Writes a cell, trimmed, with "&", "<" and ">" as entities, at `at`, which
// has cellRoom() bytes; returns the end. Plain runs are copied whole.
char *writeCell(char *at, QByteArrayView text)
{
    const QByteArrayView cell = ShortText::trimmedBytes(text);
    at = put(at, kDataCell);
    const char *run = cell.data();
    const char *const end = run + cell.size();
    for (const char *c = findMarkup(run, end); c != end; c = findMarkup(run, end)) {
        if (c != run) {
            std::memcpy(at, run, size_t(c - run));
            at += c - run;
        }
        at = *c == '&' ? put(at, "&amp;") : *c == '<' ? put(at, "&lt;") : put(at, "&gt;");
        run = c + 1;
    }
    if (end != run) {
        std::memcpy(at, run, size_t(end - run));
        at += end - run;
    }
    return put(at, "</td>");
}

} // namespace

namespace ExportWriter {

void appendCell(ByteBuffer &out, QByteArrayView text)
{
    char *at = out.room(cellRoom(text.size()));
    out.commit(writeCell(at, text));
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
        // Room for the whole row is claimed once, then filled cell by cell.
        qsizetype room = qsizetype(sizeof "<tr></tr>");
        for (int c = 0; c < table.columnCount(); ++c)
            room += cellRoom(table.bytes(r, c).size());
        char *at = put(out.room(room), "<tr>");
        for (int c = 0; c < table.columnCount(); ++c)
            at = writeCell(at, table.bytes(r, c));
        out.commit(put(at, "</tr>"));
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

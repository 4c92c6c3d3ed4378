#include "register/compliance/RegisterCompliance.h"
#include "register/compliance/CardBytes.h"
#include "register/compliance/PhotoEvidence.h"
#include "storage/Cp1252.h"
#include "storage/StorageError.h"

#include <QDir>
#include <QFile>
#include <algorithm>

namespace Compliance {

using namespace CardBytes;

std::vector<int> splitPayments(std::vector<Payment> payments, qint64 threshold, int days)
{
    std::sort(payments.begin(), payments.end(),
              [](const Payment &a, const Payment &b) { return a.day < b.day; });
    const size_t n = payments.size();
    std::vector<qint64> sums(n + 1, 0);
    for (size_t i = 0; i < n; ++i)
        sums[i + 1] = sums[i] + payments[i].cents;
    // Each window starts at a payment and takes those within `days` days of
    // it; a window that reaches the threshold marks all of its payments.
    std::vector<int> marks(n + 1, 0);
    size_t last = 0;
    for (size_t first = 0; first < n; ++first) {
        last = std::max(last, first);
        while (last + 1 < n && payments[last + 1].day <= payments[first].day + days - 1)
            ++last;
        if (last > first && sums[last + 1] - sums[first] >= threshold) {
            ++marks[first];
            --marks[last + 1];
        }
    }
    std::vector<int> ids;
    int open = 0;
    for (size_t i = 0; i < n; ++i) {
        open += marks[i];
        if (open > 0)
            ids.push_back(payments[i].id);
    }
    return ids;
}

QByteArray numberKey(const char *record) { return folded(trimmed(record, NumScheda)); }

QByteArray customerKey(const char *record)
{
    const QByteArrayView code = trimmed(record, CodFisc);
    if (!code.isEmpty())
        return 'F' + folded(code);
    const QByteArrayView name = trimmed(record, Cliente);
    if (name.isEmpty())
        return {};
    return 'N' + folded(name) + '\x01' + trimmed(record, DataNasc).toByteArray();
}

std::optional<Payment> splitCandidate(const char *record, const Settings &settings, int id)
{
    if (!isCash(record))
        return std::nullopt;
    const auto amount = cents(trimmed(record, Importo));
    const auto date = day(trimmed(record, Data));
    if (!amount || !date || *amount <= 0 || *amount >= settings.cashThresholdCents)
        return std::nullopt;
    return Payment{*date, *amount, id};
}

namespace {

// Reads whole records in large blocks; false when the reading failed.
bool eachRecord(QIODevice &archive, const std::function<void(const char *, int)> &visit)
{
    const int size = RegisterRecordLayout::size;
    const int perBlock = (1 << 18) / size;
    QByteArray block(qsizetype(perBlock) * size, Qt::Uninitialized);
    int index = 0;
    qsizetype held = 0;
    for (;;) {
        const qint64 got = archive.read(block.data() + held, block.size() - held);
        if (got < 0)
            return false;
        held += got;
        const qsizetype whole = held / size;
        for (qsizetype i = 0; i < whole; ++i)
            visit(block.constData() + i * size, index++);
        const qsizetype rest = held - whole * size;
        std::memmove(block.data(), block.constData() + whole * size, size_t(rest));
        held = rest;
        if (got == 0)
            return true;  // a torn tail is not a card
    }
}

// A card number as the repeat rule compares it (A-Z folded), hashed.
quint64 foldedHash(QByteArrayView text)
{
    quint64 h = 14695981039346656037ull;
    for (const char c : text) {
        h ^= quint8(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
        h *= 1099511628211ull;
    }
    return h;
}

struct NumberSeen
{
    quint64 hash;
    int index;
};

// The three texts a list line shows, kept encoded until a card has a finding.
struct Shown
{
    qsizetype at;
    int lengths[3];
};

} // namespace

RegisterReport checkRegister(QIODevice &archive, const Settings &settings, const PhotoLookup &photos)
{
    RegisterReport report;
    std::vector<quint32> failed;
    std::vector<Shown> shown;
    QByteArray texts;
    std::vector<NumberSeen> numbers;  // sorted after the reading to find the repeated ones
    QHash<QByteArray, std::vector<Payment>> payments;
    if (!archive.isSequential()) {
        const auto cards = qsizetype(archive.size() / RegisterRecordLayout::size);
        failed.reserve(size_t(cards));
        shown.reserve(size_t(cards));
        numbers.reserve(size_t(cards));
    }

    report.complete = eachRecord(archive, [&](const char *record, int index) {
        CardFacts facts;
        if (photos)
            facts.photos = photos(index + 1);
        failed.push_back(failedRules(record, settings, facts));

        Shown s{texts.size(), {}};
        int k = 0;
        for (Field f : {NumScheda, Data, Cliente}) {
            const QByteArrayView t = trimmed(record, f);
            texts.append(t);
            s.lengths[k++] = int(t.size());
        }
        shown.push_back(s);

        numbers.push_back({foldedHash(trimmed(record, NumScheda)), index});
        if (const auto p = splitCandidate(record, settings, index)) {
            const QByteArray customer = customerKey(record);
            if (!customer.isEmpty())
                payments[customer].push_back(*p);
        }
    });
    report.cards = int(failed.size());

    // The two rules over other cards, as bits of the same table.
    const QList<Rule> &all = rules();
    auto bitOf = [&](const QString &code) {
        for (qsizetype i = 0; i < all.size(); ++i)
            if (all[i].code == code)
                return quint32(1) << i;
        return quint32(0);
    };
    const quint32 duplicateBit = bitOf(QStringLiteral("NUMERO_DOPPIO"));
    const quint32 splitBit = bitOf(QStringLiteral("FRAZIONATA_500"));
    const auto numberOf = [&](int index) {
        const Shown &s = shown[size_t(index)];
        return QByteArrayView(texts.constData() + s.at, s.lengths[0]);
    };
    std::sort(numbers.begin(), numbers.end(),
              [](const NumberSeen &a, const NumberSeen &b) { return a.hash < b.hash; });
    for (size_t first = 0; first < numbers.size();) {
        size_t end = first + 1;
        while (end < numbers.size() && numbers[end].hash == numbers[first].hash)
            ++end;
        // Equal hashes are told apart by their texts: a collision is no repeat.
        if (end - first > 1) {
            std::vector<std::pair<QByteArray, int>> group;
            for (size_t i = first; i < end; ++i)
                group.emplace_back(folded(numberOf(numbers[i].index)), numbers[i].index);
            std::sort(group.begin(), group.end());
            for (size_t i = 0; i < group.size(); ++i) {
                const bool repeated = (i > 0 && group[i - 1].first == group[i].first)
                                      || (i + 1 < group.size() && group[i + 1].first == group[i].first);
                if (repeated)
                    failed[size_t(group[i].second)] |= duplicateBit;
            }
        }
        first = end;
    }
    for (auto it = payments.cbegin(); it != payments.cend(); ++it)
        if (it->size() > 1)
            for (int id : splitPayments(*it, settings.cashThresholdCents, settings.splitDays))
                failed[size_t(id)] |= splitBit;

    QList<QString> ruleTexts;
    for (const Rule &r : all)
        ruleTexts.append(text(r, settings));
    for (size_t i = 0; i < failed.size(); ++i) {
        if (!failed[i])
            continue;
        const Shown &s = shown[i];
        const char *at = texts.constData() + s.at;
        const QString number = Cp1252::decode(at, s.lengths[0]);
        const QString date = Cp1252::decode(at + s.lengths[0], s.lengths[1]);
        const QString customer = Cp1252::decode(at + s.lengths[0] + s.lengths[1], s.lengths[2]);
        for (qsizetype r = 0; r < all.size(); ++r)
            if (failed[i] & (quint32(1) << r))
                report.findings.append({int(i) + 1, number, date, customer, all[r].code, ruleTexts[r]});
    }
    return report;
}

PhotoLookup photoFilesIn(const QString &folder, const PhotoEvidence &evidence)
{
    const QDir dir(folder);
    return [dir, &evidence](int position) {
        const QString n = QString::number(position);
        return evidence.files(dir.filePath(QStringLiteral("Foto_A_") + n + QStringLiteral(".jpg")),
                              dir.filePath(QStringLiteral("Foto_B_") + n + QStringLiteral(".jpg")));
    };
}

OtherCards OtherCards::read(const QString &path, int except, const Settings &settings)
{
    OtherCards other;
    QFile file(path);
    if (!file.exists())
        return other;
    if (!file.open(QIODevice::ReadOnly))
        throw StorageError(file.errorString());
    const bool complete = eachRecord(file, [&](const char *record, int index) {
        if (index == except)
            return;
        ++other.m_numbers[numberKey(record)];
        if (const auto p = splitCandidate(record, settings, -1)) {
            const QByteArray customer = customerKey(record);
            if (!customer.isEmpty())
                other.m_payments[customer].push_back(*p);
        }
    });
    if (!complete)
        throw StorageError(file.errorString());
    return other;
}

CardFacts OtherCards::factsFor(const char *record, const Settings &settings) const
{
    CardFacts facts;
    facts.duplicateNumber = m_numbers.value(numberKey(record)) > 0;
    const auto own = splitCandidate(record, settings, 0);
    const QByteArray customer = customerKey(record);
    if (own && !customer.isEmpty()) {
        std::vector<Payment> group = m_payments.value(customer);
        if (!group.empty()) {
            group.push_back(*own);  // the others carry id -1
            const std::vector<int> ids = splitPayments(std::move(group), settings.cashThresholdCents,
                                                       settings.splitDays);
            facts.splitPayment = std::find(ids.begin(), ids.end(), 0) != ids.end();
        }
    }
    return facts;
}

} // namespace Compliance

#pragma once
#include "storage/Record.h"

// One payment receipt of a year's archive (<year>.ric), fields in file order.
struct ReceiptRecord
{
    QString NumRic;
    QString Data;
    QString Ditta;
    QString ViaDitta;
    QString CapDitta;
    QString CittaDitta;
    QString ProvDitta;
    QString IvaDitta;
    QString CodFiscDitta;
    QString Libero01;
    QString Libero02;
    QString Cliente;
    QString ViaCliente;
    QString CapCliente;
    QString CittaCliente;
    QString ProvCliente;
    QString IvaCliente;
    QString CodFiscCliente;
    QString Riferimenti;
    QString Pagamento;
    QString Banca;
    QString Note;
    QString Desc01;
    QString Desc02;
    QString Desc03;
    QString Desc04;
    QString Desc05;
    QString Desc06;
    QString Desc07;
    QString Desc08;
    QString Desc09;
    QString Desc10;
    QString Desc11;
    QString Desc12;
    QString Desc13;
    QString Desc14;
    QString Desc15;
    QString Desc16;
    QString Desc17;
    QString Desc18;
    QString Desc19;
    QString Desc20;
    QString Desc21;
    QString Desc22;
    QString Desc23;
    QString Desc24;
    QString Desc25;
    QString Desc26;
    QString Desc27;
    QString Desc28;
    QString Desc29;
    QString Desc30;
    QString Prezzo01;
    QString Prezzo02;
    QString Prezzo03;
    QString Prezzo04;
    QString Prezzo05;
    QString Prezzo06;
    QString Prezzo07;
    QString Prezzo08;
    QString Prezzo09;
    QString Prezzo10;
    QString Prezzo11;
    QString Prezzo12;
    QString Prezzo13;
    QString Prezzo14;
    QString Prezzo15;
    QString Prezzo16;
    QString Prezzo17;
    QString Prezzo18;
    QString Prezzo19;
    QString Prezzo20;
    QString Prezzo21;
    QString Prezzo22;
    QString Prezzo23;
    QString Prezzo24;
    QString Prezzo25;
    QString Prezzo26;
    QString Prezzo27;
    QString Prezzo28;
    QString Prezzo29;
    QString Prezzo30;
    QString TotCorrispettivi;
    QString Acconti;
    QString Tassa;
    QString Totale;
    QString Saldata;

    static constexpr std::array<FieldDef<ReceiptRecord>, 87> kFields{{
        {"NumRic", 30, &ReceiptRecord::NumRic},
        {"Data", 20, &ReceiptRecord::Data},
        {"Ditta", 50, &ReceiptRecord::Ditta},
        {"ViaDitta", 50, &ReceiptRecord::ViaDitta},
        {"CapDitta", 12, &ReceiptRecord::CapDitta},
        {"CittaDitta", 50, &ReceiptRecord::CittaDitta},
        {"ProvDitta", 2, &ReceiptRecord::ProvDitta},
        {"IvaDitta", 30, &ReceiptRecord::IvaDitta},
        {"CodFiscDitta", 30, &ReceiptRecord::CodFiscDitta},
        {"Libero01", 50, &ReceiptRecord::Libero01},
        {"Libero02", 50, &ReceiptRecord::Libero02},
        {"Cliente", 50, &ReceiptRecord::Cliente},
        {"ViaCliente", 50, &ReceiptRecord::ViaCliente},
        {"CapCliente", 12, &ReceiptRecord::CapCliente},
        {"CittaCliente", 50, &ReceiptRecord::CittaCliente},
        {"ProvCliente", 2, &ReceiptRecord::ProvCliente},
        {"IvaCliente", 30, &ReceiptRecord::IvaCliente},
        {"CodFiscCliente", 30, &ReceiptRecord::CodFiscCliente},
        {"Riferimenti", 50, &ReceiptRecord::Riferimenti},
        {"Pagamento", 50, &ReceiptRecord::Pagamento},
        {"Banca", 50, &ReceiptRecord::Banca},
        {"Note", 250, &ReceiptRecord::Note},
        {"Desc01", 55, &ReceiptRecord::Desc01},
        {"Desc02", 55, &ReceiptRecord::Desc02},
        {"Desc03", 55, &ReceiptRecord::Desc03},
        {"Desc04", 55, &ReceiptRecord::Desc04},
        {"Desc05", 55, &ReceiptRecord::Desc05},
        {"Desc06", 55, &ReceiptRecord::Desc06},
        {"Desc07", 55, &ReceiptRecord::Desc07},
        {"Desc08", 55, &ReceiptRecord::Desc08},
        {"Desc09", 55, &ReceiptRecord::Desc09},
        {"Desc10", 55, &ReceiptRecord::Desc10},
        {"Desc11", 55, &ReceiptRecord::Desc11},
        {"Desc12", 55, &ReceiptRecord::Desc12},
        {"Desc13", 55, &ReceiptRecord::Desc13},
        {"Desc14", 55, &ReceiptRecord::Desc14},
        {"Desc15", 55, &ReceiptRecord::Desc15},
        {"Desc16", 55, &ReceiptRecord::Desc16},
        {"Desc17", 55, &ReceiptRecord::Desc17},
        {"Desc18", 55, &ReceiptRecord::Desc18},
        {"Desc19", 55, &ReceiptRecord::Desc19},
        {"Desc20", 55, &ReceiptRecord::Desc20},
        {"Desc21", 55, &ReceiptRecord::Desc21},
        {"Desc22", 55, &ReceiptRecord::Desc22},
        {"Desc23", 55, &ReceiptRecord::Desc23},
        {"Desc24", 55, &ReceiptRecord::Desc24},
        {"Desc25", 55, &ReceiptRecord::Desc25},
        {"Desc26", 55, &ReceiptRecord::Desc26},
        {"Desc27", 55, &ReceiptRecord::Desc27},
        {"Desc28", 55, &ReceiptRecord::Desc28},
        {"Desc29", 55, &ReceiptRecord::Desc29},
        {"Desc30", 55, &ReceiptRecord::Desc30},
        {"Prezzo01", 10, &ReceiptRecord::Prezzo01},
        {"Prezzo02", 10, &ReceiptRecord::Prezzo02},
        {"Prezzo03", 10, &ReceiptRecord::Prezzo03},
        {"Prezzo04", 10, &ReceiptRecord::Prezzo04},
        {"Prezzo05", 10, &ReceiptRecord::Prezzo05},
        {"Prezzo06", 10, &ReceiptRecord::Prezzo06},
        {"Prezzo07", 10, &ReceiptRecord::Prezzo07},
        {"Prezzo08", 10, &ReceiptRecord::Prezzo08},
        {"Prezzo09", 10, &ReceiptRecord::Prezzo09},
        {"Prezzo10", 10, &ReceiptRecord::Prezzo10},
        {"Prezzo11", 10, &ReceiptRecord::Prezzo11},
        {"Prezzo12", 10, &ReceiptRecord::Prezzo12},
        {"Prezzo13", 10, &ReceiptRecord::Prezzo13},
        {"Prezzo14", 10, &ReceiptRecord::Prezzo14},
        {"Prezzo15", 10, &ReceiptRecord::Prezzo15},
        {"Prezzo16", 10, &ReceiptRecord::Prezzo16},
        {"Prezzo17", 10, &ReceiptRecord::Prezzo17},
        {"Prezzo18", 10, &ReceiptRecord::Prezzo18},
        {"Prezzo19", 10, &ReceiptRecord::Prezzo19},
        {"Prezzo20", 10, &ReceiptRecord::Prezzo20},
        {"Prezzo21", 10, &ReceiptRecord::Prezzo21},
        {"Prezzo22", 10, &ReceiptRecord::Prezzo22},
        {"Prezzo23", 10, &ReceiptRecord::Prezzo23},
        {"Prezzo24", 10, &ReceiptRecord::Prezzo24},
        {"Prezzo25", 10, &ReceiptRecord::Prezzo25},
        {"Prezzo26", 10, &ReceiptRecord::Prezzo26},
        {"Prezzo27", 10, &ReceiptRecord::Prezzo27},
        {"Prezzo28", 10, &ReceiptRecord::Prezzo28},
        {"Prezzo29", 10, &ReceiptRecord::Prezzo29},
        {"Prezzo30", 10, &ReceiptRecord::Prezzo30},
        {"TotCorrispettivi", 10, &ReceiptRecord::TotCorrispettivi},
        {"Acconti", 10, &ReceiptRecord::Acconti},
        {"Tassa", 10, &ReceiptRecord::Tassa},
        {"Totale", 10, &ReceiptRecord::Totale},
        {"Saldata", 2, &ReceiptRecord::Saldata}
    }};
};

using ReceiptRecordLayout = RecordLayout<ReceiptRecord>;
static_assert(ReceiptRecordLayout::size == 3077);
